// The rules of the button options dialog and its companions (picture gallery options, picture
// size, password texts, active frame), without widgets: the values the dialogs show, the
// silent corrections of their fields, the colour buttons per button style, and the checks and
// questions of OK. The dialogs mirror ButtonOptionsValues; the tests drive these rules.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/rules/button_edit_request.h"
#include "model/menu_project.h"

namespace orv::editor {

// ---- Position ---------------------------------------------------------------------------

// The five position options; option n gives DeltaType n.
inline constexpr std::array<const char*, 5> PositionOptionCaptions = {
    "Adjust relative to the default position", "Adjust relative to the previous button", "Absolute position",
    "Next free (horizontal/vertical) position", "No distance from previous button"};
inline constexpr int PositionNextFree = 4;
inline constexpr int PositionNoDistance = 5;

// "Delta X:" and "Delta Y:" are usable with the first three options only.
bool DeltaFieldsEnabled(int deltaType);

// A delta field when it is left: a whole number in -2000..2000 stays, anything else is "0".
std::string CorrectDelta(std::string_view text);

// A Flash window size field when it is left: below 32 gives "32", above 2000 "2000", a text
// that is no number (an empty one too) gives an empty text.
std::string CorrectFlashSize(std::string_view text);

// ---- Colours ----------------------------------------------------------------------------

enum ColourButtonIndex : int { TextColourButton, TipColourButton, BorderColourButton, BackColourButton };

// The "Use individual colors" check box and the four colour buttons as the dialog shows them.
struct ColourButtonsState {
    bool useColours = false;
    bool useColoursEnabled = true;
    std::array<bool, 4> enabled{};  // by ColourButtonIndex
    std::string borderCaption = "Border Color...";
    std::string borderTip = "Selects border color for the button";
    std::string backCaption = "Background Color...";
    std::string backTip = "Selects background color for the button";

    bool operator==(const ColourButtonsState&) const = default;
};

// What the style (1-based position in ButtonStyleNames) allows: a heading disables the four
// buttons and changes nothing else; "Windows Button" clears and disables the check box; the
// border and background buttons and their captions follow the style's kind of colours.
ColourButtonsState HandleColorButtons(ColourButtonsState state, int style);

// The check box's rule: on enables the four buttons and then applies HandleColorButtons, off
// disables all four.
ColourButtonsState HideShowColorButtons(ColourButtonsState state, int style);

// ---- Password ---------------------------------------------------------------------------

struct PasswordTexts {
    std::string title, text, wrongTitle, wrongText;
    bool operator==(const PasswordTexts&) const = default;
};

// The texts a button has when none were typed.
PasswordTexts DefaultPasswordTexts();

// What the password text dialog shows: each empty text as its default.
PasswordTexts PasswordTextsShown(const PasswordTexts& held);

// What a confirmed password text dialog gives back: the texts as they stand, but the two
// information texts on one line (each line break becomes one blank).
PasswordTexts PasswordTextsTaken(const PasswordTexts& typed);

// A longer password would not come back whole from a saved project (the reader keeps 199
// bytes of a value), so it is refused rather than cut.
inline constexpr int PasswordMaxBytes = 199;

struct OptionsMessage {
    const char* text;
    const char* title;
    int style;  // platform::MessageStyle values
};

// Whether a typed password is refused: too long, or empty while the file is to be encrypted.
std::optional<OptionsMessage> TypedPasswordRefusal(std::string_view password, bool encrypt);

// ---- Picture gallery --------------------------------------------------------------------

// A width and a height that are not empty must be whole numbers, or both are emptied.
void ValidatePictureGallerySizeControls(std::string& width, std::string& height);
// The extension without any ".".
std::string ValidatePictureGalleryFNameExtensionField(std::string_view extension);
// A whole number is clamped to 15..300, anything else (but an empty text) is emptied.
std::string ValidatePictureGalleryPictureHeight(std::string_view height);

inline constexpr int PictureHeightMin = 15;
inline constexpr int PictureHeightMax = 300;
inline constexpr int PictureHeightStart = 150;

// Where the picture size slider starts for the height field's text (an empty field gives
// 150), and the height field's text for a slider value.
int PictureSizeSliderStart(std::string_view height);
std::string PictureHeightFromSlider(int value);
// The preview rectangle's width for a height: 4:3, rounded.
int PicturePreviewWidth(int height);

// The fields of the "More Options" dialog.
struct PictureGalleryMoreOptions {
    int onClick = 1;  // 1 built-in window, 2 external program, 3 open the file with extension
    std::string onClickExtension;
    bool showCloseButton = false;  // off: a clickable text label
    std::string closeButtonText;
    bool pictureSizeManual = false;
    std::string pictureSizeHeight;
    bool allowBrowse = false;
    std::string previousText, nextText;

