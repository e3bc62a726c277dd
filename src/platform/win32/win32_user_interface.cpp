#include "platform/win32/win32_user_interface.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace orv::platform {

int Win32UserInterface::Message(const std::string& text, int style, const std::string& title)
{
    // Without an owner the box is task-modal, so the program's other windows wait for it.
    const UINT modality = owner_ ? MB_APPLMODAL : MB_TASKMODAL;
    return MessageBoxW(owner_, widen(text).c_str(), widen(title).c_str(), static_cast<UINT>(style) | modality);
}

std::optional<std::string> Win32UserInterface::pickFile(bool save, const std::string& title,
                                                        const FileFilter& filter, const std::string& startFolder,
                                                        const std::string& defaultExtension)
{
    // The filter's '|' separators become the NULs the dialog expects; two NULs end it.
    std::wstring filterText = widen(filter.text);
    for (wchar_t& c : filterText)
        if (c == L'|')
            c = L'\0';
    filterText.append(2, L'\0');
    const std::wstring caption = widen(title), folder = widen(startFolder), extension = widen(defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.text.empty() ? nullptr : filterText.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return std::nullopt;
    return narrow(file.data());
}

std::optional<std::string> Win32UserInterface::PickOpenFile(const std::string& title, const FileFilter& filter,
                                                            const std::string& startFolder)
{
    return pickFile(false, title, filter, startFolder, {});
}

std::optional<std::string> Win32UserInterface::PickSaveFile(const std::string& title, const FileFilter& filter,
                                                            const std::string& startFolder,
                                                            const std::string& defaultExtension)
{
    return pickFile(true, title, filter, startFolder, defaultExtension);
}

std::optional<std::string> Win32UserInterface::PickFolder(const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::int32_t> Win32UserInterface::PickColour(std::int32_t) { return std::nullopt; }

std::optional<FontChoice> Win32UserInterface::PickFont(const FontChoice&) { return std::nullopt; }

}  // namespace orv::platform
