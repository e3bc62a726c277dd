#include "model/profile.h"
#include "model/profile_names.h"

namespace orv {

namespace {

using detail::isProfileBlank;
using detail::trimBlanks;
using detail::writtenValue;

// The value as a reader sees it: trimmed, and without one pair of enclosing quotes.
std::string_view readValue(std::string_view raw)
{
    std::string_view v = trimBlanks(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.substr(1, v.size() - 2);
    return v;
}

// A name or value made safe for one line: a NUL ends it, CR and LF become blanks.
std::string oneLine(std::string_view text)
{
    std::string out(text.substr(0, text.find('\0')));
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

}  // namespace

std::size_t ProfileDocument::NameHash::operator()(std::string_view name) const { return detail::nameHash(name); }

bool ProfileDocument::NameEqual::operator()(std::string_view a, std::string_view b) const
{
    return detail::sameName(a, b);
}

std::size_t ProfileDocument::addSection(std::string_view name)
{
    const std::size_t index = sections_.size();
    sections_.push_back(Section{std::string(name), {}});
    keyIndex_.emplace_back();
    sectionIndex_.try_emplace(std::string(name), index);  // the first section of a name wins
    return index;
}

void ProfileDocument::addEntry(std::size_t section, std::string_view key, std::string_view value)
{
    auto& entries = sections_[section].entries;
    keyIndex_[section].try_emplace(std::string(key), entries.size());  // the first key wins
    entries.push_back(Entry{std::string(key), std::string(value)});
}

ProfileDocument ProfileDocument::parse(std::string_view text)
{
    ProfileDocument doc;
    text = text.substr(0, text.find('\0'));
    bool inSection = false;
    std::size_t current = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // One line; LF, CR LF and a lone CR all end it.
        const std::size_t end = text.find_first_of("\r\n", pos);
        const std::size_t lineEnd = end == std::string_view::npos ? text.size() : end;
        const std::string_view line = trimBlanks(text.substr(pos, lineEnd - pos));
        pos = lineEnd;
        if (pos < text.size())
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;

        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                current = doc.addSection(trimBlanks(line.substr(1, close - 1)));
                inSection = true;
                continue;
            }
        }
        if (!inSection)
            continue;  // lines before the first header belong to no section
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = trimBlanks(line.substr(0, eq));
        if (key.empty())
            continue;
        doc.addEntry(current, key, readValue(line.substr(eq + 1)));
    }
    return doc;
}

const std::string* ProfileDocument::find(std::string_view section, std::string_view key) const
{
    const auto s = sectionIndex_.find(trimBlanks(section));
    if (s == sectionIndex_.end())
        return nullptr;
    const NameIndex& keys = keyIndex_[s->second];
    const auto k = keys.find(trimBlanks(key));
    if (k == keys.end())
        return nullptr;
    return &sections_[s->second].entries[k->second].value;
}

bool ProfileDocument::hasSection(std::string_view section) const
{
    return sectionIndex_.find(trimBlanks(section)) != sectionIndex_.end();
}

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    const auto s = sectionIndex_.find(section);
    const std::size_t index = s == sectionIndex_.end() ? addSection(section) : s->second;
    const auto k = keyIndex_[index].find(key);
    if (k == keyIndex_[index].end())
        addEntry(index, key, value);
    else
        sections_[index].entries[k->second].value = std::string(value);
}

std::string ProfileDocument::toText() const
{
    std::string out;
    for (const Section& section : sections_) {
        out += '[';
        out += oneLine(section.name);
        out += "]\r\n";
        for (const Entry& entry : section.entries) {
            out += oneLine(entry.key);
            out += " = ";
            out += writtenValue(entry.value);
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace orv
