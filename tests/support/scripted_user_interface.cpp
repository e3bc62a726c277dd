#include "support/scripted_user_interface.h"

namespace orv::test {

int ScriptedUserInterface::Message(const std::string& text, int style, const std::string& title)
{
    messages_.push_back({text, style, title});
    if (!answers_.empty()) {
        int a = answers_.front();
        answers_.pop_front();
        return a;
    }
    int buttons = style & 7;
    if (buttons == platform::MsgYesNo || buttons == platform::MsgYesNoCancel)
        return platform::AnswerYes;
    return platform::AnswerOk;
}

namespace {
std::optional<std::string> takeNext(std::deque<std::optional<std::string>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    auto v = queue.front();
    queue.pop_front();
    return v;
}
}  // namespace

std::optional<std::string> ScriptedUserInterface::PickOpenFile(const std::string&, const platform::FileFilter&,
                                                               const std::string&)
{
    return takeNext(files_);
}

std::optional<std::string> ScriptedUserInterface::PickSaveFile(const std::string&, const platform::FileFilter&,
                                                               const std::string&, const std::string&)
{
    return takeNext(files_);
}

std::optional<std::string> ScriptedUserInterface::PickFolder(const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::int32_t> ScriptedUserInterface::PickColour(std::int32_t) { return std::nullopt; }

std::optional<platform::FontChoice> ScriptedUserInterface::PickFont(const platform::FontChoice&)
{
    return std::nullopt;
}

}  // namespace orv::test
