// Talking to the user of a Win32 program: MessageBoxW with the message's style, title
// and buttons, and the common file dialogs. The medium's programs never pick folders,
// colours or fonts, so those choosers answer "cancelled".
#pragma once

#include <windows.h>

#include "platform/user_interface.h"

namespace orv::platform {

class Win32UserInterface final : public UserInterface {
public:
    // owner: the window the message boxes and dialogs belong to (none: the program's own).
    explicit Win32UserInterface(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }

    // The style values are those of MessageBoxW, and so are the answers.
    int Message(const std::string& text, int style, const std::string& title) override;
    // filter: "Description|*.a;*.b|Other|*.c"; the result is the chosen file's path.
    std::optional<std::string> PickOpenFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::int32_t> PickColour(std::int32_t current) override;
    std::optional<FontChoice> PickFont(const FontChoice& current) override;

private:
    std::optional<std::string> pickFile(bool save, const std::string& title, const FileFilter& filter,
                                        const std::string& startFolder, const std::string& defaultExtension);

    HWND owner_;
};

}  // namespace orv::platform
