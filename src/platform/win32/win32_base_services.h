// The Windows services every medium program needs: files, the per-user and program
// folders, the registry, system facts, the shell and message boxes. Encryption, pictures,
// fonts and the file dialogs come on top only in the programs that use them
// (Win32Services), so the menu program neither links nor loads bcrypt.dll or comdlg32.dll.
#pragma once

#include <memory>

#include "platform/services.h"

namespace orv::platform {

class BasicWin32Services : public InstalledServices {
public:
    // ui: the user interface to install (a program's own, or a test's script); the caller
    // keeps it alive. Without one, message boxes. Installs the services with pictures, fonts
    // and crypto left empty; the previous set comes back on destruction.
    explicit BasicWin32Services(UserInterface* ui = nullptr);
    ~BasicWin32Services();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orv::platform
