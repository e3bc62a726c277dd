// A shared library opened at its first use rather than at the program's start (dlopen), its
// functions found by name. The library stays loaded for the program's life.
#pragma once

#include <type_traits>

#include <dlfcn.h>

namespace orv::platform {

// The library by its file name ("libcrypto.so.3"); null when it cannot be opened.
inline void* openLibrary(const char* name)
{
    return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

// Sets function to the library's function of that name; false when it has none.
template <typename Function>
bool findFunction(void* library, Function& function, const char* name)
{
    static_assert(std::is_pointer_v<Function>);
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

}  // namespace orv::platform
