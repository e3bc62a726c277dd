// The per-user folders of Windows (known folders, the temporary folder) and the running
// program's folder. With ORVANTO_HOME set, Documents, AppData and Temp lie below it, as on
// the host, so that tests never touch the real profile.
#pragma once

#include <optional>
#include <string>

#include "platform/system_folders.h"

namespace orv::platform {

class Win32SystemFolders final : public SystemFolders {
public:
    // The folders are looked up at the first question (the shell's known folders cost a
    // program's start-up time); ORVANTO_HOME is read then, and the folders below it are made
    // when missing.
    std::string GetMyDocumentsDir() const override { return folders().documents; }
    std::string GetSysAppDataDirectory() const override { return folders().appData; }
    std::string GetTemporaryDir() const override { return folders().temp; }
    std::string GetFontDir() const override { return folders().fonts; }
    // The folder of the running executable (GetModuleFileNameW).
    std::string ProgramFolder() const override;

private:
    struct Folders {
        std::string documents, appData, temp, fonts;
    };
    const Folders& folders() const;

    mutable std::optional<Folders> folders_;
    mutable std::string program_;
};

}  // namespace orv::platform
