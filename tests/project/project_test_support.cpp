#include "project/project_test_support.h"

#include <algorithm>

#include "model/project_writer.h"

namespace orv::test {

std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::vector<std::string> sectionLines(const std::string& text, const std::string& section)
{
    std::vector<std::string> out;
    const auto lines = crlfLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != "[" + section + "]")
            continue;
        for (size_t j = i + 1; j < lines.size() && !lines[j].empty(); ++j)
            out.push_back(lines[j]);
        break;
    }
    return out;
}

bool hasSection(const std::string& text, const std::string& section)
{
    for (const auto& line : crlfLines(text))
        if (line == "[" + section + "]")
            return true;
    return false;
}

std::string writtenValue(const std::string& text, const std::string& section, const std::string& key)
{
    const std::string start = key + " = ";
    for (const auto& line : sectionLines(text, section))
        if (line.compare(0, start.size(), start) == 0)
            return line.substr(start.size());
    return "<missing>";
}

std::string withoutDate(const std::string& text)
{
    std::string out;
    bool inDate = false;
    for (const auto& line : crlfLines(text)) {
        if (line.starts_with("["))
            inDate = line == "[DateCreated]";
        if (inDate && line.size() > 4 && line[1] == ' ' && line[2] == '=')
            out += line.substr(0, 4) + "#";
        else
            out += line;
        out += "\r\n";
    }
    return out;
}

namespace {

MenuButton filledButton(int n)
{
    MenuButton b;
    const std::string tag = std::to_string(n);
    for (int pos = 0; pos < ButtonFieldCount; ++pos)
        b.field(pos) = std::string(ButtonFieldTable[static_cast<size_t>(pos)].key) + " " + tag;
    b.Text = "Button " + tag + " & more";
    b.Cmd = "Run Program";
    b.Link = "E:\\Menu\\Files\\Button" + tag + "\\setup.exe";
    b.Bmp = "Z:\\pictures\\b" + tag + ".bmp";
    b.SourceFile = "Z:\\work\\setup" + tag + ".exe";
    b.BmpFolder = "pictures";
    b.HoverSoundFolder = "sounds";
    b.PswProtect = "1";
    b.Psw = "secret" + tag;
    return b;
}

}  // namespace

