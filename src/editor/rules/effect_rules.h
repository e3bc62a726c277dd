// Rules of the small dialogs for the visual effects and details that do not fit on the tabs
// (button effects, title underline and background, window effects, subtitle, start
// condition, background picture, logotype and movie window options): the ranges a field is
// corrected into when it is left and on OK, and the choices that set other controls.
// No rule shows a message: invalid input silently becomes the default or is clamped.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/menu_project.h"

namespace orv::editor {

// A whole number, blanks around it allowed; nothing when the text is anything else.
std::optional<int> WholeNumber(std::string_view text);

// The three button-effects dialogs; which one opens follows the button style.
enum class ButtonEffectsKind {
    Shadow,   // shadow, glass and horizontal lines
    Light,    // light effect (colour-blended down and cylindrical, 3-dimensional, metallic)
    Plastic,  // light effect and rounded surface
};
// By the position in the button style list (ButtonStyle - 1).
ButtonEffectsKind ButtonEffectsKindFor(int styleListIndex);

// The glass colours in the order of ButtonGlasColorIndex (1-based) and their box pictures.
inline constexpr std::array<const char*, 5> GlassColourNames = {"White", "Black", "Red", "Green", "Blue"};
inline constexpr std::array<const char*, 5> GlassColourPictures = {"BoxWhite.bmp", "BoxBlack.bmp", "BoxRed.bmp",
                                                                   "BoxGreen.bmp", "BoxBlue.bmp"};
// The list position shown for a stored index; an index outside the list shows the first.
int GlassColourListIndex(int storedIndex);

// The button width the main window holds, as a number.
int ButtonWidthOf(const MenuProject& project);

// Horizontal effect lines: empty, invalid or below 1 gives "80"; a width of at least the
// button width minus 1 becomes the button width minus 2.
std::string CorrectHorizLinesWidth(std::string_view text, int buttonWidth);
// "Adjust": half the button width, rounded to the nearest whole number.
int AdjustedHorizLinesWidth(int buttonWidth);

// Underline types as stored: 0 none, 1 simple, 2 misty, 3 blend.
inline constexpr int UnderlineNone = 0;
inline constexpr int UnderlineSimple = 1;
inline constexpr int UnderlineMisty = 2;
inline constexpr int UnderlineBlend = 3;
// The option a stored type checks; a number outside 0..3 checks "none".
int UnderlineOptionFor(int storedType);
// The height a newly chosen type sets (misty 10, blend 3); nothing for the other types.
std::optional<int> UnderlineHeightForType(int type);
// Empty or invalid gives "3"; the lower bound is 10 for the misty type and 3 otherwise,
// the upper bound 50.
std::string CorrectUnderlineHeight(std::string_view text, int type);

// Title background lines: empty or invalid gives "0"; within -20..30.
std::string CorrectTitleLinesAdjust(std::string_view text);

// The title background effect options, and what OK writes: both flags cleared, then the
// one of the chosen option set, with the lines' colour and height adjustment.
enum class TitleEffect { None, Lines, MetalPlate };
TitleEffect TitleEffectOf(const MenuProject& project);
void ApplyTitleEffect(MenuProject& project, TitleEffect effect, Colour linesColour, int heightAdjust);

// The window effect speeds (WinFadingSpeed is the position) and the slider caption.
inline constexpr std::array<const char*, 6> FadingSpeedNames = {"Very slow", "Slow", "Middle",
                                                                "Quite fast", "Fast", "Show immediately"};
inline constexpr int DefaultFadingSpeed = 4;
inline constexpr int MaxWinTransparency = 90;
int FadingSpeedListIndex(int stored);
std::string TransparencyCaption(int level);

// Subtitle character spacing: empty or invalid gives "0"; within -10..100.
std::string CorrectSubTitleCharInterSpace(std::string_view text);

// The root keys of the start condition; the stored name is shown when it is one of them.
inline constexpr std::array<const char*, 6> RegistryRootNames = {
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
    "HKEY_USERS",        "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
// The sub key without a leading backslash.
std::string WithoutLeadingBackslash(std::string_view subKey);

// The background picture's three placements exclude each other; user coordinates exclude
// all three.
struct BackPicturePlacement {
    bool pattern = false;
    bool stretch = false;
    bool behindTitleOnly = false;
    bool userCoordinates = false;
    bool operator==(const BackPicturePlacement&) const = default;
};
enum class BackPictureChoice { Pattern, Stretch, BehindTitleOnly, UserCoordinates };
// The placement after a choice was checked.
BackPicturePlacement ChooseBackPicture(BackPicturePlacement placement, BackPictureChoice choice);
// A user position: below 0 or above 2000 (or not a number) becomes 0.
int CorrectBackPicturePosition(std::string_view text);

// The size button of a metafile logotype shows only for a file name containing ".wmf".
bool ShowsLogotypeSizeButton(std::string_view logotypeFile);
// Logotype width or height: empty, invalid or below 1 gives "100"; above the menu window's
// width (height) gives "100".
std::string CorrectLogotypeSize(std::string_view text, int windowSize);

}  // namespace orv::editor
