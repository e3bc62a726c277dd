#include "editor/tabs/field_binder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "editor/project_document.h"

namespace orv::editor {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

FieldBinder::FieldBinder(ProjectDocument& document, QObject* parent) : QObject(parent), document_(document) {}

MenuProject& FieldBinder::project()
{
    return document_.project();
}

void FieldBinder::changed()
{
    document_.setModified(true);
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
    if (event->type() == QEvent::FocusOut) {
        // Switching to another program or opening a menu is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto it = focusChecks_.find(watched);
            if (it != focusChecks_.end())
                it->second();
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
            return;
        }
    }
}

void FieldBinder::bindText(QLineEdit* edit, std::string MenuProject::*field, int maxLength)
{
    edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        project().*field = text.toStdString();
        changed();
    });
    addLoader([this, edit, field] { edit->setText(qs(project().*field)); });
}

void FieldBinder::bindNumber(QLineEdit* edit, std::string MenuProject::*field, NumericField range)
{
    bindText(edit, field, NumberFieldMaxLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]*")), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    checkOnLeave(edit, [this, edit, field, range] {
        applyCorrection(edit, field, ClampNumericText(edit->text().toStdString(), RangeOf(range, project())));
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
    connect(edit, &QLineEdit::returnPressed, this, check);
    onFocusLost(edit, std::move(check));
}

void FieldBinder::applyCorrection(QLineEdit* edit, std::string MenuProject::*field, const std::string& corrected)
{
    if (edit->text().toStdString() != corrected)
        edit->setText(qs(corrected));
    if (project().*field != corrected) {
        project().*field = corrected;
        changed();
    }
}

void FieldBinder::bindCheck(QCheckBox* box, std::int16_t MenuProject::*field)
{
    connect(box, &QCheckBox::clicked, this, [this, field](bool checked) {
        project().*field = checked ? 1 : 0;
        changed();
    });
    addLoader([this, box, field] { box->setChecked(project().*field != 0); });
}

void FieldBinder::bindFlag(QCheckBox* box, bool MenuProject::*field)
{
    connect(box, &QCheckBox::clicked, this, [this, field](bool checked) {
        project().*field = checked;
        changed();
    });
    addLoader([this, box, field] { box->setChecked(project().*field); });
}

void FieldBinder::bindChoice(QButtonGroup* group, std::int16_t MenuProject::*field)
{
    connect(group, &QButtonGroup::idClicked, this, [this, field](int id) {
        project().*field = static_cast<std::int16_t>(id);
        changed();
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
    connect(combo, &QComboBox::activated, this, [this, field, offset](int index) {
        project().*field = static_cast<std::int16_t>(index + offset);
        changed();
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
