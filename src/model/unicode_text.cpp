#include "model/unicode_text.h"

namespace orv {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool isSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

// The value of a decimal piece of an encoded value when it is a byte; 0 otherwise.
unsigned char pieceByte(std::string_view piece)
{
    while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t'))
        piece.remove_prefix(1);
    while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\t'))
        piece.remove_suffix(1);
    if (piece.empty() || piece.size() > 3)
        return 0;
    unsigned value = 0;
    for (char c : piece) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + unsigned(c - '0');
    }
    return value > 255 ? 0 : static_cast<unsigned char>(value);
}

}  // namespace

char32_t NextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto c0 = static_cast<unsigned char>(s[pos]);
    if (c0 < 0x80) {
        ++pos;
        return c0;
    }
    std::size_t len;
    char32_t cp;
    char32_t min;
    if (c0 >= 0xC2 && c0 <= 0xDF) {
        len = 2, cp = c0 & 0x1F, min = 0x80;
    } else if (c0 >= 0xE0 && c0 <= 0xEF) {
        len = 3, cp = c0 & 0x0F, min = 0x800;
    } else if (c0 >= 0xF0 && c0 <= 0xF4) {
        len = 4, cp = c0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return ReplacementChar;
    }
    if (pos + len > s.size()) {
        ++pos;
        return ReplacementChar;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if (!isContinuation(c)) {
            ++pos;
            return ReplacementChar;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || isSurrogate(cp)) {
        ++pos;
        return ReplacementChar;
    }
    pos += len;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || isSurrogate(cp))
        cp = ReplacementChar;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count)
        NextCodePoint(utf8, pos);
    return count;
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n)
        NextCodePoint(utf8, pos);
    return utf8.substr(0, pos);
}

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(utf16[i + 1]) - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, u);  // a lone surrogate becomes U+FFFD
        }
    }
    return out;
}

std::string EncodeUnicodeText(std::string_view text)
{
    std::string out(UnicodePrefix);
    const std::u16string units = Utf8ToUtf16(text);
    out.reserve(out.size() + units.size() * 8);
    for (char16_t u : units) {
        out += std::to_string(u & 0xFF);
        out += ';';
        out += std::to_string(u >> 8);
        out += ';';
    }
    return out;
}

bool IsUnicodeEncoded(std::string_view value) { return value.starts_with(UnicodePrefix); }

std::string DecodeUnicodeText(std::string_view value)
{
    if (!IsUnicodeEncoded(value))
        return std::string(value);
    std::string_view rest = value.substr(UnicodePrefix.size());
    // Every piece before a ";" is a byte value; the text after the last ";" is ignored.
    std::string bytes;
    for (std::size_t semi; (semi = rest.find(';')) != std::string_view::npos;) {
        bytes += static_cast<char>(pieceByte(rest.substr(0, semi)));
        rest.remove_prefix(semi + 1);
    }
    if (bytes.size() < 2)
        return {};
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return Utf16ToUtf8(units);
}

std::string DecodeUnicodeText(std::string_view value, bool& useUnicode)
{
    if (IsUnicodeEncoded(value))
        useUnicode = true;
    return DecodeUnicodeText(value);
}

}  // namespace orv
