#include "platform/host/host_system_folders.h"

#include "platform/file_system.h"

namespace orv::platform {

HostSystemFolders::HostSystemFolders(const HostLayout& layout, const FileSystem& files)
    : layout_(layout), files_(files)
{
}

std::string HostSystemFolders::windowsFolder(const std::filesystem::path& folder) const
{
    std::string path = files_.windowsPath(folder);
    // A drive root keeps its backslash ("E:\"); every other folder has none at its end.
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

std::string HostSystemFolders::GetMyDocumentsDir() const { return windowsFolder(layout_.documents); }

std::string HostSystemFolders::GetSysAppDataDirectory() const { return windowsFolder(layout_.appData); }

std::string HostSystemFolders::GetTemporaryDir() const { return windowsFolder(layout_.temp); }

std::string HostSystemFolders::GetFontDir() const { return windowsFolder(layout_.fontDir); }

std::string HostSystemFolders::ProgramFolder() const { return windowsFolder(layout_.programFolder); }

}  // namespace orv::platform
