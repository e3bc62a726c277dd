#include "model/profile.h"

#include <string>

namespace orv {

namespace {

// A name or value kept on its one line: a NUL ends it, CR and LF become blanks.
void appendOneLine(std::string& out, std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    const std::size_t start = out.size();
    out += text;
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == '\r' || out[i] == '\n')
            out[i] = ' ';
}

}  // namespace

void ProfileWriter::section(std::string_view name)
{
    endSection();
    text_ += '[';
    appendOneLine(text_, name);
    text_ += "]\r\n";
    inSection_ = true;
}

void ProfileWriter::value(std::string_view key, std::string_view value)
{
    appendOneLine(text_, key);
    text_ += " = ";
    appendOneLine(text_, value);
    text_ += "\r\n";
}

void ProfileWriter::value(std::string_view key, long number) { value(key, std::string_view(std::to_string(number))); }

void ProfileWriter::flag(std::string_view key, bool on) { value(key, std::string_view(on ? "1" : "0")); }

void ProfileWriter::line(std::string_view text)
{
    appendOneLine(text_, text);
    text_ += "\r\n";
}

void ProfileWriter::endSection()
{
    if (inSection_)
        text_ += "\r\n";
    inSection_ = false;
}

std::string ProfileWriter::finish()
{
    endSection();
    std::string out = std::move(text_);
    text_.clear();
    return out;
}

}  // namespace orv
