// A button's copy option (its CSF field): what creation does with the file the button
// opens. The field holds "1" (or nothing) for "Don't copy the source file", "2" for "Copy
// the source file" and "3" for "Copy the entire folder (where the source file is)".
#pragma once

#include <string>

#include "model/menu_button.h"

namespace orv {

enum class CopyOption { DontCopy, CopyFile, CopyWholeFolder };

// The option a field value means: empty and "1" copy nothing, "3" the whole folder, any
// other value the file itself (as creation has always read it).
inline CopyOption CopyOptionFromText(const std::string& csf)
{
    if (csf.empty() || csf == "1")
        return CopyOption::DontCopy;
    if (csf == "3")
        return CopyOption::CopyWholeFolder;
    return CopyOption::CopyFile;
}

inline CopyOption CopyOptionOf(const MenuButton& button) { return CopyOptionFromText(button.CSF); }

// The field value written for an option.
inline const char* CopyOptionText(CopyOption option)
{
    switch (option) {
    case CopyOption::DontCopy: return "1";
    case CopyOption::CopyFile: return "2";
    case CopyOption::CopyWholeFolder: return "3";
    }
    return "1";
}

inline void SetCopyOption(MenuButton& button, CopyOption option) { button.CSF = CopyOptionText(option); }

}  // namespace orv
