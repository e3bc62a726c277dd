#include "editor/dialogs/editor_creation_observer.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "create/create_dialog.h"
#include "create/create_menu.h"
#include "editor/dialogs/create_menu_dialog.h"
#include "editor/dialogs/creation_progress_dialog.h"
#include "editor/dialogs/detailed_error_dialog.h"
#include "editor/dialogs/menu_created_dialog.h"
#include "editor/dialogs/stickguard_offer_dialog.h"

namespace orv::editor {

EditorCreationObserver::EditorCreationObserver(QWidget* window) : window_(window) {}

EditorCreationObserver::~EditorCreationObserver()
{
    if (busy_)
        QApplication::restoreOverrideCursor();
    if (progress_ && !progress_->parent())
        delete progress_;
}

CreationProgressDialog* EditorCreationObserver::progress() const
{
    return progress_;
}

CreationProgressDialog& EditorCreationObserver::progressWindow()
{
    if (!progress_)
        progress_ = new CreationProgressDialog(window_);
    return *progress_;
}

QWidget* EditorCreationObserver::parentForDialogs() const
{
    if (dialog_ && dialog_->isVisible())
        return dialog_;
    return window_;
}

void EditorCreationObserver::busy(bool on)
{
    if (on == busy_)
        return;
    busy_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        progressWindow().begin();
    } else {
        QApplication::restoreOverrideCursor();
        if (progress_)
            progress_->end();
    }
}

void EditorCreationObserver::copying(const std::string& fileName, const std::string&, const std::string& target)
{
    progressWindow().copying(fileName, target);
}

void EditorCreationObserver::showMainTab(MainTab tab)
{
    if (onShowMainTab)
        onShowMainTab(tab);
}

void EditorCreationObserver::hideCreateDialog()
{
    if (dialog_)
        dialog_->reject();
}

StickGuardOfferAnswer EditorCreationObserver::offerStickGuardButton(bool dontShowChecked)
{
    return StickGuardOfferDialog::ask(dontShowChecked, parentForDialogs());
}

platform::MessageAnswer EditorCreationObserver::askEditStickGuardButton()
{
    return StickGuardAddedDialog::ask(parentForDialogs());
}

void EditorCreationObserver::showDetailedCopyError(const DetailedCopyError& error)
{
    if (progress_)
        progress_->end();
    DetailedErrorDialog::showError(error, parentForDialogs());
}

void EditorCreationObserver::menuIsCreated(const CreationReport& report)
{
    busy(false);
    if (progress_)
        progress_->end();
    static const MenuProject noProject;
    MenuCreatedDialog::showReport(report, project_ ? *project_ : noProject, parentForDialogs());
}

void EditorCreationObserver::runCreateDialog(MenuProject& project, CreateDialogState& state)
{
    project_ = &project;
    CreateMenuDialog dialog(project, state, *this, window_);
    dialog_ = &dialog;
    QObject::connect(&dialog, &CreateMenuDialog::projectModified, &dialog, [this] { projectChanged(); });
    dialog.exec();
    dialog.storeState();
    // With a destination, the dialog's values go back into the project after it closed: the
    // creation's change when they differ.
    MenuProject stored = project;
    if (!dialog.destinationField()->text().trimmed().isEmpty())
        TakeCreateDialogValues(state, stored, false);
    if (!(stored == project))
        projectChanged();
    dialog_ = nullptr;
    busy(false);
    if (progress_)
        progress_->end();
}

void EditorCreationObserver::stopMediaPlayback()
{
    if (onStopMediaPlayback)
        onStopMediaPlayback();
}

void EditorCreationObserver::projectChanged()
{
    if (onProjectChanged)
        onProjectChanged();
}

}  // namespace orv::editor
