// Whole-file reading and writing by Windows-form path, in the ANSI code page where asked.
#pragma once

#include <string>

namespace orv {

// Reads the raw bytes of a file. False when it cannot be read.
bool ReadFileBytes(const std::string& file, std::string& bytes);

// Writes bytes to a temporary file in the same folder, then renames it over the file, so a
// failure half-way never destroys the old file. False on any error (the old file is kept).
bool WriteFileAtomic(const std::string& file, const std::string& bytes);

// True when the file can be opened for reading; any error gives false.
bool FileExists(const std::string& file);

}  // namespace orv
