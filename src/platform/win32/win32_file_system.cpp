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

std::int16_t Win32FileSystem::MultiFileCopy(const std::string& pattern, const std::string& targetFolder)
{
    const fs::path source = hostPath(pattern);
    if (DirExists(windowsPath(source.parent_path())) == 0 || DirCreate(targetFolder) == 0)
        return 0;
    const fs::path target = hostPath(targetFolder);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(source.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 1 : 0;  // nothing to copy
    bool ok = true;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const fs::path from = source.parent_path() / found.cFileName;
        const fs::path to = target / found.cFileName;
        if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
            ok = false;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return ok ? 1 : 0;
}

}  // namespace orv::platform
