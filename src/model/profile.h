// Profile files (sections of "key = value" lines) with the Windows lookup rules: names
// compared without case after dropping blanks, values trimmed and unquoted, the first
// section and key win, and a missing file, section or key gives the caller's default.
// Files are ANSI text on disk; every text here is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// One profile file parsed in memory.
class ProfileDocument {
public:
    struct Entry {
        std::string key;    // as in the file, trimmed
        std::string value;  // trimmed, outer quotes removed
    };
    struct Section {
        std::string name;  // as in the file, trimmed
        std::vector<Entry> entries;
    };

    // Parses UTF-8 text (already decoded from the code page). Never fails: lines that are
    // neither headers nor "key=value" are skipped; a NUL ends the text.
    static ProfileDocument parse(std::string_view text);

    // The value of the first matching key in the first matching section, or nullptr.
    const std::string* find(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    const std::vector<Section>& sections() const { return sections_; }

    // Writes or replaces the first matching key; appends section and key when missing.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The document as UTF-8 text in the written form ("key = value", CR LF, an empty line
    // after each section).
    std::string toText() const;

private:
    std::vector<Section> sections_;
};

// Direct access by file (Windows-form path). Reads parse the file once and keep it until
// FlushProfileCache or a write through PutProfileText.
std::string GetProfileText(const std::string& file, std::string_view section, std::string_view key,
                           const std::string& defaultText, int bufferSize);
long GetProfileNumber(const std::string& file, std::string_view section, std::string_view key,
                      long defaultNumber);
bool PutProfileText(const std::string& file, std::string_view section, std::string_view key,
                    std::string_view value);
void FlushProfileCache(const std::string& file);

// The parsed file as the cache holds it (read on first use); an empty document when the
// file is missing or unreadable.
const ProfileDocument& CachedProfile(const std::string& file);

// The options reader's current context.
void ResetProfileContext();
void SetProfileFile(const std::string& path);
void SetProfileSection(const std::string& name);
std::string ReadProfileString(std::string_view key, int size);
std::int16_t ReadProfileInt(std::string_view key);
bool ReadProfileFlag(std::string_view key);
bool ReadProfileFlagDefaultOn(std::string_view key);

// The leading decimal number of a value as GetProfileNumber reads it ("12px" gives 12,
// "-3" gives -3, "x" gives 0).
long ProfileNumberOf(std::string_view value);

// Builds a profile file in the written form, section by section.
class ProfileWriter {
public:
    void section(std::string_view name);  // ends the previous section with its empty line
    void value(std::string_view key, std::string_view value);
    void value(std::string_view key, long number);
    void flag(std::string_view key, bool on);
    void line(std::string_view text);  // a raw line
    // Ends the last section. The text is UTF-8 with CR LF line ends.
    std::string finish();

private:
    std::string text_;
    bool inSection_ = false;
};

}  // namespace orv
