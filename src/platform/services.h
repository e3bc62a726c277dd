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

}  // namespace orv::platform
