// The creation's windows in the editor: the create dialog, the progress window, the
// StickGuard offer, the detailed copy error, the creation report with Portavo's information
// boxes, the busy pointer. The main window owns one and tells it how to bring a tab to the
// front, stop its media playback and take the creation's own changes of the project;
// Create, Test and Run all go through it.
//
//     orv::editor::EditorCreationObserver creation(this);
//     creation.onShowMainTab = [this](MainTab tab) { showTab(tab); };
//     creation.onStopMediaPlayback = [this] { media->stopAndClose(); };
//     creation.onProjectChanged = [this] { document->changedByCreation(); };
//     orv::CreateAction(project, creation);               // the Create command
//     orv::TestTheMenu(project, creation);                // F5
#pragma once

#include <functional>

#include <QPointer>

#include "create/creation_observer.h"

class QWidget;

namespace orv::editor {

class CreateMenuDialog;
class CreationProgressDialog;

class EditorCreationObserver : public CreationObserver {
public:
    explicit EditorCreationObserver(QWidget* window);
    ~EditorCreationObserver() override;

    std::function<void(MainTab tab)> onShowMainTab;
    std::function<void()> onStopMediaPlayback;
    std::function<void()> onProjectChanged;

    void busy(bool on) override;
    void copying(const std::string& fileName, const std::string& source, const std::string& target) override;
    void showMainTab(MainTab tab) override;
    void hideCreateDialog() override;
    StickGuardOfferAnswer offerStickGuardButton(bool dontShowChecked) override;
    platform::MessageAnswer askEditStickGuardButton() override;
    void showDetailedCopyError(const DetailedCopyError& error) override;
    void menuIsCreated(const CreationReport& report) override;
    void runCreateDialog(MenuProject& project, CreateDialogState& dialog) override;
    void stopMediaPlayback() override;
    void projectChanged() override;

    CreationProgressDialog* progress() const;
    bool isBusy() const { return busy_; }

private:
    QWidget* parentForDialogs() const;
    CreationProgressDialog& progressWindow();

    QWidget* window_;
    QPointer<CreateMenuDialog> dialog_;
    // Owned by the main window (or by this observer when there is none).
    QPointer<CreationProgressDialog> progress_;
    MenuProject* project_ = nullptr;
    bool busy_ = false;
};

}  // namespace orv::editor
