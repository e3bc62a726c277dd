// A user interface for command-line tools: messages go to stderr as "title: text", every
// question gets its first button's answer, and pickers choose nothing.
#pragma once

#include <cstdio>

#include "platform/user_interface.h"

namespace orv::platform {

class ConsoleUserInterface final : public UserInterface {
public:
    explicit ConsoleUserInterface(std::FILE* out = stderr) : out_(out) {}

    int Message(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> PickOpenFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::int32_t> PickColour(std::int32_t current) override;
    std::optional<FontChoice> PickFont(const FontChoice& current) override;

private:
    std::FILE* out_;
};

// The answer of the first button of a message style: OK, Abort, Yes or Retry.
int firstButtonAnswer(int style);

}  // namespace orv::platform
