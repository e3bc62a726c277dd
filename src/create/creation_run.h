// The working values of one run of CmdCreateMenu, shared by its steps. Each step function
// takes the run and returns false when the creation stops (its message already sent).
#pragma once

#include <string>

#include "create/create_dialog.h"
#include "create/creation_observer.h"
#include "create/creation_report.h"
#include "model/menu_project.h"

namespace orv {

struct CreationRun {
    MenuProject& project;
    CreateDialogState& dialog;
    CreationObserver& observer;

    std::string destination;   // the dialog's destination folder
    std::string programName;   // MenuProgramFileName, upper case
    std::string manifestName;  // programName + ".manifest"
    std::string dataFilePath;  // the menu description file
    CreationFacts facts;       // what was copied, for the report

    CreationRun(MenuProject& p, CreateDialogState& d, CreationObserver& o) : project(p), dialog(d), observer(o) {}

    // The editor's folder (the program folder), Windows form.
    std::string programFolder() const;

    // Tells the observer which file is handled next.
    void announce(const std::string& source, const std::string& target) const;

    // Restores the normal pointer and sends a trap's message through the shared message
    // routine (style 16); the step then stops the creation by returning false.
    bool stop(const std::string& text, const std::string& title) const;

    // True when target lies inside the destination; otherwise stops with the message that
    // the subject's value (see OutsideDestinationMessage) leads out of it.
    bool keepsInside(const std::string& target, const std::string& subject, const std::string& noun,
                     const std::string& value, const std::string& title) const;
};

}  // namespace orv
