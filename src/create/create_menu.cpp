#include "create/create_menu.h"

#include <array>
#include <filesystem>
#include <new>

#include "create/autorun.h"
#include "create/companion_programs.h"
#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/creation_run.h"
#include "create/linked_files.h"
#include "create/menu_objects.h"
#include "create/path_rules.h"
#include "create/usb_cooperation.h"
#include "create/user_messages.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "model/project_file.h"
#include "model/session_state.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

std::vector<std::string>& lastReport() { return Session().lastReport; }

// Creations that ran to their end in this run of the program.
unsigned& completedRuns() { return Session().completedRuns; }

bool cooperating(const MenuProject& project, const CreateDialogState& dialog)
{
    return Siblings().PortavoInstalled && project.UseAutorun != 0 && dialog.cCoOperateWithPortavoLink;
}

// Step 2: the two menu program names are corrected; the run's names are set.
void chooseProgramName(CreationRun& run)
{
    EditorOptions& options = Options();
    options.CDExeFileName = CorrectedExeFileName(options.CDExeFileName, DefaultCDExeFileName);
    options.USBStickExeFileName = CorrectedExeFileName(options.USBStickExeFileName, DefaultUSBStickExeFileName);
    run.programName = UpperText(MenuProgramFileName(run.project));
    run.manifestName = run.programName + ".manifest";
}

// A destination typed as a host path ("/media/stick/menu") is used in its Windows form.
std::string windowsFormOf(const std::string& destination)
{
    if (destination.empty() || destination.front() != '/')
        return destination;
    const auto* files = platform::services().files;
    return files ? files->windowsPath(destination) : destination;
}

// Step 6.
bool checkProgramNameForUsbAutorun(const CreationRun& run)
{
    if (!cooperating(run.project, run.dialog))
        return true;
    const std::string& name = run.programName;
    if (name == "ORVNMENU.EXE" || name == "MENU.EXE" || name == "START.EXE")
        return true;
    ShowOrLogMessage(InvalidProgramNameMessage(name), platform::MsgInformation, "Invalid Filename");
    return false;
}

// Step 7.
bool checkRootOfC(const CreationRun& run)
{
    const std::string upper = UpperText(run.destination);
    if (upper != "C:\\" && upper != "C:")
        return true;
    if (run.project.UseAutorun != 0) {
        ShowOrLogMessage(RootOfCWithAutorunMessage, platform::MsgWarning, "Can't Create Menu");
        return false;
    }
    const int answer = AskQuestion(RootOfCQuestion, platform::MsgWarning + platform::MsgYesNo, "Warning",
                                   platform::AnswerNo);
    return answer != platform::AnswerYes;
}

// Steps 8 and 9: the file names, then the paths, of the five chosen files.
bool checkObjectLengths(const MenuProject& p)
{
    const std::array<const std::string*, 5> files = {&p.BackgroundPictureSrc, &p.LogotypePictureSrc,
                                                     &p.MenuPictureSrc, &p.BackgroundSoundSrc, &p.MenuMovieFilename};
    for (const std::string* file : files) {
        const std::string name = FileNamePart(*file);
        if (CharacterCount(name) > MaxFileNameLength) {
            ShowFilenameTooLong(name);
            return false;
        }
    }
    for (const std::string* file : files) {
        if (CharacterCount(*file) > MaxFilePathLength) {
            ShowPathTooLong(*file);
            return false;
        }
    }
    return true;
}

// Step 10.
bool checkWildcards(const MenuProject& project)
{
    int row = 0;
    for (const MenuButton& button : project.Buttons) {
        ++row;
        const std::string link = LowerText(button.Link);
        if (link.empty() || link.find("*.") == std::string::npos)
            continue;
        if (!CommandAllowsWildcard(button.Cmd)) {
            ShowOrLogMessage(WildcardInvalidMessage(row, link), platform::MsgWarning, "Invalid character");
            return false;
        }
        if (button.PswProtect == "1" && button.PswEncrypt == "1") {
            ShowOrLogMessage(WildcardEncryptionMessage(row, link), platform::MsgWarning, "Encryption not possible");
            return false;
        }
    }
    row = 0;
    for (const MenuButton& button : project.Buttons) {
        ++row;
        if (EncryptionWithoutCopy(button)) {
            ShowOrLogMessage(EncryptionWithoutCopyMessage(row, button.Text), platform::MsgWarning,
                             "Encryption not possible");
            return false;
        }
    }
    return true;
}

bool hasWildcardLink(const MenuButton& button) { return LowerText(button.Link).find("*.") != std::string::npos; }

