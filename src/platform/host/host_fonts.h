// Installed fonts through fontconfig, listed as Windows lists them.
#pragma once

#include "platform/fonts.h"

namespace orv::platform {

class FileSystem;
class FontCatalog;

class HostFonts final : public Fonts {
public:
    // files gives located font files their Windows form. The catalogue defaults to the
    // process-wide one.
    explicit HostFonts(const FileSystem& files, const FontCatalog* catalog = nullptr);

    int IsWindowsBasicFont(const std::string& fontName) const override;
    bool GetFontFamilyInformation(const std::string& family, int index, std::string& faceName) const override;
    bool GetFontInformation(int index, std::string& displayName, std::string& fileName) const override;
    std::string locateFontFile(const std::string& fileName) const override;

private:
    const FontCatalog& catalog() const;

    const FileSystem& files_;
    const FontCatalog* catalog_;
};

// True for a font family that every Windows installation since Vista carries (compared
// without regard to case and surrounding blanks).
bool isWindowsBasicFontName(const std::string& fontName);

}  // namespace orv::platform
