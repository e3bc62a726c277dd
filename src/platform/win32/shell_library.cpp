#include "platform/win32/shell_library.h"

#include <objbase.h>

namespace orv::platform::shell_library {

namespace {

// A function of a system DLL, loaded with its DLL on the first call (nullptr when either
// is missing). The DLL stays loaded for the program's life.
template <typename Function>
Function load(const wchar_t* library, const char* name)
{
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module)
        module = LoadLibraryW(library);  // systems without the search flag
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

using ExecuteEx = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
using KnownFolderPath = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
using TaskMemFree = void(WINAPI*)(void*);
using InitializeEx = HRESULT(WINAPI*)(void*, DWORD);

}  // namespace

BOOL executeEx(SHELLEXECUTEINFOW* info)
{
    static const auto initialize = load<InitializeEx>(L"ole32.dll", "CoInitializeEx");
    static const HRESULT com =
        initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE) : E_FAIL;
    (void)com;
    static const auto execute = load<ExecuteEx>(L"shell32.dll", "ShellExecuteExW");
    return execute ? execute(info) : FALSE;
}

HRESULT knownFolderPath(REFKNOWNFOLDERID id, DWORD flags, PWSTR* path)
{
    static const auto get = load<KnownFolderPath>(L"shell32.dll", "SHGetKnownFolderPath");
    return get ? get(id, flags, nullptr, path) : E_FAIL;
}

void freeTaskMemory(void* memory)
{
    static const auto free = load<TaskMemFree>(L"ole32.dll", "CoTaskMemFree");
    if (free && memory)
        free(memory);
}

}  // namespace orv::platform::shell_library
