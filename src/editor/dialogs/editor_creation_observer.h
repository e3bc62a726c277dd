// The creation's windows in the editor: the create dialog, the progress window, the
// StickGuard offer, the detailed copy error, the creation report with Portavo's information
// boxes, the busy pointer. The main window owns one and tells it how to bring a tab to the
// front and stop its media playback; Create, Test and Run all go through it.
//
//     orv::editor::EditorCreationObserver creation(this);
//     creation.onShowMainTab = [this](int index) { tabs->setCurrentIndex(index); };
//     creation.onStopMediaPlayback = [this] { media->stopAndClose(); };
//     creation.onProjectModified = [this] { refreshTitle(); };
//     orv::editor::runCreateAction(project, creation);   // the Create command
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

    std::function<void(int index)> onShowMainTab;
    std::function<void()> onStopMediaPlayback;
    std::function<void()> onProjectModified;

    void busy(bool on) override;
    void copying(const std::string& fileName, const std::string& source, const std::string& target) override;
    void showMainTab(int index) override;
    void hideCreateDialog() override;
    StickGuardOfferAnswer offerStickGuardButton(bool dontShowChecked) override;
    int askEditStickGuardButton() override;
    void showDetailedCopyError(const DetailedCopyError& error) override;
    void menuIsCreated(const CreationReport& report) override;
    void runCreateDialog(MenuProject& project, CreateDialogState& dialog) override;
    void stopMediaPlayback() override;

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

// The main window's Create action with the editor's windows: the pre-checks, the create
// dialog and, after it closes, its values back into the project. True when a creation ran
// to its end.
bool runCreateAction(MenuProject& project, EditorCreationObserver& observer);

}  // namespace orv::editor
