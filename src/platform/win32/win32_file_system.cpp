#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace fs = std::filesystem;

namespace orv::platform {

fs::path Win32FileSystem::hostPath(const std::string& windowsPath) const { return fs::path(widen(windowsPath)); }

std::string Win32FileSystem::windowsPath(const fs::path& hostPath) const
{
    std::wstring text = hostPath.native();
    for (wchar_t& c : text)
        if (c == L'/')
            c = L'\\';
    return narrow(text);
}

int Win32FileSystem::DirExists(const std::string& folder) const
{
    if (folder.empty())
        return 0;
    const DWORD attributes = GetFileAttributesW(widen(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int Win32FileSystem::DirCreate(const std::string& folder)
{
    if (folder.empty())
        return 0;
    std::error_code ec;
    fs::create_directories(hostPath(folder), ec);
    return DirExists(folder);
}

}  // namespace orv::platform
