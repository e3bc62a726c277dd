// The open menu design: every setting of the menu window, its title, buttons, pictures,
// sounds, movies and version texts, and the button list. Field names are the keys of the
// project file and the menu description file. Initialised members carry the values of a
// new project (ResetParameters).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/editor_options.h"
#include "model/menu_button.h"
#include "model/wizard_button_table.h"

namespace orv {

// A 32-bit Windows colour value: red in the low byte, then green, then blue.
using Colour = std::int32_t;

constexpr Colour RgbColour(int red, int green, int blue)
{
    return static_cast<Colour>(red | (green << 8) | (blue << 16));
}

inline constexpr const char* NoProjectFile = "noname";

// The button list holds at most this many rows, buttons and title rows together.
inline constexpr int ButtonListLimit = 44;

inline constexpr std::int16_t ProjectTypeCD = 1;
inline constexpr std::int16_t ProjectTypeUSB = 2;

// Button styles; ButtonStyle is the 1-based position in this list. Positions 1, 10 and 24
// are group headings, never a project's style.
inline constexpr int ButtonStyleCount = 28;
extern const std::array<const char*, ButtonStyleCount> ButtonStyleNames;
bool IsButtonStyleHeading(int style);
// The name of a style, or empty outside 1..28.
std::string ButtonStyleName(int style);

// Blend directions; ToneDirection is the 0-based position in this list.
extern const std::array<const char*, 8> ToneDirectionNames;

struct MenuProject {
    // Project-level state
    std::string ProjectFilePath = NoProjectFile;
    std::int16_t ProjectType = ProjectTypeCD;
    bool UseUnicode = false;
    bool CoOperateWithPortavoLink = false;
    std::string StickGuardSetupFilename = "SETUP-StickGuard.exe";
    bool StickGuard_CopySetupFileToSubFolder = true;
    std::string StickGuardSetupFoldername = "SETUP-StickGuard";
    bool SubMenuMode = false;
    WizardButtonTable Wizard;

    // The heading of the button list's file-name column, which the model keeps current.
    std::string FileNameColumnHeading = "Filename (CD/DVD)";

    // [Create], [CDIcon], [AppIcon], [ExtraProperties]
    std::string CreateDestDir;
    std::string CDIconSrc;
    std::int16_t AppIconIndex = 1;
    std::string DiscLabel;
    std::string DiscActionText;

    // [MainWindow]
    std::string Width = "500";
    std::string Height = "400";
    Colour BackColor = RgbColour(0, 0, 255);
    Colour BackColor2 = RgbColour(0, 0, 0);
    std::int16_t ToneDirection = 2;
    std::string BlendDepth;  // written as "100" while empty
    std::string CaptionText = "Window Title";
    std::int16_t ShowCaption = 1;
    std::int16_t ShowMinimizeButton = 0;
    std::int16_t ShowBorder = 1;
    std::int16_t WindowAlwaysTopmost = 0;
    std::int16_t IncludeSocialMediaLogos = 0;

    // [WinEffects]
    std::int32_t UseWinEffects = 0;
    std::int16_t WinFadingSpeed = 4;
    std::int16_t WinTransparencyLevel = 0;

    // [Autorun]
    std::int16_t UseAutorun = 1;

    // [NoStartCondition]
    std::string Registry_HKEY;
    bool Registry_UseHKCUInVista = true;
    std::string Registry_SubKey;
    std::string Registry_ValueName;
    std::string Registry_Value;

    // [Title]
    std::string TitleText = "Title";
    std::int16_t TitleAlignment = 1;
    std::string TitleFontName = "Times New Roman";
    std::int16_t TitleFontSize = 26;
    bool TitleFontBold = true;
    bool TitleFontItalic = true;
    Colour TitleForeColor = RgbColour(255, 255, 0);
    std::int16_t TitleShadow = 1;
    std::string TitleCharInterSpace = "0";

    // [SubTitle]
    std::string SubTitleText;
    std::string SubTitleFontName = "Arial";
    std::int16_t SubTitleFontSize = 14;
    bool SubTitleFontBold = false;
    bool SubTitleFontItalic = false;
    Colour SubTitleColor = RgbColour(255, 128, 128);
    std::int32_t SubTitleCharInterSpace = 0;

    // [TitleUnderline]
    std::int16_t UnderlineType = 0;
    Colour UnderlineColor1 = 0;
    Colour UnderlineColor2 = 0;
    std::int16_t UnderlineHeight = 3;
    std::int16_t UnderlineTextOnly = 1;

    // [TitleBkgLines]
    std::int16_t DrawTitleBkgLines = 0;
    std::int16_t DrawTitleMetalPlate = 0;
    Colour TitleBkgLinesColor = RgbColour(0, 128, 0);
    std::int16_t TitleBkgLinesAdjust = 0;

    // [Buttons]
    std::string ButtonWidth = "220";
    std::string ButtonHeight = "30";
    std::int16_t ButtonStyle = 3;
    std::int16_t ButtonAlignment = 3;
    std::int16_t ButtonTextAlignment = 2;
    std::string ButtonFontName = "Arial";
    std::int16_t ButtonFontSize = 12;
    bool ButtonFontBold = true;
    bool ButtonFontItalic = false;
    Colour ButtonForeColor = RgbColour(255, 255, 0);
    Colour ButtonFrameColor = RgbColour(255, 255, 0);
    Colour ButtonBackColor = RgbColour(0, 0, 127);
    bool SeparateFrameAndCharColor = false;
    std::int32_t ButtonShadowSize = 0;
    std::int32_t ButtonShadowIntensity = 5;
    std::int32_t ButtonUseShadowEffect = 0;
    std::int32_t ButtonGlasTransparency = 6;
    std::int32_t ButtonGlasColorIndex = 2;
    std::int32_t ButtonUseGlasEffect = 0;
    std::int32_t ButtonUseHorizEffectLines = 0;
    std::string ButtonHorizEffectLinesWidth = "80";
    std::int32_t ButtonUseLightEffect = 0;
    std::int32_t ButtonRoundedSurface = 0;
    std::int16_t ButtonAutoSize = 0;
    std::int32_t UseActiveButtonFrame = 1;
    Colour ActiveButtonFrameColor = RgbColour(255, 255, 255);

