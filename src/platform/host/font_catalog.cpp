#include "platform/host/font_catalog.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include <fontconfig/fontconfig.h>

#include "platform/text_case.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

std::string lowerExtension(const fs::path& file) { return foldCase(file.extension().string()); }

bool isPlainStyle(const std::string& style)
{
    std::string s = foldCase(style);
    return s.empty() || s == "regular" || s == "normal" || s == "book" || s == "roman" || s == "plain";
}

std::string stringOf(FcPattern* pattern, const char* object, int n = 0)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char*>(value);
}

int intOf(FcPattern* pattern, const char* object, int fallback)
{
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

std::vector<FontFace> queryFontconfig()
{
    std::vector<FontFace> faces;
    if (!FcInit())
        return faces;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FULLNAME, FC_FILE, FC_INDEX, FC_WEIGHT,
                                            FC_SLANT, FC_WIDTH, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        FontFace face;
        face.file = stringOf(font, FC_FILE);
        if (face.file.empty() || !isListedFontFile(face.file))
            continue;
        for (int n = 0;; ++n) {
            std::string family = stringOf(font, FC_FAMILY, n);
            if (family.empty())
                break;
            face.families.push_back(family);
        }
        if (face.families.empty())
            continue;
        face.fullName = stringOf(font, FC_FULLNAME);
        if (face.fullName.empty()) {
            std::string style = stringOf(font, FC_STYLE);
            face.fullName = isPlainStyle(style) ? face.families.front() : face.families.front() + " " + style;
        }
        face.index = intOf(font, FC_INDEX, 0);
        face.weight = intOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR);
        face.slant = intOf(font, FC_SLANT, FC_SLANT_ROMAN);
        face.width = intOf(font, FC_WIDTH, FC_WIDTH_NORMAL);
        faces.push_back(std::move(face));
    }
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return faces;
}

}  // namespace

bool isListedFontFile(const fs::path& file)
{
    std::string ext = lowerExtension(file);
    return ext == ".ttf" || ext == ".ttc" || ext == ".otf";
}

const FontCatalog& FontCatalog::instance()
{
    static const FontCatalog catalog(queryFontconfig());
    return catalog;
}

FontCatalog::FontCatalog(std::vector<FontFace> faces) : faces_(std::move(faces))
{
    auto key = [](const FontFace& f) {
        // Within a family the regular face comes first, then the faces nearest to it.
        return std::make_tuple(foldCase(f.families.empty() ? std::string() : f.families.front()),
                               std::abs(f.width - FC_WIDTH_NORMAL), std::abs(f.weight - FC_WEIGHT_REGULAR), f.weight,
                               f.slant, foldCase(f.fullName), f.file.string(), f.index);
    };
    std::sort(faces_.begin(), faces_.end(), [&](const FontFace& a, const FontFace& b) { return key(a) < key(b); });

    // One entry per file: a collection names its faces joined by " & ", as Windows does.
    std::map<fs::path, std::vector<const FontFace*>> byFile;
    for (const auto& face : faces_)
        byFile[face.file].push_back(&face);
    for (auto& [file, list] : byFile) {
        std::sort(list.begin(), list.end(), [](const FontFace* a, const FontFace* b) {
            return std::tie(a->index, a->fullName) < std::tie(b->index, b->fullName);
        });
        std::string name;
        if (lowerExtension(file) == ".ttc") {
            std::vector<std::string> names;
            for (const FontFace* face : list)
                if (std::find(names.begin(), names.end(), face->fullName) == names.end())
                    names.push_back(face->fullName);
            for (const auto& n : names)
                name += (name.empty() ? "" : " & ") + n;
        } else {
            name = list.front()->fullName;
        }
        name += lowerExtension(file) == ".otf" ? " (OpenType)" : " (TrueType)";
        installed_.push_back({name, file.filename().string(), file});
    }
    std::sort(installed_.begin(), installed_.end(), [](const InstalledFont& a, const InstalledFont& b) {
        return std::make_tuple(foldCase(a.displayName), a.file) < std::make_tuple(foldCase(b.displayName), b.file);
    });
}

bool FontCatalog::faceOfFamily(const std::string& family, int index, std::string& fullName) const
{
    if (index < 0)
        return false;
    std::string wanted = foldCase(family);
    std::vector<const std::string*> names;
    for (const auto& face : faces_) {
        bool member = std::any_of(face.families.begin(), face.families.end(),
                                  [&](const std::string& f) { return foldCase(f) == wanted; });
        if (member && std::none_of(names.begin(), names.end(), [&](const std::string* n) { return *n == face.fullName; }))
            names.push_back(&face.fullName);
    }
    if (static_cast<std::size_t>(index) >= names.size())
        return false;
    fullName = *names[static_cast<std::size_t>(index)];
    return true;
}

fs::path FontCatalog::fileNamed(const std::string& fileName) const
{
    std::string wanted = foldCase(fileName);
    for (const auto& font : installed_)
        if (foldCase(font.fileName) == wanted)
            return font.file;
    return {};
}

}  // namespace orv::platform
