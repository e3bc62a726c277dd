// The host implementations of every platform service, installed for the lifetime of one
// HostServices object (the previous services come back when it is destroyed). Programs
// that need no pictures, fonts or encryption use BasicHostServices instead.
#pragma once

#include <memory>

#include "platform/services.h"

namespace orv::platform {

class HostServices {
public:
    // ui: the user interface to install (the editor's dialogs, a console, or a test's
    // script); the caller keeps it alive. Without one (nullptr) messages go to the console
    // (ConsoleUserInterface). Per-user state lives under ORVANTO_HOME when that
    // is set (Documents, AppData, Temp, registry.ini, drives.ini), else in the desktop's
    // standard places. The program folder is ORVANTO_PROGRAM_DIR when set, else the folder
    // of the running executable.
    explicit HostServices(UserInterface* ui);
    ~HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    const Services& services() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orv::platform
