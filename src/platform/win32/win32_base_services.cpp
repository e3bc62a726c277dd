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
};

BasicWin32Services::BasicWin32Services(UserInterface* ui) : impl_(std::make_unique<Impl>())
{
    Impl& i = *impl_;
    installBasic(i.files, i.folders, i.registry, i.system, i.shell, ui ? *ui : i.messageBoxes);
}

BasicWin32Services::~BasicWin32Services() = default;

}  // namespace orv::platform
