// A user interface for tests: records every message and answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace orv::test {

struct RecordedMessage {
    std::string text;
    int style = 0;
    std::string title;
};

class ScriptedUserInterface : public platform::UserInterface {
public:
    // Answers given to the next messages, in order. Unscripted messages get the first
    // button's answer (OK, or Yes for questions).
    void answerNext(int answer) { answers_.push_back(answer); }
    // Files picked by the next open or save dialogs, in order; then none.
    void pickNextFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

    int Message(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> PickOpenFile(const std::string& title, const platform::FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const platform::FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::int32_t> PickColour(std::int32_t current) override;
    std::optional<platform::FontChoice> PickFont(const platform::FontChoice& current) override;

private:
    std::vector<RecordedMessage> messages_;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> files_;
};

}  // namespace orv::test
