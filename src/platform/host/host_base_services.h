// The host services that every program needs: files and the drive map, the per-user
// folders, the registry store, system information, the desktop shell and the console.
// Pictures, fonts and encryption come on top only in the programs that use them
// (HostServices), so that the menu program, the flash player and the gallery load neither
// fontconfig, libjpeg nor libcrypto.
#pragma once

#include <memory>

#include "platform/services.h"

namespace orv::platform {

class BasicHostServices : public InstalledServices {
public:
    // ui: as for HostServices (nullptr: the console). Installs the basic services with
    // pictures, fonts and crypto left empty; the previous set comes back on destruction.
    explicit BasicHostServices(UserInterface* ui);
    ~BasicHostServices();

    FileSystem& files() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orv::platform
