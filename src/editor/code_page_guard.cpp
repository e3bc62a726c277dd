#include "editor/code_page_guard.h"

#include <optional>

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QValidator>

#include "editor/project_document.h"
#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

constexpr const char* KindProperty = "orvanto_textKind";
constexpr const char* EditsWatchedProperty = "orvanto_editsWatched";

TextKind kindOf(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget); line && line->echoMode() != QLineEdit::Normal)
        return TextKind::Password;
    const QVariant kind = widget->property(KindProperty);
    return kind.isValid() ? static_cast<TextKind>(kind.toInt()) : TextKind::Text;
}

// True when a line edit's own validator refuses the typed text anyway (a number field).
bool validatorRefuses(const QWidget* widget, const QString& typed)
{
    const auto* line = qobject_cast<const QLineEdit*>(widget);
    if (!line || !line->validator())
        return false;
    QString text = line->text();
    int at = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    if (line->hasSelectedText())
        text.remove(at, line->selectedText().size());
    text.insert(at, typed);
    at += typed.size();
    return line->validator()->validate(text, at) == QValidator::Invalid;
}

bool readOnly(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->isReadOnly();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        return box->isReadOnly();
    return true;
}

// Text the code page lacks, coming into a field: refused with a message (true; undo takes
// back an edit the field has already made), or, in a text that Unicode would store, the
// Unicode question.
bool refusedOrOffered(QWidget* field, const std::string& text, void (*undo)(QWidget*) = nullptr)
{
    const TextKind kind = kindOf(field);
    CodePageGuard* guard = CodePageGuard::of(field);
    const CodePageCheck check = CheckCodePage(text, kind, guard && guard->useUnicode());
    if (check.verdict == CodePageVerdict::Refuse) {
        if (undo)
            undo(field);
        if (platform::UserInterface* ui = platform::services().ui)
            ui->Message(RefusalText(kind, check), platform::MsgOk + platform::MsgWarning, RefusalTitle);
        return true;
    }
    if (check.verdict == CodePageVerdict::OfferUnicode && guard)
        guard->offerUnicode(check);
    return false;
}

// The text an event is about to put into a field: a key's character, an input method's
// commit, a paste from the keyboard or the middle button, or a drop.
std::optional<QString> incomingText(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste))
            return QGuiApplication::clipboard()->text();
        return key->text();
    }
    case QEvent::MouseButtonRelease:
        // X11's middle click pastes the selection.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection())
            return QGuiApplication::clipboard()->text(QClipboard::Selection);
        return std::nullopt;
    case QEvent::InputMethod:
        return static_cast<QInputMethodEvent*>(event)->commitString();
    case QEvent::Drop: {
        const QMimeData* data = static_cast<QDropEvent*>(event)->mimeData();
        return data && data->hasText() ? std::optional<QString>(data->text()) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// One filter for every watched field: it looks at what is typed before the field takes it.
class TypingFilter : public QObject {
public:
    static TypingFilter& instance()
    {
        static auto* filter = new TypingFilter;  // lives as long as the program
        return *filter;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const std::optional<QString> typed = incomingText(event);
        if (!typed || typed->isEmpty())
            return false;
        const std::string text = typed->toStdString();
        auto* widget = qobject_cast<QWidget*>(watched);
        if (FitsAnsiCodePage(text) || !widget || readOnly(widget) || validatorRefuses(widget, *typed))
            return false;

        if (!refusedOrOffered(widget, text))
            return false;
        event->accept();
        return true;  // the field never takes it
    }
};

}  // namespace

CodePageGuard::CodePageGuard(ProjectDocument& document, QObject* parent) : QObject(parent), document_(document)
{
    setObjectName(QStringLiteral("CodePageGuard"));
    // Once per opened project.
    connect(&document_, &ProjectDocument::projectReplaced, this, [this] { asked_ = false; });
}

CodePageGuard* CodePageGuard::of(const QWidget* widget)
{
    for (const QObject* o = widget; o; o = o->parent())
        if (auto* guard = o->findChild<CodePageGuard*>(QString(), Qt::FindDirectChildrenOnly))
            return guard;
    return nullptr;
}

bool CodePageGuard::useUnicode() const
{
    return document_.project().UseUnicode;
}

bool CodePageGuard::offerUnicode(const CodePageCheck& check)
{
    if (useUnicode())
        return true;
    platform::UserInterface* ui = platform::services().ui;
    if (asked_ || !ui)
        return false;
    asked_ = true;  // never twice, whatever the answer
    if (ui->Message(UnicodeOfferText(check), platform::MsgYesNo + platform::MsgQuestion, UnicodeOfferTitle) !=
        platform::AnswerYes)
        return false;
    // The tabs show no part of the flag: reloading them would move the cursor of the field
    // being typed into.
    document_.edit(tr("Use Unicode"), [](MenuProject& p) { p.UseUnicode = true; }, ChangeScope::Shown);
    // As in the Options dialog, the option follows the project's choice.
    Options().UseUnicodeEncoding = true;
    emit unicodeTurnedOn();
    return true;
}

namespace {

// Edits that reach a line edit without a key, a middle click or a drop (Paste from its
// context menu) are checked once they are made: a refused character is undone, and a text
// that needs Unicode asks as typing does.
void checkEdited(QLineEdit* edit, const QString& text)
{
    const std::string typed = text.toStdString();
    if (!FitsAnsiCodePage(typed))
        refusedOrOffered(edit, typed, [](QWidget* field) { static_cast<QLineEdit*>(field)->undo(); });
}

void startWatching(QWidget* edit)
{
    edit->installEventFilter(&TypingFilter::instance());
    auto* line = qobject_cast<QLineEdit*>(edit);
    if (!line || line->property(EditsWatchedProperty).toBool())
        return;
    line->setProperty(EditsWatchedProperty, true);
    QObject::connect(line, &QLineEdit::textEdited, line, [line](const QString& text) { checkEdited(line, text); });
}

}  // namespace

void WatchText(QWidget* edit, TextKind kind)
{
    edit->setProperty(KindProperty, static_cast<int>(kind));
    startWatching(edit);
}

void WatchTexts(QWidget* root, TextKind defaultKind)
{
    auto watch = [defaultKind](QWidget* edit) {
        if (!edit->property(KindProperty).isValid())
            edit->setProperty(KindProperty, static_cast<int>(defaultKind));
        startWatching(edit);
    };
    for (QLineEdit* edit : root->findChildren<QLineEdit*>())
        startWatching(edit);
    for (QPlainTextEdit* box : root->findChildren<QPlainTextEdit*>())
        watch(box);
}

}  // namespace orv::editor
