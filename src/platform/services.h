// The system services the core reaches through interfaces. Core code calls services();
// the editor, the command-line tools and the tests install an implementation at start.
#pragma once

namespace orv::platform {

class FileSystem;
class SystemFolders;
class Pictures;
class Fonts;
class Registry;
class Crypto;
class SystemInfo;
class Shell;
class UserInterface;

struct Services {
    FileSystem* files = nullptr;
    SystemFolders* folders = nullptr;
    Pictures* pictures = nullptr;
    Fonts* fonts = nullptr;
    Registry* registry = nullptr;
    Crypto* crypto = nullptr;
    SystemInfo* system = nullptr;
    Shell* shell = nullptr;
    UserInterface* ui = nullptr;
};

// The services in force. Every member is set once a program has called installServices.
const Services& services();

// Replaces the services in force; returns the previous set so a caller can restore it.
Services installServices(const Services& s);

// The base of each system's set of basic services: installs the set while the object
// lives, a changed set when asked (e.g. with encryption added by the program), and the
// set in force before comes back on destruction.
class InstalledServices {
public:
    InstalledServices(const InstalledServices&) = delete;
    InstalledServices& operator=(const InstalledServices&) = delete;

    const Services& services() const { return current_; }
    void install(const Services& s);

protected:
    InstalledServices() = default;
    ~InstalledServices();
    // Installs files, folders, registry, system facts, the shell and the user interface;
    // pictures, fonts and crypto stay empty.
    void installBasic(FileSystem& files, SystemFolders& folders, Registry& registry, SystemInfo& system,
                      Shell& shell, UserInterface& ui);

private:
    Services current_;
    Services previous_;
};

}  // namespace orv::platform
