#include "platform/host/host_base_services.h"

#include "platform/host/console_user_interface.h"
#include "platform/host/desktop_shell.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_layout.h"
#include "platform/host/host_system_folders.h"
#include "platform/host/host_system_info.h"
#include "platform/host/profile_registry.h"

namespace orv::platform {

struct BasicHostServices::Impl {
    HostLayout layout = HostLayout::fromEnvironment();
    HostFileSystem files{layout.driveFile};
    HostSystemFolders folders{layout, files};
    ProfileRegistry registry{layout.registryFile, files};
    HostSystemInfo system{files};
    DesktopShell shell{files, folders};
    ConsoleUserInterface console;
    Services services;
};

BasicHostServices::BasicHostServices(UserInterface* ui) : impl_(std::make_unique<Impl>())
{
    Services& s = impl_->services;
    s.files = &impl_->files;
    s.folders = &impl_->folders;
    s.registry = &impl_->registry;
    s.system = &impl_->system;
    s.shell = &impl_->shell;
    // Without a user interface of its own a program talks through the console.
    s.ui = ui ? ui : &impl_->console;
    previous_ = installServices(s);
}

BasicHostServices::~BasicHostServices() { installServices(previous_); }

const Services& BasicHostServices::services() const { return impl_->services; }

FileSystem& BasicHostServices::files() const { return impl_->files; }

void BasicHostServices::install(const Services& s)
{
    impl_->services = s;
    installServices(s);
}

}  // namespace orv::platform
