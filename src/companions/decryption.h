// The decryption program BE.exe restores a file that menu creation encrypted into
// "<name>.cry" for a password-protected button. This is its core, without any window.
#pragma once

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

// Where an interactive run restores the file: a folder of its own in the temporary folder
// ("<temp>\ORVNBE\<name>"), so the desktop program opens it under its original name.
std::string defaultDecryptionTarget(const std::string& encryptedFile);

// Decrypts encryptedFile into target with the password through the platform's Crypto.
// On any failure nothing is left behind: neither the target nor a folder made for it.
DecryptStatus decryptFile(const std::string& encryptedFile, const std::string& password,
                          const std::string& target);

// The command line of BE.exe: "FILE.cry [--password-stdin] [--output=FILE] [--no-open]".
// With --password-stdin the password is the first line of the standard input (never on the
// command line, which other users can read); without it the program asks. Without --output
// it restores into the temporary folder; --no-open leaves the restored file alone (for
// scripts).
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
