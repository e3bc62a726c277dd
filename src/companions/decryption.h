// The decryption program BE.exe restores a file that menu creation encrypted into
// "<name>.cry" for a password-protected button. This is its core, without any window.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace orv::companions {

enum class DecryptStatus {
    Ok,
    NotEncrypted,   // the name does not end in ".cry"
    SourceMissing,
    WrongPassword,
    Damaged,        // not a file the creation encrypted, or changed since
    WriteFailed,    // the restored file could not be written
    Failed,         // any other failure of the platform's decryption
};

// The original file name: the file name part without its ".cry" (any case). Empty when
// the name does not end in ".cry" or nothing is left.
std::string decryptedFileName(const std::string& encryptedFile);

// Decrypts encryptedFile into target with the password through the platform's Crypto.
// On any failure nothing is left behind: neither the target nor a folder made for it.
DecryptStatus decryptFile(const std::string& encryptedFile, const std::string& password,
                          const std::string& target);

// An interactive run restores the file under its original name into a folder of its own,
// "ORVNBE-<random>" in base, so the desktop program opens it by that name and no other user
// can read it: the folder is made only for this user (mode 0700, the file 0600, where the
// system has modes). target receives the restored file. On failure nothing is left, not
// even the folder.
inline constexpr const char* RestoreFolderPrefix = "ORVNBE-";
DecryptStatus decryptIntoOwnFolder(const std::string& encryptedFile, const std::string& password,
                                   const std::string& base, std::string& target);

// Whether a viewer still has a restored file open cannot be told, so each run removes the
// restore folders of earlier runs in base (with what they hold) that were last changed more
// than maxAge ago. Only this user's own folders, never through a link.
inline constexpr std::chrono::hours RestoreFolderLifetime{12};
void removeOldRestoreFolders(const std::string& base, std::chrono::hours maxAge = RestoreFolderLifetime);

// The command line of BE.exe: "FILE.cry [--password-stdin] [--output=FILE] [--no-open]".
// With --password-stdin the password is the first line of the standard input (never on the
// command line, which other users can read); without it the program asks. Without --output
// it restores into a folder of its own (decryptIntoOwnFolder); --no-open leaves the restored
// file alone (for scripts).
struct DecryptionArguments {
    std::string file;
    bool passwordFromInput = false;
    std::string output;
    bool open = true;
    bool help = false;      // --help or /?
    std::string unknown;    // the first option it does not know
};

DecryptionArguments parseDecryptionArguments(const std::vector<std::string>& arguments);

// The password in the text read from standard input: its first line without the line end
// (LF or CR LF), as UTF-8.
std::string passwordLine(std::string_view input);

// The encrypted files (".cry", any case) of a Windows-form folder, sorted by name.
std::vector<std::string> encryptedFilesIn(const std::string& folder);

}  // namespace orv::companions
