// Whole-file reading and writing by Windows-form path, in the ANSI code page where asked.
#pragma once

#include <filesystem>
#include <string>

namespace orv {

// The host path of a Windows-form path through the platform's drive map; without
// installed services (a fuzz target, a tool before start-up) the text itself, as UTF-8.
std::filesystem::path HostPath(const std::string& file);

// Reads the raw bytes of a file. False when it cannot be read.
bool ReadFileBytes(const std::string& file, std::string& bytes);

// Writes bytes to a temporary file in the same folder, then renames it over the file, so a
// failure half-way never destroys the old file. The file keeps its permissions and owner and
// a symlink is written through (see platform/replace_file.h). False on any error, also for a
// write-protected file (the old file is kept).
bool WriteFileAtomic(const std::string& file, const std::string& bytes);

// True when the file exists and has no write permission for anyone (the read-only attribute
// of Windows): saving over it is refused.
bool IsWriteProtected(const std::string& file);

// True when the file can be opened for reading; any error gives false.
bool FileExists(const std::string& file);

}  // namespace orv
