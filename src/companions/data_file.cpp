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

}  // namespace orv::companions
