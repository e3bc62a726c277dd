#include "companions/data_file.h"

#include "model/ansi_codec.h"
#include "model/file_io.h"

namespace orv::companions {

std::optional<ProfileDocument> readDataFile(const std::string& file)
{
    std::string bytes;
    if (file.empty() || !FileExists(file) || !ReadFileBytes(file, bytes))
        return std::nullopt;
    return ProfileDocument::parse(AnsiToUtf8(bytes));
}

std::string DataSection::text(std::string_view key, const std::string& fallback) const
{
    const std::string* v = doc_.find(name_, key);
    return v ? *v : fallback;
}

long DataSection::number(std::string_view key, long fallback) const
{
    const std::string* v = doc_.find(name_, key);
    return v ? ProfileNumberOf(*v) : fallback;
}

bool DataSection::flag(std::string_view key, bool fallback) const
{
    const std::string* v = doc_.find(name_, key);
    return v ? ProfileNumberOf(*v) == 1 : fallback;
}

std::string folderOf(const std::string& path)
{
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string fileNameOf(const std::string& path)
{
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    const char sep = folder.find('\\') == std::string::npos && folder[0] == '/' ? '/' : '\\';
    return folder.back() == sep ? folder + name : folder + sep + name;
}

}  // namespace orv::companions
