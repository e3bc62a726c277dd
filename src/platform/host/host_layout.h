// Where the per-user state and the program live on this host (host paths).
#pragma once

#include <filesystem>

namespace orv::platform {

struct HostLayout {
    std::filesystem::path documents;
    std::filesystem::path appData;
    std::filesystem::path temp;
    std::filesystem::path registryFile;
    std::filesystem::path driveFile;
    std::filesystem::path fontDir;
    std::filesystem::path programFolder;

    // With ORVANTO_HOME set: Documents, AppData, Temp, registry.ini and drives.ini below it.
    // Without: the desktop's standard places (documents folder, configuration folder;
    // registry.ini and drives.ini in <config>/Veltrona) and a temporary folder of the user's
    // own ($XDG_RUNTIME_DIR/orvanto, else <cache>/orvanto/tmp). The program folder is
    // ORVANTO_PROGRAM_DIR when set, else the folder of the running executable. The
    // Documents, AppData and Temp folders are created when missing; Temp gets mode 0700.
    static HostLayout fromEnvironment();
};

}  // namespace orv::platform
