// The facts the detailed copy-error dialog (DlgDetailedErrorDlgBox) shows for a file whose
// copy failed: for the source folder, the source file, the destination folder and the
// destination file, whether it exists. Computed here; the dialog only displays them.
#pragma once

#include <string>

#include "model/menu_project.h"

namespace orv {

inline constexpr const char* FactYes = "Yes";
inline constexpr const char* FactNo = "No";
inline constexpr const char* FactFileMissing = "No - File is missing";
inline constexpr const char* FactNameTooShort = "Note! Filename is too short!";
inline constexpr const char* FactNotApplicable = "-";

// "Yes" is shown in black, every negative answer in dark red.
inline constexpr Colour FactNegativeColour = RgbColour(132, 0, 0);
inline constexpr Colour FactPositiveColour = RgbColour(0, 0, 0);

struct CopyErrorFact {
    std::string answer = FactNotApplicable;
    bool negative = false;
    Colour colour() const { return negative ? FactNegativeColour : FactPositiveColour; }
};

struct DetailedCopyError {
    std::string title;
    std::string message;
    std::string fileName;
    std::string sourceFolder;
    std::string targetFolder;
    CopyErrorFact sourceFolderExists;
    CopyErrorFact sourceFileExists;
    CopyErrorFact targetFolderExists;
    CopyErrorFact targetFileExists;
};

// Looks at the disk: a folder is examined only when its path is longer than 2 characters;
// a file only when its folder exists; a file name shorter than 3 characters is noted as
// too short instead.
DetailedCopyError DescribeCopyError(const std::string& title, const std::string& message,
                                    const std::string& fileName, const std::string& sourceFolder,
                                    const std::string& targetFolder);

// The facts as plain text lines (for a console or a log), e.g. "Source folder exists: Yes".
std::string DetailedCopyErrorText(const DetailedCopyError& error);

}  // namespace orv
