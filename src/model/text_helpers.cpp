#include "model/text_helpers.h"

#include <cstdio>
#include <ctime>

namespace orv {

std::string ReplacedAll(std::string text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out += to;
    }
    out.append(text, pos, std::string::npos);
    return out;
}

std::string TrimmedText(std::string_view text, std::string_view blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string EscapeAmpersands(std::string_view text, bool on)
{
    if (!on || text.find(" & ") == std::string_view::npos)
        return std::string(text);
    // Judged on the original text, so in "a & & b" both ampersands are doubled.
    std::string out;
    out.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '&' && i > 0 && i + 1 < text.size() && text[i - 1] == ' ' && text[i + 1] == ' ')
            out += '&';
    }
    return out;
}

std::string RemoveDashSpacing(std::string_view text, bool on)
{
    std::string out(text);
    if (on) {
        out = ReplacedAll(ReplacedAll(out, "- ", ""), " -", "");
    }
    return out;
}

std::string CommandOrTitleMarker(std::string_view command, bool on)
{
    if (on && command.empty())
        return "(Title)";
    return std::string(command);
}

std::string StripLegacyFolderPrefix(std::string_view value)
{
    constexpr std::string_view prefix = "\xC2\xA4\\";  // the currency sign and a backslash
    if (value.starts_with(prefix))
        value.remove_prefix(prefix.size());
    return std::string(value);
}

std::string FontDescription(std::string_view name, int size, bool bold, bool italic)
{
    std::string out(name);
    out += ", ";
    out += std::to_string(size);
    out += " pt, ";
    out += bold ? "bold" : "not bold";
    out += ", ";
    out += italic ? "italic" : "not italic";
    return out;
}

CalendarDate Today()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return {1970, 1, 1};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

std::string TodayText()
{
    const CalendarDate d = Today();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

}  // namespace orv
