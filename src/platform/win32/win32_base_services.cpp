#include "platform/win32/win32_base_services.h"

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_user_interface.h"

namespace orv::platform {

struct BasicWin32Services::Impl {
    Win32FileSystem files;
    Win32SystemFolders folders;
    Win32Registry registry;
    Win32SystemInfo system;
    Win32Shell shell{folders};
    Win32UserInterface messageBoxes;
    Services services;
};

BasicWin32Services::BasicWin32Services(UserInterface* ui) : impl_(std::make_unique<Impl>())
{
    Services& s = impl_->services;
    s.files = &impl_->files;
    s.folders = &impl_->folders;
    s.registry = &impl_->registry;
    s.system = &impl_->system;
    s.shell = &impl_->shell;
    s.ui = ui ? ui : &impl_->messageBoxes;
    previous_ = installServices(s);
}

BasicWin32Services::~BasicWin32Services() { installServices(previous_); }

const Services& BasicWin32Services::services() const { return impl_->services; }

void BasicWin32Services::install(const Services& s)
{
    impl_->services = s;
    installServices(s);
}

}  // namespace orv::platform
