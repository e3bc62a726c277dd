#include "platform/win32/win32_user_interface.h"

#include "platform/win32/wide_text.h"

namespace orv::platform {

int Win32UserInterface::Message(const std::string& text, int style, const std::string& title)
{
    // Without an owner the box is task-modal, so the program's other windows wait for it.
    const UINT modality = owner_ ? MB_APPLMODAL : MB_TASKMODAL;
    return MessageBoxW(owner_, widen(text).c_str(), widen(title).c_str(), static_cast<UINT>(style) | modality);
}

std::optional<std::string> Win32UserInterface::PickOpenFile(const std::string&, const FileFilter&,
                                                            const std::string&)
{
    return std::nullopt;
}

std::optional<std::string> Win32UserInterface::PickSaveFile(const std::string&, const FileFilter&,
                                                            const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::string> Win32UserInterface::PickFolder(const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::int32_t> Win32UserInterface::PickColour(std::int32_t) { return std::nullopt; }

std::optional<FontChoice> Win32UserInterface::PickFont(const FontChoice&) { return std::nullopt; }

}  // namespace orv::platform
