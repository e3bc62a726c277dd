#include "model/project_fields.h"

#include <array>
#include <stdexcept>

#include "model/profile_names.h"

namespace orv {

namespace {

using S = ProjectSection;
using K = FieldKind;
using P = MenuProject;

constexpr std::array<const char*, 23> sectionNames = {
    "Create",   "CDIcon",         "AppIcon",       "ExtraProperties", "ProjectType",      "PortavoLink",
    "CharacterEncoding", "MainWindow", "WinEffects", "Autorun",       "NoStartCondition", "Title",
    "SubTitle", "TitleUnderline", "TitleBkgLines", "Buttons",         "ButtonTitles",     "PictureGallery",
    "Pictures", "Sound",          "Movie",         "Text",            "Version",
};

ProjectField text(S s, const char* key, std::string P::*m, K kind = K::Text, const char* def = "")
{
    ProjectField f{s, key, kind};
    f.text = m;
    f.textDefault = def;
    return f;
}

// A text that takes its default when it is missing and when it is empty.
ProjectField textOr(S s, const char* key, std::string P::*m, K kind, const char* def)
{
    ProjectField f = text(s, key, m, kind, def);
    f.emptyTakesDefault = true;
    return f;
}

ProjectField numberText(S s, const char* key, std::string P::*m, const char* def = "", int low = 0, int high = 0)
{
    ProjectField f = text(s, key, m, K::NumberText, def);
    f.low = low;
    f.high = high;
    return f;
}

ProjectField int16(S s, const char* key, std::int16_t P::*m, long def = 0, int low = 0, int high = 0)
{
    ProjectField f{s, key, K::Int16};
    f.int16 = m;
    f.numberDefault = def;
    f.low = low;
    f.high = high;
    return f;
}

ProjectField alignment(S s, const char* key, std::int16_t P::*m, int high)
{
    ProjectField f = int16(s, key, m, 1, 1, high);
    f.kind = K::Alignment;
    return f;
}

ProjectField int32(S s, const char* key, std::int32_t P::*m, long def = 0, int low = 0, int high = 0)
{
    ProjectField f{s, key, K::Int32};
    f.int32 = m;
    f.numberDefault = def;
    f.low = low;
    f.high = high;
    return f;
}

ProjectField colour(S s, const char* key, Colour P::*m, long def = 0)
{
    ProjectField f = int32(s, key, m, def);
    f.kind = K::Colour;
    return f;
}

ProjectField flag(S s, const char* key, bool P::*m, K kind, long def = 0)
{
    ProjectField f{s, key, kind};
    f.flag = m;
    f.numberDefault = def;
    return f;
}

// Font sizes the menu program draws.
constexpr int fontLow = 1, fontHigh = 400;

std::vector<ProjectField> makeFields()
{
    return {
        text(S::Create, "CreateDestDir", &P::CreateDestDir),
        text(S::CDIcon, "CDIconSrc", &P::CDIconSrc),
        int16(S::AppIcon, "AppIconIndex", &P::AppIconIndex, 1, 1, 8),
        text(S::ExtraProperties, "DiscLabel", &P::DiscLabel),
        text(S::ExtraProperties, "DiscActionText", &P::DiscActionText),
        int16(S::ProjectType, "ProjectType", &P::ProjectType, ProjectTypeCD, ProjectTypeCD, ProjectTypeUSB),
        flag(S::PortavoLink, "CoOperateWithPortavoLink", &P::CoOperateWithPortavoLink, K::NumberFlag),
        text(S::PortavoLink, "StickGuardSetupFilename", &P::StickGuardSetupFilename),
        flag(S::PortavoLink, "StickGuard_CopySetupFileToSubFolder", &P::StickGuard_CopySetupFileToSubFolder,
             K::NumberFlag),
        text(S::PortavoLink, "StickGuardSetupFoldername", &P::StickGuardSetupFoldername),
        flag(S::CharacterEncoding, "UseUnicode", &P::UseUnicode, K::NumberFlag),

        numberText(S::MainWindow, "Width", &P::Width, "", 50, 10000),
        numberText(S::MainWindow, "Height", &P::Height, "", 50, 10000),
        colour(S::MainWindow, "BackColor", &P::BackColor),
        colour(S::MainWindow, "BackColor2", &P::BackColor2),
        int16(S::MainWindow, "ToneDirection", &P::ToneDirection),
        numberText(S::MainWindow, "BlendDepth", &P::BlendDepth, "", 0, 100),
        text(S::MainWindow, "CaptionText", &P::CaptionText),
        int16(S::MainWindow, "ShowCaption", &P::ShowCaption),
        int16(S::MainWindow, "ShowMinimizeButton", &P::ShowMinimizeButton),
        int16(S::MainWindow, "ShowBorder", &P::ShowBorder),
        int16(S::MainWindow, "WindowAlwaysTopmost", &P::WindowAlwaysTopmost),
        int16(S::MainWindow, "IncludeSocialMediaLogos", &P::IncludeSocialMediaLogos),
        int32(S::WinEffects, "UseWinEffects", &P::UseWinEffects),
        int16(S::WinEffects, "WinFadingSpeed", &P::WinFadingSpeed, 4),
        int16(S::WinEffects, "WinTransparencyLevel", &P::WinTransparencyLevel),
        int16(S::Autorun, "UseAutorun", &P::UseAutorun),
        text(S::NoStartCondition, "Registry_HKEY", &P::Registry_HKEY),
        flag(S::NoStartCondition, "Registry_UseHKCUInVista", &P::Registry_UseHKCUInVista, K::NonZeroFlag, 1),
        text(S::NoStartCondition, "Registry_SubKey", &P::Registry_SubKey),
        text(S::NoStartCondition, "Registry_ValueName", &P::Registry_ValueName),
        text(S::NoStartCondition, "Registry_Value", &P::Registry_Value),

        text(S::Title, "TitleText", &P::TitleText, K::Caption),
        alignment(S::Title, "TitleAlignment", &P::TitleAlignment, 3),
        text(S::Title, "TitleFontName", &P::TitleFontName),
        int16(S::Title, "TitleFontSize", &P::TitleFontSize, 10, fontLow, fontHigh),
        flag(S::Title, "TitleFontBold", &P::TitleFontBold, K::TextFlag),
        flag(S::Title, "TitleFontItalic", &P::TitleFontItalic, K::TextFlag),
        colour(S::Title, "TitleForeColor", &P::TitleForeColor),
        int16(S::Title, "TitleShadow", &P::TitleShadow),
        numberText(S::Title, "TitleCharInterSpace", &P::TitleCharInterSpace, "", 0, 100),
        text(S::SubTitle, "SubTitleText", &P::SubTitleText, K::Caption),
        textOr(S::SubTitle, "SubTitleFontName", &P::SubTitleFontName, K::Text, "Arial"),
        int16(S::SubTitle, "SubTitleFontSize", &P::SubTitleFontSize, 14, fontLow, fontHigh),
        flag(S::SubTitle, "SubTitleFontBold", &P::SubTitleFontBold, K::TextFlag),
        flag(S::SubTitle, "SubTitleFontItalic", &P::SubTitleFontItalic, K::TextFlag),
        colour(S::SubTitle, "SubTitleColor", &P::SubTitleColor, RgbColour(255, 128, 128)),
        int32(S::SubTitle, "SubTitleCharInterSpace", &P::SubTitleCharInterSpace, 0, 0, 100),
        int16(S::TitleUnderline, "UnderlineType", &P::UnderlineType),
        colour(S::TitleUnderline, "UnderlineColor1", &P::UnderlineColor1),
        colour(S::TitleUnderline, "UnderlineColor2", &P::UnderlineColor2),
        int16(S::TitleUnderline, "UnderlineHeight", &P::UnderlineHeight, 3),
        int16(S::TitleUnderline, "UnderlineTextOnly", &P::UnderlineTextOnly, 1),
        int16(S::TitleBkgLines, "DrawTitleBkgLines", &P::DrawTitleBkgLines),
        int16(S::TitleBkgLines, "DrawTitleMetalPlate", &P::DrawTitleMetalPlate),
        colour(S::TitleBkgLines, "TitleBkgLinesColor", &P::TitleBkgLinesColor, RgbColour(0, 128, 0)),
        int16(S::TitleBkgLines, "TitleBkgLinesAdjust", &P::TitleBkgLinesAdjust),

        numberText(S::Buttons, "ButtonWidth", &P::ButtonWidth, "", 10, 5000),
        numberText(S::Buttons, "ButtonHeight", &P::ButtonHeight, "", 8, 2000),
        int16(S::Buttons, "ButtonStyle", &P::ButtonStyle, 1, 1, ButtonStyleCount),
        alignment(S::Buttons, "ButtonAlignment", &P::ButtonAlignment, 4),
        alignment(S::Buttons, "ButtonTextAlignment", &P::ButtonTextAlignment, 3),
        text(S::Buttons, "ButtonFontName", &P::ButtonFontName),
        int16(S::Buttons, "ButtonFontSize", &P::ButtonFontSize, 10, fontLow, fontHigh),
        flag(S::Buttons, "ButtonFontBold", &P::ButtonFontBold, K::TextFlag),
        flag(S::Buttons, "ButtonFontItalic", &P::ButtonFontItalic, K::TextFlag),
        colour(S::Buttons, "ButtonForeColor", &P::ButtonForeColor),
        // -1: none in the file; the reader then takes the text colour.
        colour(S::Buttons, "ButtonFrameColor", &P::ButtonFrameColor, -1),
        colour(S::Buttons, "ButtonBackColor", &P::ButtonBackColor),
        flag(S::Buttons, "SeparateFrameAndCharColor", &P::SeparateFrameAndCharColor, K::NumberFlag),
        int32(S::Buttons, "ButtonShadowSize", &P::ButtonShadowSize),
        int32(S::Buttons, "ButtonShadowIntensity", &P::ButtonShadowIntensity, 5),
        int32(S::Buttons, "ButtonUseShadowEffect", &P::ButtonUseShadowEffect),
        int32(S::Buttons, "ButtonGlasTransparency", &P::ButtonGlasTransparency, 5),
        int32(S::Buttons, "ButtonGlasColorIndex", &P::ButtonGlasColorIndex, 1),
        int32(S::Buttons, "ButtonUseGlasEffect", &P::ButtonUseGlasEffect),
        int32(S::Buttons, "ButtonUseHorizEffectLines", &P::ButtonUseHorizEffectLines),
        numberText(S::Buttons, "ButtonHorizEffectLinesWidth", &P::ButtonHorizEffectLinesWidth, "80"),
        int32(S::Buttons, "ButtonUseLightEffect", &P::ButtonUseLightEffect),
        int32(S::Buttons, "ButtonRoundedSurface", &P::ButtonRoundedSurface),
        int16(S::Buttons, "ButtonAutoSize", &P::ButtonAutoSize),
        int32(S::Buttons, "UseActiveButtonFrame", &P::UseActiveButtonFrame),
        colour(S::Buttons, "ActiveButtonFrameColor", &P::ActiveButtonFrameColor),
        text(S::ButtonTitles, "ButtonTitle_FontName", &P::ButtonTitle_FontName),
        int16(S::ButtonTitles, "ButtonTitle_FontSize", &P::ButtonTitle_FontSize, 10, fontLow, fontHigh),
        flag(S::ButtonTitles, "ButtonTitle_FontBold", &P::ButtonTitle_FontBold, K::NumberFlag),
        flag(S::ButtonTitles, "ButtonTitle_FontItalic", &P::ButtonTitle_FontItalic, K::NumberFlag),
        colour(S::ButtonTitles, "ButtonTitle_TextColor", &P::ButtonTitle_TextColor, RgbColour(255, 255, 0)),

        text(S::PictureGallery, "PGTitle", &P::PGTitle),
        text(S::PictureGallery, "PGExtension", &P::PGExtension),
        colour(S::PictureGallery, "PGBackColor", &P::PGBackColor),
        colour(S::PictureGallery, "PGTextColor", &P::PGTextColor),
        flag(S::PictureGallery, "PGAlsoForSubWindows", &P::PGAlsoForSubWindows, K::NumberFlag),
        numberText(S::PictureGallery, "PGWidth", &P::PGWidth),
        numberText(S::PictureGallery, "PHeight", &P::PHeight),
        flag(S::PictureGallery, "PGShowTextLabels", &P::PGShowTextLabels, K::NumberFlag),
        int16(S::PictureGallery, "PGOnClickOnPicture", &P::PGOnClickOnPicture),
        text(S::PictureGallery, "PGOnClickOnPictureExt", &P::PGOnClickOnPictureExt),
        text(S::PictureGallery, "PGCloseButtonText", &P::PGCloseButtonText),
        flag(S::PictureGallery, "PGShowCloseButton", &P::PGShowCloseButton, K::NumberFlag),
        flag(S::PictureGallery, "PGPictureSizeManual", &P::PGPictureSizeManual, K::NumberFlag),
        numberText(S::PictureGallery, "PGPictureSizeHeight", &P::PGPictureSizeHeight),
        flag(S::PictureGallery, "PGPreviewWin_AllowBrowse", &P::PGPreviewWin_AllowBrowse, K::NumberFlag),
        text(S::PictureGallery, "PGPreviewWin_PrevPicture_Text", &P::PGPreviewWin_PrevPicture_Text),
        text(S::PictureGallery, "PGPreviewWin_NextPicture_Text", &P::PGPreviewWin_NextPicture_Text),

        text(S::Pictures, "BackgroundPictureSrc", &P::BackgroundPictureSrc, K::Path),
        int16(S::Pictures, "UseBackgroundPictureAsPattern", &P::UseBackgroundPictureAsPattern),
        int16(S::Pictures, "StretchBackPicture", &P::StretchBackPicture),
        int16(S::Pictures, "PlaceBackPictureBehindTitle", &P::PlaceBackPictureBehindTitle),
        int16(S::Pictures, "BkPic_UseUserCoordinates", &P::BkPic_UseUserCoordinates),
        int16(S::Pictures, "BkPic_UserPosX", &P::BkPic_UserPosX),
        int16(S::Pictures, "BkPic_UserPosY", &P::BkPic_UserPosY),
        text(S::Pictures, "LogotypePictureSrc", &P::LogotypePictureSrc, K::Path),
        numberText(S::Pictures, "LogotypeWMFWidth", &P::LogotypeWMFWidth, "100"),
        numberText(S::Pictures, "LogotypeWMFHeight", &P::LogotypeWMFHeight, "100"),
        text(S::Pictures, "MenuPictureSrc", &P::MenuPictureSrc, K::Path),
        numberText(S::Pictures, "MenuPictureWidth", &P::MenuPictureWidth),
        numberText(S::Pictures, "MenuPictureHeight", &P::MenuPictureHeight),
        int16(S::Pictures, "StretchMenuPicture", &P::StretchMenuPicture),
        text(S::Pictures, "BackgroundPicture_CDFolder", &P::BackgroundPicture_CDFolder, K::Folder),
        text(S::Pictures, "LogotypePicture_CDFolder", &P::LogotypePicture_CDFolder, K::Folder),
        text(S::Pictures, "MenuPicture_CDFolder", &P::MenuPicture_CDFolder, K::Folder),
        flag(S::Pictures, "DrawTransparentLogotype", &P::DrawTransparentLogotype, K::NumberFlag),
        flag(S::Pictures, "TransparentColorI", &P::TransparentColorI, K::NumberFlag),
        int16(S::Pictures, "PlaceLogotypeToLeft", &P::PlaceLogotypeToLeft),
        text(S::Pictures, "LogotypeURL", &P::LogotypeURL),
        text(S::Pictures, "LogotypeTipText", &P::LogotypeTipText, K::Caption),

        text(S::Sound, "BackgroundSoundSrc", &P::BackgroundSoundSrc, K::Path),
        text(S::Sound, "ButtonSoundSrc", &P::ButtonSoundSrc, K::Path),
        text(S::Sound, "ButtonHoverSoundSrc", &P::ButtonHoverSoundSrc, K::Path),
        text(S::Sound, "BackgroundSound_CDFolder", &P::BackgroundSound_CDFolder, K::Folder),
        text(S::Sound, "ButtonSound_CDFolder", &P::ButtonSound_CDFolder),  // always read as it stands
        text(S::Sound, "ButtonHoverSound_CDFolder", &P::ButtonHoverSound_CDFolder, K::Folder),
        int16(S::Sound, "BackgroundSound_StopWhenPlayMov", &P::BackgroundSound_StopWhenPlayMov),
        int16(S::Sound, "BackgroundSound_StopIfNotTopmost", &P::BackgroundSound_StopIfNotTopmost),

        numberText(S::Movie, "MovieWidth", &P::MovieWidth),
        numberText(S::Movie, "MovieHeight", &P::MovieHeight),
        int16(S::Movie, "FullScreenMovie", &P::FullScreenMovie),
        int16(S::Movie, "MaximizeMovie", &P::MaximizeMovie),
        int16(S::Movie, "ReturnToMenuWhenMovieStop", &P::ReturnToMenuWhenMovieStop),
        numberText(S::Movie, "MovieXOffset", &P::MovieXOffset, "0"),
        numberText(S::Movie, "MovieYOffset", &P::MovieYOffset, "0"),
        int32(S::Movie, "MovieWinUseUserBkgColor", &P::MovieWinUseUserBkgColor),
        colour(S::Movie, "MovieWinBackColor", &P::MovieWinBackColor),
        text(S::Movie, "MovieWinTitle", &P::MovieWinTitle, K::Text, "0"),
        colour(S::Movie, "MovieWinCloseCrossLineColor", &P::MovieWinCloseCrossLineColor,
               DefaultMovieCloseCrossLineColor),
        colour(S::Movie, "MovieWinCloseCrossBkgColor", &P::MovieWinCloseCrossBkgColor, DefaultMovieCloseCrossBkgColor),
        int32(S::Movie, "MovieWinUseCloseButton", &P::MovieWinUseCloseButton),
        int32(S::Movie, "MovieWinUseGrayStdButton", &P::MovieWinUseGrayStdButton),
        text(S::Movie, "MenuMovieFilename", &P::MenuMovieFilename),  // never below the editor's folder
        text(S::Movie, "MenuMovie_CDFolder", &P::MenuMovie_CDFolder, K::Folder),
        textOr(S::Movie, "MenuMovieWidth", &P::MenuMovieWidth, K::NumberText, "150"),
        textOr(S::Movie, "MenuMovieHeight", &P::MenuMovieHeight, K::NumberText, "150"),
        int16(S::Movie, "RepeatMenuMovie", &P::RepeatMenuMovie),
        int16(S::Movie, "ShowMenuPicWhenReady", &P::ShowMenuPicWhenReady),

        textOr(S::Text, "ButtonOK_Text", &P::ButtonOK_Text, K::Text, "OK"),
        textOr(S::Text, "ButtonClose_Text", &P::ButtonClose_Text, K::Text, "Close"),

        text(S::Version, "CompanyName", &P::CompanyName),
        text(S::Version, "ProductName", &P::ProductName),
        text(S::Version, "Description", &P::Description),
        text(S::Version, "ProductVersion", &P::ProductVersion),
        text(S::Version, "LastCreationDate", &P::LastCreationDate),
        text(S::Version, "Comments", &P::Comments),
    };
}

template <typename Member>
const ProjectField& rowOf(Member member, Member ProjectField::*slot)
{
    for (const ProjectField& f : ProjectFields())
        if (f.*slot == member)
            return f;
    throw std::logic_error("a MenuProject member without a project key");
}

}  // namespace

const char* SectionName(ProjectSection section) { return sectionNames[static_cast<size_t>(section)]; }

const std::vector<ProjectField>& ProjectFields()
{
    static const std::vector<ProjectField> fields = makeFields();
    return fields;
}

const ProjectField& ProjectFieldOf(std::string MenuProject::*member) { return rowOf(member, &ProjectField::text); }
const ProjectField& ProjectFieldOf(std::int16_t MenuProject::*member) { return rowOf(member, &ProjectField::int16); }
const ProjectField& ProjectFieldOf(std::int32_t MenuProject::*member) { return rowOf(member, &ProjectField::int32); }
const ProjectField& ProjectFieldOf(bool MenuProject::*member) { return rowOf(member, &ProjectField::flag); }

bool SameFieldValue(const ProjectField& f, const MenuProject& a, const MenuProject& b)
{
    if (f.text)
        return a.*f.text == b.*f.text;
    if (f.int16)
        return a.*f.int16 == b.*f.int16;
    if (f.int32)
        return a.*f.int32 == b.*f.int32;
    return a.*f.flag == b.*f.flag;
}

void CopyFieldValue(const ProjectField& f, const MenuProject& from, MenuProject& to)
{
    if (f.text)
        to.*f.text = from.*f.text;
    else if (f.int16)
        to.*f.int16 = from.*f.int16;
    else if (f.int32)
        to.*f.int32 = from.*f.int32;
    else
        to.*f.flag = from.*f.flag;
}

bool IsProjectSectionName(std::string_view name)
{
    // Compared as the profile parser compares names.
    auto same = [name](std::string_view known) { return detail::sameName(name, known); };
    for (const char* known : sectionNames)
        if (same(known))
            return true;
    for (const char* known : {OriginSectionName, IdSectionName, DateCreatedSectionName, ExeFilenameSectionName,
                              ButtonDataSectionName, FontsSectionName, ShowDocTextSectionName, PdfSectionName,
                              RtfPrintSectionName, SocialMediaSectionName})
        if (same(known))
            return true;
    return false;
}

std::string ButtonKey(int n, std::string_view field)
{
    std::string key = ButtonKeyPrefix + std::to_string(n);
    key += field;
    return key;
}

}  // namespace orv
