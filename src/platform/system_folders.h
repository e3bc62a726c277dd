// Per-user and program folders, in Windows form. Under ORVANTO_HOME when that is set.
#pragma once

#include <string>

namespace orv::platform {

class SystemFolders {
public:
    virtual ~SystemFolders() = default;
    virtual std::string GetMyDocumentsDir() const = 0;
    virtual std::string GetSysAppDataDirectory() const = 0;
    virtual std::string GetTemporaryDir() const = 0;
    virtual std::string GetFontDir() const = 0;
    // The editor's own folder (the program folder), Windows form, no trailing backslash.
    virtual std::string ProgramFolder() const = 0;
};

}  // namespace orv::platform
