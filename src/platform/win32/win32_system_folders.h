// The per-user folders of Windows (known folders, the temporary folder) and the running
// program's folder. With ORVANTO_HOME set, Documents, AppData and Temp lie below it, as on
// the host, so that tests never touch the real profile.
#pragma once

#include <string>

#include "platform/system_folders.h"

namespace orv::platform {

class Win32SystemFolders final : public SystemFolders {
public:
    // Reads ORVANTO_HOME once; the folders below it are made when missing.
    Win32SystemFolders();

    std::string GetMyDocumentsDir() const override { return documents_; }
    std::string GetSysAppDataDirectory() const override { return appData_; }
    std::string GetTemporaryDir() const override { return temp_; }
    std::string GetFontDir() const override { return fonts_; }
    // The folder of the running executable (GetModuleFileNameW).
    std::string ProgramFolder() const override { return program_; }

private:
    std::string documents_, appData_, temp_, fonts_, program_;
};

}  // namespace orv::platform
