// What a click on a menu button does on this host: the command of the entry turned into
// one action (start a program, open a document, folder or address with the desktop's
// program, close the menu, switch menus) with its target resolved against the menu folder.
// Planning touches no file except to expand a wildcard or to find an encrypted target;
// running goes through the platform shell.
#pragma once

#include <string>
#include <vector>

#include "shell/menu_description.h"

namespace orv::shell {

enum class ActionKind {
    None,          // a title row, or a button without a target
    StartProgram,  // target: program; parameter text, standard input, working folder, window state
    OpenDocument,  // target: file opened with the desktop's program for it
    OpenFolder,    // target: folder shown in the file manager
    OpenAddress,   // target: web or mailto address
    CloseMenu,
    OpenMenu,      // target: another menu description file
    ReturnToPreviousMenu,
    ReturnToMainMenu,
    Unsupported,   // the command cannot be carried out by this host build
    ShowRtfDocument,  // target: an RTF document the menu shows itself where it can (else as OpenDocument)
};

struct ButtonAction {
    ActionKind kind = ActionKind::None;
    std::string target;  // Windows-form path, or an address
    std::string parameters;     // the program's parameter text, as typed (a companion's: its quoted file)
    std::string standardInput;  // written to the program's standard input (a password for BE.exe)
    std::string workingFolder;
    bool maximized = false;
    bool closeMenuAfter = false;  // "Run Program & Close"
    bool targetOnMedium = false;  // the target is a file or folder that must exist
};

// Which companion programs the menu starts. An empty path means the medium's own: BE.exe
// beside the encrypted file, VTFlashPlayer\VTFlashPlayer.exe and
// VTPictureGallery\VTPictureGallery.exe below the menu folder.
struct CompanionPrograms {
    std::string decryption;
    std::string flashPlayer;
    std::string gallery;
};

// The companions that lie in programFolder itself (BE.exe, VTFlashPlayer.exe,
// VTPictureGallery.exe), as beside the host menu program of the editor's test runs; the
// medium's for those that do not.
CompanionPrograms companionProgramsIn(const std::string& programFolder);

// The action of an entry; menuFolder is the Windows-form folder of the menu description
// file (relative links are relative to it), rootFolder the main menu's folder, which is the
// medium's root (empty: menuFolder).
ButtonAction planButtonAction(const MenuEntry& entry, const std::string& menuFolder,
                              const CompanionPrograms& companions = {}, const std::string& rootFolder = {});

// A button link as a path: "@" links are taken as typed, "\..." (or "/...") starts at the
// medium's root, rootFolder (menuFolder when empty), where the creation copied the file;
// "X:\..." is absolute, anything else (optionally after the marker "¤" or "*") is relative
// to the menu folder.
std::string resolveMenuLink(const std::string& link, const std::string& menuFolder,
                            const std::string& rootFolder = {});


// "http://" is put in front of an address without a scheme; a leading "@" is dropped.
std::string webAddress(const std::string& link);

// "mailto:" + address, with "?subject=" and the percent-encoded subject when there is one.
std::string mailAddress(const std::string& address, const std::string& subject);

enum class ActionOutcome { Done, TargetMissing, Failed };

// Carries out StartProgram, OpenDocument, OpenFolder and OpenAddress through the platform
// shell; every other kind is the window's business and gives Failed.
ActionOutcome runButtonAction(const ButtonAction& action);

}  // namespace orv::shell
