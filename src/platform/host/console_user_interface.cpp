#include "platform/host/console_user_interface.h"

namespace orv::platform {

int firstButtonAnswer(int style)
{
    switch (style & 7) {
    case 2:  // Abort, Retry, Ignore
        return 3;
    case MsgYesNoCancel:
    case MsgYesNo:
        return AnswerYes;
    case 5:  // Retry, Cancel
        return 4;
    default:  // OK and OK, Cancel
        return AnswerOk;
    }
}

int ConsoleUserInterface::Message(const std::string& text, int style, const std::string& title)
{
    if (out_) {
        std::fprintf(out_, "%s: %s\n", title.c_str(), text.c_str());
        std::fflush(out_);
    }
    return firstButtonAnswer(style);
}

std::optional<std::string> ConsoleUserInterface::PickOpenFile(const std::string&, const FileFilter&,
                                                              const std::string&)
{
    return std::nullopt;
}

std::optional<std::string> ConsoleUserInterface::PickSaveFile(const std::string&, const FileFilter&,
                                                              const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::string> ConsoleUserInterface::PickFolder(const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::int32_t> ConsoleUserInterface::PickColour(std::int32_t) { return std::nullopt; }

std::optional<FontChoice> ConsoleUserInterface::PickFont(const FontChoice&) { return std::nullopt; }

}  // namespace orv::platform
