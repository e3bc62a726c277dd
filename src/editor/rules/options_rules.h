// The options dialog's rules: the values it edits (editor options and settings of the open
// project), how they are taken from and written back to their owners, and the silent
// correction of the two menu program names.
#pragma once

#include <array>
#include <string>

#include "model/editor_options.h"

namespace orv {
struct MenuProject;
}

namespace orv::editor {

// Captions of the font options, the project-type list and the menu window icon list.
inline constexpr std::array<const char*, 4> EditorFontCaptions = {
    "MS Sans Serif   (default)", "Microsoft Sans Serif", "Tahoma", "Segoe UI"};
inline constexpr std::array<const char*, 2> ProjectTypeCaptions = {"CD/DVD project", "USB flash drive project"};
inline constexpr std::array<const char*, 8> AppIconCaptions = {
    "1 - CD/DVD", "2 - USB Flash Drive", "3 - Menu",  "4 - CD/DVD + menu",
    "5 - Colors", "6 - Lines",           "7 - SD Card", "8 - Info"};

// The social networks as the dialogs name them, in the order of SocialNetworkNames.
inline constexpr std::array<const char*, SocialNetworks> SocialNetworkDisplayNames = {
    "Facebook", "Twitter", "Google+", "YouTube", "LinkedIn", "Pinterest", "Instagram"};
// The first three are on the options dialog; the others on "more social media".
inline constexpr int SocialNetworksOnOptionsDialog = 3;

// A menu program name as the dialog corrects it, in this order: without "." it becomes the
// default; with ":", "\" or "/" the default; blanks are removed; shorter than 5 or longer
// than 40 characters the default.
std::string CorrectMenuProgramName(std::string name, const std::string& defaultName);

// The caption of the tip-text dialog of a network (index into SocialNetworkNames).
std::string TipTextDialogCaption(int network);

struct OptionsDialogValues {
    // Editor options
    int SelectedFont = 0;
    bool DontShowStartWindow = false;
    bool ShowCDFolders = false;
    bool DontAskProjectType = false;
    bool AddArrowToButton = true;
    bool UseButtonNrAsDefault = true;
    bool CopyLinkedButtonFiles = true;
    bool RunMenusUnderWine = false;
    std::string CDExeFileName;
    std::string USBStickExeFileName;
    std::string UserProjectDir;

    // Settings of the project and the texts copied into every written file
    int ProjectTypeIndex = 0;  // 0 CD/DVD, 1 USB flash drive
    int AppIconListIndex = 0;  // AppIconIndex - 1
    bool UseUnicode = false;
    bool AddPrintSupportForRTFDocuments = false;
    std::array<std::string, DocErrorGroups> DocErr_FileExt, DocErr_Title, DocErr_Text;
    std::string PDFTitle, PDFText, PDFURL, PDFURLText;
    std::array<SocialMediaOption, SocialNetworks> SocialMedia;
    std::string ButtonOK_Text, ButtonClose_Text;

    bool operator==(const OptionsDialogValues&) const = default;
};

// What the dialog shows when it opens.
OptionsDialogValues ReadOptionsDialogValues(const EditorOptions& options, const MenuProject& project);

// OK: writes every value back, in order: project type (with the file-name column heading and
// window title), menu window icon, the information texts, the character set and print
// options, the social-media values, the editor options and font, and the two menu program
// names after correction.
void ApplyOptionsDialogValues(const OptionsDialogValues& values, EditorOptions& options, MenuProject& project);

}  // namespace orv::editor
