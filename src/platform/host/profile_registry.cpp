#include "platform/host/profile_registry.h"

#include <cerrno>
#include <cstdlib>

#include "model/ansi_codec.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "platform/file_system.h"

namespace orv::platform {

namespace {

// The value line of a registry value; the unnamed default value of a key is "@".
std::string valueKey(const std::string& valueName) { return valueName.empty() ? std::string("@") : valueName; }

bool parseNumber(const std::string& text, long& number)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return false;
    const char* begin = text.c_str() + start;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE)
        return false;
    for (const char* p = end; *p; ++p)
        if (*p != ' ' && *p != '\t')
            return false;
    number = value;
    return true;
}

}  // namespace

std::string registrySectionName(int root, const std::string& key)
{
    const char* rootName = root == HKEY_CURRENT_USER_ROOT    ? "HKEY_CURRENT_USER"
                           : root == HKEY_LOCAL_MACHINE_ROOT ? "HKEY_LOCAL_MACHINE"
                                                             : nullptr;
    if (!rootName)
        return {};
    std::string name = rootName;
    std::size_t pos = 0;
    while (pos < key.size()) {
        std::size_t end = key.find('\\', pos);
        if (end == std::string::npos)
            end = key.size();
        if (end > pos)
            name += "\\" + key.substr(pos, end - pos);
        pos = end + 1;
    }
    return name;
}

ProfileRegistry::ProfileRegistry(std::filesystem::path storeFile, const FileSystem& files)
    : storeFile_(std::move(storeFile)), files_(files)
{
}

std::string ProfileRegistry::storeName() const { return files_.windowsPath(storeFile_); }

ProfileDocument ProfileRegistry::load() const
{
    std::string bytes;
    if (!ReadFileBytes(storeName(), bytes))
        return ProfileDocument();
    return ProfileDocument::parse(AnsiToUtf8(bytes));
}

bool ProfileRegistry::store(const ProfileDocument& doc)
{
    std::error_code ec;
    std::filesystem::create_directories(storeFile_.parent_path(), ec);
    return WriteFileAtomic(storeName(), Utf8ToAnsi(doc.toText()));
}

long ProfileRegistry::GetRegKeyVal(int root, const std::string& key, const std::string& valueName,
                                   long defaultValue) const
{
    std::string text;
    long number = 0;
    if (!GetRegKeyStr(root, key, valueName, text) || !parseNumber(text, number))
        return defaultValue;
    return number;
}

bool ProfileRegistry::SetRegKeyVal(int root, const std::string& key, const std::string& valueName, long value)
{
    return SetRegKeyStr(root, key, valueName, std::to_string(value));
}

int ProfileRegistry::GetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                                  std::string& value) const
{
    std::string section = registrySectionName(root, key);
    if (section.empty())
        return 0;
    ProfileDocument doc = load();
    const std::string* found = doc.find(section, valueKey(valueName));
    if (!found)
        return 0;
    value = *found;
    return 1;
}

bool ProfileRegistry::SetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                                   const std::string& value)
{
    std::string section = registrySectionName(root, key);
    if (section.empty())
        return false;
    ProfileDocument doc = load();
    doc.set(section, valueKey(valueName), value);
    return store(doc);
}

bool ProfileRegistry::CreateRegKey(int root, const std::string& key)
{
    std::string section = registrySectionName(root, key);
    if (section.empty())
        return false;
    ProfileDocument doc = load();
    if (doc.hasSection(section))
        return true;
    // An empty section is the key without values.
    doc = ProfileDocument::parse(doc.toText() + "[" + section + "]\r\n");
    return store(doc);
}

}  // namespace orv::platform
