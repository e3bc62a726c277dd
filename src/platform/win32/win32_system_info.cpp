#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include <versionhelpers.h>

namespace orv::platform {

int Win32SystemInfo::IsWindowsVista() const { return IsWindowsVistaOrGreater() ? 1 : 0; }

std::string Win32SystemInfo::GetFirstUsbFlashDrive() const
{
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        if (!(drives & (1u << (letter - 'A'))))
            continue;
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
        if (GetDriveTypeW(root) == DRIVE_REMOVABLE)
            return std::string{letter, ':', '\\'};
    }
    return {};
}

}  // namespace orv::platform
