// Talking to the user of a Win32 program: MessageBoxW with the message's style, title
// and buttons. The medium's programs never pick folders, colours or fonts, so those
// choosers answer "cancelled"; files are picked only by the programs that link the common
// file dialogs (Win32DialogUserInterface), so the others do not load them.
#pragma once

#include <windows.h>

#include "platform/user_interface.h"

namespace orv::platform {

class Win32UserInterface : public UserInterface {
public:
    // owner: the window the message boxes and dialogs belong to (none: the program's own).
    explicit Win32UserInterface(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }

    // The style values are those of MessageBoxW, and so are the answers.
    int Message(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> PickOpenFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::int32_t> PickColour(std::int32_t current) override;
    std::optional<FontChoice> PickFont(const FontChoice& current) override;

protected:
    HWND owner() const { return owner_; }

private:
    HWND owner_;
};

}  // namespace orv::platform
