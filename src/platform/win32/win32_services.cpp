#include "platform/win32/win32_services.h"

#include <windows.h>

#include <objbase.h>

#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_user_interface.h"

namespace orv::platform {

struct Win32Services::Impl {
    // ShellExecuteExW may hand work to shell extensions, which need COM.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    Win32FileSystem files;
    Win32SystemFolders folders;
    Win32Pictures pictures;
    Win32Fonts fonts;
    Win32Registry registry;
    Win32Crypto crypto;
    Win32SystemInfo system;
    Win32Shell shell{folders};
    Win32UserInterface messageBoxes;
    Services services;

    ~Impl()
    {
        if (SUCCEEDED(com))
            CoUninitialize();
    }
};

Win32Services::Win32Services(UserInterface* ui) : impl_(std::make_unique<Impl>())
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
    s.ui = ui ? ui : &impl_->messageBoxes;
    previous_ = installServices(s);
}

Win32Services::~Win32Services() { installServices(previous_); }

const Services& Win32Services::services() const { return impl_->services; }

}  // namespace orv::platform
