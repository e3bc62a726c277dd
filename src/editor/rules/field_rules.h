// Checks of the main window's text fields, made when a field loses the focus: numbers are
// clamped silently to their range, folder fields lose a drive prefix and warn when they hold
// a file name, and the version comment takes no line breaks.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_project.h"

namespace orv::editor {

struct NumericRange {
    int lower = 0;
    int upper = 0;
};

// The numeric fields of the tabs.
enum class NumericField {
    MainWidth,
    MainHeight,
    ButtonWidth,
    ButtonHeight,
    MenuPictureWidth,
    MenuPictureHeight,
    MovieWidth,
    MovieHeight,
    MovieXOffset,
    MovieYOffset,
    MenuMovieWidth,
    MenuMovieHeight,
    BlendDepth,
    TitleCharInterSpace,
};

// The range of a field. Button width and menu picture size are bounded by the menu window's
// size, taken from the project (itself clamped to its range, so a damaged value never gives
// an empty range).
NumericRange RangeOf(NumericField field, const MenuProject& project);

// The number a field's text stands for: leading blanks skipped, an optional sign, then the
// digits up to the first other character; 0 when there are none. Saturates far outside int.
int NumberInText(std::string_view text);

// The corrected text of a numeric field: empty becomes "0", then a value below the lower
// bound becomes the lower bound and one above the upper bound the upper bound.
std::string ClampNumericText(std::string_view text, NumericRange range);

// The corrected text of a field when it is left: ClampNumericText, except that an empty
// Blend depth stays empty, since the file reads an empty depth as 100 (the field shows it
// greyed), and leaving the field must not turn it into another value.
std::string CorrectNumericField(NumericField field, std::string_view text, const MenuProject& project);

// IncCharInterSpace / DecCharInterSpace: one step up or down within -10..100 (empty counts
// as 0).
std::string StepCharInterSpace(std::string_view text, int step);

// The menu window size held by the project, each clamped to its range.
int ProjectWindowWidth(const MenuProject& project);
int ProjectWindowHeight(const MenuProject& project);

// What a folder field holds files of; decides which extensions make it look like a file.
enum class FolderKind { Background, Logotype, MenuPicture, BackgroundSound, ButtonSound, Other };

inline constexpr const char* FolderLooksLikeFileText =
    "The contents in 'Folder' seems to be a filename! You must specify a valid folder in the "
    "'Folder' field.";
inline constexpr const char* FolderLooksLikeFileTitle = "Wrong Contents";

struct FolderCheck {
    std::string text;          // the field's new text
    bool looksLikeFile = false;  // warn with FolderLooksLikeFileText
};

// Everything up to and including the first ":" is removed and a lone "\" becomes empty;
// then the text is tested for an extension typical of the field's files.
FolderCheck CheckFolderField(std::string_view text, FolderKind kind);

// Runs the check and shows the warning (exclamation icon) through the user interface.
std::string CheckFolderFieldAndWarn(std::string_view text, FolderKind kind);

// The version comment without line breaks (CR and LF are dropped).
std::string WithoutLineBreaks(std::string_view text);

}  // namespace orv::editor
