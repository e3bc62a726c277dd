// The ANSI code page of profile files: Windows-1252 unless the options name another.
// A character the code page cannot hold is written as '?'.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Code pages with a built-in table: 1250, 1251, 1252 (default), 1253, 1254, 1257.
bool SetAnsiCodePage(int codePage);  // false (and no change) for an unknown page
int AnsiCodePage();

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// True when every character of the UTF-8 text has a place in the current code page.
bool FitsAnsiCodePage(std::string_view utf8);

}  // namespace orv
