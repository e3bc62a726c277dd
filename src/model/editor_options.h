// The editor-wide options that outlive a project, kept in the options file ORVNMENU.INI
// in the application-data folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orv {

inline constexpr int RecentListSize = 6;
inline constexpr int DocErrorGroups = 6;
inline constexpr int SocialNetworks = 7;

// Networks in the order the files list them.
inline constexpr std::array<const char*, SocialNetworks> SocialNetworkNames = {
    "Facebook", "Twitter", "GooglePlus", "YouTube", "LinkedIn", "Pinterest", "Instagram"};

struct SocialMediaOption {
    std::int16_t ShowLogo = 0;
    std::string URL;
    std::string TipText;
};

struct EditorOptions {
    // [EditorFont]
    int SelectedFont = 0;

    // [Directories]
    std::string LastPictureDir, LastLogotypeDir, LastSoundDir, LastMovieDir, LastProgramDir,
        LastDocumentDir, LastExcelDir, LastFlashDir;

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
    std::string CDExeFileName = "ORVNMENU.EXE";
    std::string USBStickExeFileName = "MENU.EXE";
    std::string UserProjectDir;
    bool UnderlineMenuTitle = true;
    bool Add3Buttons_WhenNewProject = true;
    bool AddSampleMenuPicture_WhenNewProject = true;

    // [DocOptions]
    std::array<std::string, DocErrorGroups> DocErr_FileExt, DocErr_Title, DocErr_Text;
    std::int16_t AddPrintSupportForRTFDocuments = 0;

    // [PDF-Eng]
    std::string PDF_InfoBoxTitle, PDF_InfoBoxText, PDF_InfoBoxURL, PDF_InfoBoxURLButText;

    // [SocialMedia-Eng], in the order of SocialNetworkNames
    std::array<SocialMediaOption, SocialNetworks> SocialMedia;

    // Whether the editor offers the social-media option in menus.
    bool OfferSocialMedia = true;
};

// The options in force for this run of the editor (or tool).
EditorOptions& Options();

// Path of the options file (Windows form); creates its folder when missing.
std::string OptionsFilePath();

// Reads the options file into Options(), applying every default. A missing or damaged file
// gives the defaults.
void ReadEditorOptions();

// Writes Options() to the options file in its fixed order (atomic). False on a write error.
bool SaveEditorOptions();

// The editor-wide colours of the movie window's close cross (new projects and the reader).
inline constexpr std::int32_t DefaultMovieCloseCrossLineColor = 16777215;  // white
inline constexpr std::int32_t DefaultMovieCloseCrossBkgColor = 8421504;    // grey

}  // namespace orv
