#include "shell/menu_file_locator.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace orv::shell {

namespace {
bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

std::string screenVariantFileName(int screenWidth, int screenHeight)
{
    return "ORVNMENU_" + std::to_string(screenWidth) + "x" + std::to_string(screenHeight) + ".MNI";
}

std::filesystem::path findEntryIgnoringCase(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code ec;
    const std::filesystem::path exact = folder / name;
    if (std::filesystem::is_regular_file(exact, ec))
        return exact;
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(ec))
            return it->path();
    }
    return {};
}

std::filesystem::path findMenuDescriptionFile(const std::filesystem::path& folder, int screenWidth,
                                              int screenHeight)
{
    if (screenWidth > 0 && screenHeight > 0) {
        auto variant = findEntryIgnoringCase(folder, screenVariantFileName(screenWidth, screenHeight));
        if (!variant.empty())
            return variant;
    }
    return findEntryIgnoringCase(folder, MenuDescriptionFileName);
}

}  // namespace orv::shell
