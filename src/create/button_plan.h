// What creation does with the file one button opens, planned once: which file is copied
// where (or encrypted, or copied with its whole folder, or left alone) and what would stop
// the creation at that button. CopyLinkedFiles executes the plan; "orvntool check" lists
// its problems.
#pragma once

#include <string>
#include <vector>

#include "model/menu_button.h"

namespace orv {

enum class LinkedFileAction { None, CopyFile, Encrypt, CopyWholeFolder };

// What stops the creation at a button. The first three are refusals found before anything
// is written; the others are met when the button's file is copied, the last two only on the
// disk (the copy's error trap reports them).
enum class ButtonProblem {
    WildcardNotAllowed,     // a wildcard link on a command that opens one file or folder
    WildcardEncrypted,      // a wildcard link of a button whose file is to be encrypted
    EncryptionWithoutCopy,  // encrypted, but the copy option does not copy the file
    FileNameTooLong,        // the source file's name has more than 127 characters
    PathTooLong,            // its path has more than 250
    LeadsOutside,           // the link puts the file outside the destination
    SourceFolderMissing,    // a whole-folder copy without its source folder
    SourceFileMissing,      // a copy or encryption without its source file
};

struct PlannedProblem {
    ButtonProblem kind;
    std::string line;  // as "orvntool check" lists it
};

struct LinkedFilePlan {
    int row = 0;  // 1-based
    LinkedFileAction action = LinkedFileAction::None;
    std::string source;       // SourceFile as the author chose it: the file that is read
    std::string lowerSource;  // in lower case, as names and messages give it
    std::string link;         // Link in lower case
    std::string target;       // where the file lands (Windows form); empty without an action
    bool inPlace = false;     // the source is its own target: nothing is copied
    bool writesFlashData = false;  // VTFlashPlayer.dat beside the animation
    std::vector<PlannedProblem> problems;  // in the order the creation meets them
};

// The plan of the button in the given row for a menu built into destination (Windows form;
// when empty nothing is checked against it). Reads the disk, writes nothing.
LinkedFilePlan PlanLinkedFile(const MenuButton& button, int row, const std::string& destination);

// True for the commands whose target is never a file of the author's disk.
bool CommandCopiesNoFile(const std::string& command);

// True for the commands that may name files with a wildcard ("Run Program", "Run Program &
// Close", "Show Document").
bool CommandAllowsWildcard(const std::string& command);

// True when the link names a set of files ("docs\*.pdf").
bool HasWildcardLink(const MenuButton& button);

// A button whose file is to be encrypted.
bool EncryptsFile(const MenuButton& button);

// "link of button #n": how messages about a button's link name it.
std::string LinkSubject(int row);

std::string WildcardInvalidMessage(int row, const std::string& link);
std::string WildcardEncryptionMessage(int row, const std::string& link);
std::string EncryptionWithoutCopyMessage(int row, const std::string& text);

}  // namespace orv
