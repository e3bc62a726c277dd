// The creation's plain message boxes and its questions. Outside batch mode they go to the
// user through the message interface. A batch build has no user: a plain message that ends
// the creation is logged through the shared message routine instead (so the build ends with
// exit code 1 and never passes a stopped creation off as success), and a question takes
// the answer given by the caller.
#pragma once

#include <cstddef>
#include <string>

namespace orv {

// A plain message box (the answer is not used). In batch mode: ShowOrLogMessage.
void PlainMessage(const std::string& text, int style, const std::string& title);

// A question; in batch mode it is not asked and batchAnswer comes back.
int AskQuestion(const std::string& text, int style, const std::string& title, int batchAnswer);

// "The filename '...' contains too many characters! ..." (title "The filename is too long").
void ShowFilenameTooLong(const std::string& name);
// "The file path '...' is too long! ..." (title "The file path is too long").
void ShowPathTooLong(const std::string& path);

std::string FilenameTooLongText(const std::string& name);
std::string PathTooLongText(const std::string& path);

// The longest file name and path that a menu may copy (in characters).
inline constexpr std::size_t MaxFileNameLength = 127;
inline constexpr std::size_t MaxFilePathLength = 250;

}  // namespace orv
