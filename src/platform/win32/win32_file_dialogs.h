// The user interface of a Win32 program that picks files (the decryption program): message
// boxes, and the common open and save dialogs.
#pragma once

#include "platform/win32/win32_user_interface.h"

namespace orv::platform {

class Win32DialogUserInterface final : public Win32UserInterface {
public:
    using Win32UserInterface::Win32UserInterface;

    // filter: "Description|*.a;*.b|Other|*.c"; the result is the chosen file's path.
    std::optional<std::string> PickOpenFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;

private:
    std::optional<std::string> pickFile(bool save, const std::string& title, const FileFilter& filter,
                                        const std::string& startFolder, const std::string& defaultExtension);
};

}  // namespace orv::platform
