#include "editor/rules/options_rules.h"

#include <algorithm>

#include "model/menu_project.h"

namespace orv::editor {

namespace {
constexpr std::size_t MaxMenuProgramNameLength = 40;
}

std::string CorrectMenuProgramName(std::string name, const std::string& defaultName)
{
    if (name.find('.') == std::string::npos)
        return defaultName;
    if (name.find_first_of(":\\/") != std::string::npos)
        return defaultName;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    if (name.size() < MinimumExeFileNameLength || name.size() > MaxMenuProgramNameLength)
        return defaultName;
    return name;
}

std::string TipTextDialogCaption(int network)
{
    std::string caption = "Tip Text For Clickable Logotype";
    if (network >= 0 && network < SocialNetworks)
        caption += std::string(" (") + SocialNetworkDisplayNames[network] + ")";
    return caption;
}

OptionsDialogValues ReadOptionsDialogValues(const EditorOptions& o, const MenuProject& p)
{
    OptionsDialogValues v;
    v.SelectedFont = std::clamp(o.SelectedFont, 0, static_cast<int>(EditorFontCaptions.size()) - 1);
    v.DontShowStartWindow = o.DontShowStartWindow;
    v.ShowCDFolders = o.ShowCDFolders;
    v.DontAskProjectType = o.DontAskProjectType;
    v.AddArrowToButton = o.AddArrowToButton;
    v.UseButtonNrAsDefault = o.UseButtonNrAsDefault;
    v.CopyLinkedButtonFiles = o.CopyLinkedButtonFiles;
    v.RunMenusUnderWine = o.RunMenusUnderWine;
    v.CDExeFileName = o.CDExeFileName;
    v.USBStickExeFileName = o.USBStickExeFileName;
    v.UserProjectDir = o.UserProjectDir;

    v.ProjectTypeIndex = p.ProjectType == ProjectTypeUSB ? 1 : 0;
    v.AppIconListIndex = std::clamp(static_cast<int>(p.AppIconIndex), 1, static_cast<int>(AppIconCaptions.size())) - 1;
    v.UseUnicode = p.UseUnicode;
    v.AddPrintSupportForRTFDocuments = o.AddPrintSupportForRTFDocuments != 0;
    v.DocErr_FileExt = o.DocErr_FileExt;
    v.DocErr_Title = o.DocErr_Title;
    v.DocErr_Text = o.DocErr_Text;
    v.PDFTitle = o.PDF_InfoBoxTitle;
    v.PDFText = o.PDF_InfoBoxText;
    v.PDFURL = o.PDF_InfoBoxURL;
    v.PDFURLText = o.PDF_InfoBoxURLButText;
    v.SocialMedia = o.SocialMedia;
    v.ButtonOK_Text = p.ButtonOK_Text;
    v.ButtonClose_Text = p.ButtonClose_Text;
    return v;
}

void ApplyOptionsDialogValues(const OptionsDialogValues& v, EditorOptions& o, MenuProject& p)
{
    p.ProjectType = v.ProjectTypeIndex == 1 ? ProjectTypeUSB : ProjectTypeCD;
    RefreshProjectCaptions(p);
    p.AppIconIndex = static_cast<std::int16_t>(
        std::clamp(v.AppIconListIndex, 0, static_cast<int>(AppIconCaptions.size()) - 1) + 1);

    o.DocErr_FileExt = v.DocErr_FileExt;
    o.DocErr_Title = v.DocErr_Title;
    o.DocErr_Text = v.DocErr_Text;
    o.PDF_InfoBoxTitle = v.PDFTitle;
    o.PDF_InfoBoxText = v.PDFText;
    o.PDF_InfoBoxURL = v.PDFURL;
    o.PDF_InfoBoxURLButText = v.PDFURLText;
    // The character set is the project's; the option follows it so new texts keep the
    // encoding the author chose last.
    p.UseUnicode = v.UseUnicode;
    o.UseUnicodeEncoding = v.UseUnicode;
    o.AddPrintSupportForRTFDocuments = v.AddPrintSupportForRTFDocuments ? 1 : 0;
    o.SocialMedia = v.SocialMedia;
    p.ButtonOK_Text = v.ButtonOK_Text;
    p.ButtonClose_Text = v.ButtonClose_Text;

    o.DontShowStartWindow = v.DontShowStartWindow;
    o.ShowCDFolders = v.ShowCDFolders;
    o.DontAskProjectType = v.DontAskProjectType;
    o.AddArrowToButton = v.AddArrowToButton;
    o.UseButtonNrAsDefault = v.UseButtonNrAsDefault;
    o.CopyLinkedButtonFiles = v.CopyLinkedButtonFiles;
    o.RunMenusUnderWine = v.RunMenusUnderWine;
    o.UserProjectDir = v.UserProjectDir;
    o.SelectedFont = std::clamp(v.SelectedFont, 0, static_cast<int>(EditorFontCaptions.size()) - 1);

    o.CDExeFileName = CorrectMenuProgramName(v.CDExeFileName, DefaultCDExeFileName);
    o.USBStickExeFileName = CorrectMenuProgramName(v.USBStickExeFileName, DefaultUSBStickExeFileName);
}

}  // namespace orv::editor
