// The Windows implementations of every platform service, installed for the lifetime of
// one Win32Services object (the previous services come back when it is destroyed). The
// programs that need no encryption, pictures, fonts or file dialogs use
// BasicWin32Services instead.
#pragma once

#include <memory>

#include "platform/services.h"

namespace orv::platform {

class Win32Services {
public:
    // ui: the user interface to install (a program's own, or a test's script); the caller
    // keeps it alive. Without one, message boxes and the file dialogs. Documents, AppData
    // and Temp lie under ORVANTO_HOME when that is set; the program folder is the running
    // executable's.
    explicit Win32Services(UserInterface* ui = nullptr);
    ~Win32Services();
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    const Services& services() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orv::platform
