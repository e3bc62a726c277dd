// The installed fonts as fontconfig knows them, read once per process (fontconfig queries
// are slow) and listed the way Windows lists its installed fonts.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orv::platform {

struct FontFace {
    std::vector<std::string> families;  // every family name the face carries, first the main one
    std::string fullName;               // "DejaVu Sans Bold"
    std::filesystem::path file;
    int index = 0;  // face index within the file
    int weight = 0;
    int slant = 0;
    int width = 0;
};

struct InstalledFont {
    std::string displayName;  // "DejaVu Sans Bold (TrueType)"
    std::string fileName;     // "DejaVuSans-Bold.ttf"
    std::filesystem::path file;
};

class FontCatalog {
public:
    // The catalogue of this process, built on first use.
    static const FontCatalog& instance();

    // Builds a catalogue from faces (used by instance() and by tests).
    explicit FontCatalog(std::vector<FontFace> faces);

    // TrueType and OpenType faces, ordered by family, then the regular face first and the
    // others by their distance from it in width and weight, then slant and name.
    const std::vector<FontFace>& faces() const { return faces_; }
    // One entry per font file, ordered by display name without regard to case.
    const std::vector<InstalledFont>& installed() const { return installed_; }

    // The index-th distinct full name among the faces of a family (any of its names,
    // compared without regard to case); false past the end.
    bool faceOfFamily(const std::string& family, int index, std::string& fullName) const;

    // The listed file with this bare file name (compared without regard to case), or empty.
    std::filesystem::path fileNamed(const std::string& fileName) const;

private:
    std::vector<FontFace> faces_;
    std::vector<InstalledFont> installed_;
};

// True for the file types Windows lists as installed fonts: .ttf, .ttc and .otf.
bool isListedFontFile(const std::filesystem::path& file);

}  // namespace orv::platform
