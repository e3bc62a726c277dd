#include "create/usb_cooperation.h"

#include <algorithm>
#include <array>

#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "create/user_messages.h"
#include "model/copy_option.h"
#include "model/file_io.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "model/text_helpers.h"
#include "model/session_state.h"
#include "model/sibling_products.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

constexpr const char* SetupNameInMessages = "SETUP-StickGuard.exe";

std::string withoutSlashes(std::string text)
{
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\\' || c == '/'; }), text.end());
    return text;
}

const MenuButton* firstStickGuardButton(const MenuProject& project)
{
    for (const MenuButton& button : project.Buttons)
        if (button.Cmd == InstallStickGuardCommand)
            return &button;
    return nullptr;
}

}  // namespace

bool PortavoSwitchIsOn(const char* valueName)
{
    const auto* registry = platform::services().registry;
    return registry && registry->GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, PortavoUserKey, valueName, 0) == 1;
}

void SetPortavoSwitch(const char* valueName, bool on)
{
    if (auto* registry = platform::services().registry) {
        registry->CreateRegKey(platform::HKEY_CURRENT_USER_ROOT, PortavoUserKey);
        registry->SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, PortavoUserKey, valueName, on ? 1 : 0);
    }
}

bool CoOperate_With_PortavoLink_FullVersion(const MenuProject& project, bool coOperateWithPortavoLink)
{
    const SiblingProducts& siblings = Siblings();
    return siblings.PortavoInstalled && project.UseAutorun != 0 && coOperateWithPortavoLink &&
           project.ProjectType == ProjectTypeUSB && !siblings.PortavoCompactOffice;
}

void PTV_DeleteOldFiles(const std::string& sDestDir)
{
    static constexpr std::array<const char*, 15> oldFiles = {
        "STARTDOC.EXE", "OpenFile\\STARTDOC.EXE", "STARTDOC.INF",          "OpenFile\\STARTDOC.INF",
        "STARTAPP.EXE", "OpenFile\\STARTAPP.EXE", "STARTAPP.INF",          "OpenFile\\STARTAPP.INF",
        "MENU.EXE",     "ORVNMENU.EXE",           "START.EXE",             "MENU.EXE.MANIFEST",
        "ORVNMENU.EXE.MANIFEST", "START.EXE.MANIFEST", "ORVNMENU.MNI"};
    if (sDestDir.empty())
        return;
    for (const char* name : oldFiles)
        DeleteFileQuietly(platform::RemoveDupBackslashes(JoinPath(sDestDir, name)));
}

bool HasStickGuardButton(const MenuProject& project) { return firstStickGuardButton(project) != nullptr; }

MenuButton MakeStickGuardButton()
{
    MenuButton button;
    button.Text = "Activate AutoRun";
    button.Cmd = InstallStickGuardCommand;
    button.Tip = "Activates AutoRun for this USB flash drive and other USB flash drives from us";
    button.DeltaX = "0";
    button.DeltaY = "0";
    button.DeltaType = "1";
    button.UseBmpSize = "0";
    button.BmpTransType = "1";
    button.Hide = "0";
    SetCopyOption(button, CopyOption::DontCopy);
    button.PswDlgTitle = "Enter password";
    button.PswDlgText = "Before you can open the file you must enter a password:";
    button.PswIsWrongTitle = "Invalid password";
    button.PswIsWrongText = "The password you entered is not correct. Try again.";
    return button;
}

bool AddStickGuardButton(MenuProject& project)
{
    if (static_cast<int>(project.Buttons.size()) >= ButtonListLimit) {
        PlainMessage("The button list is full! We can't add more buttons to this menu.", platform::MsgInformation,
                     "Info");
        return false;
    }
    auto position = project.Buttons.end();
    if (!project.Buttons.empty() && project.Buttons.back().Cmd == "Exit")
        position = project.Buttons.end() - 1;
    project.Buttons.insert(position, MakeStickGuardButton());
    return true;
}

