// Starting a detached program whose standard input is a pipe filled with a given text (a
// password handed to the decryption program, which must not appear on its command line).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orv::platform {

// Starts program (a host executable) with the arguments in workingFolder (empty: the
// current one) in a session of its own, writes input to its standard input and closes it.
// Nobody waits for the program. False when it could not be started. The text should fit
// a pipe (64 KiB); more is written only while the program reads, for at most a few seconds.
bool startDetachedWithInput(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                            const std::filesystem::path& workingFolder, const std::string& input);

}  // namespace orv::platform
