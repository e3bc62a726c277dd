// The separate USB autorun product Portavo and its StickGuard setup program, as the editor
// sees them: three editor-wide values read from Portavo's registry values once at start.
#pragma once

#include <string>

namespace orv {

struct SiblingProducts {
    bool PortavoInstalled = false;
    bool PortavoCompactOffice = false;
    // Full path of "SETUP-StickGuard.exe" in Portavo's folder; empty unless Portavo is
    // installed and is not the Compact Office edition.
    std::string StickGuardSetupSource;
};

// The values in force for this run (all off until DetectSiblingProducts runs).
SiblingProducts& Siblings();

// Registry key of Portavo's values (machine-wide for the installation, per user for the
// "don't show" switches).
inline constexpr const char* PortavoMachineKey = "SOFTWARE\\Veltrona\\Portavo";
inline constexpr const char* PortavoUserKey = "Software\\Veltrona\\Portavo";

// True for the "Release" values that identify the Compact Office edition.
bool IsCompactOfficeRelease(const std::string& release);

// Reads Portavo's registry values into Siblings(). Missing values count as 0 or empty.
void DetectSiblingProducts();

}  // namespace orv
