#include "model/menu_button.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace orv {

const std::array<ButtonFieldInfo, ButtonFieldCount> ButtonFieldTable = {{
    {"Text", ""},
    {"Cmd", ""},
    {"Link", ""},
    {"Bmp", ""},
    {"Tip", ""},
    {"BmpFolder", ""},
    {"AppParam", ""},
    {"HoverSound", ""},
    {"HoverSoundFolder", ""},
    {"SourceFile", ""},
    {"DeltaX", "0"},
    {"DeltaY", "0"},
    {"DeltaType", "1"},
    {"UseBmpSize", "0"},
    {"BmpTransType", "1"},
    {"Hide", "0"},
    {"CSF", "1"},
    {"BCUse", "0"},
    {"BC1", "0"},
    {"BC2", "0"},
    {"BC3", "0"},
    {"BC4", "0"},
    {"NoHG", ""},
    {"UseMediaPlayer", "0"},
    {"WinWidth", ""},
    {"WinHeight", ""},
    {"ShowDialogBoxes", "0"},
    {"PswProtect", "0"},
    {"Psw", ""},
    {"PswAsterisk", "0"},
    {"PswEncrypt", "0"},
    {"PswDlgTitle", ""},
    {"PswDlgText", ""},
    {"PswIsWrongTitle", ""},
    {"PswIsWrongText", ""},
    {"WaitInfoText", ""},
    {"RunAsAdministrator", ""},
    {"RunProgramMaximized", ""},
}};

namespace {

// The members in field order, so positional and named access share one table.
using FieldMember = std::string MenuButton::*;
constexpr std::array<FieldMember, ButtonFieldCount> members = {
    &MenuButton::Text,           &MenuButton::Cmd,
    &MenuButton::Link,           &MenuButton::Bmp,
    &MenuButton::Tip,            &MenuButton::BmpFolder,
    &MenuButton::AppParam,       &MenuButton::HoverSound,
    &MenuButton::HoverSoundFolder, &MenuButton::SourceFile,
    &MenuButton::DeltaX,         &MenuButton::DeltaY,
    &MenuButton::DeltaType,      &MenuButton::UseBmpSize,
    &MenuButton::BmpTransType,   &MenuButton::Hide,
    &MenuButton::CSF,            &MenuButton::BCUse,
    &MenuButton::BC1,            &MenuButton::BC2,
    &MenuButton::BC3,            &MenuButton::BC4,
    &MenuButton::NoHG,           &MenuButton::UseMediaPlayer,
    &MenuButton::WinWidth,       &MenuButton::WinHeight,
    &MenuButton::ShowDialogBoxes, &MenuButton::PswProtect,
    &MenuButton::Psw,            &MenuButton::PswAsterisk,
    &MenuButton::PswEncrypt,     &MenuButton::PswDlgTitle,
    &MenuButton::PswDlgText,     &MenuButton::PswIsWrongTitle,
    &MenuButton::PswIsWrongText, &MenuButton::WaitInfoText,
    &MenuButton::RunAsAdministrator, &MenuButton::RunProgramMaximized,
};

// The field keys in lower case, sorted, for lookups without case.
struct LowerKey {
    std::string key;
    int pos;
};

const std::vector<LowerKey>& sortedKeys()
{
    static const std::vector<LowerKey> keys = [] {
        std::vector<LowerKey> k;
        for (int i = 0; i < ButtonFieldCount; ++i) {
            std::string lower = ButtonFieldTable[static_cast<size_t>(i)].key;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            k.push_back({lower, i});
        }
        std::sort(k.begin(), k.end(), [](const LowerKey& a, const LowerKey& b) { return a.key < b.key; });
        return k;
    }();
    return keys;
}

}  // namespace

int ButtonFieldIndex(std::string_view key)
{
    // Readers look up some 1 700 keys per project, so this stays cheap: lower-case into a
    // small buffer, then a binary search.
    constexpr size_t longest = 20;
    if (key.empty() || key.size() > longest)
        return -1;
    char buffer[longest];
    for (size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        buffer[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::string_view lower(buffer, key.size());
    const auto& keys = sortedKeys();
    const auto it = std::lower_bound(keys.begin(), keys.end(), lower,
                                     [](const LowerKey& k, std::string_view v) { return k.key < v; });
    return it != keys.end() && it->key == lower ? it->pos : -1;
}

std::string& MenuButton::field(int pos) { return this->*members[static_cast<size_t>(pos)]; }

const std::string& MenuButton::field(int pos) const { return this->*members[static_cast<size_t>(pos)]; }

std::string* MenuButton::field(std::string_view key)
{
    int pos = ButtonFieldIndex(key);
    return pos < 0 ? nullptr : &field(pos);
}

const std::string* MenuButton::field(std::string_view key) const
{
    int pos = ButtonFieldIndex(key);
    return pos < 0 ? nullptr : &field(pos);
}

MenuButton ButtonWithMissingValues()
{
    MenuButton b;
    for (int i = 0; i < ButtonFieldCount; ++i)
        b.field(i) = ButtonFieldTable[static_cast<size_t>(i)].missingValue;
    return b;
}

MenuButton MakeTitleRow(std::string_view title)
{
    MenuButton b;
    b.Text = "- " + std::string(title) + " -";
    return b;
}

}  // namespace orv
