#include "model/profile.h"

#include <algorithm>
#include <cstdint>

#include "model/profile_names.h"

namespace orv {

namespace {

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

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

std::uint32_t sectionHash(std::string_view name) { return static_cast<std::uint32_t>(detail::nameHash(name) >> 16); }

std::uint32_t keyHash(std::size_t section, std::string_view key)
{
    std::uint64_t h = detail::nameHash(key) ^ ((section + 1) * 0x9E3779B97F4A7C15ull);
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    return static_cast<std::uint32_t>(h >> 32);
}

// A power of two with room for count names at most half full.
std::size_t tableSizeFor(std::size_t count)
{
    std::size_t size = 8;
    while (size < count * 2)
        size *= 2;
    return size;
}

template <typename Slot>
void placeSlot(std::vector<Slot>& slots, const Slot& slot)
{
    const std::size_t mask = slots.size() - 1;
    std::size_t i = slot.hash & mask;
    while (slots[i].used)
        i = (i + 1) & mask;
    slots[i] = slot;
}

template <typename Slot>
void resizeSlots(std::vector<Slot>& slots, std::size_t size)
{
    std::vector<Slot> old = std::move(slots);
    slots.assign(size, Slot{});
    for (const Slot& slot : old)
        if (slot.used)
            placeSlot(slots, slot);
}

}  // namespace

std::size_t ProfileDocument::findSection(std::string_view name) const
{
    if (sectionSlots_.empty())
        return npos;
    const std::uint32_t h = sectionHash(name);
    const std::size_t mask = sectionSlots_.size() - 1;
    for (std::size_t i = h & mask; sectionSlots_[i].used; i = (i + 1) & mask) {
        const Slot& slot = sectionSlots_[i];
        if (slot.hash == h && detail::sameName(sections_[slot.section].name, name))
            return slot.section;
    }
    return npos;
}

std::size_t ProfileDocument::findEntry(std::size_t section, std::string_view key) const
{
    if (keySlots_.empty())
        return npos;
    const std::uint32_t h = keyHash(section, key);
    const std::size_t mask = keySlots_.size() - 1;
    const auto& entries = sections_[section].entries;
    for (std::size_t i = h & mask; keySlots_[i].used; i = (i + 1) & mask) {
        const Slot& slot = keySlots_[i];
        if (slot.hash == h && slot.section == section && detail::sameName(entries[slot.entry].key, key))
            return slot.entry;
    }
    return npos;
}

void ProfileDocument::reserveIndex(std::size_t keys)
{
    if (tableSizeFor(keys) > keySlots_.size())
        resizeSlots(keySlots_, tableSizeFor(keys));
}

std::size_t ProfileDocument::addSection(std::string_view name)
{
    const std::size_t index = sections_.size();
    const bool first = findSection(name) == npos;  // the first section of a name wins
    sections_.push_back(Section{std::string(name), {}});
    if (first) {
        if (tableSizeFor(sections_.size()) > sectionSlots_.size())
            resizeSlots(sectionSlots_, tableSizeFor(sections_.size()) * 2);
        placeSlot(sectionSlots_, Slot{sectionHash(name), static_cast<std::uint32_t>(index), 0, true});
    }
    return index;
}

void ProfileDocument::addEntry(std::size_t section, std::string_view key, std::string_view value)
{
    auto& entries = sections_[section].entries;
    const std::size_t index = entries.size();
    if (findEntry(section, key) == npos) {  // the first key of a name wins
        ++keyCount_;
        reserveIndex(keyCount_);
        placeSlot(keySlots_, Slot{keyHash(section, key), static_cast<std::uint32_t>(section),
                                  static_cast<std::uint32_t>(index), true});
    }
    entries.push_back(Entry{std::string(key), std::string(value)});
}

ProfileDocument ProfileDocument::parse(std::string_view text)
{
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());

    // First pass: the headers and "key = value" lines as views into the text, so that the
    // second pass can size every section's entries at once.
    struct Item {
        std::string_view key;    // the section name for a header
        std::string_view value;
        bool header;
    };
    std::vector<Item> items;
    items.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 8);
    bool inSection = false;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin; p < end;) {
        // One line; LF, CR LF and a lone CR all end it.
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        // A NUL ends what the line says: the value it is in, not the file.
        std::string_view whole(p, static_cast<std::size_t>(lineEnd - p));
        const std::string_view line = trimBlanks(whole.substr(0, whole.find('\0')));
        p = lineEnd;
        if (p < end)
            p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;

        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                items.push_back({trimBlanks(line.substr(1, close - 1)), {}, true});
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
        items.push_back({key, readValue(line.substr(eq + 1)), false});
    }

    ProfileDocument doc;
    doc.reserveIndex(items.size());
    std::size_t current = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].header) {
            current = doc.addSection(items[i].key);
            std::size_t count = 0;
            for (std::size_t j = i + 1; j < items.size() && !items[j].header; ++j)
                ++count;
            doc.sections_[current].entries.reserve(count);
        } else {
            doc.addEntry(current, items[i].key, items[i].value);
        }
    }
    return doc;
}

const std::string* ProfileDocument::find(std::string_view section, std::string_view key) const
{
    const std::size_t s = findSection(trimBlanks(section));
    if (s == npos)
        return nullptr;
    const std::size_t e = findEntry(s, trimBlanks(key));
    if (e == npos)
        return nullptr;
    return &sections_[s].entries[e].value;
}

bool ProfileDocument::hasSection(std::string_view section) const { return findSection(trimBlanks(section)) != npos; }

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    std::size_t s = findSection(section);
    if (s == npos)
        s = addSection(section);
    const std::size_t e = findEntry(s, key);
    if (e == npos)
        addEntry(s, key, value);
    else
        sections_[s].entries[e].value = std::string(value);
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
