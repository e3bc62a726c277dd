#include "platform/win32/mci_library.h"

namespace orv::platform::mci_library {

namespace {

using SendString = MCIERROR(WINAPI*)(LPCWSTR, LPWSTR, UINT, HWND);
using GetDeviceId = MCIDEVICEID(WINAPI*)(LPCWSTR);

struct Library {
    SendString send = nullptr;
    GetDeviceId device = nullptr;
};

bool loaded = false;  // the first sendString has loaded it (or failed to)

const Library& library()
{
    static const Library functions = [] {
        loaded = true;
        Library result;
        HMODULE module = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!module)
            module = LoadLibraryW(L"winmm.dll");  // systems without the search flag
        if (module) {
            result.send = reinterpret_cast<SendString>(reinterpret_cast<void*>(GetProcAddress(module, "mciSendStringW")));
            result.device =
                reinterpret_cast<GetDeviceId>(reinterpret_cast<void*>(GetProcAddress(module, "mciGetDeviceIDW")));
        }
        return result;
    }();
    return functions;
}

}  // namespace

MCIERROR sendString(const wchar_t* command, HWND notify)
{
    const Library& mci = library();
    return mci.send ? mci.send(command, nullptr, 0, notify) : MCIERR_CANNOT_LOAD_DRIVER;
}

MCIERROR sendStringIfLoaded(const wchar_t* command)
{
    return loaded ? sendString(command) : 0;
}

MCIDEVICEID deviceId(const wchar_t* alias)
{
    if (!loaded)
        return 0;
    const Library& mci = library();
    return mci.device ? mci.device(alias) : 0;
}

}  // namespace orv::platform::mci_library
