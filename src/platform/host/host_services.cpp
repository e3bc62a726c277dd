#include "platform/host/host_services.h"

#include <map>

#include "platform/crypto.h"
#include "platform/fonts.h"
#include "platform/host/console_user_interface.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_layout.h"
#include "platform/host/host_system_folders.h"
#include "platform/pictures.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace orv::platform {

namespace {

// Interim services until the host implementations land.
class InterimPictures final : public Pictures {
public:
    int GetPictureFileType(const std::string&) const override { return PictureUnknown; }
    int GetJPEGColorSystem(const std::string&) const override { return JpegUnknown; }
    bool GetPictureFileDimensions(const std::string&, int&, int&) const override { return false; }
};

class InterimFonts final : public Fonts {
public:
    int IsWindowsBasicFont(const std::string&) const override { return 0; }
    bool GetFontFamilyInformation(const std::string&, int, std::string&) const override { return false; }
    bool GetFontInformation(int, std::string&, std::string&) const override { return false; }
};

class InterimRegistry final : public Registry {
public:
    long GetRegKeyVal(int root, const std::string& key, const std::string& name, long defaultValue) const override
    {
        auto it = values_.find(root_key(root, key, name));
        if (it == values_.end())
            return defaultValue;
        try {
            return std::stol(it->second);
        } catch (...) {
            return defaultValue;
        }
    }
    bool SetRegKeyVal(int root, const std::string& key, const std::string& name, long value) override
    {
        values_[root_key(root, key, name)] = std::to_string(value);
        return true;
    }
    int GetRegKeyStr(int root, const std::string& key, const std::string& name, std::string& value) const override
    {
        auto it = values_.find(root_key(root, key, name));
        if (it == values_.end())
            return 0;
        value = it->second;
        return 1;
    }
    bool SetRegKeyStr(int root, const std::string& key, const std::string& name, const std::string& value) override
    {
        values_[root_key(root, key, name)] = value;
        return true;
    }
    bool CreateRegKey(int, const std::string&) override { return true; }

private:
    static std::string root_key(int root, const std::string& key, const std::string& name)
    {
        return std::to_string(root) + "\\" + key + "\\" + name;
    }
    std::map<std::string, std::string> values_;
};

class InterimCrypto final : public Crypto {
public:
    int CrySimpleEncryptFile(const std::string&, const std::string&, const std::string&) override { return 0; }
    int CryDecryptFile(const std::string&, const std::string&, const std::string&) override { return 0; }
    int CryGetLastError() const override { return CryInternal; }
};

class InterimSystemInfo final : public SystemInfo {
public:
    int IsWindowsVista() const override { return 1; }
    int IsWindows7() const override { return 1; }
    int IsWindows8() const override { return 1; }
    std::string GetFirstUsbFlashDrive() const override { return {}; }
};

class InterimShell final : public Shell {
public:
    bool ShellOpen(const std::string&, const std::string&, const std::string&) override { return false; }
    bool StartProcess(const std::string&, const std::vector<std::string>&, const std::string&, WindowState) override
    {
        return false;
    }
    bool ShowHelp(int) override { return false; }
    bool ExploreFolder(const std::string&) override { return false; }
};

}  // namespace

struct HostServices::Impl {
    HostLayout layout = HostLayout::fromEnvironment();
    HostFileSystem files{layout.driveFile};
    HostSystemFolders folders{layout, files};
    InterimPictures pictures;
    InterimFonts fonts;
    InterimRegistry registry;
    InterimCrypto crypto;
    InterimSystemInfo system;
    InterimShell shell;
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
    s.ui = ui ? ui : &impl_->console;
    previous_ = installServices(s);
}

HostServices::~HostServices() { installServices(previous_); }

const Services& HostServices::services() const { return impl_->services; }

}  // namespace orv::platform
