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
};

BasicHostServices::BasicHostServices(UserInterface* ui) : impl_(std::make_unique<Impl>())
{
    // Without a user interface of its own a program talks through the console.
    Impl& i = *impl_;
    installBasic(i.files, i.folders, i.registry, i.system, i.shell, ui ? *ui : i.console);
}

BasicHostServices::~BasicHostServices() = default;

FileSystem& BasicHostServices::files() const { return impl_->files; }

}  // namespace orv::platform
