// Reading the options file: [EditorFont] first, then the sections in file order, each key
// with its buffer size and default.
#include <string>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/profile.h"
#include "model/unicode_text.h"
#include "platform/services.h"
#include "platform/system_folders.h"

namespace orv {

namespace {

// Buffer sizes of the text keys.
constexpr int DirectorySize = 260;
constexpr int RecentFileSize = 220;
constexpr int RecentFolderSize = 200;
constexpr int ExeFileNameSize = 40;
constexpr int UserProjectDirSize = 255;
// Texts that may be held in the "UNICODE:" form, which takes up to eight characters for one.
constexpr int EncodedTextSize = 5000;

std::string textOr(std::string_view key, int size, const std::string& fallback)
{
    std::string value = ReadProfileString(key, size);
    return value.empty() ? fallback : value;
}

std::string decodedOr(std::string_view key, const std::string& fallback)
{
    std::string value = DecodeUnicodeText(ReadProfileString(key, EncodedTextSize));
    return value.empty() ? fallback : value;
}

std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }
std::string networkKey(int network, const char* suffix) { return std::string(SocialNetworkNames[network]) + suffix; }

// The code page key is plain ASCII, so it reads the same under any page; the rest of the
// file is decoded afresh once the page is in force.
void applyCodePage(const std::string& file)
{
    long page = GetProfileNumber(file, "Options", "AnsiCodePage", DefaultAnsiCodePage);
    if (!SetAnsiCodePage(static_cast<int>(page)))
        SetAnsiCodePage(DefaultAnsiCodePage);
    FlushProfileCache(file);
}

void readEditorFont(EditorOptions& o)
{
    SetProfileSection("EditorFont");
    o.SelectedFont = ReadProfileInt("SelectedFont");
}

void readDirectories(EditorOptions& o)
{
    SetProfileSection("Directories");
    const std::string documents = platform::services().folders->GetMyDocumentsDir();
    o.LastPictureDir = textOr("LastPictureDir", DirectorySize, documents);
    o.LastLogotypeDir = textOr("LastLogotypeDir", DirectorySize, documents);
    o.LastSoundDir = textOr("LastSoundDir", DirectorySize, documents);
    o.LastMovieDir = textOr("LastMovieDir", DirectorySize, documents);
    o.LastProgramDir = textOr("LastProgramDir", DirectorySize, DefaultLastProgramDir);
    o.LastDocumentDir = textOr("LastDocumentDir", DirectorySize, documents);
    o.LastExcelDir = textOr("LastExcelDir", DirectorySize, documents);
    o.LastFlashDir = textOr("LastFlashDir", DirectorySize, documents);
}

void readRecent(const char* section, int size, std::array<std::string, RecentListSize>& entries)
{
    SetProfileSection(section);
    for (int i = 0; i < RecentListSize; ++i)
        entries[i] = ReadProfileString(numbered("F", i + 1), size);
}

void readOptions(EditorOptions& o)
{
    SetProfileSection("Options");
    o.ShowAppTour = ReadProfileFlagDefaultOn("ShowAppTour");
    o.MyProjectsFolderAutoCreateDone = ReadProfileFlag("MyProjectsFolderAutoCreateDone");
    o.DontShowStartWindow = ReadProfileFlag("DontShowStartWindow");
    o.DontAskProjectType = ReadProfileFlag("DontAskProjectType");
    o.ShowCDFolders = ReadProfileFlag("ShowCDFolders");
    o.UseButtonNrAsDefault = ReadProfileFlagDefaultOn("UseButtonNrAsDefault");
    o.CopyLinkedButtonFiles = ReadProfileFlagDefaultOn("CopyLinkedButtonFiles");
    o.AddArrowToButton = ReadProfileFlagDefaultOn("AddArrowToButton");
    o.UseUnicodeEncoding = ReadProfileFlag("UseUnicodeEncoding");
    o.CDExeFileName = CorrectedExeFileName(ReadProfileString("CDExeFileName", ExeFileNameSize), DefaultCDExeFileName);
    o.USBStickExeFileName =
        CorrectedExeFileName(ReadProfileString("USBStickExeFileName", ExeFileNameSize), DefaultUSBStickExeFileName);
    o.UserProjectDir = ReadProfileString("UserProjectDir", UserProjectDirSize);
    o.UnderlineMenuTitle = ReadProfileFlagDefaultOn("UnderlineMenuTitle");
    o.Add3Buttons_WhenNewProject = ReadProfileFlagDefaultOn("Add3Buttons_WhenNewProject");
    o.AddSampleMenuPicture_WhenNewProject = ReadProfileFlagDefaultOn("AddSampleMenuPicture_WhenNewProject");
    o.RunMenusUnderWine = ReadProfileFlag("RunMenusUnderWine");
}

void readDocOptions(EditorOptions& o)
{
    SetProfileSection("DocOptions");
    for (int i = 0; i < DocErrorGroups; ++i) {
        o.DocErr_FileExt[i] = decodedOr(numbered("DocErr_FileExt", i + 1), {});
        o.DocErr_Title[i] = decodedOr(numbered("DocErr_Title", i + 1), {});
        o.DocErr_Text[i] = decodedOr(numbered("DocErr_Text", i + 1), {});
    }
    o.AddPrintSupportForRTFDocuments = ReadProfileInt("AddPrintSupportForRTFDocuments");
}

void readPdf(EditorOptions& o)
{
    SetProfileSection("PDF-Eng");
    o.PDF_InfoBoxTitle = decodedOr("PDF_InfoBoxTitle", DefaultPdfInfoBoxTitle);
    o.PDF_InfoBoxText = decodedOr("PDF_InfoBoxText", DefaultPdfInfoBoxText);
    o.PDF_InfoBoxURL = decodedOr("PDF_InfoBoxURL", DefaultPdfInfoBoxURL);
    o.PDF_InfoBoxURLButText = decodedOr("PDF_InfoBoxURLButText", DefaultPdfInfoBoxURLButText);
}

void readSocialMedia(EditorOptions& o)
{
    SetProfileSection("SocialMedia-Eng");
    for (int i = 0; i < SocialNetworks; ++i) {
        SocialMediaOption& media = o.SocialMedia[i];
        media.ShowLogo = ReadProfileInt(networkKey(i, "_ShowLogo"));
        media.URL = decodedOr(networkKey(i, "_URL"), {});
        media.TipText = decodedOr(networkKey(i, "_TipText"), DefaultSocialTipTexts[i]);
    }
}

}  // namespace

void ReadEditorOptionsFrom(const std::string& file, EditorOptions& options)
{
    EditorOptions o;
    o.OfferSocialMedia = options.OfferSocialMedia;

    FlushProfileCache(file);
    applyCodePage(file);
    ResetProfileContext();
    SetProfileFile(file);
    readEditorFont(o);
    readDirectories(o);
    readRecent("RecentFiles", RecentFileSize, o.RecentFiles);
    readRecent("RecentFolders", RecentFolderSize, o.RecentFolders);
    readOptions(o);
    readDocOptions(o);
    readPdf(o);
    readSocialMedia(o);
    ResetProfileContext();

    options = std::move(o);
}

void ReadEditorOptions() { ReadEditorOptionsFrom(OptionsFilePath(), Options()); }

}  // namespace orv
