// The shared message routine and the batch state: a message that a batch build must
// survive goes to the log file instead of a window.
#pragma once

#include <string>

namespace orv {

struct BatchState {
    bool BatchBuildMode = false;
    std::string BatchLogFile;
    bool BatchErrorLogged = false;
    std::string LastMessage;  // the text last routed to the log, for the command line
};

BatchState& Batch();

// Outside batch mode: a message through the user interface (the answer is not used).
// In batch mode: the log file, when named, is replaced by the text as one line;
// BatchErrorLogged is set in every case.
void ShowOrLogMessage(const std::string& text, int style, const std::string& title);

}  // namespace orv
