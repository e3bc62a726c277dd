// Copying and writing files of a menu with the run-time error numbers the creation's error
// traps work with. Paths are Windows-form; the host path comes from the file service.
//
// Error numbers (the host's std::error_code is mapped onto them, see docs/creation.md):
//   53 file not found       the source file does not exist
//   76 path not found       the source folder or the target folder does not exist, or
//                           lies on a drive this system does not have
//   70 permission denied    no right to read the source or write the target (also a
//                           read-only file system)
//   61 disk full            no space left, or the file is larger than the medium allows
//   57 device I/O error     the device reported a read or write fault
//   75 path/file access     every other refusal: a folder where a file is expected, a
//                           name too long for the host, a busy file
#pragma once

#include <string>
#include <system_error>

namespace orv {

enum RuntimeError : int {
    ErrNone = 0,
    ErrFileNotFound = 53,
    ErrDeviceIO = 57,
    ErrDiskFull = 61,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
};

// The run-time error number of a host error (0 for no error).
int MapHostError(const std::error_code& ec);

// Copies source to target, replacing an existing target. The data goes to a temporary
// file in the target's folder that is renamed to the target only when complete, so a
// failed copy never leaves a truncated file under the real name. Returns 0 or the error
// number: 76 when the source has no folder, or its folder or the target's folder is
// missing; 53 when the source file is missing; else the mapped host error.
int CopyFileMapped(const std::string& source, const std::string& target);

// Writes bytes to target the same way (temporary file, then rename). 76 when the target's
// folder is missing, else 0 or the mapped host error.
int WriteFileMapped(const std::string& target, const std::string& bytes);

// Removes a file, ignoring every error (also a missing file).
void DeleteFileQuietly(const std::string& file);

}  // namespace orv
