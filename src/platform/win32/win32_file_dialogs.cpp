#include "platform/win32/win32_file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace orv::platform {

std::optional<std::string> Win32DialogUserInterface::pickFile(bool save, const std::string& title,
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
    dialog.hwndOwner = owner();
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

std::optional<std::string> Win32DialogUserInterface::PickOpenFile(const std::string& title, const FileFilter& filter,
                                                            const std::string& startFolder)
{
    return pickFile(false, title, filter, startFolder, {});
}

std::optional<std::string> Win32DialogUserInterface::PickSaveFile(const std::string& title, const FileFilter& filter,
                                                            const std::string& startFolder,
                                                            const std::string& defaultExtension)
{
    return pickFile(true, title, filter, startFolder, defaultExtension);
}

}  // namespace orv::platform