MenuProject filledProject(int buttons, bool withTitleRow)
{
    MenuProject p;
    p.ProjectFilePath = "Z:\\projects\\full.mnp";
    p.ProjectType = ProjectTypeUSB;
    p.UseUnicode = false;
    p.CoOperateWithPortavoLink = true;
    p.StickGuardSetupFilename = "SG.exe";
    p.StickGuard_CopySetupFileToSubFolder = false;
    p.StickGuardSetupFoldername = "SG";

    p.CreateDestDir = "E:\\Menu";
    p.CDIconSrc = "Z:\\icons\\disc.ico";
    p.AppIconIndex = 4;
    p.DiscLabel = "MY DISC";
    p.DiscActionText = "Open the menu";

    p.Width = "640";
    p.Height = "480";
    p.BackColor = 123456;
    p.BackColor2 = 654321;
    p.ToneDirection = 5;
    p.BlendDepth = "40";
    p.CaptionText = "Caption & Co";
    p.ShowCaption = 0;
    p.ShowMinimizeButton = 1;
    p.ShowBorder = 0;
    p.WindowAlwaysTopmost = 1;
    p.IncludeSocialMediaLogos = 1;
    p.UseWinEffects = 1;
    p.WinFadingSpeed = 7;
    p.WinTransparencyLevel = 20;
    p.UseAutorun = 0;
    p.Registry_HKEY = "HKEY_CURRENT_USER";
    p.Registry_UseHKCUInVista = false;
    p.Registry_SubKey = "Software\\Acme";
    p.Registry_ValueName = "NoMenu";
    p.Registry_Value = "1";

    p.TitleText = "Great Title";
    p.TitleAlignment = 2;
    p.TitleFontName = "Verdana";
    p.TitleFontSize = 30;
    p.TitleFontBold = false;
    p.TitleFontItalic = false;
    p.TitleForeColor = 255;
    p.TitleShadow = 0;
    p.TitleCharInterSpace = "2";
    p.SubTitleText = "Sub title";
    p.SubTitleFontName = "Tahoma";
    p.SubTitleFontSize = 11;
    p.SubTitleFontBold = true;
    p.SubTitleFontItalic = true;
    p.SubTitleColor = 111;
    p.SubTitleCharInterSpace = 1;
    p.UnderlineType = 3;
    p.UnderlineColor1 = 222;
    p.UnderlineColor2 = 333;
    p.UnderlineHeight = 5;
    p.UnderlineTextOnly = 0;
    p.DrawTitleBkgLines = 1;
    p.DrawTitleMetalPlate = 1;
    p.TitleBkgLinesColor = 444;
    p.TitleBkgLinesAdjust = 2;

    p.ButtonWidth = "200";
    p.ButtonHeight = "28";
    p.ButtonStyle = 26;
    p.ButtonAlignment = 4;
    p.ButtonTextAlignment = 3;
    p.ButtonFontName = "Georgia";
    p.ButtonFontSize = 9;
    p.ButtonFontBold = false;
    p.ButtonFontItalic = true;
    p.ButtonForeColor = 555;
    p.ButtonFrameColor = 666;
    p.ButtonBackColor = 777;
    p.SeparateFrameAndCharColor = true;
    p.ButtonShadowSize = 3;
    p.ButtonShadowIntensity = 8;
    p.ButtonUseShadowEffect = 1;
    p.ButtonGlasTransparency = 9;
    p.ButtonGlasColorIndex = 4;
    p.ButtonUseGlasEffect = 1;
    p.ButtonUseHorizEffectLines = 1;
    p.ButtonHorizEffectLinesWidth = "60";
    p.ButtonUseLightEffect = 1;
    p.ButtonRoundedSurface = 1;
    p.ButtonAutoSize = 1;
    p.UseActiveButtonFrame = 0;
    p.ActiveButtonFrameColor = 888;

    for (int n = 1; n <= buttons; ++n)
        p.Buttons.push_back(withTitleRow && n == buttons ? MakeTitleRow("Games") : filledButton(n));

    p.ButtonTitle_FontName = "Courier New";
    p.ButtonTitle_FontSize = 13;
    p.ButtonTitle_FontBold = true;
    p.ButtonTitle_FontItalic = true;
    p.ButtonTitle_TextColor = 999;

    p.PGTitle = "Gallery";
    p.PGExtension = "jpg";
    p.PGBackColor = 1000;
    p.PGTextColor = 1001;
    p.PGAlsoForSubWindows = true;
    p.PGWidth = "700";
    p.PHeight = "500";
    p.PGShowTextLabels = true;
    p.PGOnClickOnPicture = 2;
    p.PGOnClickOnPictureExt = "png";
    p.PGCloseButtonText = "Shut";
    p.PGShowCloseButton = true;
    p.PGPictureSizeManual = true;
    p.PGPictureSizeHeight = "300";
    p.PGPreviewWin_AllowBrowse = true;
    p.PGPreviewWin_PrevPicture_Text = "Back";
    p.PGPreviewWin_NextPicture_Text = "Forward";

    p.BackgroundPictureSrc = "Z:\\pictures\\back.jpg";
    p.UseBackgroundPictureAsPattern = 1;
    p.StretchBackPicture = 1;
    p.PlaceBackPictureBehindTitle = 1;
    p.BkPic_UseUserCoordinates = 1;
    p.BkPic_UserPosX = 12;
    p.BkPic_UserPosY = -4;
    p.LogotypePictureSrc = "Z:\\pictures\\logo.png";
    p.LogotypeWMFWidth = "80";
    p.LogotypeWMFHeight = "90";
    p.MenuPictureSrc = "Z:\\pictures\\menu.gif";
    p.MenuPictureWidth = "120";
    p.MenuPictureHeight = "130";
    p.StretchMenuPicture = 1;
    p.BackgroundPicture_CDFolder = "pictures";
    p.LogotypePicture_CDFolder = "logo";
    p.MenuPicture_CDFolder = "menupic";
    p.DrawTransparentLogotype = true;
    p.TransparentColorI = true;
    p.PlaceLogotypeToLeft = 1;
    p.LogotypeURL = "www.example.com";
    p.LogotypeTipText = "Visit us";

    p.BackgroundSoundSrc = "Z:\\sounds\\back.wav";
    p.ButtonSoundSrc = "Z:\\sounds\\click.wav";
    p.ButtonHoverSoundSrc = "Z:\\sounds\\hover.wav";
    p.BackgroundSound_CDFolder = "sounds";
    p.ButtonSound_CDFolder = "clicks";
    p.ButtonHoverSound_CDFolder = "hover";
    p.BackgroundSound_StopWhenPlayMov = 1;
    p.BackgroundSound_StopIfNotTopmost = 1;

    p.MovieWidth = "800";
    p.MovieHeight = "600";
    p.FullScreenMovie = 1;
    p.MaximizeMovie = 1;
    p.ReturnToMenuWhenMovieStop = 1;
    p.MovieXOffset = "10";
    p.MovieYOffset = "20";
    p.MovieWinUseUserBkgColor = 1;
    p.MovieWinBackColor = 1234;
    p.MovieWinTitle = "Movie";
    p.MovieWinCloseCrossLineColor = 2345;
    p.MovieWinCloseCrossBkgColor = 3456;
    p.MovieWinUseCloseButton = 1;
    p.MovieWinUseGrayStdButton = 1;
    p.MenuMovieFilename = "Z:\\movies\\intro.avi";
    p.MenuMovie_CDFolder = "movies";
    p.MenuMovieWidth = "160";
    p.MenuMovieHeight = "120";
    p.RepeatMenuMovie = 1;
    p.ShowMenuPicWhenReady = 1;

    p.CompanyName = "Acme";
    p.ProductName = "Acme Disc";
    p.Description = "Demo";
    p.ProductVersion = "1.2";
    p.LastCreationDate = "2018-03-07";
    p.Comments = "None";
    p.ButtonOK_Text = "Fine";
    p.ButtonClose_Text = "Shut";
    RefreshProjectCaptions(p);
    return p;
}

