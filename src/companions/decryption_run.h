// The decryption program's course, the same in its Windows and host builds: which file
// (the argument, the only one beside the program, or one the user picks), the password
// (asked until it is right or the user cancels, or read once from standard input), the
// restore, opening the result, and every message. The front end supplies the windows, the
// standard input and the paths.
#pragma once

#include <optional>
#include <string>

#include "companions/decryption.h"

namespace orv::companions {

enum DecryptionExit { DecryptionSucceeded = 0, DecryptionWithoutPassword = 1, DecryptionFailed = 2 };

class DecryptionFrontEnd {
public:
    virtual ~DecryptionFrontEnd() = default;
    // A message box (titled DecryptionTitle) when the program shows windows, else a line
    // "BE: <text>" on the error output.
    virtual void error(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    // The password typed for the file (its original name); nothing when cancelled.
    virtual std::optional<std::string> askPassword(const std::string& fileName) = 0;
    // The first line of standard input; nothing when there is none.
    virtual std::optional<std::string> readPasswordLine() = 0;
    // An encrypted file picked in the folder; empty when the user cancels.
    virtual std::string pickEncryptedFile(const std::string& folder) = 0;
    // A path given on the command line, absolute and in Windows form.
    virtual std::string absolutePath(const std::string& argument) = 0;
    // A Windows-form path as the user of this system knows it.
    virtual std::string displayPath(const std::string& windowsPath) { return windowsPath; }
    // The folder that holds the restore folders of runs without --output: the temporary
    // folder (on Windows already the user's own).
    virtual std::string restoreBase();
};

inline constexpr const char* DecryptionTitle = "Decrypt File";

extern const char* const DecryptionUsage;

// Runs the program after its arguments were parsed; windows: whether it may show any
// (not with --no-open). Returns the exit code.
int runDecryption(const DecryptionArguments& arguments, bool windows, DecryptionFrontEnd& frontEnd);

// What the user is told about a failed restore of the file.
std::string decryptionStatusText(DecryptStatus status, const std::string& file, const std::string& shownFile);

}  // namespace orv::companions
