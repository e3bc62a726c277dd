// Installed fonts, listed as Windows lists them.
#pragma once

#include <string>

namespace orv::platform {

class Fonts {
public:
    virtual ~Fonts() = default;
    // -1 for a font every Windows installation has, else 0.
    virtual int IsWindowsBasicFont(const std::string& fontName) const = 0;
    // The index-th face name of the family; false past the end.
    virtual bool GetFontFamilyInformation(const std::string& family, int index, std::string& faceName) const = 0;
    // The index-th installed font: display name ("Arial Bold (TrueType)") and file name
    // ("arialbd.ttf"); false past the end.
    virtual bool GetFontInformation(int index, std::string& displayName, std::string& fileName) const = 0;
    // The full Windows-form path of an installed font file named as GetFontInformation
    // names it ("DejaVuSans.ttf", compared without regard to case; a folder part is
    // ignored), for copying it; empty when no installed font has that file name.
    virtual std::string locateFontFile(const std::string& fileName) const { return {}; }
};

}  // namespace orv::platform