// Step 11.
bool assureDestinationFolder(const CreationRun& run)
{
    auto* files = platform::services().files;
    if (!files || files->DirExists(run.destination) != 0 || CharacterCount(run.destination) <= 3)
        return true;
    if (Batch().BatchBuildMode) {
        files->DirCreate(run.destination);
        return true;
    }
    const int answer = AskQuestion(CreateFolderQuestion(run.destination),
                                   platform::MsgInformation + platform::MsgYesNo, "Folder Does Not Exists",
                                   platform::AnswerYes);
    if (answer != platform::AnswerYes)
        return false;
    if (files->DirCreate(run.destination) == 0) {
        PlainMessage(CannotCreateFolderMessage(run.destination), platform::MsgInformation, "Can't create folder");
        return false;
    }
    return true;
}

bool runSteps(CreationRun& run)
{
    MenuProject& project = run.project;
    CreateDialogState& dialog = run.dialog;
    const bool batch = Batch().BatchBuildMode;
    const SiblingProducts& siblings = Siblings();

    ComboButStyle_AssureItsAStyle(project);  // 1
    chooseProgramName(run);                   // 2

    if (dialog.tDestinationDir.empty()) {  // 3
        ShowOrLogMessage("No destination folder is specified!", platform::MsgError, "Error");
        return false;
    }
    dialog.tDestinationDir = windowsFormOf(dialog.tDestinationDir);
    run.destination = dialog.tDestinationDir;

    if (!batch && siblings.PortavoInstalled && siblings.PortavoCompactOffice && project.ProjectType == ProjectTypeUSB &&
        project.UseAutorun != 0 && dialog.cCoOperateWithPortavoLink)  // 4
        ShowCompactOfficeWarning(run);
    if (!batch && cooperating(project, dialog) && !siblings.PortavoCompactOffice &&
        CoOperate_With_PortavoLink_FullVersion(project, dialog.cCoOperateWithPortavoLink) &&
        !HasStickGuardButton(project) && !OfferStickGuardButton(run))  // 5
        return false;
    if (!checkProgramNameForUsbAutorun(run) || !checkRootOfC(run) || !checkObjectLengths(project) ||
        !checkWildcards(project) || !assureDestinationFolder(run))  // 6 - 11
        return false;

    run.facts = CreationFacts{};  // 12
    run.facts.destination = run.destination;
    run.facts.programName = run.programName;
    run.facts.manifestName = run.manifestName;
    StickGuardSetupCopiedPath().clear();
    run.facts.dataFileName = MenuDescriptionFileNameFor(dialog.ComboScrResDataFiles);
    run.dataFilePath = JoinPath(run.destination, run.facts.dataFileName);

    RewriteLinksInsideDestination(project, run.destination);  // 13
    StoreCreateDialog(dialog, project);                        // 14
    run.observer.busy(true);

    if (cooperating(project, dialog))  // 15
        PTV_DeleteOldFiles(run.destination);

    run.announce({}, run.dataFilePath);  // 16
    PrepareMenuDescription(project, run.destination);
    if (!CreateCDDataFile(project, run.dataFilePath, true)) {
        run.observer.busy(false);
        ShowOrLogMessage(CannotWriteDataFileMessage(run.dataFilePath), platform::MsgError, "Error");
        return false;
    }

    if (!CopyMenuProgram(run) || !CopyCompanionPrograms(run) || !CopyDriveIcon(run) ||  // 17 - 19
        !CopyButtonPictures(run) || !CopyFontFiles(run) ||                            // 20, 21
        !WriteAutorunInformation(run) || !CopyStickGuardSetup(run))                   // 22
        return false;
    if (dialog.cCopyObjects && !CopyMenuObjects(run))  // 23
        return false;
    if (!CopyLinkedFiles(run))  // 24
        return false;

    run.observer.busy(false);  // 25
    CreationReport report;
    report.destination = run.destination;
    report.lines = CreationReportLines(run.facts);
    lastReport() = report.lines;
    ++completedRuns();
    if (!batch) {
        PrepareAfterCreationTimers(run, report);
        run.observer.menuIsCreated(report);
        project.LastCreationDate = TodayText();  // 26
        project.Modified = true;
    }
    return true;
}

}  // namespace

