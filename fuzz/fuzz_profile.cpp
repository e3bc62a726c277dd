// Profile files from arbitrary bytes: decoding, parsing, lookups, writing back and reading
// again must never crash, hang or change a value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "model/ansi_codec.h"
#include "model/profile.h"
#include "model/scramble.h"
#include "model/unicode_text.h"

using namespace orv;
using orv::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The first byte picks the code page, so every table is exercised.
    static constexpr int pages[] = {1252, 1250, 1251, 1253, 1254, 1257};
    SetAnsiCodePage(pages[size ? data[0] % 6 : 0]);

    // Every byte of a code page has a character, so decoding loses nothing.
    const std::string text = AnsiToUtf8(bytes);
    check(Utf8ToAnsi(text) == bytes);

    const ProfileDocument doc = ProfileDocument::parse(text);
    const ProfileDocument again = ProfileDocument::parse(doc.toText());
    check(again.sections().size() == doc.sections().size());

    for (std::size_t s = 0; s < doc.sections().size(); ++s) {
        const auto& section = doc.sections()[s];
        check(again.sections()[s].entries.size() == section.entries.size());
        for (const auto& entry : section.entries) {
            // The value a reader gets for each name is the same after the round trip.
            const std::string* first = doc.find(section.name, entry.key);
            const std::string* back = again.find(section.name, entry.key);
            check((first == nullptr) == (back == nullptr));
            if (first)
                check(*first == *back);

            check(DecodeUnicodeText(EncodeUnicodeText(entry.value)) == entry.value);
            (void)DecodeUnicodeText(entry.value);
            (void)UnscrambleText(entry.value);
            check(Utf8Length(Utf8Prefix(entry.value, 199)) <= 199);
        }
    }
    // The first key of the first section is always found, with its own value.
    if (!doc.sections().empty() && !doc.sections()[0].entries.empty()) {
        const auto& entry = doc.sections()[0].entries[0];
        check(doc.find(doc.sections()[0].name, entry.key) == &entry.value);
    }

    // Setting a value taken from the input reads back unchanged.
    ProfileDocument edited = doc;
    const std::string raw(bytes.substr(0, 64));
    const std::string value = AnsiToUtf8(raw.substr(0, raw.find_first_of(std::string_view("\0\r\n", 3))));
    edited.set("Fuzz", "Value", value);
    const ProfileDocument reread = ProfileDocument::parse(edited.toText());
    const std::string* found = reread.find("fuzz", "VALUE");
    check(found && *found == value);
    if (!value.empty())
        check(UnscrambleText(ScrambleText(value)) == value);
    return 0;
}