void ShowCompactOfficeWarning(CreationRun& run)
{
    if (PortavoSwitchIsOn(DontShowCompactOfficeWarning))
        return;
    run.observer.busy(false);
    ShowOrLogMessage("You have Portavo / Compact Office installed in this computer. Remember that USB sticks that "
                     "you create with this version of Portavo only will autorun in computers that also have Portavo "
                     "/ Compact Office installed.",
                     platform::MsgInformation, "Information");
    ShowOrLogMessage("If you want to distribute your USB sticks to users that do not have Portavo installed since "
                     "before, you must use the other version of Portavo.\r\n\r\nIf you have bought one of our bundles "
                     "(Quillo or Tellavo) you can download it from the same download page that you used before. The "
                     "other version of Portavo is included in the bundle.",
                     platform::MsgInformation, "Information");
    const int answer = AskQuestion(
        "Do you want to turn off this warning message? If you want to turn off this warning message, then click "
        "'Yes' below. If you don't want to turn off this warning message (so it's shown also next time you create a "
        "menu), then click 'No' below.",
        platform::MsgQuestion + platform::MsgYesNo, "Turn off this warning message?", platform::AnswerNo);
    if (answer == platform::AnswerYes)
        SetPortavoSwitch(DontShowCompactOfficeWarning, true);
}

bool OfferStickGuardButton(CreationRun& run)
{
    if (HasStickGuardButton(run.project) || PortavoSwitchIsOn(DontShowStickGuardOffer))
        return true;
    const StickGuardOfferAnswer offer = run.observer.offerStickGuardButton(false);
    SetPortavoSwitch(DontShowStickGuardOffer, offer.dontShowAgain);
    if (offer.answer == platform::AnswerCancel)
        return false;
    if (offer.answer != platform::AnswerYes)
        return true;
    // A full list adds nothing; there is then no button to edit and the creation goes on.
    if (!AddStickGuardButton(run.project))
        return true;
    run.observer.projectChanged();
    if (run.observer.askEditStickGuardButton() == platform::AnswerYes) {
        run.observer.showMainTab(MainTab::ButtonsText);
        run.observer.hideCreateDialog();
        return false;
    }
    return true;
}

std::string StickGuardSetupTarget(const std::string& destination, const MenuProject& project)
{
    const std::string name = UpperText(project.StickGuardSetupFilename);
    if (!project.StickGuard_CopySetupFileToSubFolder)
        return JoinPath(destination, name);
    const std::string folder = withoutSlashes(project.StickGuardSetupFoldername);
    return ReplacedAll(JoinPath(destination + "\\" + folder, name), "\\\\", "\\");
}

std::string StickGuardSetupPlace(const MenuProject& project)
{
    if (!project.StickGuard_CopySetupFileToSubFolder)
        return project.StickGuardSetupFilename;
    return project.StickGuardSetupFoldername + "\\" + project.StickGuardSetupFilename;
}

bool CopyStickGuardSetup(CreationRun& run)
{
    if (!CoOperate_With_PortavoLink_FullVersion(run.project, run.dialog.coOperateWithPortavoLink))
        return true;
    const std::string source = Siblings().StickGuardSetupSource;
    if (source.empty())
        return run.stop("Can't copy 'SETUP-StickGuard.exe'! No source file path exists!", ErrorTitle);
    const MenuProject& project = run.project;
    if (project.StickGuardSetupFilename.empty())
        return run.stop("Can't copy 'SETUP-StickGuard.exe'! No filename has been specified for the setup program!",
                        ErrorTitle);

    const std::string target = StickGuardSetupTarget(run.destination, project);
    if (!run.keepsInside(target, "StickGuard setup program's name or folder", "name or folder",
                         StickGuardSetupPlace(project), ErrorTitle))
        return false;
    if (project.StickGuard_CopySetupFileToSubFolder)
        if (auto* files = platform::services().files)
            files->DirCreate(PathDirectoryPart(target));
    if (!FileExists(source))
        return run.stop("Can not create! The 'SETUP-StickGuard.exe' setup package file does not exists at the "
                        "expected source path (" +
                            source +
                            ")! You can try to install Portavo again. Portavo must be correctly installed before you "
                            "can use this function.",
                        ErrorTitle);
    run.announce(source, target);
    if (int error = CopyFileMapped(source, target))
        return run.stop(ProgramCopyMessage(SetupNameInMessages, error), ErrorTitle);

    StickGuardSetupCopiedPath() = target;
    run.facts.stickGuardFilename = project.StickGuardSetupFilename;
    run.facts.stickGuardFoldername = project.StickGuardSetupFoldername;
    run.facts.stickGuardInMenuFolder = !project.StickGuard_CopySetupFileToSubFolder;
    run.facts.stickGuardInSubFolder = project.StickGuard_CopySetupFileToSubFolder;
    return true;
}

