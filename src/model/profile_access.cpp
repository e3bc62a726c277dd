// Reading profile values by file: every file is parsed once into a ProfileDocument and kept
// in a cache until it is flushed or written.
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "model/ansi_codec.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "model/profile_names.h"
#include "model/unicode_text.h"

namespace orv {

namespace {

// What a file looked like when it was read: a rewrite changes its size or time.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};

    bool operator==(const FileStamp&) const = default;
};

struct CacheEntry {
    std::filesystem::path host;  // the host file the entry was read from
    std::filesystem::path hostKey;  // its normal form, to find other spellings of it
    int codePage = 0;            // the code page the text was decoded with
    FileStamp stamp;
    ProfileDocument doc;
};

struct ProfileCache {
    std::unordered_map<std::string, std::unique_ptr<CacheEntry>> byName;
    // The entry of the last lookup: a reader asks for many keys of one file in a row.
    const std::string* lastName = nullptr;
    CacheEntry* lastEntry = nullptr;
};

ProfileCache& cache()
{
    static ProfileCache c;
    return c;
}

FileStamp stampOf(const std::filesystem::path& host)
{
    std::error_code ec;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(host, ec);
    if (ec)
        return {};
    stamp.time = std::filesystem::last_write_time(host, ec);
    stamp.exists = !ec;
    return stamp;
}

void load(CacheEntry& entry, const std::string& file)
{
    entry.codePage = AnsiCodePage();
    entry.stamp = stampOf(entry.host);
    entry.doc = ProfileDocument();
    std::string bytes;
    if (ReadFileBytes(file, bytes))
        entry.doc = ProfileDocument::parse(ProfileTextOfBytes(bytes));
}

CacheEntry& entryFor(const std::string& file)
{
    ProfileCache& c = cache();
    if (!c.lastEntry || *c.lastName != file) {
        auto it = c.byName.find(file);
        if (it == c.byName.end()) {
            auto entry = std::make_unique<CacheEntry>();
            entry->host = HostPath(file);
            entry->hostKey = entry->host.lexically_normal();
            load(*entry, file);
            it = c.byName.emplace(file, std::move(entry)).first;
        }
        c.lastName = &it->first;
        c.lastEntry = it->second.get();
    }
    // Text decoded with another code page than the one now in force is read again.
    if (c.lastEntry->codePage != AnsiCodePage())
        load(*c.lastEntry, file);
    return *c.lastEntry;
}

// A value as a fixed buffer would hold it: cut at the first NUL and to size - 1 characters.
std::string bufferCut(std::string_view value, int bufferSize)
{
    if (bufferSize <= 1)
        return {};
    value = value.substr(0, value.find('\0'));
    const auto limit = static_cast<std::size_t>(bufferSize - 1);
    // A text of no more bytes than the limit cannot hold more characters either.
    return std::string(value.size() <= limit ? value : Utf8Prefix(value, limit));
}

}  // namespace

std::string ProfileTextOfBytes(std::string_view bytes)
{
    if (bytes.starts_with(Utf8ByteOrderMark))
        bytes.remove_prefix(Utf8ByteOrderMark.size());
    return AnsiToUtf8(bytes);
}

const ProfileDocument& CachedProfile(const std::string& file)
{
    CacheEntry& entry = entryFor(file);
    if (stampOf(entry.host) != entry.stamp)
        load(entry, file);
    return entry.doc;
}

void RefreshProfileCache(const std::string& file)
{
    if (!file.empty())
        (void)CachedProfile(file);
}

void ForgetProfileCache() { cache() = ProfileCache{}; }

void FlushProfileCache(const std::string& file)
{
    ProfileCache& c = cache();
    c.lastName = nullptr;
    c.lastEntry = nullptr;
    if (c.byName.empty())
        return;
    // Other spellings of the same file go too.
    const std::filesystem::path hostKey = HostPath(file).lexically_normal();
    std::erase_if(c.byName, [&](const auto& item) { return item.first == file || item.second->hostKey == hostKey; });
}

std::string GetProfileText(const std::string& file, std::string_view section, std::string_view key,
                           const std::string& defaultText, int bufferSize)
{
    const std::string* value = entryFor(file).doc.find(section, key);
    return bufferCut(value ? std::string_view(*value) : std::string_view(defaultText), bufferSize);
}

long ProfileNumberOf(std::string_view value)
{
    value = detail::trimBlanks(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    // Arithmetic of a 32-bit value, as the profile functions of Windows give it.
    std::uint32_t number = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            break;
        number = number * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative)
        number = 0u - number;
    return static_cast<long>(static_cast<std::int32_t>(number));
}

long GetProfileNumber(const std::string& file, std::string_view section, std::string_view key,
                      long defaultNumber)
{
    const std::string* value = entryFor(file).doc.find(section, key);
    if (!value || value->empty())
        return defaultNumber;
    return ProfileNumberOf(*value);
}

bool WriteProfileFile(const std::string& file, std::string_view utf8Text)
{
    return WriteFileAtomic(file, Utf8ToAnsi(utf8Text));
}

}  // namespace orv