void alignFileState(MenuProject& project, const MenuProject& like)
{
    project.ProjectFilePath = like.ProjectFilePath;
    project.Modified = like.Modified;
    project.FileNameColumnHeading = like.FileNameColumnHeading;
}

std::string describeDifference(const MenuProject& a, const MenuProject& b)
{
    std::string out;
    const auto la = crlfLines(withoutDate(StoreOptionsToText(a, false, false, false)));
    const auto lb = crlfLines(withoutDate(StoreOptionsToText(b, false, false, false)));
    for (size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "<none>";
        const std::string y = i < lb.size() ? lb[i] : "<none>";
        if (x != y)
            out += "\n  " + x + "  <>  " + y;
    }
    if (a.UseUnicode != b.UseUnicode)
        out += "\n  UseUnicode differs";
    if (a.ProjectType != b.ProjectType || a.FileNameColumnHeading != b.FileNameColumnHeading)
        out += "\n  project type or heading differs";
    if (a.CoOperateWithPortavoLink != b.CoOperateWithPortavoLink ||
        a.StickGuardSetupFilename != b.StickGuardSetupFilename ||
        a.StickGuard_CopySetupFileToSubFolder != b.StickGuard_CopySetupFileToSubFolder ||
        a.StickGuardSetupFoldername != b.StickGuardSetupFoldername)
        out += "\n  Portavo values differ";
    if (a.Buttons.size() != b.Buttons.size())
        out += "\n  button count differs";
    for (size_t n = 0; n < std::min(a.Buttons.size(), b.Buttons.size()); ++n)
        for (int pos = 0; pos < ButtonFieldCount; ++pos)
            if (a.Buttons[n].field(pos) != b.Buttons[n].field(pos))
                out += "\n  button " + std::to_string(n + 1) + " " + ButtonFieldTable[static_cast<size_t>(pos)].key +
                       ": " + a.Buttons[n].field(pos) + "  <>  " + b.Buttons[n].field(pos);
    return out;
}

ProjectTest::ProjectTest()
{
    Siblings() = SiblingProducts{};
    FontFilesListed() = false;
}

ProjectTest::~ProjectTest()
{
    Siblings() = SiblingProducts{};
    FontFilesListed() = false;
}

}  // namespace orv::test