void PrepareAfterCreationTimers(const CreationRun& run, CreationReport& report)
{
    const SiblingProducts& siblings = Siblings();
    if (!siblings.PortavoInstalled && run.project.ProjectType == ProjectTypeUSB)
        report.enableProductPageInfoTimer = !PortavoSwitchIsOn(DontShowProductInfo);
    if (siblings.PortavoInstalled && !StickGuardSetupCopiedPath().empty())
        report.enableStickGuardInfoTimer = !PortavoSwitchIsOn(DontShowStickGuardInfo);
}

std::string& StickGuardSetupCopiedPath() { return Session().stickGuardSetupCopiedPath; }

StickGuardInformation StickGuardInformationFor(const MenuProject& project)
{
    StickGuardInformation info;
    info.closingText =
        "The setup program only need to be run once in a computer. Thereafter, the AutoRun function will work all "
        "the time, until it is uninstalled. This is true also if the computer is restarted.";
    if (const MenuButton* button = firstStickGuardButton(project)) {
        info.withButton = true;
        info.text = "Before the AutoRun function for USB flash drives will work in another computer, the user must "
                    "press the '" +
                    button->Text + "' button in the menu to run the '" + project.StickGuardSetupFilename +
                    "' setup program.";
    } else {
        info.text = "Before the AutoRun function for USB flash drives will work in another computer, the setup "
                    "program '" +
                    project.StickGuardSetupFilename +
                    "' must be run on that computer. The setup program was copied to the following file path:";
        info.copiedPath = StickGuardSetupCopiedPath();
    }
    return info;
}

bool StickGuardInformationWanted() { return !Siblings().PortavoCompactOffice; }

bool ProductPageInformationWanted(const MenuProject& project)
{
    return project.UseAutorun != 0 && !Siblings().PortavoCompactOffice;
}

PortavoLinkSettingsForm LoadPortavoLinkSettings(const MenuProject& project)
{
    PortavoLinkSettingsForm form;
    form.fileName = project.StickGuardSetupFilename;
    form.folderName = project.StickGuardSetupFoldername;
    form.copyToSubFolder = project.StickGuard_CopySetupFileToSubFolder;
    return form;
}

void ResetPortavoLinkSettings(PortavoLinkSettingsForm& form)
{
    form.fileName = DefaultStickGuardSetupFilename;
    form.folderName = DefaultStickGuardSetupFoldername;
    form.copyToSubFolder = false;
}

bool ConfirmPortavoLinkSettings(PortavoLinkSettingsForm& form, MenuProject& project)
{
    if (form.copyToSubFolder && form.folderName.empty())
        form.folderName = DefaultStickGuardSetupFoldername;
    if (SameTextNoCase(form.folderName, "STARTAPP")) {
        PlainMessage("Invalid folder name!", platform::MsgInformation, "Veltrona Orvanto");
        return false;
    }
    form.fileName = withoutSlashes(form.fileName);
    form.folderName = withoutSlashes(form.folderName);
    project.StickGuardSetupFilename = form.fileName;
    project.StickGuardSetupFoldername = form.folderName;
    project.StickGuard_CopySetupFileToSubFolder = form.copyToSubFolder;
    return true;
}

}  // namespace orv
