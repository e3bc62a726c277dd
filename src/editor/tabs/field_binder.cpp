#include "editor/tabs/field_binder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "editor/code_page_guard.h"
#include "editor/project_document.h"

namespace orv::editor {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// A caption as a step name: without its mnemonic, colon or dots ("&Width:" is "Width").
QString plainCaption(QString text)
{
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}

// The name of a step that changes the widget's field: its own caption, or the caption of
// the label that names it.
QString stepName(QObject* widget)
{
    if (auto* group = qobject_cast<QButtonGroup*>(widget); group && group->checkedButton())
        return plainCaption(group->checkedButton()->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return plainCaption(button->text());
    if (auto* field = qobject_cast<QWidget*>(widget); field && field->parentWidget()) {
        for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>())
            if (label->buddy() == field)
                return plainCaption(label->text());
    }
    return FieldBinder::tr("Change of a Field");
}

}  // namespace

FieldBinder::FieldBinder(ProjectDocument& document, QObject* parent) : QObject(parent), document_(document) {}

const MenuProject& FieldBinder::project() const
{
    return document_.project();
}

void FieldBinder::write(QObject* widget, const std::function<void(MenuProject&)>& change, bool typing)
{
    // The widget shows the value already; other views learn of it through the document.
    document_.edit(stepName(widget), change, ChangeScope::Shown, typing ? widget : nullptr);
    emit edited();
}

void FieldBinder::onFocusLost(QObject* widget, std::function<void()> check)
{
    widget->installEventFilter(this);
    focusChecks_[widget] = std::move(check);
    connect(widget, &QObject::destroyed, this, [this, widget] { focusChecks_.erase(widget); });
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // What was typed is a step of the project already: Ctrl+Z and Redo go to the
        // window's Undo and Redo, which take the typing back first, instead of the field's
        // own undo, which would leave the project holding what the field no longer shows.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QLineEdit*>(watched) && (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)))
            return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // Switching to another program or opening a menu is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto it = focusChecks_.find(watched);
            if (it != focusChecks_.end()) {
                it->second();
                document_.finishTyping();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldBinder::commitFocusedField()
{
    // The field that has the focus in its window, also while the window is not the active
    // one (a command may come from a menu or another window).
    for (auto& [object, check] : focusChecks_) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->window()->focusWidget() == widget) {
            check();
            document_.finishTyping();
            return;
        }
    }
}

void FieldBinder::bindText(QLineEdit* edit, std::string MenuProject::*field, int maxLength)
{
    edit->setMaxLength(maxLength);
    WatchText(edit, ProjectFieldTextKind(field));
    connect(edit, &QLineEdit::textEdited, this, [this, edit, field](const QString& text) {
        write(edit, [&](MenuProject& p) { p.*field = text.toStdString(); }, true);
    });
    addLoader([this, edit, field] { edit->setText(qs(project().*field)); });
    // Leaving the field ends its step (numeric and folder fields check it first).
    onFocusLost(edit, [] {});
}

void FieldBinder::bindNumber(QLineEdit* edit, std::string MenuProject::*field, NumericField range)
{
    bindText(edit, field, NumberFieldMaxLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]*")), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    checkOnLeave(edit, [this, edit, field, range] {
        applyCorrection(edit, field, CorrectNumericField(range, edit->text().toStdString(), project()));
    });
}

void FieldBinder::bindFolder(QLineEdit* edit, std::string MenuProject::*field, FolderKind kind)
{
    // Loading sets the text, which also clears the field's modified flag.
    bindText(edit, field);
    checkOnLeave(edit, [this, edit, field, kind] {
        if (!edit->isModified())
            return;  // only what the user typed is checked, once
        edit->setModified(false);
        applyCorrection(edit, field, CheckFolderFieldAndWarn(edit->text().toStdString(), kind));
    });
}

void FieldBinder::checkOnLeave(QLineEdit* edit, std::function<void()> check)
{
    connect(edit, &QLineEdit::returnPressed, this, [this, check] {
        check();
        document_.finishTyping();
    });
    onFocusLost(edit, std::move(check));
}

void FieldBinder::applyCorrection(QLineEdit* edit, std::string MenuProject::*field, const std::string& corrected)
{
    if (edit->text().toStdString() != corrected)
        edit->setText(qs(corrected));
    // The correction belongs to the step of the typing it corrects.
    if (project().*field != corrected)
        write(edit, [&](MenuProject& p) { p.*field = corrected; }, true);
}

void FieldBinder::bindCheck(QCheckBox* box, std::int16_t MenuProject::*field)
{
    connect(box, &QCheckBox::clicked, this, [this, box, field](bool checked) {
        write(box, [&](MenuProject& p) { p.*field = checked ? 1 : 0; });
    });
    addLoader([this, box, field] { box->setChecked(project().*field != 0); });
}

void FieldBinder::bindFlag(QCheckBox* box, bool MenuProject::*field)
{
    connect(box, &QCheckBox::clicked, this, [this, box, field](bool checked) {
        write(box, [&](MenuProject& p) { p.*field = checked; });
    });
    addLoader([this, box, field] { box->setChecked(project().*field); });
}

void FieldBinder::bindChoice(QButtonGroup* group, std::int16_t MenuProject::*field)
{
    connect(group, &QButtonGroup::idClicked, this, [this, group, field](int id) {
        write(group, [&](MenuProject& p) { p.*field = static_cast<std::int16_t>(id); });
    });
    addLoader([this, group, field] {
        QAbstractButton* button = group->button(project().*field);
        if (!button)
            button = group->buttons().value(0);  // an unknown value shows the first option
        if (button)
            button->setChecked(true);
    });
}

void FieldBinder::bindIndex(QComboBox* combo, std::int16_t MenuProject::*field, int offset)
{
    connect(combo, &QComboBox::activated, this, [this, combo, field, offset](int index) {
        write(combo, [&](MenuProject& p) { p.*field = static_cast<std::int16_t>(index + offset); });
    });
    addLoader([this, combo, field, offset] {
        const int index = project().*field - offset;
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
    });
}

void FieldBinder::load()
{
    for (auto& loader : loaders_)
        loader();
}

}  // namespace orv::editor
