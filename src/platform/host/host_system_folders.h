// The per-user and program folders of the host layout, in Windows form.
#pragma once

#include "platform/host/host_layout.h"
#include "platform/system_folders.h"

namespace orv::platform {

class FileSystem;

class HostSystemFolders final : public SystemFolders {
public:
    // files translates the layout's host folders into Windows form; it must outlive this.
    HostSystemFolders(const HostLayout& layout, const FileSystem& files);

    std::string GetMyDocumentsDir() const override;
    std::string GetSysAppDataDirectory() const override;
    std::string GetTemporaryDir() const override;
    std::string GetFontDir() const override;
    std::string ProgramFolder() const override;

private:
    std::string windowsFolder(const std::filesystem::path& folder) const;

    HostLayout layout_;
    const FileSystem& files_;
};

}  // namespace orv::platform
