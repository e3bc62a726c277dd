// UTF-8 and UTF-16 handling, and the "UNICODE:" encoding that carries texts outside the
// ANSI code page through profile files: "UNICODE:" followed by the text's UTF-16LE bytes
// in decimal, each followed by ";".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

inline constexpr std::string_view UnicodePrefix = "UNICODE:";
inline constexpr char32_t ReplacementChar = 0xFFFD;

// Reads one code point at pos and advances pos. An invalid or truncated sequence yields
// U+FFFD and advances by one byte, so every input makes progress.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// Appends the UTF-8 form of a code point (surrogates and values above U+10FFFF become U+FFFD).
void AppendUtf8(std::string& out, char32_t cp);

// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// The first count characters of a UTF-8 text (never cuts a character in two).
std::string_view Utf8Prefix(std::string_view utf8, std::size_t count);

// UTF-16 conversions; invalid input never fails (unpaired surrogates become U+FFFD).
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// "UNICODE:" followed by each UTF-16LE byte of the text in decimal and ";".
std::string EncodeUnicodeText(std::string_view text);

// The text rebuilt from an encoded value; any other value is returned unchanged. Fewer
// than two byte values give an empty text; a piece that is not a byte value counts as 0.
std::string DecodeUnicodeText(std::string_view value);

// As above; when the value was encoded, also sets useUnicode (the project's flag).
std::string DecodeUnicodeText(std::string_view value, bool& useUnicode);

// True when the value begins with "UNICODE:" (case counts).
bool IsUnicodeEncoded(std::string_view value);

}  // namespace orv
