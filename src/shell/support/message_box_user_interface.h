// The platform's user interface for the menu program and the companion programs: plain Qt
// message boxes and the standard pickers.
#pragma once

#include "platform/user_interface.h"

namespace orv::shell {

class MessageBoxUserInterface final : public platform::UserInterface {
public:
    int Message(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> PickOpenFile(const std::string& title, const platform::FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const platform::FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::int32_t> PickColour(std::int32_t current) override;
    std::optional<platform::FontChoice> PickFont(const platform::FontChoice& current) override;
};

}  // namespace orv::shell
