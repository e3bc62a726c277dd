#include "create/user_messages.h"

#include "model/messages.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

void PlainMessage(const std::string& text, int style, const std::string& title)
{
    if (Batch().BatchBuildMode) {
        ShowOrLogMessage(text, style, title);
        return;
    }
    if (auto* ui = platform::services().ui)
        ui->Message(text, style, title);
}

int AskQuestion(const std::string& text, int style, const std::string& title, int batchAnswer)
{
    if (Batch().BatchBuildMode)
        return batchAnswer;
    auto* ui = platform::services().ui;
    return ui ? ui->Message(text, style, title) : batchAnswer;
}

std::string FilenameTooLongText(const std::string& name)
{
    return "The filename '" + name +
           "' contains too many characters! The length of the filename can not exceed 127 characters. You can "
           "shorten the filename and try to create the menu again.";
}

std::string PathTooLongText(const std::string& path)
{
    return "The file path '" + path +
           "' is too long! The length of the file path can not exceed 250 characters. You can place the file in "
           "another folder and try to create the menu again.";
}

void ShowFilenameTooLong(const std::string& name)
{
    PlainMessage(FilenameTooLongText(name), platform::MsgWarning, "The filename is too long");
}

void ShowPathTooLong(const std::string& path)
{
    PlainMessage(PathTooLongText(path), platform::MsgWarning, "The file path is too long");
}

}  // namespace orv
