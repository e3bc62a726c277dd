// The texts of the copy steps' error traps, by step and error number (53 file not found,
// 76 path not found, 70 permission denied, any other number n).
#pragma once

#include <string>

namespace orv {

inline constexpr const char* ErrorTitle = "Error";
inline constexpr const char* ObjectErrorTitle = "Error (Picture/Sound)";
inline constexpr const char* LinkedFileErrorTitle = "Error (At File Copy)";

// The menu program, its manifest, the flash player, the picture gallery, BE.exe and the
// StickGuard setup program, each named by its file name.
std::string ProgramCopyMessage(const std::string& name, int error);

// The drive icon.
std::string IconCopyMessage(int error);

// A picture of a bitmap button.
std::string BitmapCopyMessage(int error);

// A font file; source is the font file's full path.
std::string FontCopyMessage(const std::string& source, int error);

// Where a 76 came from: the source folder text is empty, the source folder is missing, or
// (otherwise) the destination folder is missing.
enum class MissingFolder { SourceFolderEmpty, SourceFolder, TargetFolder };

// Pictures, sounds and the movie; and linked button files for 53, 70 and other numbers.
// name is the source's file name, folder the folder that is missing (for 76).
std::string ObjectCopyMessage(const std::string& name, int error, MissingFolder missing, const std::string& folder);
std::string LinkedFileCopyMessage(const std::string& name, int error);

// The linked-file texts of a 76: the source folder text is empty; the detailed errors for a
// missing source or destination folder and the advice that follows the first.
std::string SourceFolderMissingText(const std::string& name);
std::string LinkedSourceFolderDetail(const std::string& name);
std::string LinkedTargetFolderDetail(const std::string& name);
inline constexpr const char* SourceFolderAdvice =
    "We suggest you to check the source folders carefully. This error can occur if the names of the source folders "
    "have been changed or if you have moved your source files/folders to another location.";

// A value of the project that would put a file outside the destination folder (with "..",
// a drive or a network path): subject names the button or field ("link of button #2",
// "CD folder of the logotype"), noun what to change ("link", "folder"). The short form is
// the first sentence, as "orvntool check" lists it.
std::string OutsideDestinationText(const std::string& subject, const std::string& value,
                                   const std::string& destination);
std::string OutsideDestinationMessage(const std::string& subject, const std::string& noun, const std::string& value,
                                      const std::string& destination);

// The general trap around the steps that copy nothing.
std::string GeneralCreateErrorMessage(int error);

}  // namespace orv
