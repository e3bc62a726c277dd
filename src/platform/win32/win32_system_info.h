// Facts about the running Windows: its version and its removable drives.
#pragma once

#include "platform/system_info.h"

namespace orv::platform {

class Win32SystemInfo final : public SystemInfo {
public:
    // "At least this version", asked through VerifyVersionInfoW.
    int IsWindowsVista() const override;
    // The first drive from C: on that Windows calls removable ("E:\"), or empty.
    std::string GetFirstUsbFlashDrive() const override;
};

}  // namespace orv::platform
