// The shell's and COM's functions, loaded at their first use: a program that starts
// nothing and asks for no known folder never loads shell32.dll and ole32.dll (and the COM
// machinery they bring), which would cost every start of the menu from a disc.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace orv::platform::shell_library {

// ShellExecuteExW, with COM started on this thread first (shell extensions need it).
// FALSE when the shell cannot be loaded.
BOOL executeEx(SHELLEXECUTEINFOW* info);

// SHGetKnownFolderPath; the path is freed with CoTaskMemFree by freeTaskMemory.
HRESULT knownFolderPath(REFKNOWNFOLDERID id, DWORD flags, PWSTR* path);
void freeTaskMemory(void* memory);

}  // namespace orv::platform::shell_library
