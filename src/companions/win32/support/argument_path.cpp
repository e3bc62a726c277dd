#include "companions/win32/support/argument_path.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace orv::win32 {

std::string absolutePath(const std::string& path)
{
    if (path.empty())
        return path;
    const std::wstring wide = platform::widen(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    const DWORD n = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (n == 0 || n >= size)
        return path;
    full.resize(n);
    return platform::narrow(full);
}

}  // namespace orv::win32
