#include "platform/host/host_services.h"

#include "platform/host/console_user_interface.h"
#include "platform/host/desktop_shell.h"
#include "platform/host/host_crypto.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_fonts.h"
#include "platform/host/host_layout.h"
#include "platform/host/host_pictures.h"
#include "platform/host/host_system_folders.h"
#include "platform/host/host_system_info.h"
#include "platform/host/profile_registry.h"

namespace orv::platform {

struct HostServices::Impl {
    HostLayout layout = HostLayout::fromEnvironment();
    HostFileSystem files{layout.driveFile};
    HostSystemFolders folders{layout, files};
    HostPictures pictures{files};
    HostFonts fonts{files};
    ProfileRegistry registry{layout.registryFile, files};
    HostCrypto crypto{files};
    HostSystemInfo system{files};
    DesktopShell shell{files, folders};
    ConsoleUserInterface console;
    Services services;
};

HostServices::HostServices(UserInterface* ui) : impl_(std::make_unique<Impl>())
{
    Services& s = impl_->services;
    s.files = &impl_->files;
    s.folders = &impl_->folders;
    s.pictures = &impl_->pictures;
    s.fonts = &impl_->fonts;
    s.registry = &impl_->registry;
    s.crypto = &impl_->crypto;
    s.system = &impl_->system;
    s.shell = &impl_->shell;
    // Without a user interface of its own a program talks through the console.
    s.ui = ui ? ui : &impl_->console;
    previous_ = installServices(s);
}

HostServices::~HostServices() { installServices(previous_); }

const Services& HostServices::services() const { return impl_->services; }

}  // namespace orv::platform
