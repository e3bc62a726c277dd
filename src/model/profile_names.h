// Name rules shared by the profile parser, the cache and the line editor: blanks around
// names and values, and names compared without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv::detail {

// Blanks dropped around names and values (Ctrl-Z is the old end-of-file mark).
inline bool isProfileBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

inline std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isProfileBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isProfileBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The byte at i folded to lower case: ASCII letters, and the Latin-1 capitals (U+00C0 to
// U+00DE except U+00D7) whose UTF-8 form is 0xC3 followed by 0x80-0x9E. Folding keeps the
// length, so names can be compared byte by byte.
inline unsigned char foldedByte(std::string_view s, std::size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 'A' && b <= 'Z')
        return static_cast<unsigned char>(b + 32);
    if (b >= 0x80 && b <= 0x9E && b != 0x97 && i > 0 && static_cast<unsigned char>(s[i - 1]) == 0xC3)
        return static_cast<unsigned char>(b + 0x20);
    return b;
}

inline bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldedByte(a, i) != foldedByte(b, i))
            return false;
    return true;
}

// FNV-1a over the folded bytes, so names equal without case hash alike.
inline std::uint64_t nameHash(std::string_view s)
{
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < s.size(); ++i) {
        h ^= foldedByte(s, i);
        h *= 1099511628211ull;
    }
    return h;
}

// The form in which a value is written so that a reader gets it back unchanged: a NUL
// ends it, CR and LF become blanks, and it is put in quotes when it has blanks at either
// end or is itself enclosed in quotes.
inline std::string writtenValue(std::string_view value)
{
    std::string v(value.substr(0, value.find('\0')));
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    const bool needsQuotes = !v.empty() && (isProfileBlank(v.front()) || isProfileBlank(v.back()) ||
                                            (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return needsQuotes ? '"' + v + '"' : v;
}

}  // namespace orv::detail
