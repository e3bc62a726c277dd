#include "platform/win32/win32_system_folders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <cwchar>
#include <filesystem>
#include <vector>

#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

// A folder in Windows form: backslashes, none at the end except for a drive root ("E:\").
std::string folderText(std::wstring folder)
{
    for (wchar_t& c : folder)
        if (c == L'/')
            c = L'\\';
    while (folder.size() > 3 && folder.back() == L'\\')
        folder.pop_back();
    return narrow(folder);
}

std::wstring knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(shell_library::knownFolderPath(id, KF_FLAG_CREATE, &path)) && path)
        folder = path;
    shell_library::freeTaskMemory(path);
    return folder;
}

std::wstring temporaryFolder()
{
    wchar_t buffer[MAX_PATH + 2];
    const DWORD length = GetTempPathW(MAX_PATH + 2, buffer);
    return length > 0 && length <= MAX_PATH + 1 ? std::wstring(buffer, length) : std::wstring();
}

std::wstring runningProgramFolder()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return fs::path(std::wstring(buffer.data(), length)).parent_path().native();
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring environmentFolder(const wchar_t* name)
{
    const wchar_t* value = _wgetenv(name);
    return value && *value ? std::wstring(value) : std::wstring();
}

}  // namespace

const Win32SystemFolders::Folders& Win32SystemFolders::folders() const
{
    if (folders_)
        return *folders_;
    Folders& f = folders_.emplace();
    const std::wstring home = environmentFolder(L"ORVANTO_HOME");
    if (!home.empty()) {
        const fs::path root = fs::absolute(fs::path(home)).lexically_normal();
        std::error_code ec;
        for (const wchar_t* name : {L"Documents", L"AppData", L"Temp"})
            fs::create_directories(root / name, ec);
        f.documents = folderText((root / L"Documents").native());
        f.appData = folderText((root / L"AppData").native());
        f.temp = folderText((root / L"Temp").native());
    } else {
        f.documents = folderText(knownFolder(FOLDERID_Documents));
        f.appData = folderText(knownFolder(FOLDERID_RoamingAppData));
        f.temp = folderText(temporaryFolder());
    }
    f.fonts = folderText(knownFolder(FOLDERID_Fonts));
    return f;
}

std::string Win32SystemFolders::ProgramFolder() const
{
    if (program_.empty())
        program_ = folderText(runningProgramFolder());
    return program_;
}

}  // namespace orv::platform
