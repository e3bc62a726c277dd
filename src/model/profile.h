// Profile files (sections of "key = value" lines) with the Windows lookup rules: names
// compared without case after dropping blanks, values trimmed and unquoted, the first
// section and key win, and a missing file, section or key gives the caller's default.
// Files are ANSI text on disk; every text here is UTF-8.
#pragma once

#include <cstddef>
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
    // neither headers nor "key=value" are skipped; a NUL ends the line it is in (so the value
    // there), not the text; a byte order mark (U+FEFF) at the start is skipped.
    static ProfileDocument parse(std::string_view text);

    // The value of the first matching key in the first matching section, or nullptr.
    const std::string* find(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    const std::vector<Section>& sections() const { return sections_; }

    // Writes or replaces the first matching key; appends section and key when missing.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The document as UTF-8 text in the written form ("key = value", CR LF, an empty line
    // after each section). A value that reading would change (blanks at either end, or
    // enclosed in double quotes) is written in quotes, so parse(toText()) gives the same
    // values; line breaks inside names and values become blanks.
    std::string toText() const;

private:
    // Open-addressing index of names compared without case: sections by name, and keys by
    // section and name. Only the first section or key of a name is indexed.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t section = 0;
        std::uint32_t entry = 0;
        bool used = false;
    };

    std::size_t findSection(std::string_view name) const;  // trimmed name; npos when missing
    std::size_t findEntry(std::size_t section, std::string_view key) const;  // trimmed key
    std::size_t addSection(std::string_view name);
    void addEntry(std::size_t section, std::string_view key, std::string_view value);
    void reserveIndex(std::size_t keys);

    std::vector<Section> sections_;
    std::vector<Slot> sectionSlots_;
    std::vector<Slot> keySlots_;
    std::size_t keyCount_ = 0;
};

// Direct access by file (Windows-form path). Reads parse the file once and keep it until
// FlushProfileCache, a write through PutProfileText or WriteFileAtomic, a change of the
// code page, or a refresh that finds the file changed (CachedProfile, SetProfileFile).
// GetProfileText: the value (or the default) cut at its first NUL and to bufferSize - 1
// characters (characters, not UTF-8 bytes). GetProfileNumber: ProfileNumberOf the value;
// the default when the key is missing or its value is empty (as Windows does).
// PutProfileText: replaces the value of the first matching key in place, keeping every
// other line of the file as it was, or adds the key at the end of the first matching
// section, or adds the section at the end of the file (creating the file). The file is
// written atomically. False when the file cannot be read or written.
std::string GetProfileText(const std::string& file, std::string_view section, std::string_view key,
                           const std::string& defaultText, int bufferSize);
long GetProfileNumber(const std::string& file, std::string_view section, std::string_view key,
                      long defaultNumber);
bool PutProfileText(const std::string& file, std::string_view section, std::string_view key,
                    std::string_view value);
void FlushProfileCache(const std::string& file);

// The parsed file as the cache holds it (read on first use, and again when the file's size
// or modification time changed since); an empty document when the file is missing or
// unreadable. The reference stays valid until that file's cache entry is flushed or read
// again.
const ProfileDocument& CachedProfile(const std::string& file);

// Reads the file again when its size or modification time changed since it was cached
// (SetProfileFile does this for the options reader). The per-key reads do not look at
// the disk, so a reader that runs many of them checks once, here, at its start.
void RefreshProfileCache(const std::string& file);

// Drops every cached file (a new session starts with an empty cache).
void ForgetProfileCache();

// Writes a whole profile text (UTF-8, e.g. from ProfileWriter::finish) to a file in the
// ANSI code page, atomically. False on any error (the old file is kept).
bool WriteProfileFile(const std::string& file, std::string_view utf8Text);

// The UTF-8 text of a profile file's bytes: a UTF-8 byte order mark at the start is skipped
// (as the Windows profile functions skip it), the rest is decoded from the ANSI code page.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
std::string ProfileTextOfBytes(std::string_view bytes);

// The options reader's current context (both start empty). SetProfileFile refreshes the
// cached file when it changed on disk. ReadProfileString gives "Overflow!!!" for a size
// above 5000.
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

// Builds a profile file in the written form, section by section: "[name]", then
// key + " = " + value lines, and one empty line after each section. Values are written as
// held (no quotes); a line break inside one would end the line early, so it becomes a blank.
class ProfileWriter {
public:
    void section(std::string_view name);  // ends the previous section with its empty line
    void value(std::string_view key, std::string_view value);
    void value(std::string_view key, long number);
    void flag(std::string_view key, bool on);  // "1" or "0"
    void line(std::string_view text);  // a raw line
    // Ends the current section with its empty line (nothing when none is open), e.g. before
    // an end line written with line().
    void endSection();
    // Ends the last section. The text is UTF-8 with CR LF line ends.
    std::string finish();

private:
    std::string text_;
    bool inSection_ = false;
};

}  // namespace orv
