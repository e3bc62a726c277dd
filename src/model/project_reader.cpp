#include "model/project_reader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "model/path_helpers.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "model/unicode_text.h"

namespace orv {

namespace {

template <typename Int>
Int clampTo(long value)
{
    return static_cast<Int>(std::clamp<long>(value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
}

// A colour keeps the low 32 bits, as a 32-bit profile number does.
Colour colourOf(long value) { return static_cast<Colour>(static_cast<std::uint32_t>(value)); }

// Text converted to a boolean the way the older files stored flags: "1", "-1", "True" are
// true, "0", "False" and anything unreadable false; any other number counts by being non-zero.
bool textToBool(std::string_view value)
{
    std::string lower;
    for (char c : value)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "true")
        return true;
    if (lower.empty() || lower == "false")
        return false;
    size_t i = (lower[0] == '-' || lower[0] == '+') ? 1 : 0;
    if (i == lower.size() || lower.find_first_not_of("0123456789", i) != std::string::npos)
        return false;
    return lower.find_first_not_of('0', i) != std::string::npos;
}

bool sameAscii(std::string_view a, std::string_view b)
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

// A value as the 200-character buffer of the profile functions holds it.
std::string bufferCut(std::string_view value)
{
    constexpr size_t limit = ProjectTextBufferSize - 1;
    // A text of at most 199 bytes has at most 199 characters: no need to count them.
    return std::string(value.size() <= limit ? value : Utf8Prefix(value, limit));
}

// Reads one project's values with the reader's defaults.
class Reader {
public:
    Reader(const ProfileDocument& document, MenuProject& project) : doc_(document), p_(project) {}

    std::string text(std::string_view section, std::string_view key, std::string_view def = {}) const
    {
        const std::string* v = doc_.find(section, key);
        return bufferCut(v ? std::string_view(*v) : def);
    }
    long number(std::string_view section, std::string_view key, long def) const
    {
        // As the profile functions do: a missing key or an empty value gives the default.
        const std::string* v = doc_.find(section, key);
        return v && !v->empty() ? ProfileNumberOf(*v) : def;
    }
    std::int16_t int16(std::string_view section, std::string_view key, long def) const
    {
        return clampTo<std::int16_t>(number(section, key, def));
    }
    std::int32_t int32(std::string_view section, std::string_view key, long def) const
    {
        return clampTo<std::int32_t>(number(section, key, def));
    }
    Colour colour(std::string_view section, std::string_view key, long def) const
    {
        return colourOf(number(section, key, def));
    }
    // Flags stored as numbers: exactly 1 is true.
    bool numberFlag(std::string_view section, std::string_view key) const
    {
        return number(section, key, 0) == 1;
    }
    // Flags stored as text ("1", "-1", "True", "0", "False").
    bool textFlag(std::string_view section, std::string_view key) const
    {
        return textToBool(text(section, key));
    }
    // Captions that may be held in the UNICODE: encoding; one such value turns UseUnicode on.
    // The encoded form is decoded whole and the buffer limit applies to the text it gives.
    std::string caption(std::string_view section, std::string_view key) const
    {
        const std::string* v = doc_.find(section, key);
        return v ? bufferCut(DecodeUnicodeText(*v, p_.UseUnicode)) : std::string();
    }

    ProjectFileVersion read();

private:
    void readProjectSections();
    void readWindowSections();
    void readTitleSections();
    void readButtonSections(const ProjectFileVersion& version);
    void readButtons(const ProjectFileVersion& version, long count);
    void readGallerySections();

    const ProfileDocument& doc_;
    MenuProject& p_;
};

ProjectFileVersion Reader::read()
{
    ProjectFileVersion version = ClassifyProjectVersion(text("Origin", "Ver"));
    readProjectSections();
    readWindowSections();
    readTitleSections();
    readButtonSections(version);
    readGallerySections();

    p_.CompanyName = text("Version", "CompanyName");
    p_.ProductName = text("Version", "ProductName");
    p_.Description = text("Version", "Description");
    p_.ProductVersion = text("Version", "ProductVersion");
    p_.LastCreationDate = text("Version", "LastCreationDate");
    p_.Comments = text("Version", "Comments");

    p_.ButtonOK_Text = text("Text", "ButtonOK_Text");
    if (p_.ButtonOK_Text.empty())
        p_.ButtonOK_Text = "OK";
    p_.ButtonClose_Text = text("Text", "ButtonClose_Text");
    if (p_.ButtonClose_Text.empty())
        p_.ButtonClose_Text = "Close";

    p_.FileNameColumnHeading = FileNameColumnHeadingFor(p_.ProjectType);
    return version;
}

void Reader::readProjectSections()
{
    p_.CreateDestDir = text("Create", "CreateDestDir");
    p_.CDIconSrc = text("CDIcon", "CDIconSrc");
    p_.AppIconIndex = int16("AppIcon", "AppIconIndex", 1);
    if (p_.AppIconIndex == 0)
        p_.AppIconIndex = 1;
    p_.DiscLabel = text("ExtraProperties", "DiscLabel");
    p_.DiscActionText = text("ExtraProperties", "DiscActionText");
    p_.ProjectType = text("ProjectType", "ProjectType", "1") == "2" ? ProjectTypeUSB : ProjectTypeCD;

    if (Siblings().PortavoInstalled) {
        p_.CoOperateWithPortavoLink = numberFlag("PortavoLink", "CoOperateWithPortavoLink");
        p_.StickGuardSetupFilename = text("PortavoLink", "StickGuardSetupFilename");
        p_.StickGuard_CopySetupFileToSubFolder = numberFlag("PortavoLink", "StickGuard_CopySetupFileToSubFolder");
        p_.StickGuardSetupFoldername = text("PortavoLink", "StickGuardSetupFoldername");
    }
    p_.UseUnicode = numberFlag("CharacterEncoding", "UseUnicode");
}

void Reader::readWindowSections()
{
    const char* s = "MainWindow";
    p_.Width = text(s, "Width");
    p_.Height = text(s, "Height");
    p_.BackColor = colour(s, "BackColor", 0);
    p_.BackColor2 = colour(s, "BackColor2", 0);
    p_.ToneDirection = int16(s, "ToneDirection", 0);
    p_.BlendDepth = text(s, "BlendDepth");
    p_.CaptionText = text(s, "CaptionText");
    p_.ShowCaption = int16(s, "ShowCaption", 0);
    p_.ShowMinimizeButton = int16(s, "ShowMinimizeButton", 0);
    p_.ShowBorder = int16(s, "ShowBorder", 0);
    p_.WindowAlwaysTopmost = int16(s, "WindowAlwaysTopmost", 0);
    p_.IncludeSocialMediaLogos = int16(s, "IncludeSocialMediaLogos", 0);

    p_.UseWinEffects = int32("WinEffects", "UseWinEffects", 0);
    p_.WinFadingSpeed = int16("WinEffects", "WinFadingSpeed", 4);
    p_.WinTransparencyLevel = int16("WinEffects", "WinTransparencyLevel", 0);

    p_.UseAutorun = int16("Autorun", "UseAutorun", 0);

    s = "NoStartCondition";
    p_.Registry_HKEY = text(s, "Registry_HKEY");
    p_.Registry_UseHKCUInVista = number(s, "Registry_UseHKCUInVista", 1) != 0;
    p_.Registry_SubKey = text(s, "Registry_SubKey");
    p_.Registry_ValueName = text(s, "Registry_ValueName");
    p_.Registry_Value = text(s, "Registry_Value");
}

// The left option first; only the values of the other options select them.
std::int16_t alignmentOf(long value, long highest)
{
    return value >= 2 && value <= highest ? static_cast<std::int16_t>(value) : std::int16_t{1};
}

void Reader::readTitleSections()
{
    const char* s = "Title";
    p_.TitleText = caption(s, "TitleText");
    p_.TitleAlignment = alignmentOf(number(s, "TitleAlignment", 1), 3);
    p_.TitleFontName = text(s, "TitleFontName");
    p_.TitleFontSize = int16(s, "TitleFontSize", 10);
    p_.TitleFontBold = textFlag(s, "TitleFontBold");
    p_.TitleFontItalic = textFlag(s, "TitleFontItalic");
    p_.TitleForeColor = colour(s, "TitleForeColor", 0);
    p_.TitleShadow = int16(s, "TitleShadow", 0);
    p_.TitleCharInterSpace = text(s, "TitleCharInterSpace");
    // Early versions kept the underline type in [Title] and drew it in the title colour.
    const long legacyUnderline = number(s, "TitleUnderline", 999);

    s = "SubTitle";
    p_.SubTitleText = caption(s, "SubTitleText");
    p_.SubTitleFontName = text(s, "SubTitleFontName");
    if (p_.SubTitleFontName.empty())
        p_.SubTitleFontName = "Arial";
    p_.SubTitleFontSize = int16(s, "SubTitleFontSize", 14);
    p_.SubTitleFontBold = textFlag(s, "SubTitleFontBold");
    p_.SubTitleFontItalic = textFlag(s, "SubTitleFontItalic");
    p_.SubTitleColor = colour(s, "SubTitleColor", RgbColour(255, 128, 128));
    p_.SubTitleCharInterSpace = int32(s, "SubTitleCharInterSpace", 0);

    s = "TitleUnderline";
    if (legacyUnderline != 999) {
        p_.UnderlineType = clampTo<std::int16_t>(legacyUnderline);
        p_.UnderlineColor1 = p_.TitleForeColor;
    } else {
        p_.UnderlineType = int16(s, "UnderlineType", 0);
        p_.UnderlineColor1 = colour(s, "UnderlineColor1", 0);
    }
    p_.UnderlineColor2 = colour(s, "UnderlineColor2", 0);
    p_.UnderlineHeight = int16(s, "UnderlineHeight", 3);
    p_.UnderlineTextOnly = int16(s, "UnderlineTextOnly", 1);

    s = "TitleBkgLines";
    p_.DrawTitleBkgLines = int16(s, "DrawTitleBkgLines", 0);
    p_.DrawTitleMetalPlate = int16(s, "DrawTitleMetalPlate", 0);
    p_.TitleBkgLinesColor = colour(s, "TitleBkgLinesColor", RgbColour(0, 128, 0));
    p_.TitleBkgLinesAdjust = int16(s, "TitleBkgLinesAdjust", 0);
}

void Reader::readButtonSections(const ProjectFileVersion& version)
{
    const char* s = "Buttons";
    p_.ButtonWidth = text(s, "ButtonWidth");
    p_.ButtonHeight = text(s, "ButtonHeight");
    p_.ButtonStyle = clampTo<std::int16_t>(ConvertButtonStyle(int16(s, "ButtonStyle", 1), version));
    p_.ButtonAlignment = alignmentOf(number(s, "ButtonAlignment", 1), 4);
    p_.ButtonTextAlignment = alignmentOf(number(s, "ButtonTextAlignment", 1), 3);
    p_.ButtonFontName = text(s, "ButtonFontName");
    p_.ButtonFontSize = int16(s, "ButtonFontSize", 10);
    p_.ButtonFontBold = textFlag(s, "ButtonFontBold");
    p_.ButtonFontItalic = textFlag(s, "ButtonFontItalic");
    p_.ButtonForeColor = colour(s, "ButtonForeColor", 0);
    p_.ButtonBackColor = colour(s, "ButtonBackColor", 0);
    // Files without a frame colour draw the frame in the text colour.
    p_.ButtonFrameColor = colour(s, "ButtonFrameColor", -1);
    if (p_.ButtonFrameColor == -1)
        p_.ButtonFrameColor = p_.ButtonForeColor;
    p_.SeparateFrameAndCharColor = numberFlag(s, "SeparateFrameAndCharColor");
    p_.ButtonShadowSize = int32(s, "ButtonShadowSize", 0);
    p_.ButtonShadowIntensity = int32(s, "ButtonShadowIntensity", 5);
    p_.ButtonUseShadowEffect = int32(s, "ButtonUseShadowEffect", 0);
    p_.ButtonGlasTransparency = int32(s, "ButtonGlasTransparency", 5);
    p_.ButtonGlasColorIndex = int32(s, "ButtonGlasColorIndex", 1);
    p_.ButtonUseGlasEffect = int32(s, "ButtonUseGlasEffect", 0);
    p_.ButtonUseHorizEffectLines = int32(s, "ButtonUseHorizEffectLines", 0);
    p_.ButtonHorizEffectLinesWidth = text(s, "ButtonHorizEffectLinesWidth", "80");
    p_.ButtonUseLightEffect = int32(s, "ButtonUseLightEffect", 0);
    p_.ButtonRoundedSurface = int32(s, "ButtonRoundedSurface", 0);
    p_.ButtonAutoSize = int16(s, "ButtonAutoSize", 0);
    p_.UseActiveButtonFrame = int32(s, "UseActiveButtonFrame", 0);
    p_.ActiveButtonFrameColor = colour(s, "ActiveButtonFrameColor", 0);
    readButtons(version, number(s, "NrButtons", 0));

    s = "ButtonTitles";
    p_.ButtonTitle_FontName = text(s, "ButtonTitle_FontName");
    p_.ButtonTitle_FontSize = int16(s, "ButtonTitle_FontSize", 10);
    p_.ButtonTitle_FontBold = numberFlag(s, "ButtonTitle_FontBold");
    p_.ButtonTitle_FontItalic = numberFlag(s, "ButtonTitle_FontItalic");
    p_.ButtonTitle_TextColor = colour(s, "ButtonTitle_TextColor", RgbColour(255, 255, 0));
}

// The first section of that name, compared without case as every lookup does.
const ProfileDocument::Section* firstSection(const ProfileDocument& doc, std::string_view name)
{
    for (const auto& section : doc.sections())
        if (sameAscii(section.name, name))
            return &section;
    return nullptr;
}

// Row number and field of a [ButtonData] key "Button" + n + field key (n written without
// leading zeros, as the writer writes it); false for any other key.
bool splitButtonKey(std::string_view key, int& row, int& field)
{
    constexpr std::string_view prefix = "button";
    if (key.size() <= prefix.size() || !sameAscii(key.substr(0, prefix.size()), prefix))
        return false;
    key.remove_prefix(prefix.size());
    size_t digits = 0;
    row = 0;
    while (digits < key.size() && digits < 4 && key[digits] >= '0' && key[digits] <= '9')
        row = row * 10 + (key[digits++] - '0');
    if (digits == 0 || key[0] == '0')
        return false;
    field = ButtonFieldIndex(key.substr(digits));
    return field >= 0;
}

void Reader::readButtons(const ProjectFileVersion& version, long count)
{
    const int rows = static_cast<int>(std::clamp<long>(count, 0, ButtonListLimit));
    p_.Buttons.clear();
    if (rows == 0)
        return;

    // A full project has some 1 700 keys in [ButtonData]: one pass over its lines places
    // each value at its row and field (the first of equal keys wins, as in every lookup).
    std::vector<std::array<const std::string*, ButtonFieldCount>> found(static_cast<size_t>(rows));
    if (const ProfileDocument::Section* data = firstSection(doc_, "ButtonData")) {
        int row = 0, field = 0;
        for (const auto& entry : data->entries)
            if (splitButtonKey(entry.key, row, field) && row <= rows) {
                const std::string*& slot = found[static_cast<size_t>(row - 1)][static_cast<size_t>(field)];
                if (!slot)
                    slot = &entry.value;
            }
    }

    p_.Buttons.reserve(static_cast<size_t>(rows));
    for (int n = 1; n <= rows; ++n) {
        MenuButton b;
        for (int pos = 0; pos < ButtonFieldCount; ++pos) {
            const ButtonFieldInfo& info = ButtonFieldTable[static_cast<size_t>(pos)];
            const bool absent = (version.OldFormat && pos >= FieldUseMediaPlayer && pos <= FieldRunAsAdministrator) ||
                                (pos == FieldRunProgramMaximized && !version.HasRunMaximized);
            const std::string* value = absent ? nullptr : found[static_cast<size_t>(n - 1)][static_cast<size_t>(pos)];
            std::string& text = b.field(pos);
            const bool caption = pos == FieldText || pos == FieldTip || pos == FieldWaitInfoText;
            if (value && caption)
                text = bufferCut(DecodeUnicodeText(*value, p_.UseUnicode));
            else
                text = value ? bufferCut(*value) : std::string(info.missingValue);
            if (text.empty())
                text = info.missingValue;
        }
        b.Cmd = TranslateLegacyCommand(b.Cmd);
        b.Bmp = ExpandProgramRelativePath(b.Bmp);
        b.SourceFile = ExpandProgramRelativePath(b.SourceFile);
        b.BmpFolder = StripLegacyFolderPrefix(b.BmpFolder);
        b.HoverSoundFolder = StripLegacyFolderPrefix(b.HoverSoundFolder);
        p_.Buttons.push_back(std::move(b));
    }
}

void Reader::readGallerySections()
{
    const char* s = "PictureGallery";
    p_.PGTitle = text(s, "PGTitle");
    p_.PGExtension = text(s, "PGExtension");
    p_.PGBackColor = colour(s, "PGBackColor", 0);
    p_.PGTextColor = colour(s, "PGTextColor", 0);
    p_.PGAlsoForSubWindows = numberFlag(s, "PGAlsoForSubWindows");
    p_.PGWidth = text(s, "PGWidth");
    p_.PHeight = text(s, "PHeight");
    p_.PGShowTextLabels = numberFlag(s, "PGShowTextLabels");
    p_.PGOnClickOnPicture = int16(s, "PGOnClickOnPicture", 0);
    p_.PGOnClickOnPictureExt = text(s, "PGOnClickOnPictureExt");
    p_.PGCloseButtonText = text(s, "PGCloseButtonText");
    p_.PGShowCloseButton = numberFlag(s, "PGShowCloseButton");
    p_.PGPictureSizeManual = numberFlag(s, "PGPictureSizeManual");
    p_.PGPictureSizeHeight = text(s, "PGPictureSizeHeight");
    p_.PGPreviewWin_AllowBrowse = numberFlag(s, "PGPreviewWin_AllowBrowse");
    p_.PGPreviewWin_PrevPicture_Text = text(s, "PGPreviewWin_PrevPicture_Text");
    p_.PGPreviewWin_NextPicture_Text = text(s, "PGPreviewWin_NextPicture_Text");

    s = "Pictures";
    p_.BackgroundPictureSrc = ExpandProgramRelativePath(text(s, "BackgroundPictureSrc"));
    p_.UseBackgroundPictureAsPattern = int16(s, "UseBackgroundPictureAsPattern", 0);
    p_.StretchBackPicture = int16(s, "StretchBackPicture", 0);
    p_.PlaceBackPictureBehindTitle = int16(s, "PlaceBackPictureBehindTitle", 0);
    p_.BkPic_UseUserCoordinates = int16(s, "BkPic_UseUserCoordinates", 0);
    p_.BkPic_UserPosX = int16(s, "BkPic_UserPosX", 0);
    p_.BkPic_UserPosY = int16(s, "BkPic_UserPosY", 0);
    p_.LogotypePictureSrc = ExpandProgramRelativePath(text(s, "LogotypePictureSrc"));
    p_.LogotypeWMFWidth = text(s, "LogotypeWMFWidth", "100");
    p_.LogotypeWMFHeight = text(s, "LogotypeWMFHeight", "100");
    p_.MenuPictureSrc = ExpandProgramRelativePath(text(s, "MenuPictureSrc"));
    p_.MenuPictureWidth = text(s, "MenuPictureWidth");
    p_.MenuPictureHeight = text(s, "MenuPictureHeight");
    p_.StretchMenuPicture = int16(s, "StretchMenuPicture", 0);
    p_.BackgroundPicture_CDFolder = StripLegacyFolderPrefix(text(s, "BackgroundPicture_CDFolder"));
    p_.LogotypePicture_CDFolder = StripLegacyFolderPrefix(text(s, "LogotypePicture_CDFolder"));
    p_.MenuPicture_CDFolder = StripLegacyFolderPrefix(text(s, "MenuPicture_CDFolder"));
    p_.DrawTransparentLogotype = numberFlag(s, "DrawTransparentLogotype");
    p_.TransparentColorI = numberFlag(s, "TransparentColorI");
    p_.PlaceLogotypeToLeft = int16(s, "PlaceLogotypeToLeft", 0);
    p_.LogotypeURL = text(s, "LogotypeURL");
    p_.LogotypeTipText = caption(s, "LogotypeTipText");

    s = "Sound";
    p_.BackgroundSoundSrc = ExpandProgramRelativePath(text(s, "BackgroundSoundSrc"));
    p_.ButtonSoundSrc = ExpandProgramRelativePath(text(s, "ButtonSoundSrc"));
    p_.ButtonHoverSoundSrc = ExpandProgramRelativePath(text(s, "ButtonHoverSoundSrc"));
    p_.BackgroundSound_CDFolder = StripLegacyFolderPrefix(text(s, "BackgroundSound_CDFolder"));
    p_.ButtonSound_CDFolder = text(s, "ButtonSound_CDFolder");
    p_.ButtonHoverSound_CDFolder = StripLegacyFolderPrefix(text(s, "ButtonHoverSound_CDFolder"));
    p_.BackgroundSound_StopWhenPlayMov = int16(s, "BackgroundSound_StopWhenPlayMov", 0);
    p_.BackgroundSound_StopIfNotTopmost = int16(s, "BackgroundSound_StopIfNotTopmost", 0);

    s = "Movie";
    p_.MovieWidth = text(s, "MovieWidth");
    p_.MovieHeight = text(s, "MovieHeight");
    p_.FullScreenMovie = int16(s, "FullScreenMovie", 0);
    p_.MaximizeMovie = int16(s, "MaximizeMovie", 0);
    p_.ReturnToMenuWhenMovieStop = int16(s, "ReturnToMenuWhenMovieStop", 0);
    p_.MovieXOffset = text(s, "MovieXOffset", "0");
    p_.MovieYOffset = text(s, "MovieYOffset", "0");
    p_.MovieWinUseUserBkgColor = int32(s, "MovieWinUseUserBkgColor", 0);
    p_.MovieWinBackColor = colour(s, "MovieWinBackColor", 0);
    p_.MovieWinTitle = text(s, "MovieWinTitle", "0");
    p_.MovieWinCloseCrossLineColor = colour(s, "MovieWinCloseCrossLineColor", DefaultMovieCloseCrossLineColor);
    p_.MovieWinCloseCrossBkgColor = colour(s, "MovieWinCloseCrossBkgColor", DefaultMovieCloseCrossBkgColor);
    p_.MovieWinUseCloseButton = int32(s, "MovieWinUseCloseButton", 0);
    p_.MovieWinUseGrayStdButton = int32(s, "MovieWinUseGrayStdButton", 0);
    p_.MenuMovieFilename = text(s, "MenuMovieFilename");
    p_.MenuMovie_CDFolder = StripLegacyFolderPrefix(text(s, "MenuMovie_CDFolder"));
    p_.MenuMovieWidth = text(s, "MenuMovieWidth");
    if (p_.MenuMovieWidth.empty())
        p_.MenuMovieWidth = "150";
    // These two have always been asked for with a trailing blank; the lookup ignores it.
    p_.MenuMovieHeight = text(s, "MenuMovieHeight ");
    if (p_.MenuMovieHeight.empty())
        p_.MenuMovieHeight = "150";
    p_.RepeatMenuMovie = int16(s, "RepeatMenuMovie", 0);
    p_.ShowMenuPicWhenReady = int16(s, "ShowMenuPicWhenReady ", 0);
}

}  // namespace

ProjectFileVersion ClassifyProjectVersion(std::string_view ver)
{
    ProjectFileVersion v;
    v.Ver = std::string(ver);
    const std::string_view head = ver.substr(0, std::min<size_t>(3, ver.size()));
    const char first = head.empty() ? '\0' : head[0];
    v.NewStyleNumbers = head != "4.0" && head != "4.1" && first != '2' && first != '3';
    v.OldFormat = first >= '2' && first <= '5';
    v.HasRunMaximized = head == "6.7";
    for (std::string_view start : {"7.", "8.", "9.", "10.", "11.", "12."})
        if (head.starts_with(start))
            v.HasRunMaximized = true;
    return v;
}

int ConvertButtonStyle(int style, const ProjectFileVersion& version)
{
    if (style == 13 && !version.NewStyleNumbers)
        style = 14;
    if (version.OldFormat) {
        static constexpr std::array<int, 15> renumbered = {0, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15, 23, 25, 26, 28};
        if (style >= 1 && style <= 14)
            style = renumbered[static_cast<size_t>(style)];
    }
    return style < 1 ? 1 : style;
}

std::string TranslateLegacyCommand(const std::string& cmd)
{
    static const std::array<std::pair<const char*, const char*>, 18> names = {{
        {"Starta program", "Run Program"},
        {"Starta program & Stäng", "Run Program & Close"},
        {"Visa dokument", "Show Document"},
        {"Visa Internet-sida", "Show Internet Page"},
        {"Spela upp film", "Play Movie"},
        {"Spela upp musik", "Play Music"},
        {"Spela upp Flash-animation", "Play Flash Animation"},
        {"Visa RTF-dokument", "Show RTF Document"},
        {"Öppna Excel-fil", "Open Excel File"},
        {"Öppna bildgalleri", "Open Picture Gallery"},
        {"Starta Utforskaren", "Open Folder"},
        {"Run Explorer", "Open Folder"},
        {"Skicka e-post", "Send E-mail"},
        {"Öppna ny meny", "Open New Menu"},
        {"Återvänd till föregående meny", "Return To Previous Menu"},
        {"Återvänd till huvudmeny", "Return To Main Menu"},
        {"Installera StickGuard", "Install StickGuard"},
        {"Avsluta", "Exit"},
    }};
    for (const auto& [old, current] : names)
        if (cmd == old)
            return current;
    return cmd;
}

ProjectFileVersion LoadOptionsFromDocument(MenuProject& project, const ProfileDocument& document)
{
    return Reader(document, project).read();
}

ProjectFileVersion LoadOptionsFromFile(MenuProject& project)
{
    // A file changed on disk since it was last read must be read afresh.
    FlushProfileCache(project.ProjectFilePath);
    return LoadOptionsFromDocument(project, CachedProfile(project.ProjectFilePath));
}

}  // namespace orv
