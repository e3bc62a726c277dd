// One entry of the button list: a button or a title row, held as 38 text fields in a fixed
// order. The files name each field "Button" + row number + field key.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orv {

inline constexpr int ButtonFieldCount = 38;

// Field positions (0 is the caption).
enum ButtonField : int {
    FieldText = 0,
    FieldCmd,
    FieldLink,
    FieldBmp,
    FieldTip,
    FieldBmpFolder,
    FieldAppParam,
    FieldHoverSound,
    FieldHoverSoundFolder,
    FieldSourceFile,
    FieldDeltaX,
    FieldDeltaY,
    FieldDeltaType,
    FieldUseBmpSize,
    FieldBmpTransType,
    FieldHide,
    FieldCSF,
    FieldBCUse,
    FieldBC1,
    FieldBC2,
    FieldBC3,
    FieldBC4,
    FieldNoHG,
    FieldUseMediaPlayer,
    FieldWinWidth,
    FieldWinHeight,
    FieldShowDialogBoxes,
    FieldPswProtect,
    FieldPsw,
    FieldPswAsterisk,
    FieldPswEncrypt,
    FieldPswDlgTitle,
    FieldPswDlgText,
    FieldPswIsWrongTitle,
    FieldPswIsWrongText,
    FieldWaitInfoText,
    FieldRunAsAdministrator,
    FieldRunProgramMaximized,
};

// The file key of each field and the value a reader takes when the key is missing or empty.
struct ButtonFieldInfo {
    const char* key;
    const char* missingValue;
};
extern const std::array<ButtonFieldInfo, ButtonFieldCount> ButtonFieldTable;

// Position of a field key (compared without case); -1 when there is no such field.
int ButtonFieldIndex(std::string_view key);

struct MenuButton {
    std::string Text, Cmd, Link, Bmp, Tip, BmpFolder, AppParam, HoverSound, HoverSoundFolder,
        SourceFile, DeltaX, DeltaY, DeltaType, UseBmpSize, BmpTransType, Hide, CSF, BCUse, BC1, BC2,
        BC3, BC4, NoHG, UseMediaPlayer, WinWidth, WinHeight, ShowDialogBoxes, PswProtect, Psw,
        PswAsterisk, PswEncrypt, PswDlgTitle, PswDlgText, PswIsWrongTitle, PswIsWrongText,
        WaitInfoText, RunAsAdministrator, RunProgramMaximized;

    // Positional access; pos must be in 0..37.
    std::string& field(int pos);
    const std::string& field(int pos) const;
    // Access by field key (without case); nullptr for an unknown key.
    std::string* field(std::string_view key);
    const std::string* field(std::string_view key) const;

    // A title row has an empty command; its text is "- " + title + " -".
    bool isTitleRow() const { return Cmd.empty(); }

    bool operator==(const MenuButton&) const = default;
};

// An entry with every field at the value read when missing ("0", "1" or empty).
MenuButton ButtonWithMissingValues();

// A title row "- " + title + " -" with every other field empty.
MenuButton MakeTitleRow(std::string_view title);

}  // namespace orv
