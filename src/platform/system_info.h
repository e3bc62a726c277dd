// Facts about the running system.
#pragma once

#include <string>

namespace orv::platform {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual int IsWindowsVista() const = 0;
    virtual int IsWindows7() const = 0;
    virtual int IsWindows8() const = 0;
    // Root of the first mounted removable drive ("E:\"), or empty.
    virtual std::string GetFirstUsbFlashDrive() const = 0;
};

}  // namespace orv::platform
