#include "model/menu_button.h"

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

bool sameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

int ButtonFieldIndex(std::string_view key)
{
    for (int i = 0; i < ButtonFieldCount; ++i)
        if (sameKey(key, ButtonFieldTable[static_cast<size_t>(i)].key))
            return i;
    return -1;
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
