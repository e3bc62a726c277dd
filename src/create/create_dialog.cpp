#include "create/create_dialog.h"

#include "create/path_rules.h"
#include "model/file_io.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "model/project_folders.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/system_info.h"

namespace orv {

std::string MenuDescriptionFileNameFor(int index)
{
    if (index < 0 || index >= static_cast<int>(MenuDescriptionFileChoices.size()))
        index = 0;
    return LowerText(MenuDescriptionFileChoices[static_cast<std::size_t>(index)].fileName);
}

std::string CreatedMenuDescription(const std::string& folder)
{
    for (const MenuDescriptionFileChoice& entry : MenuDescriptionFileChoices) {
        const std::string file = JoinPath(folder, LowerText(entry.fileName));
        if (FileExists(file))
            return file;
    }
    return {};
}

std::string ScreenSizeOnlyQuestion(int index, const std::string& destination)
{
    if (index <= 0 || index >= static_cast<int>(MenuDescriptionFileChoices.size()))
        return {};
    if (FileExists(JoinPath(destination, LowerText(MenuDescriptionFileChoices[0].fileName))))
        return {};
    const std::string name = MenuDescriptionFileChoices[static_cast<std::size_t>(index)].fileName;
    const std::string size = name.substr(9, name.size() - 13);  // "800x600" of "ORVNMENU_800x600.MNI"
    return "Only the menu description file '" + name + "' will be written into this folder, and it has no "
           "'ORVNMENU.MNI'. The menu program reads '" + name + "' only on screens of " + size +
           " pixels: on any other screen the menu will not open.\n\nTo make the menu open on every screen, "
           "create it once more into this folder with 'ORVNMENU.MNI <All resolutions>'.\n\nCreate the menu "
           "for " + size + " pixels only?";
}

std::string ProposedDestination(const MenuProject& project)
{
    const std::string menus = MyCreatedMenusFolder();
    if (menus.empty())
        return {};
    std::string name = FileNamePart(project.ProjectFilePath);
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return menus + "\\" + (name.empty() || name == NoProjectFile ? std::string("Menu") : name);
}

CreateDialogState LoadCreateDialog(const MenuProject& project)
{
    CreateDialogState dialog;
    dialog.destination = project.CreateDestDir;
    if (dialog.destination.empty() && !Batch().BatchBuildMode)
        dialog.destination = ProposedDestination(project);
    dialog.iconSource = project.CDIconSrc;
    dialog.label = project.DiscLabel;
    dialog.actionText = project.DiscActionText;
    dialog.coOperateWithPortavoLink = project.CoOperateWithPortavoLink;
    return dialog;
}

void StoreCreateDialog(const CreateDialogState& dialog, MenuProject& project)
{
    project.CreateDestDir = dialog.destination;
    project.CDIconSrc = dialog.iconSource;
    project.DiscLabel = dialog.label;
    project.DiscActionText = dialog.actionText;
    project.CoOperateWithPortavoLink = dialog.coOperateWithPortavoLink;
}

void TakeCreateDialogValues(const CreateDialogState& dialog, MenuProject& project, bool created)
{
    if (dialog.destination.empty())
        return;
    const std::string before = project.CreateDestDir;
    StoreCreateDialog(dialog, project);
    if (!created && before.empty() && dialog.destination == ProposedDestination(project))
        project.CreateDestDir.clear();
}

std::string CreateDialogCaption(std::int16_t projectType)
{
    return projectType == ProjectTypeUSB ? "Create (menu for USB flash drive)" : "Create (menu for CD/DVD)";
}

CreateDialogLayout CreateDialogLayoutFor(const MenuProject& project)
{
    CreateDialogLayout layout;
    const bool autorun = project.UseAutorun != 0;
    layout.siblingProductControlsVisible = autorun;
    layout.autorunFieldsEnabled = autorun;
    layout.infoText = autorun ? CreateInfoTextWithAutorun : CreateInfoTextWithoutAutorun;
    return layout;
}

Colour LabelTextColour(const std::string& label, Colour normalColour)
{
    return CharacterCount(label) > LabelWarningLength ? LabelTooLongColour : normalColour;
}

const char* SelectDirButtonCaption(SelectDirButton button)
{
    switch (button) {
    case SelectDirButton::RootFolder: return "&Root folder";
    case SelectDirButton::MyDocuments: return "My &Documents";
    case SelectDirButton::MyMenus: return "My &Menus";
    case SelectDirButton::UsbDrive: return "&USB drive";
    }
    return "";
}

std::optional<std::string> SelectDirTarget(SelectDirButton button, const std::string& currentFolder)
{
    const auto& s = platform::services();
    switch (button) {
    case SelectDirButton::RootFolder:
        if (currentFolder.size() >= 2 && currentFolder[1] == ':')
            return currentFolder.substr(0, 2) + "\\";
        return std::nullopt;
    case SelectDirButton::MyDocuments:
        return s.folders ? std::optional<std::string>(s.folders->GetMyDocumentsDir()) : std::nullopt;
    case SelectDirButton::MyMenus:
        if (!Folders().CreatedMenusFolder.empty())
            return Folders().CreatedMenusFolder;
        return s.folders ? std::optional<std::string>(s.folders->GetMyDocumentsDir()) : std::nullopt;
    case SelectDirButton::UsbDrive: {
        std::string drive = s.system ? s.system->GetFirstUsbFlashDrive() : std::string();
        return drive.empty() ? std::nullopt : std::optional<std::string>(drive);
    }
    }
    return std::nullopt;
}

}  // namespace orv
