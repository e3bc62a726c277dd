// The editor-wide options that outlive a project, kept in the options file ORVNMENU.INI
// in the application-data folder. The file layout is described in docs/options-file.md.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orv {

inline constexpr int RecentListSize = 6;
inline constexpr int DocErrorGroups = 6;
inline constexpr int SocialNetworks = 7;

// Networks in the order the files list them.
inline constexpr std::array<const char*, SocialNetworks> SocialNetworkNames = {
    "Facebook", "Twitter", "GooglePlus", "YouTube", "LinkedIn", "Pinterest", "Instagram"};

// The file name of the options file and its folder below the application-data folder.
inline constexpr const char* OptionsFileName = "ORVNMENU.INI";
inline constexpr const char* OptionsFolderName = "\\Veltrona\\Orvanto";

// Defaults that replace a missing or empty value.
inline constexpr const char* DefaultCDExeFileName = "ORVNMENU.EXE";
inline constexpr const char* DefaultUSBStickExeFileName = "MENU.EXE";
inline constexpr const char* DefaultLastProgramDir = "C:\\";
inline constexpr const char* DefaultPdfInfoBoxTitle = "Adobe Reader is not installed";
inline constexpr const char* DefaultPdfInfoBoxText =
    "Adobe Reader is not installed. If you want to read PDF documents you must first install "
    "Adobe Reader. You can do it by pressing the left button below and follow the instructions "
    "at the page that is opened.";
inline constexpr const char* DefaultPdfInfoBoxURL = "https://get.adobe.com/reader/";
inline constexpr const char* DefaultPdfInfoBoxURLButText = "&Download Adobe Reader";

// The default tip text of a network's logo, in the order of SocialNetworkNames.
inline constexpr std::array<const char*, SocialNetworks> DefaultSocialTipTexts = {
    "Opens our Facebook page on the web",  "Opens our Twitter page on the web",
    "Opens our Google+ page on the web",   "Opens our YouTube channel on the web",
    "Opens our LinkedIn page on the web",  "Opens our Pinterest page on the web",
    "Opens our Instagram page on the web"};

// The code page of profile files when the options file names none (or one without a table).
inline constexpr int DefaultAnsiCodePage = 1252;

// A menu program name shorter than this is replaced by its default.
inline constexpr std::size_t MinimumExeFileNameLength = 5;

struct SocialMediaOption {
    std::int16_t ShowLogo = 0;
    std::string URL;
    std::string TipText;

    bool operator==(const SocialMediaOption&) const = default;
};

// The seven networks with their default tip texts.
std::array<SocialMediaOption, SocialNetworks> DefaultSocialMedia();

struct EditorOptions {
    // [EditorFont]
    int SelectedFont = 0;

    // [Directories]. LastProgramDir defaults to "C:\", the others to the user's documents
    // folder (applied when the file is read, since that folder is only known at run time).
    std::string LastPictureDir, LastLogotypeDir, LastSoundDir, LastMovieDir,
        LastProgramDir = DefaultLastProgramDir, LastDocumentDir, LastExcelDir, LastFlashDir;

    // [RecentFiles], [RecentFolders]: stored values, display form, newest first
    std::array<std::string, RecentListSize> RecentFiles;
    std::array<std::string, RecentListSize> RecentFolders;

    // [Options]
    bool ShowAppTour = true;
    bool MyProjectsFolderAutoCreateDone = false;
    bool DontShowStartWindow = false;
    bool DontAskProjectType = false;
    bool ShowCDFolders = false;
    bool UseButtonNrAsDefault = true;
    bool CopyLinkedButtonFiles = true;
    bool AddArrowToButton = true;
    bool UseUnicodeEncoding = false;
    std::string CDExeFileName = DefaultCDExeFileName;
    std::string USBStickExeFileName = DefaultUSBStickExeFileName;
    std::string UserProjectDir;
    bool UnderlineMenuTitle = true;
    bool Add3Buttons_WhenNewProject = true;
    bool AddSampleMenuPicture_WhenNewProject = true;
    // Off Windows: "Run Created Menu" starts the medium's own Windows program under Wine
    // (when Wine is installed) instead of this system's build of the menu program.
    bool RunMenusUnderWine = false;

    // [DocOptions]
    std::array<std::string, DocErrorGroups> DocErr_FileExt, DocErr_Title, DocErr_Text;
    std::int16_t AddPrintSupportForRTFDocuments = 0;

    // [PDF-Eng]
    std::string PDF_InfoBoxTitle = DefaultPdfInfoBoxTitle;
    std::string PDF_InfoBoxText = DefaultPdfInfoBoxText;
    std::string PDF_InfoBoxURL = DefaultPdfInfoBoxURL;
    std::string PDF_InfoBoxURLButText = DefaultPdfInfoBoxURLButText;

    // [SocialMedia-Eng], in the order of SocialNetworkNames
    std::array<SocialMediaOption, SocialNetworks> SocialMedia = DefaultSocialMedia();

    // Whether the editor offers the social-media option in menus (not stored in the file).
    bool OfferSocialMedia = true;

    bool operator==(const EditorOptions&) const = default;
};

// The options in force for this run of the editor (or tool).
EditorOptions& Options();

// Path of the options file (Windows form); creates its folder when missing (failures are
// ignored).
std::string OptionsFilePath();

// Reads the options file into Options(), applying every default. A missing or damaged file
// gives the defaults. The file's code page key is read first and put in force.
void ReadEditorOptions();

// Writes Options() to the options file in its fixed order (atomic). False on a write error.
bool SaveEditorOptions();

// The same for a given file, for callers (and tests) that hold their own options.
// OfferSocialMedia is not stored and is left as it is in `options`.
void ReadEditorOptionsFrom(const std::string& file, EditorOptions& options);
bool SaveEditorOptionsTo(const std::string& file, EditorOptions& options);

// The options file's text (UTF-8, CR LF) in its fixed order, as SaveEditorOptions writes it
// before the conversion to the code page. Corrects the two menu program names first.
std::string EditorOptionsText(EditorOptions& options);

// A menu program name as the file keeps it: the default when shorter than 5 characters.
std::string CorrectedExeFileName(const std::string& name, const char* defaultName);

// The editor-wide colours of the movie window's close cross (new projects and the reader).
inline constexpr std::int32_t DefaultMovieCloseCrossLineColor = 16777215;  // white
inline constexpr std::int32_t DefaultMovieCloseCrossBkgColor = 8421504;    // grey

}  // namespace orv
