// What the creation needs from the editor's windows: the custom dialogs (the StickGuard
// offer, the detailed copy error, the report MenuIsCreated), the busy pointer, progress
// while files are copied, and the main window's tabs. The editor implements this later;
// batch builds and tests use the defaults, which never wait for anyone and take the course
// that lets the creation go on.
#pragma once

#include <string>
#include <vector>

#include "create/detailed_copy_error.h"
#include "create/main_tab.h"
#include "platform/user_interface.h"

namespace orv {

struct MenuProject;
struct CreateDialogState;

// The answer of the offer DlgSGDSetupButInformation: Yes "Add Button", No "Do Not Add
// Button", or Cancel; and its check box "Do not show this dialog box in the future".
struct StickGuardOfferAnswer {
    platform::MessageAnswer answer = platform::AnswerNo;
    bool dontShowAgain = false;
};

// What the report dialog MenuIsCreated shows, and which of its information timers are
// enabled (the sibling product's boxes, shown placed relative to the report).
struct CreationReport {
    std::string destination;
    std::vector<std::string> lines;
    bool enableProductPageInfoTimer = false;  // TimerShowPTVProductPageInfo
    bool enableStickGuardInfoTimer = false;   // TimerShowInfoBox
};

class CreationObserver {
public:
    virtual ~CreationObserver() = default;

    // The hour-glass pointer on or off.
    virtual void busy(bool on) {}

    // A file is about to be copied or written (the editor names it in a progress dialog
    // and keeps repainting). fileName is the name part, source may be empty for a file
    // the creation writes itself.
    virtual void copying(const std::string& fileName, const std::string& source, const std::string& target) {}

    // Brings a tab of the main window to the front.
    virtual void showMainTab(MainTab tab) {}

    // Hides the create dialog (the author chose to edit the StickGuard button).
    virtual void hideCreateDialog() {}

    // DlgSGDSetupButInformation, its check box preset to dontShowChecked.
    virtual StickGuardOfferAnswer offerStickGuardButton(bool dontShowChecked)
    {
        return {platform::AnswerNo, dontShowChecked};
    }

    // DlgSGDSetupButInformation2: Yes "I Want to Edit the Button", No "I Want Continue
    // Creation".
    virtual platform::MessageAnswer askEditStickGuardButton() { return platform::AnswerNo; }

    // The creation changed the project on its own: the date of the creation, a StickGuard
    // button it added, the create dialog's values and the StickGuard settings. The editor
    // marks the project modified and shows the change; it is no step of the undo history.
    virtual void projectChanged() {}

    // ShowDetailedCopyError: sounds the error beep and shows DlgDetailedErrorDlgBox. The
    // default shows the message and the facts in a plain message box.
    virtual void showDetailedCopyError(const DetailedCopyError& error);

    // The report dialog MenuIsCreated, shown modally after a creation outside batch mode.
    virtual void menuIsCreated(const CreationReport& report) {}

    // The Create action shows the create dialog modally; its Create button runs
    // CmdCreateMenu (any number of times) until the user closes it. The default stands for
    // a user who presses Create once and closes the dialog.
    virtual void runCreateDialog(MenuProject& project, CreateDialogState& dialog);

    // Stops the main window's media playback (and resets the sound labels) before a test
    // run or a run of the created menu.
    virtual void stopMediaPlayback() {}
};

// An observer with every default, for callers that have no windows.
CreationObserver& DefaultCreationObserver();

}  // namespace orv
