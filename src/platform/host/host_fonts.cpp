#include "platform/host/host_fonts.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/file_system.h"
#include "platform/host/font_catalog.h"
#include "platform/text_case.h"

namespace orv::platform {

namespace {

// The core fonts of every Windows desktop from Vista on, in lower case.
constexpr std::string_view basicFonts[] = {
    "arial", "arial black", "calibri", "cambria", "cambria math", "candara", "comic sans ms", "consolas",
    "constantia", "corbel", "courier", "courier new", "estrangelo edessa", "franklin gothic medium",
    "gabriola", "gautami", "georgia", "impact", "kartika", "latha", "lucida console", "lucida sans unicode",
    "mangal", "marlett", "microsoft sans serif", "ms sans serif", "ms serif", "mv boli", "palatino linotype",
    "raavi", "segoe print", "segoe script", "segoe ui", "segoe ui symbol", "shruti", "small fonts", "sylfaen",
    "symbol", "system", "tahoma", "times new roman", "trebuchet ms", "tunga", "verdana", "vrinda", "webdings",
    "wingdings", "modern",
};

std::string trimmed(const std::string& text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return {};
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(start, end - start + 1);
}

}  // namespace

bool isWindowsBasicFontName(const std::string& fontName)
{
    std::string wanted = foldCase(trimmed(fontName));
    return std::find(std::begin(basicFonts), std::end(basicFonts), wanted) != std::end(basicFonts);
}

HostFonts::HostFonts(const FileSystem& files, const FontCatalog* catalog) : files_(files), catalog_(catalog) {}

const FontCatalog& HostFonts::catalog() const { return catalog_ ? *catalog_ : FontCatalog::instance(); }

int HostFonts::IsWindowsBasicFont(const std::string& fontName) const
{
    return isWindowsBasicFontName(fontName) ? -1 : 0;
}

bool HostFonts::GetFontFamilyInformation(const std::string& family, int index, std::string& faceName) const
{
    return catalog().faceOfFamily(trimmed(family), index, faceName);
}

bool HostFonts::GetFontInformation(int index, std::string& displayName, std::string& fileName) const
{
    const auto& fonts = catalog().installed();
    if (index < 0 || static_cast<std::size_t>(index) >= fonts.size())
        return false;
    displayName = fonts[static_cast<std::size_t>(index)].displayName;
    fileName = fonts[static_cast<std::size_t>(index)].fileName;
    return true;
}

std::string HostFonts::locateFontFile(const std::string& fileName) const
{
    std::size_t cut = fileName.find_last_of("\\/");
    std::string bare = cut == std::string::npos ? fileName : fileName.substr(cut + 1);
    std::filesystem::path file = catalog().fileNamed(bare);
    return file.empty() ? std::string() : files_.windowsPath(file);
}

}  // namespace orv::platform
