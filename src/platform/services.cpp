#include "platform/services.h"

namespace orv::platform {

namespace {
Services g_services;
}

const Services& services() { return g_services; }

Services installServices(const Services& s)
{
    Services previous = g_services;
    g_services = s;
    return previous;
}

InstalledServices::~InstalledServices() { installServices(previous_); }

void InstalledServices::install(const Services& s)
{
    current_ = s;
    installServices(s);
}

void InstalledServices::installBasic(FileSystem& files, SystemFolders& folders, Registry& registry,
                                     SystemInfo& system, Shell& shell, UserInterface& ui)
{
    current_ = Services{};
    current_.files = &files;
    current_.folders = &folders;
    current_.registry = &registry;
    current_.system = &system;
    current_.shell = &shell;
    current_.ui = &ui;
    previous_ = installServices(current_);
}

}  // namespace orv::platform