    bool operator==(const PictureGalleryMoreOptions&) const = default;
};

PictureGalleryMoreOptions ReadPictureGalleryMoreOptions(const MenuProject& project);
void ApplyPictureGalleryMoreOptions(const PictureGalleryMoreOptions& options, MenuProject& project);

// OK of the "More Options" dialog: the extension loses its dots and the height is checked.
void ConfirmPictureGalleryMoreOptions(PictureGalleryMoreOptions& options);

// ---- The whole dialog -------------------------------------------------------------------

struct ButtonOptionsValues {
    // Sound (Windows-form path of the file, destination folder)
    std::string hoverSound, hoverSoundFolder;
    // Position
    int deltaType = 1;
    std::string deltaX = "0", deltaY = "0";
    bool hide = false;
    // Colours
    ColourButtonsState colourButtons;
    std::array<Colour, 4> colours{};  // BC1..BC4: text, tip text, border, background
    // After button click
    bool noHourGlass = false;
    std::string waitInfoText;
    // At menu creation: 1 don't copy, 2 copy the file, 3 copy its folder
    int copyOption = 1;
    // Flash
    std::string winWidth, winHeight;
    bool showDialogBoxes = true;
    // Password
    bool passwordProtect = false;
    std::string password;
    bool passwordAsterisk = false;
    bool passwordEncrypt = false;
    PasswordTexts passwordTexts;
    // Administrator, Special
    bool runAsAdministrator = false;
    bool runMaximized = false;
    // Picture gallery (project-wide)
    std::string galleryTitle, galleryExtension, galleryWidth, galleryHeight;
    bool galleryAlsoForSubWindows = false;
    Colour galleryBackColour = 0, galleryTextColour = 0;
    bool galleryShowFileNames = false;
    PictureGalleryMoreOptions galleryMore;

    bool operator==(const ButtonOptionsValues&) const = default;
};

// What the dialog shows for an entry of a project (with the colour buttons for its style).
ButtonOptionsValues ReadButtonOptionsValues(const MenuButton& entry, const MenuProject& project);
// Writes the values back into the entry and the gallery settings into the project, in the
// encodings of the button fields.
void ApplyButtonOptionsValues(const ButtonOptionsValues& values, MenuButton& entry, MenuProject& gallery);

// The user's clicks since the dialog was shown.
struct PositionClicks {
    bool noDistance = false;
    bool nextFree = false;
};

// OK: the password checks (a message and no outcome when one fails), the position questions
// (Yes copies the position type into every row), the gallery field checks; then the edited
// entry and gallery settings. Messages and questions go through the platform's interface.
std::optional<ButtonOptionsOutcome> ConfirmButtonOptions(ButtonOptionsValues& values,
                                                         const ButtonEditRequest& request, PositionClicks clicks);

// ---- Sound ------------------------------------------------------------------------------

inline constexpr const char* SelectSoundTitle = "Select Sound";
inline constexpr const char* SoundFilter = "Sound (*.wav;*.mid;*.mp3)|*.wav;*.mid;*.mp3";
inline constexpr const char* ButtonSoundFolder = "orvndata\\buttons";

// A sound chosen in the open-file dialog: its path in lower case, the buttons' sound folder,
// and the last sound folder of the options.
void ApplyChosenHoverSound(ButtonOptionsValues& values, std::string& lastSoundDir, const std::string& path);

}  // namespace orv::editor
