// Facts about the running system.
#pragma once

#include <string>

namespace orv::platform {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual int IsWindowsVista() const = 0;
    // Root of the first mounted removable drive ("E:\"), or empty.
    virtual std::string GetFirstUsbFlashDrive() const = 0;
    // True where Windows programs (the medium's) run as they are.
    virtual bool RunsWindowsPrograms() const { return false; }
    // Elsewhere, the program that runs them (Wine), or empty when none is installed.
    virtual std::string WindowsProgramLoader() const { return {}; }
};

}  // namespace orv::platform
