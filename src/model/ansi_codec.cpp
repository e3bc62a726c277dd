#include "model/ansi_codec.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "model/ansi_codec_tables.h"
#include "model/unicode_text.h"

namespace orv {

namespace {

int g_codePage = 1252;

// Code point -> byte for the upper half of a page, sorted by code point.
using ReverseTable = std::vector<std::pair<char32_t, unsigned char>>;

const ReverseTable& reverseTable(int codePage)
{
    static std::array<ReverseTable, 8> tables;  // one slot per supported page
    static constexpr std::array<int, 6> pages = {1250, 1251, 1252, 1253, 1254, 1257};
    const auto slot = static_cast<std::size_t>(std::find(pages.begin(), pages.end(), codePage) - pages.begin());
    ReverseTable& table = tables[slot];
    if (table.empty()) {
        const char16_t* upper = detail::AnsiUpperHalf(codePage);
        for (int i = 0; i < 128; ++i)
            table.emplace_back(upper[i], static_cast<unsigned char>(0x80 + i));
        std::sort(table.begin(), table.end());
    }
    return table;
}

// The byte of a code point in the current page, or -1 when the page cannot hold it.
int ansiByte(const ReverseTable& table, char32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(cp, static_cast<unsigned char>(0)));
    if (it != table.end() && it->first == cp)
        return it->second;
    return -1;
}

}  // namespace

bool SetAnsiCodePage(int codePage)
{
    if (!detail::AnsiUpperHalf(codePage))
        return false;
    g_codePage = codePage;
    return true;
}

int AnsiCodePage() { return g_codePage; }

std::string AnsiToUtf8(std::string_view ansi)
{
    const char16_t* upper = detail::AnsiUpperHalf(g_codePage);
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    std::size_t run = 0;  // start of the current run of ASCII bytes
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        const auto b = static_cast<unsigned char>(ansi[i]);
        if (b < 0x80)
            continue;
        out.append(ansi.data() + run, i - run);
        AppendUtf8(out, upper[b - 0x80]);
        run = i + 1;
    }
    out.append(ansi.data() + run, ansi.size() - run);
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8)
{
    const ReverseTable& table = reverseTable(g_codePage);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        const int mapped = ansiByte(table, NextCodePoint(utf8, pos));
        out += mapped < 0 ? '?' : static_cast<char>(mapped);
    }
    return out;
}

bool FitsAnsiCodePage(std::string_view utf8)
{
    const ReverseTable& table = reverseTable(g_codePage);
    // An invalid sequence decodes to U+FFFD, which no page holds.
    for (std::size_t pos = 0; pos < utf8.size();)
        if (ansiByte(table, NextCodePoint(utf8, pos)) < 0)
            return false;
    return true;
}

}  // namespace orv
