// Facts about the running system: a modern desktop, with USB sticks from the drive map.
#pragma once

#include "platform/system_info.h"

namespace orv::platform {

class HostFileSystem;

class HostSystemInfo final : public SystemInfo {
public:
    explicit HostSystemInfo(HostFileSystem& files) : files_(files) {}

    // The editor only asks whether it runs on at least Vista; a current desktop does.
    int IsWindowsVista() const override { return 1; }
    // Mounted drives are read afresh, so a stick plugged in since the start is found.
    std::string GetFirstUsbFlashDrive() const override;
    // "wine" when it is on the PATH.
    std::string WindowsProgramLoader() const override;

private:
    HostFileSystem& files_;
};

}  // namespace orv::platform
