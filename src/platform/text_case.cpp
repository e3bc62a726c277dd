#include "platform/text_case.h"

#include <cstdint>

namespace orv::platform {

namespace {

// A malformed byte decodes to a lone surrogate, which no case mapping touches, so the
// byte is copied through unchanged.
char32_t malformed(unsigned char byte) { return 0xDC00 + byte; }

// Decodes one UTF-8 sequence at pos.
char32_t decodeAt(std::string_view s, std::size_t& pos)
{
    auto b0 = static_cast<unsigned char>(s[pos]);
    int extra = b0 >= 0xF8 ? 0 : b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
    if (extra == 0 || pos + extra >= s.size()) {
        ++pos;
        return b0 < 0x80 ? b0 : malformed(b0);
    }
    char32_t c = b0 & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return malformed(b0);
        }
        c = (c << 6) | (b & 0x3F);
    }
    pos += extra + 1;
    return c;
}

void encode(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t lower(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if (c <= 0xDE)
        return c == 0xD7 ? c : c + 32;
    if (c >= 0x100 && c <= 0x137)
        return c | 1;  // pairs: even upper, odd lower
    if (c >= 0x139 && c <= 0x148)
        return (c & 1) ? c + 1 : c;  // pairs: odd upper, even lower
    if (c >= 0x14A && c <= 0x177)
        return c | 1;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x179 && c <= 0x17E)
        return (c & 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    return c;
}

char32_t upperOfLatin1(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    return c;
}

template <typename Map>
std::string mapText(std::string_view s, Map map)
{
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        std::size_t start = pos;
        char32_t c = decodeAt(s, pos);
        char32_t m = map(c);
        if (m == c)
            out.append(s.substr(start, pos - start));  // keeps malformed bytes exactly
        else
            encode(m, out);
    }
    return out;
}

}  // namespace

std::string foldCase(std::string_view utf8) { return mapText(utf8, lower); }

bool equalsNoCase(std::string_view a, std::string_view b) { return foldCase(a) == foldCase(b); }

std::string upperLatin1(std::string_view utf8) { return mapText(utf8, upperOfLatin1); }

}  // namespace orv::platform
