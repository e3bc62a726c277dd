// The Windows implementations of every platform service, installed for the lifetime of
// one Win32Services object (the previous services come back when it is destroyed).
#pragma once

#include <memory>

#include "platform/services.h"

namespace orv::platform {

class Win32Services {
public:
    // ui: the user interface to install (a program's own, or a test's script); the caller
    // keeps it alive. Without one, message boxes (Win32UserInterface). Documents, AppData
    // and Temp lie under ORVANTO_HOME when that is set; the program folder is the running
    // executable's. COM is initialised on this thread for the shell's use.
    explicit Win32Services(UserInterface* ui = nullptr);
    ~Win32Services();
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    const Services& services() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Services previous_;
};

}  // namespace orv::platform
