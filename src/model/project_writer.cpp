#include "model/project_writer.h"

#include "model/scramble.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "model/unicode_text.h"
#include "platform/crypto.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/text_case.h"

namespace orv {

bool& FontFilesListed()
{
    static bool listed = false;
    return listed;
}

namespace {

// A verifier of a button's password for the menu description file (empty without the
// encryption service).
std::string passwordVerifier(const std::string& password)
{
    platform::Crypto* crypto = platform::services().crypto;
    return crypto ? crypto->CryPasswordVerifier(password) : std::string();
}

// One write of the file: the switches and the rules they imply.
class FileWriter {
public:
    FileWriter(const MenuProject& project, ProfileWriter& out, bool addFonts, bool menuFile, bool subMenu)
        : p_(project), out_(out), addFonts_(addFonts), menuFile_(menuFile), subMenu_(subMenu)
    {
    }

    void write();

private:
    // Text rule 2: the UNICODE: encoding while the project asks for it.
    std::string encoded(std::string_view text) const
    {
        return p_.UseUnicode ? EncodeUnicodeText(text) : std::string(text);
    }
    // Text rules 1 and 2: encoded, or with " & " doubled in a menu description file.
    std::string caption(std::string_view text, bool ampersandRule) const
    {
        if (p_.UseUnicode)
            return EncodeUnicodeText(text);
        return EscapeAmpersands(std::string(text), menuFile_ && ampersandRule);
    }

    void origin();
    void projectSections();
    void windowSections();
    void titleSections();
    void buttonSections();
    void buttonEntry(int n, const MenuButton& b);
    void gallerySections();
    void fontSection();
    void fontEntries(const char* prefix, const std::string& fontName);
    void editorWideSections();

