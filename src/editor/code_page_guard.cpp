#include "editor/code_page_guard.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
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

// Text the code page lacks, coming into a field: refused with a message (true; takeBack
// removes what the field has already taken), or, in a text that Unicode would store, the
// Unicode question.
bool refusedOrOffered(QWidget* field, const std::string& text, void (*takeBack)(QWidget*) = nullptr)
{
    const TextKind kind = kindOf(field);
    CodePageGuard* guard = CodePageGuard::of(field);
    const CodePageCheck check = CheckCodePage(text, kind, guard && guard->useUnicode());
    if (check.verdict == CodePageVerdict::Refuse) {
        if (takeBack)
            takeBack(field);
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

// The characters of a text the code page lacks, as (position, length) in UTF-16 units, last
// first, so that removing them one after the other keeps the positions of the others.
std::vector<std::pair<int, int>> misfitsBackwards(const QString& text)
{
    std::vector<std::pair<int, int>> found;
    for (int at = 0; at < text.size();) {
        const int length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        if (!FitsAnsiCodePage(text.mid(at, length).toStdString()))
            found.emplace_back(at, length);
        at += length;
    }
    std::reverse(found.begin(), found.end());
    return found;
}

// Takes the refused characters out again and keeps the rest of the edit ("Café Ж" pasted
// leaves "Café "); the field tells its owner as an edit of the author's would.
void takeOutOfLine(QWidget* field)
{
    auto* line = static_cast<QLineEdit*>(field);
    QString text = line->text();
    int cursor = line->cursorPosition();
    for (const auto& [at, length] : misfitsBackwards(text)) {
        text.remove(at, length);
        if (at < cursor)
            cursor -= std::min(length, cursor - at);
    }
    line->selectAll();
    line->insert(text);
    line->setCursorPosition(cursor);
}

void takeOutOfBox(QWidget* field)
{
    auto* box = static_cast<QPlainTextEdit*>(field);
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    for (const auto& [at, length] : misfitsBackwards(box->toPlainText())) {
        cursor.setPosition(at);
        cursor.setPosition(at + length, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

// Edits that reach a field without a key, a middle click or a drop (Paste from its context
// menu) are checked once they are made: refused characters are taken out again, and a text
// that needs Unicode asks as typing does.
void checkEdited(QWidget* field, const QString& text, void (*takeBack)(QWidget*))
{
    const std::string typed = text.toStdString();
    if (!FitsAnsiCodePage(typed))
        refusedOrOffered(field, typed, takeBack);
}

void watchEdits(QLineEdit* line)
{
    QObject::connect(line, &QLineEdit::textEdited, line,
                     [line](const QString& text) { checkEdited(line, text, takeOutOfLine); });
}

// A text box says only that its text changed, also when the program sets it; the check waits
// until the edit is complete and looks only at edits the author made (setting the text
// clears the undo history).
void watchEdits(QPlainTextEdit* box)
{
    QObject::connect(box->document(), &QTextDocument::contentsChange, box, [box](int, int, int added) {
        if (added == 0)
            return;
        QMetaObject::invokeMethod(
            box,
            [box] {
                if (box->document()->isUndoAvailable())
                    checkEdited(box, box->toPlainText(), takeOutOfBox);
            },
            Qt::QueuedConnection);
    });
}

void startWatching(QWidget* edit)
{
    edit->installEventFilter(&TypingFilter::instance());
    if (edit->property(EditsWatchedProperty).toBool())
        return;
    edit->setProperty(EditsWatchedProperty, true);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        watchEdits(line);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(edit))
        watchEdits(box);
}

}  // namespace

void WatchText(QWidget* edit, TextKind kind)
{
    edit->setProperty(KindProperty, static_cast<int>(kind));
    startWatching(edit);
}

}  // namespace orv::editor
