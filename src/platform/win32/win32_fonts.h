// Fonts for the medium's programs: they use fonts by name through GDI and never list or
// copy them, so every question is answered "not known" (nothing is listed).
#pragma once

#include "platform/fonts.h"

namespace orv::platform {

class Win32Fonts final : public Fonts {
public:
    int IsWindowsBasicFont(const std::string&) const override { return 0; }
    bool GetFontFamilyInformation(const std::string&, int, std::string&) const override { return false; }
    bool GetFontInformation(int, std::string&, std::string&) const override { return false; }
};

}  // namespace orv::platform