    const MenuProject& p_;
    ProfileWriter& out_;
    bool addFonts_, menuFile_, subMenu_;
};

void FileWriter::write()
{
    origin();
    projectSections();
    windowSections();
    titleSections();
    buttonSections();
    gallerySections();
    if (addFonts_)
        fontSection();
    editorWideSections();
    out_.section("Version");
    out_.value("CompanyName", p_.CompanyName);
    out_.value("ProductName", p_.ProductName);
    out_.value("Description", p_.Description);
    out_.value("ProductVersion", p_.ProductVersion);
    out_.value("LastCreationDate", p_.LastCreationDate);
    out_.value("Comments", p_.Comments);
    out_.endSection();
    out_.line(EndOfFileLine);
    out_.line("");
}

void FileWriter::origin()
{
    out_.section("Origin");
    out_.value("Info", OriginInfo);
    out_.value("Ver", std::to_string(EditorVersionMajor) + "." + std::to_string(EditorVersionMinor) + "." +
                          std::to_string(EditorVersionRevision));
    out_.value("Lng", OriginLanguage);
    out_.value("URL", MakerURL);
    out_.section("ID");
    out_.value("AppID", EditorAppID);
    const CalendarDate today = Today();
    out_.section("DateCreated");
    out_.value("Y", static_cast<long>(today.year));
    out_.value("M", static_cast<long>(today.month));
    out_.value("D", static_cast<long>(today.day));
}

void FileWriter::projectSections()
{
    out_.section("Create");
    out_.value("CreateDestDir", subMenu_ ? p_.Wizard.DestDir : p_.CreateDestDir);
    out_.section("CDIcon");
    out_.value("CDIconSrc", p_.CDIconSrc);
    out_.section("AppIcon");
    out_.value("AppIconIndex", static_cast<long>(p_.AppIconIndex));
    if (menuFile_) {
        const EditorOptions& options = Options();
        out_.section("ExeFilename");
        out_.value("ExeFilename", p_.isUsbProject() ? options.USBStickExeFileName : options.CDExeFileName);
    }
    out_.section("ExtraProperties");
    out_.value("DiscLabel", p_.DiscLabel);
    out_.value("DiscActionText", p_.DiscActionText);
    out_.section("ProjectType");
    out_.value("ProjectType", static_cast<long>(p_.ProjectType));

    const SiblingProducts& siblings = Siblings();
    if (siblings.PortavoInstalled && !subMenu_ && !(menuFile_ && siblings.PortavoCompactOffice)) {
        out_.section("PortavoLink");
        out_.flag("CoOperateWithPortavoLink", p_.CoOperateWithPortavoLink);
        out_.value("StickGuardSetupFilename", p_.StickGuardSetupFilename);
        out_.flag("StickGuard_CopySetupFileToSubFolder", p_.StickGuard_CopySetupFileToSubFolder);
        out_.value("StickGuardSetupFoldername", p_.StickGuardSetupFoldername);
    }
    out_.section("CharacterEncoding");
    out_.flag("UseUnicode", p_.UseUnicode);
}

void FileWriter::windowSections()
{
    out_.section("MainWindow");
    out_.value("Width", p_.Width);
    out_.value("Height", p_.Height);
    out_.value("BackColor", static_cast<long>(p_.BackColor));
    out_.value("BackColor2", static_cast<long>(p_.BackColor2));
    out_.value("ToneDirection", static_cast<long>(p_.ToneDirection));
    out_.value("BlendDepth", p_.BlendDepth.empty() ? std::string("100") : p_.BlendDepth);
    out_.value("CaptionText", subMenu_ ? p_.Wizard.CaptionText : p_.CaptionText);
    out_.value("ShowCaption", static_cast<long>(p_.ShowCaption));
    out_.value("ShowMinimizeButton", static_cast<long>(p_.ShowMinimizeButton));
    out_.value("ShowBorder", static_cast<long>(p_.ShowBorder));
    out_.value("WindowAlwaysTopmost", static_cast<long>(p_.WindowAlwaysTopmost));
    out_.value("IncludeSocialMediaLogos", static_cast<long>(p_.IncludeSocialMediaLogos));

    out_.section("WinEffects");
    out_.value("UseWinEffects", static_cast<long>(p_.UseWinEffects));
    out_.value("WinFadingSpeed", static_cast<long>(p_.WinFadingSpeed));
    out_.value("WinTransparencyLevel", static_cast<long>(p_.WinTransparencyLevel));

    out_.section("Autorun");
    out_.value("UseAutorun", subMenu_ ? 0L : static_cast<long>(p_.UseAutorun));

    out_.section("NoStartCondition");
    out_.value("Registry_HKEY", p_.Registry_HKEY);
    out_.flag("Registry_UseHKCUInVista", p_.Registry_UseHKCUInVista);
    out_.value("Registry_SubKey", p_.Registry_SubKey);
    out_.value("Registry_ValueName", p_.Registry_ValueName);
    out_.value("Registry_Value", p_.Registry_Value);
}

void FileWriter::titleSections()
{
    // A title spaced out character by character is drawn letter by letter, so its
    // ampersands are never accelerator marks.
    out_.section("Title");
    out_.value("TitleText", caption(subMenu_ ? p_.Wizard.TitleText : p_.TitleText, p_.TitleCharInterSpace == "0"));
    out_.value("TitleAlignment", static_cast<long>(p_.TitleAlignment));
    out_.value("TitleFontName", p_.TitleFontName);
    out_.value("TitleFontSize", static_cast<long>(p_.TitleFontSize));
    out_.flag("TitleFontBold", p_.TitleFontBold);
    out_.flag("TitleFontItalic", p_.TitleFontItalic);
    out_.value("TitleForeColor", static_cast<long>(p_.TitleForeColor));
    out_.value("TitleShadow", static_cast<long>(p_.TitleShadow));
    out_.value("TitleCharInterSpace", p_.TitleCharInterSpace);

    out_.section("SubTitle");
    out_.value("SubTitleText", caption(p_.SubTitleText, p_.SubTitleCharInterSpace == 0));
    out_.value("SubTitleFontName", p_.SubTitleFontName);
    out_.value("SubTitleFontSize", static_cast<long>(p_.SubTitleFontSize));
    out_.flag("SubTitleFontBold", p_.SubTitleFontBold);
    out_.flag("SubTitleFontItalic", p_.SubTitleFontItalic);
    out_.value("SubTitleColor", static_cast<long>(p_.SubTitleColor));
    out_.value("SubTitleCharInterSpace", static_cast<long>(p_.SubTitleCharInterSpace));

    out_.section("TitleUnderline");
    out_.value("UnderlineType", static_cast<long>(p_.UnderlineType));
    out_.value("UnderlineColor1", static_cast<long>(p_.UnderlineColor1));
    out_.value("UnderlineColor2", static_cast<long>(p_.UnderlineColor2));
    out_.value("UnderlineHeight", static_cast<long>(p_.UnderlineHeight));
    out_.value("UnderlineTextOnly", static_cast<long>(p_.UnderlineTextOnly));

    out_.section("TitleBkgLines");
    out_.value("DrawTitleBkgLines", static_cast<long>(p_.DrawTitleBkgLines));
    out_.value("DrawTitleMetalPlate", static_cast<long>(p_.DrawTitleMetalPlate));
    out_.value("TitleBkgLinesColor", static_cast<long>(p_.TitleBkgLinesColor));
    out_.value("TitleBkgLinesAdjust", static_cast<long>(p_.TitleBkgLinesAdjust));
}

void FileWriter::buttonSections()
{
    const int count = subMenu_ ? p_.Wizard.usedCount() : static_cast<int>(p_.Buttons.size());

    out_.section("Buttons");
    out_.value("ButtonWidth", p_.ButtonWidth);
    out_.value("ButtonHeight", p_.ButtonHeight);
    out_.value("ButtonStyle", static_cast<long>(p_.ButtonStyle));
    out_.value("ButtonAlignment", static_cast<long>(p_.ButtonAlignment));
    out_.value("ButtonTextAlignment", static_cast<long>(p_.ButtonTextAlignment));
    out_.value("ButtonFontName", p_.ButtonFontName);
    out_.value("ButtonFontSize", static_cast<long>(p_.ButtonFontSize));
    out_.flag("ButtonFontBold", p_.ButtonFontBold);
    out_.flag("ButtonFontItalic", p_.ButtonFontItalic);
    out_.value("ButtonForeColor", static_cast<long>(p_.ButtonForeColor));
    out_.value("ButtonFrameColor", static_cast<long>(p_.ButtonFrameColor));
    out_.value("ButtonBackColor", static_cast<long>(p_.ButtonBackColor));
    out_.flag("SeparateFrameAndCharColor", p_.SeparateFrameAndCharColor);
    out_.value("ButtonShadowSize", static_cast<long>(p_.ButtonShadowSize));
    out_.value("ButtonShadowIntensity", static_cast<long>(p_.ButtonShadowIntensity));
    out_.value("ButtonUseShadowEffect", static_cast<long>(p_.ButtonUseShadowEffect));
    out_.value("ButtonGlasTransparency", static_cast<long>(p_.ButtonGlasTransparency));
    out_.value("ButtonGlasColorIndex", static_cast<long>(p_.ButtonGlasColorIndex));
    out_.value("ButtonUseGlasEffect", static_cast<long>(p_.ButtonUseGlasEffect));
    out_.value("ButtonUseHorizEffectLines", static_cast<long>(p_.ButtonUseHorizEffectLines));
    out_.value("ButtonHorizEffectLinesWidth", p_.ButtonHorizEffectLinesWidth);
    out_.value("ButtonUseLightEffect", static_cast<long>(p_.ButtonUseLightEffect));
    out_.value("ButtonRoundedSurface", static_cast<long>(p_.ButtonRoundedSurface));
    out_.value("ButtonAutoSize", static_cast<long>(p_.ButtonAutoSize));
    out_.value("UseActiveButtonFrame", static_cast<long>(p_.UseActiveButtonFrame));
    out_.value("ActiveButtonFrameColor", static_cast<long>(p_.ActiveButtonFrameColor));
    out_.flag("AddArrowToButton", Options().AddArrowToButton);
    out_.value("NrButtons", static_cast<long>(count));

    out_.section("ButtonData");
    for (int n = 1; n <= count; ++n)
        buttonEntry(n, subMenu_ ? p_.Wizard.record(n) : p_.Buttons[static_cast<size_t>(n - 1)]);

    out_.section("ButtonTitles");
    out_.value("ButtonTitle_FontName", p_.ButtonTitle_FontName);
    out_.value("ButtonTitle_FontSize", static_cast<long>(p_.ButtonTitle_FontSize));
    out_.flag("ButtonTitle_FontBold", p_.ButtonTitle_FontBold);
    out_.flag("ButtonTitle_FontItalic", p_.ButtonTitle_FontItalic);
    out_.value("ButtonTitle_TextColor", static_cast<long>(p_.ButtonTitle_TextColor));
}

void FileWriter::buttonEntry(int n, const MenuButton& b)
{
    // One key buffer for the entry's ~30 keys: "Button" + n + field key.
    std::string key = "Button" + std::to_string(n);
    const size_t prefixSize = key.size();
    auto keyOf = [&](std::string_view field) -> const std::string& {
        key.resize(prefixSize);
        key += field;
        return key;
    };
    auto put = [&](int pos, std::string_view value) {
        out_.value(keyOf(ButtonFieldTable[static_cast<size_t>(pos)].key), value);
    };

    put(FieldText, caption(RemoveDashSpacing(b.Text, menuFile_), true));
    put(FieldCmd, CommandOrTitleMarker(b.Cmd, menuFile_));
    for (int pos = FieldLink; pos < FieldPswProtect; ++pos) {
        if (pos == FieldTip)
            put(pos, encoded(b.Tip));
        else if (pos == FieldHide && menuFile_ && !subMenu_ && !p_.isUsbProject() && b.Cmd == "Install StickGuard")
            put(pos, "1");  // StickGuard only helps USB flash drives
        else
            put(pos, b.field(pos));
    }

    if (!subMenu_ && b.PswProtect == "1") {
        if (menuFile_) {
            out_.value(keyOf("PA"), ScrambleText(b.PswProtect));
            // The medium never holds the password: an encrypted file is checked by its own
            // key check, any other button by a salted verifier (which only hides the file).
            if (b.PswEncrypt != "1")
                out_.value(keyOf("PV"), passwordVerifier(b.Psw));
            out_.value(keyOf("PC"), b.PswAsterisk);
            out_.value(keyOf("PD"), b.PswEncrypt);
        } else {
            put(FieldPswProtect, b.PswProtect);
            put(FieldPsw, b.Psw);
            put(FieldPswAsterisk, b.PswAsterisk);
            put(FieldPswEncrypt, b.PswEncrypt);
        }
        put(FieldPswDlgTitle, b.PswDlgTitle);
        put(FieldPswDlgText, b.PswDlgText);
        put(FieldPswIsWrongTitle, b.PswIsWrongTitle);
        put(FieldPswIsWrongText, b.PswIsWrongText);
    }

    put(FieldWaitInfoText, encoded(b.WaitInfoText));
    put(FieldRunAsAdministrator, b.RunAsAdministrator);
    put(FieldRunProgramMaximized, b.RunProgramMaximized);
}

void FileWriter::gallerySections()
{
    out_.section("PictureGallery");
    out_.value("PGTitle", p_.PGTitle);
    out_.value("PGExtension", p_.PGExtension);
    out_.value("PGBackColor", static_cast<long>(p_.PGBackColor));
    out_.value("PGTextColor", static_cast<long>(p_.PGTextColor));
    out_.flag("PGAlsoForSubWindows", p_.PGAlsoForSubWindows);
    out_.value("PGWidth", p_.PGWidth);
    out_.value("PHeight", p_.PHeight);
    out_.flag("PGShowTextLabels", p_.PGShowTextLabels);
    out_.value("PGOnClickOnPicture", static_cast<long>(p_.PGOnClickOnPicture));
    out_.value("PGOnClickOnPictureExt", p_.PGOnClickOnPictureExt);
    out_.value("PGCloseButtonText", p_.PGCloseButtonText);
    out_.flag("PGShowCloseButton", p_.PGShowCloseButton);
    out_.flag("PGPictureSizeManual", p_.PGPictureSizeManual);
    out_.value("PGPictureSizeHeight", p_.PGPictureSizeHeight);
    out_.flag("PGPreviewWin_AllowBrowse", p_.PGPreviewWin_AllowBrowse);
    out_.value("PGPreviewWin_PrevPicture_Text", p_.PGPreviewWin_PrevPicture_Text);
    out_.value("PGPreviewWin_NextPicture_Text", p_.PGPreviewWin_NextPicture_Text);

    out_.section("Pictures");
    out_.value("BackgroundPictureSrc", p_.BackgroundPictureSrc);
    out_.value("UseBackgroundPictureAsPattern", static_cast<long>(p_.UseBackgroundPictureAsPattern));
    out_.value("StretchBackPicture", static_cast<long>(p_.StretchBackPicture));
    out_.value("PlaceBackPictureBehindTitle", static_cast<long>(p_.PlaceBackPictureBehindTitle));
    out_.value("BkPic_UseUserCoordinates", static_cast<long>(p_.BkPic_UseUserCoordinates));
    out_.value("BkPic_UserPosX", static_cast<long>(p_.BkPic_UserPosX));
    out_.value("BkPic_UserPosY", static_cast<long>(p_.BkPic_UserPosY));
    out_.value("LogotypePictureSrc", p_.LogotypePictureSrc);
    out_.value("LogotypeWMFWidth", p_.LogotypeWMFWidth);
    out_.value("LogotypeWMFHeight", p_.LogotypeWMFHeight);
    out_.value("MenuPictureSrc", p_.MenuPictureSrc);
    out_.value("MenuPictureWidth", p_.MenuPictureWidth);
    out_.value("MenuPictureHeight", p_.MenuPictureHeight);
    out_.value("StretchMenuPicture", static_cast<long>(p_.StretchMenuPicture));
    out_.value("BackgroundPicture_CDFolder", p_.BackgroundPicture_CDFolder);
    out_.value("LogotypePicture_CDFolder", p_.LogotypePicture_CDFolder);
    out_.value("MenuPicture_CDFolder", p_.MenuPicture_CDFolder);
    out_.flag("DrawTransparentLogotype", p_.DrawTransparentLogotype);
    out_.flag("TransparentColorI", p_.TransparentColorI);
    out_.value("PlaceLogotypeToLeft", static_cast<long>(p_.PlaceLogotypeToLeft));
    out_.value("LogotypeURL", p_.LogotypeURL);
    out_.value("LogotypeTipText", encoded(p_.LogotypeTipText));

    out_.section("Sound");
    out_.value("BackgroundSoundSrc", p_.BackgroundSoundSrc);
    out_.value("ButtonSoundSrc", p_.ButtonSoundSrc);
    out_.value("ButtonHoverSoundSrc", p_.ButtonHoverSoundSrc);
    out_.value("BackgroundSound_CDFolder", p_.BackgroundSound_CDFolder);
    out_.value("ButtonSound_CDFolder", p_.ButtonSound_CDFolder);
    out_.value("ButtonHoverSound_CDFolder", p_.ButtonHoverSound_CDFolder);
    out_.value("BackgroundSound_StopWhenPlayMov", static_cast<long>(p_.BackgroundSound_StopWhenPlayMov));
    out_.value("BackgroundSound_StopIfNotTopmost", static_cast<long>(p_.BackgroundSound_StopIfNotTopmost));

    out_.section("Movie");
    out_.value("MovieWidth", p_.MovieWidth);
    out_.value("MovieHeight", p_.MovieHeight);
    out_.value("FullScreenMovie", static_cast<long>(p_.FullScreenMovie));
    out_.value("MaximizeMovie", static_cast<long>(p_.MaximizeMovie));
    out_.value("ReturnToMenuWhenMovieStop", static_cast<long>(p_.ReturnToMenuWhenMovieStop));
    out_.value("MovieXOffset", p_.MovieXOffset);
    out_.value("MovieYOffset", p_.MovieYOffset);
    out_.value("MovieWinUseUserBkgColor", static_cast<long>(p_.MovieWinUseUserBkgColor));
    out_.value("MovieWinBackColor", static_cast<long>(p_.MovieWinBackColor));
    out_.value("MovieWinTitle", p_.MovieWinTitle);
    out_.value("MovieWinCloseCrossLineColor", static_cast<long>(p_.MovieWinCloseCrossLineColor));
    out_.value("MovieWinCloseCrossBkgColor", static_cast<long>(p_.MovieWinCloseCrossBkgColor));
    out_.value("MovieWinUseCloseButton", static_cast<long>(p_.MovieWinUseCloseButton));
    out_.value("MovieWinUseGrayStdButton", static_cast<long>(p_.MovieWinUseGrayStdButton));
    out_.value("MenuMovieFilename", p_.MenuMovieFilename);
    out_.value("MenuMovie_CDFolder", p_.MenuMovie_CDFolder);
    out_.value("MenuMovieWidth", p_.MenuMovieWidth);
    out_.value("MenuMovieHeight", p_.MenuMovieHeight);
    out_.value("RepeatMenuMovie", static_cast<long>(p_.RepeatMenuMovie));
    out_.value("ShowMenuPicWhenReady", static_cast<long>(p_.ShowMenuPicWhenReady));
}

void FileWriter::fontSection()
{
    FontFilesListed() = false;
    out_.section("Fonts");
    fontEntries("TF", p_.TitleFontName);
    fontEntries("STF", p_.SubTitleFontName);
    fontEntries("BF", p_.ButtonFontName);
}

// Lists the installed font files of one font's family, skipping fonts every Windows has.
void FileWriter::fontEntries(const char* prefix, const std::string& fontName)
{
    const platform::Fonts* fonts = platform::services().fonts;
    if (!fonts || fontName.empty() || fonts->IsWindowsBasicFont(fontName) != 0)
        return;
    const std::string key = prefix;
    int n = 1;
    std::string lastFile;
    std::string face, displayName, fileName;
    for (int k = 0; k <= 100 && fonts->GetFontFamilyInformation(fontName, k, face); ++k) {
        for (int j = 0; j <= 9999 && fonts->GetFontInformation(j, displayName, fileName); ++j) {
            std::string name = displayName, suffix;
            for (const char* kind : {" (TrueType)", " (OpenType)"}) {
                size_t at = displayName.find(kind);
                if (at != std::string::npos && at >= 1) {
                    name = displayName.substr(0, at);
                    suffix = kind;
                    break;
                }
            }
            if (name != face || platform::equalsNoCase(fileName, lastFile))
                continue;
            out_.value(key + "_Font" + std::to_string(n), name + suffix);
            out_.value(key + "_File" + std::to_string(n), fileName);
            lastFile = fileName;
            ++n;
            FontFilesListed() = true;
        }
    }
}

void FileWriter::editorWideSections()
{
    const EditorOptions& options = Options();

    out_.section("Text");
    out_.value("ButtonOK_Text", p_.ButtonOK_Text);
    out_.value("ButtonClose_Text", p_.ButtonClose_Text);

    out_.section("ShowDocText");
    for (int i = 0; i < DocErrorGroups; ++i)
        out_.value("DocErr_FileExt" + std::to_string(i + 1), options.DocErr_FileExt[static_cast<size_t>(i)]);
    for (int i = 0; i < DocErrorGroups; ++i)
        out_.value("DocErr_Title" + std::to_string(i + 1), options.DocErr_Title[static_cast<size_t>(i)]);
    for (int i = 0; i < DocErrorGroups; ++i)
        out_.value("DocErr_Text" + std::to_string(i + 1), options.DocErr_Text[static_cast<size_t>(i)]);

    out_.section("PDF");
    out_.value("InfoBoxTitle", options.PDF_InfoBoxTitle);
    out_.value("InfoBoxText", options.PDF_InfoBoxText);
    out_.value("InfoBoxURL", options.PDF_InfoBoxURL);
    out_.value("InfoBoxURLButText", options.PDF_InfoBoxURLButText);

    if (!menuFile_)
        return;
    out_.section("RTF-Print");
    out_.value("AddPrintSupportForRTFDocuments", static_cast<long>(options.AddPrintSupportForRTFDocuments));
    out_.value("ButtonText", "Print");
    out_.value("InfoTitle", "Print");
    out_.value("InfoText", "WordPad in Windows will now be started. You can print the document from WordPad.");

    if (options.OfferSocialMedia && p_.IncludeSocialMediaLogos != 0) {
        out_.section("SocialMedia");
        for (int i = 0; i < SocialNetworks; ++i) {
            const std::string network = SocialNetworkNames[static_cast<size_t>(i)];
            const SocialMediaOption& media = options.SocialMedia[static_cast<size_t>(i)];
            out_.value(network + "_ShowLogo", static_cast<long>(media.ShowLogo));
            out_.value(network + "_URL", media.URL);
            out_.value(network + "_TipText", encoded(media.TipText));
        }
    }
}

}  // namespace

void StoreOptionsOnFile(const MenuProject& project, ProfileWriter& out, bool bAddFontListToOptionFile,
                        bool bCreatingMenuFile, bool bSubMenuWizard)
{
    FileWriter(project, out, bAddFontListToOptionFile, bCreatingMenuFile, bSubMenuWizard).write();
}

std::string StoreOptionsToText(const MenuProject& project, bool bAddFontListToOptionFile, bool bCreatingMenuFile,
                               bool bSubMenuWizard)
{
    ProfileWriter out;
    StoreOptionsOnFile(project, out, bAddFontListToOptionFile, bCreatingMenuFile, bSubMenuWizard);
    return out.finish();
}

}  // namespace orv
