// The media control interface (sounds and movies), loaded with the first sound or movie: a
// menu without them never loads winmm.dll, which would cost every start of the menu.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace orv::platform::mci_library {

// mciSendStringW without a reply, loading winmm.dll first; MCIERR_CANNOT_LOAD_DRIVER when it
// cannot be loaded. notify: the window that gets MM_MCINOTIFY.
MCIERROR sendString(const wchar_t* command, HWND notify = nullptr);
// The same for a command that ends what an earlier one started (close, stop): until a
// command was sent nothing plays, so it does nothing then and loads nothing.
MCIERROR sendStringIfLoaded(const wchar_t* command);
// mciGetDeviceIDW: the device opened under the alias, 0 when there is none.
MCIDEVICEID deviceId(const wchar_t* alias);

}  // namespace orv::platform::mci_library
