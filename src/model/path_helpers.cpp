#include "model/path_helpers.h"

#include "model/unicode_text.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/text_case.h"

namespace orv {

std::string PathDirectoryPart(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return {};
    return std::string(path.substr(0, slash));
}

std::string FileNamePart(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(slash + 1));
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (Utf8Length(folder) != 3)
        out += '\\';
    out += name;
    return out;
}

std::string StripDriveLetter(std::string_view path)
{
    const std::size_t colon = path.find(':');
    if (colon != std::string_view::npos)
        path.remove_prefix(colon + 1);
    if (path == "\\")
        return {};
    return std::string(path);
}

std::string ExpandProgramRelativePath(std::string_view path)
{
    constexpr std::string_view currencySign = "\xC2\xA4";
    std::size_t markerSize = 0;
    if (path.starts_with('*'))
        markerSize = 1;
    else if (path.starts_with(currencySign))
        markerSize = currencySign.size();
    else
        return std::string(path);

    const auto* folders = platform::services().folders;
    std::string out = folders ? platform::foldCase(folders->ProgramFolder()) : std::string();
    const std::string_view rest = path.substr(markerSize);
    if (!rest.starts_with('\\'))
        out += '\\';
    out += rest;
    return out;
}

std::string CleanPath(std::string_view path)
{
    std::string clean = platform::RemoveDupBackslashes(std::string(path));
    clean.resize(std::min(clean.size(), clean.find('\0')));
    clean.resize(Utf8Prefix(clean, 499).size());
    while (!clean.empty() && (clean.back() == ' ' || clean.back() == '\t'))
        clean.pop_back();
    return clean;
}

std::string LowerExtensionOf(std::string_view path)
{
    const std::string name = FileNamePart(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string extension = name.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

}  // namespace orv
