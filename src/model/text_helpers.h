// Small text helpers shared by the file formats and the editor.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// When on: every ampersand with a blank on both sides is doubled (" & " becomes " && "),
// however many there are; an ampersand without a blank on one side stays single.
std::string EscapeAmpersands(std::string_view text, bool on);

// Every occurrence of from, left to right and not overlapping, replaced by to.
std::string ReplacedAll(std::string text, std::string_view from, std::string_view to);

// The text without the given characters at either end ("  a b " becomes "a b").
std::string TrimmedText(std::string_view text, std::string_view blanks = " \t");

// When on: every "- " and then every " -" is removed (the dashes around a title row's text).
std::string RemoveDashSpacing(std::string_view text, bool on);

// "(Title)" when on and the command is empty; otherwise the command.
std::string CommandOrTitleMarker(std::string_view command, bool on);

// The value without a leading "¤\" (the folder prefix of older versions); else unchanged.
std::string StripLegacyFolderPrefix(std::string_view value);

// "Arial, 12 pt, bold, not italic".
std::string FontDescription(std::string_view name, int size, bool bold, bool italic);

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31
};

// Today's date in local time.
CalendarDate Today();

// Today as "YYYY-MM-DD".
std::string TodayText();

}  // namespace orv