bool CreateActionPreChecks(const MenuProject& p, CreationObserver& observer)
{
    const bool pictureWithoutFolder = (!p.BackgroundPictureSrc.empty() && p.BackgroundPicture_CDFolder.empty()) ||
                                      (!p.LogotypePictureSrc.empty() && p.LogotypePicture_CDFolder.empty()) ||
                                      (!p.MenuPictureSrc.empty() && p.MenuPicture_CDFolder.empty());
    if (pictureWithoutFolder) {
        observer.showMainTab(PicturesTab);
        ShowOrLogMessage(PicturesWithoutFolderMessage, platform::MsgWarning, "Error");
        return false;
    }
    const bool soundWithoutFolder = (!p.BackgroundSoundSrc.empty() && p.BackgroundSound_CDFolder.empty()) ||
                                    (!p.ButtonSoundSrc.empty() && p.ButtonSound_CDFolder.empty()) ||
                                    (!p.ButtonHoverSoundSrc.empty() && p.ButtonHoverSound_CDFolder.empty());
    if (soundWithoutFolder) {
        observer.showMainTab(SoundTab);
        ShowOrLogMessage(SoundsWithoutFolderMessage, platform::MsgWarning, "Error");
        return false;
    }
    return true;
}

bool CreateAction(MenuProject& project, CreationObserver& observer, const std::string& buildFolder)
{
    const bool batch = Batch().BatchBuildMode;
    if (batch && !buildFolder.empty())
        project.CreateDestDir = buildFolder;
    if (!CreateActionPreChecks(project, observer))
        return false;
    CreateDialogState dialog = LoadCreateDialog(project);
    const unsigned before = completedRuns();
    if (batch)
        CmdCreateMenu(project, dialog, observer);
    else
        observer.runCreateDialog(project, dialog);
    if (!dialog.tDestinationDir.empty())
        StoreCreateDialog(dialog, project);
    const bool created = completedRuns() != before;
    return created;
}

bool CmdCreateMenu(MenuProject& project, CreateDialogState& dialog, CreationObserver& observer)
{
    CreationRun run(project, dialog, observer);
    try {
        return runSteps(run);
    } catch (const std::filesystem::filesystem_error& e) {
        observer.busy(false);
        ShowOrLogMessage(GeneralCreateErrorMessage(MapHostError(e.code())), platform::MsgError, ErrorTitle);
    } catch (const std::bad_alloc&) {
        observer.busy(false);
        ShowOrLogMessage(GeneralCreateErrorMessage(7), platform::MsgError, ErrorTitle);
    } catch (const std::exception&) {
        observer.busy(false);
        ShowOrLogMessage(GeneralCreateErrorMessage(5), platform::MsgError, ErrorTitle);
    }
    return false;
}

void ComboButStyle_AssureItsAStyle(MenuProject& project)
{
    if (IsButtonStyleHeading(project.ButtonStyle))
        ++project.ButtonStyle;
}

void PrepareMenuDescription(MenuProject& project, const std::string& destination)
{
    ComboButStyle_AssureItsAStyle(project);
    for (MenuButton& button : project.Buttons)
        if (hasWildcardLink(button))
            button.CSF = "1";
    project.CreateDestDir = windowsFormOf(destination);
}

const std::vector<std::string>& LastCreationReport() { return lastReport(); }

std::string InvalidProgramNameMessage(const std::string& programName)
{
    return "The filename (" + programName +
           ") of the menu interface program is not valid. It can only be ORVNMENU.EXE, MENU.EXE or START.EXE if the "
           "USB flash drive should support AutoRun! Change the filename and try again.";
}

std::string WildcardEncryptionMessage(int row, const std::string& link)
{
    return "If a wildcard character (*) is used in the file path, the file can not be encrypted. (Button #: " +
           std::to_string(row) + ", Path: '" + link + "')";
}

bool EncryptionWithoutCopy(const MenuButton& button)
{
    return button.PswProtect == "1" && button.PswEncrypt == "1" && !CommandCopiesNoFile(button.Cmd) &&
           !button.Link.empty() && button.CSF != "2";
}

std::string EncryptionWithoutCopyMessage(int row, const std::string& text)
{
    return "The file of button #" + std::to_string(row) + " ('" + text +
           "') is to be encrypted, but the button does not copy its source file to the menu. Only a copied file can "
           "be encrypted: choose \"Copy the source file\" in the button's options, or turn the encryption off. "
           "Can not create menu!";
}

std::string WildcardInvalidMessage(int row, const std::string& link)
{
    return "Invalid character found. The file path can not contain a wildcard character (*) if this button command "
           "is used. (Button #: " +
           std::to_string(row) + ", Path: '" + link + "')";
}

std::string CreateFolderQuestion(const std::string& destination)
{
    return "The '" + destination + "' folder doesn't exists on the hard drive! Do you want to create it now?";
}

std::string CannotCreateFolderMessage(const std::string& destination)
{
    return "Can not create the '" + destination + "' folder!";
}

std::string CannotWriteDataFileMessage(const std::string& path)
{
    return "Can't create " + UpperText(path) + "! Check that the path is correct!";
}

bool CommandAllowsWildcard(const std::string& command)
{
    return command == "Run Program" || command == "Run Program & Close" || command == "Show Document";
}

}  // namespace orv