    // The button list, in menu order (at most ButtonListLimit rows).
    std::vector<MenuButton> Buttons;

    // [ButtonTitles]
    std::string ButtonTitle_FontName = "Arial";
    std::int16_t ButtonTitle_FontSize = 10;
    bool ButtonTitle_FontBold = false;
    bool ButtonTitle_FontItalic = false;
    Colour ButtonTitle_TextColor = RgbColour(255, 255, 0);

    // [PictureGallery]
    std::string PGTitle = "Picture Gallery";
    std::string PGExtension;
    Colour PGBackColor = RgbColour(0, 0, 0);
    Colour PGTextColor = RgbColour(255, 255, 0);
    bool PGAlsoForSubWindows = false;
    std::string PGWidth;
    std::string PHeight;
    bool PGShowTextLabels = false;
    std::int16_t PGOnClickOnPicture = 1;
    std::string PGOnClickOnPictureExt;
    std::string PGCloseButtonText = "Close";
    bool PGShowCloseButton = false;
    bool PGPictureSizeManual = false;
    std::string PGPictureSizeHeight;
    bool PGPreviewWin_AllowBrowse = false;
    std::string PGPreviewWin_PrevPicture_Text = "< Previous";
    std::string PGPreviewWin_NextPicture_Text = "Next >";

    // [Pictures]
    std::string BackgroundPictureSrc;
    std::int16_t UseBackgroundPictureAsPattern = 0;
    std::int16_t StretchBackPicture = 0;
    std::int16_t PlaceBackPictureBehindTitle = 0;
    std::int16_t BkPic_UseUserCoordinates = 0;
    std::int16_t BkPic_UserPosX = 0;
    std::int16_t BkPic_UserPosY = 0;
    std::string LogotypePictureSrc;
    std::string LogotypeWMFWidth = "100";
    std::string LogotypeWMFHeight = "100";
    std::string MenuPictureSrc;
    std::string MenuPictureWidth = "100";
    std::string MenuPictureHeight = "100";
    std::int16_t StretchMenuPicture = 0;
    std::string BackgroundPicture_CDFolder;
    std::string LogotypePicture_CDFolder;
    std::string MenuPicture_CDFolder;
    bool DrawTransparentLogotype = false;
    bool TransparentColorI = false;
    std::int16_t PlaceLogotypeToLeft = 0;
    std::string LogotypeURL;
    std::string LogotypeTipText;

    // [Sound]
    std::string BackgroundSoundSrc;
    std::string ButtonSoundSrc;
    std::string ButtonHoverSoundSrc;
    std::string BackgroundSound_CDFolder;
    std::string ButtonSound_CDFolder;
    std::string ButtonHoverSound_CDFolder;
    std::int16_t BackgroundSound_StopWhenPlayMov = 0;
    std::int16_t BackgroundSound_StopIfNotTopmost = 0;

    // [Movie]
    std::string MovieWidth = "320";
    std::string MovieHeight = "240";
    std::int16_t FullScreenMovie = 0;
    std::int16_t MaximizeMovie = 0;
    std::int16_t ReturnToMenuWhenMovieStop = 0;
    std::string MovieXOffset = "0";
    std::string MovieYOffset = "0";
    std::int32_t MovieWinUseUserBkgColor = 0;
    Colour MovieWinBackColor = RgbColour(0, 0, 0);
    std::string MovieWinTitle;
    Colour MovieWinCloseCrossLineColor = DefaultMovieCloseCrossLineColor;
    Colour MovieWinCloseCrossBkgColor = DefaultMovieCloseCrossBkgColor;
    std::int32_t MovieWinUseCloseButton = 0;
    std::int32_t MovieWinUseGrayStdButton = 0;
    std::string MenuMovieFilename;
    std::string MenuMovie_CDFolder;
    std::string MenuMovieWidth = "150";
    std::string MenuMovieHeight = "150";
    std::int16_t RepeatMenuMovie = 0;
    std::int16_t ShowMenuPicWhenReady = 0;

    // [Version]
    std::string CompanyName, ProductName, Description, ProductVersion, LastCreationDate, Comments;

    // [Text]
    std::string ButtonOK_Text = "OK";
    std::string ButtonClose_Text = "Close";

    bool isUsbProject() const { return ProjectType == ProjectTypeUSB; }
    // The file's title shown in the window title: the name part of the path ("noname" for a
    // project never saved).
    std::string fileTitle() const;

    bool operator==(const MenuProject&) const = default;
};

// " - [CD/DVD]" or, for type 2, " - [USB flash drive]".
std::string ProjectTypeMarker(std::int16_t projectType);
// "Filename (CD/DVD)" or, for type 2, "Filename (USB flash drive)".
std::string FileNameColumnHeadingFor(std::int16_t projectType);

// Gives every field its new-project value, empties the button list, makes the project
// "noname" of type 1 and refreshes the column heading. UseUnicode keeps its value.
void ResetParameters(MenuProject& project);

// Recomputes FileNameColumnHeading from the type.
void RefreshProjectCaptions(MenuProject& project);

}  // namespace orv
