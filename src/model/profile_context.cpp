// The options reader's context: the current file and section, and reads relative to them.
#include "model/profile.h"

namespace orv {

namespace {

struct ProfileContext {
    std::string file;
    std::string section;
};

ProfileContext& context()
{
    static ProfileContext c;
    return c;
}

// Values longer than this are not read; the caller gets a fixed marker text instead.
constexpr int MaxReadSize = 5000;

}  // namespace

void ResetProfileContext() { context() = ProfileContext{}; }

void SetProfileFile(const std::string& path)
{
    context().file = path;
    RefreshProfileCache(path);
}

void SetProfileSection(const std::string& name) { context().section = name; }

std::string ReadProfileString(std::string_view key, int size)
{
    if (size > MaxReadSize)
        return "Overflow!!!";
    const ProfileContext& c = context();
    if (c.file.empty())
        return {};
    return GetProfileText(c.file, c.section, key, std::string(), size);
}

static long readNumber(std::string_view key, long defaultNumber)
{
    const ProfileContext& c = context();
    if (c.file.empty())
        return defaultNumber;
    return GetProfileNumber(c.file, c.section, key, defaultNumber);
}

std::int16_t ReadProfileInt(std::string_view key) { return static_cast<std::int16_t>(readNumber(key, 0)); }

bool ReadProfileFlag(std::string_view key) { return readNumber(key, 0) == 1; }

bool ReadProfileFlagDefaultOn(std::string_view key) { return readNumber(key, 1) == 1; }

}  // namespace orv
