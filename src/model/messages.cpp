#include "model/messages.h"

#include <fstream>

#include "model/ansi_codec.h"
#include "model/file_io.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

void ShowOrLogMessage(const std::string& text, int style, const std::string& title)
{
    BatchState& batch = Batch();
    if (!batch.BatchBuildMode) {
        if (auto* ui = platform::services().ui)
            ui->Message(text, style, title);
        return;
    }
    batch.BatchErrorLogged = true;
    batch.LastMessage = text;
    if (batch.BatchLogFile.empty())
        return;
    // The log holds the last message only; a failure to write it is not reported.
    try {
        std::ofstream log(HostPath(batch.BatchLogFile), std::ios::binary | std::ios::trunc);
        log << Utf8ToAnsi(text) << "\r\n";
    } catch (...) {
    }
}

}  // namespace orv
