// A path given on the command line, made absolute: a program may be started from any
// current folder, and the data it reads is looked up beside what it was given.
#pragma once

#include <string>

namespace orv::win32 {

// The path made absolute against the current folder, in the form Windows gives it; empty
// stays empty.
std::string absolutePath(const std::string& path);

}  // namespace orv::win32
