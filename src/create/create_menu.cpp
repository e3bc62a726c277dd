#include "create/create_menu.h"

#include <array>
#include <filesystem>
#include <new>

#include "create/autorun.h"
#include "create/button_plan.h"
#include "create/companion_programs.h"
#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/creation_run.h"
#include "create/linked_files.h"
#include "create/menu_objects.h"
#include "create/path_rules.h"
#include "create/usb_cooperation.h"
#include "create/user_messages.h"
#include "model/copy_option.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "model/project_file.h"
#include "model/session_state.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "platform/command_line_path.h"
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
    return Siblings().PortavoInstalled && project.UseAutorun != 0 && dialog.coOperateWithPortavoLink;
}

std::string createFolderQuestion(const std::string& destination)
{
    return "The '" + destination + "' folder doesn't exists on the hard drive! Do you want to create it now?";
}

std::string cannotWriteDataFileMessage(const std::string& path)
{
    return "Can't create " + UpperText(path) + "! Check that the path is correct!";
}

// A destination typed as a host path ("/media/stick/menu") is used in its Windows form.
std::string windowsFormOf(const std::string& destination)
{
    if (destination.empty() || destination.front() != '/')
        return destination;
    const auto* files = platform::services().files;
    return files ? files->windowsPath(destination) : destination;
}

bool assureButtonStyle(CreationRun& run)
{
    ComboButStyle_AssureItsAStyle(run.project);
    return true;
}

// The two configured menu program names are corrected; the run's names are set.
bool chooseProgramName(CreationRun& run)
{
    EditorOptions& options = Options();
    options.CDExeFileName = CorrectedExeFileName(options.CDExeFileName, DefaultCDExeFileName);
    options.USBStickExeFileName = CorrectedExeFileName(options.USBStickExeFileName, DefaultUSBStickExeFileName);
    run.programName = UpperText(MenuProgramFileName(run.project));
    run.manifestName = run.programName + ".manifest";
    return true;
}

bool requireDestination(CreationRun& run)
{
    if (run.dialog.destination.empty()) {
        ShowOrLogMessage("No destination folder is specified!", platform::MsgError, "Error");
        return false;
    }
    if (platform::isRelativePath(run.dialog.destination)) {
        ShowOrLogMessage(RelativeDestinationMessage, platform::MsgError, "Error");
        return false;
    }
    run.dialog.destination = windowsFormOf(run.dialog.destination);
    run.destination = run.dialog.destination;
    return true;
}

// Outside batch mode: the Compact Office warning, or the offer of a StickGuard button
// (Cancel, or editing the added button, stops the creation).
bool warnOrOfferStickGuard(CreationRun& run)
{
    if (Batch().BatchBuildMode)
        return true;
    const MenuProject& project = run.project;
    const SiblingProducts& siblings = Siblings();
    if (siblings.PortavoInstalled && siblings.PortavoCompactOffice && project.ProjectType == ProjectTypeUSB &&
        project.UseAutorun != 0 && run.dialog.coOperateWithPortavoLink)
        ShowCompactOfficeWarning(run);
    if (cooperating(project, run.dialog) && !siblings.PortavoCompactOffice &&
        CoOperate_With_PortavoLink_FullVersion(project, run.dialog.coOperateWithPortavoLink) &&
        !HasStickGuardButton(project))
        return OfferStickGuardButton(run);
    return true;
}

// With USB autorun through Portavo the menu program may only have one of three names.
bool checkProgramNameForUsbAutorun(CreationRun& run)
{
    if (!cooperating(run.project, run.dialog))
        return true;
    const std::string& name = run.programName;
    if (name == "ORVNMENU.EXE" || name == "MENU.EXE" || name == "START.EXE")
        return true;
    ShowOrLogMessage(InvalidProgramNameMessage(name), platform::MsgInformation, "Invalid Filename");
    return false;
}

// Never with autorun on the root of C:, and without it only when the author says so.
bool checkRootOfC(CreationRun& run)
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

// The file names, then the paths, of the five chosen files.
bool checkObjectLengths(CreationRun& run)
{
    const MenuProject& p = run.project;
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

// The title of a button's refusal found before anything is written; none for its other
// problems.
const char* refusalTitle(ButtonProblem kind)
{
    switch (kind) {
    case ButtonProblem::WildcardNotAllowed: return "Invalid character";
    case ButtonProblem::WildcardEncrypted:
    case ButtonProblem::EncryptionWithoutCopy: return "Encryption not possible";
    default: return nullptr;
    }
}

// The buttons' refusals from their plans: every wildcard link first, then encryption of a
// file that is not copied.
bool refuseButtons(CreationRun& run)
{
    std::vector<LinkedFilePlan> plans;
    int row = 0;
    for (const MenuButton& button : run.project.Buttons)
        plans.push_back(PlanLinkedFile(button, ++row, run.destination));
    for (bool wildcards : {true, false})
        for (const LinkedFilePlan& plan : plans)
            for (const PlannedProblem& problem : plan.problems) {
                const char* title = refusalTitle(problem.kind);
                if (title && wildcards == (problem.kind != ButtonProblem::EncryptionWithoutCopy)) {
                    ShowOrLogMessage(problem.line, platform::MsgWarning, title);
                    return false;
                }
            }
    return true;
}

// A missing destination folder is made (after asking, outside batch mode); a drive root
// never is.
bool assureDestinationFolder(CreationRun& run)
{
    auto* files = platform::services().files;
    if (!files || files->DirExists(run.destination) != 0 || CharacterCount(run.destination) <= 3)
        return true;
    if (Batch().BatchBuildMode) {
        files->DirCreate(run.destination);
        return true;
    }
    const int answer = AskQuestion(createFolderQuestion(run.destination),
                                   platform::MsgInformation + platform::MsgYesNo, "Folder Does Not Exists",
                                   platform::AnswerYes);
    if (answer != platform::AnswerYes)
        return false;
    if (files->DirCreate(run.destination) == 0) {
        PlainMessage("Can not create the '" + run.destination + "' folder!", platform::MsgInformation,
                     "Can't create folder");
        return false;
    }
    return true;
}

// The report starts empty; the menu description file is chosen.
bool startReport(CreationRun& run)
{
    run.facts = CreationFacts{};
    run.facts.destination = run.destination;
    run.facts.programName = run.programName;
    run.facts.manifestName = run.manifestName;
    StickGuardSetupCopiedPath().clear();
    run.facts.dataFileName = MenuDescriptionFileNameFor(run.dialog.descriptionFileIndex);
    run.dataFilePath = JoinPath(run.destination, run.facts.dataFileName);
    return true;
}

// Links into the destination become relative; the dialog's values go into the project;
// with Portavo the files of earlier runs go.
bool prepareProject(CreationRun& run)
{
    RewriteLinksInsideDestination(run.project, run.destination);
    StoreCreateDialog(run.dialog, run.project);
    run.observer.busy(true);
    if (cooperating(run.project, run.dialog))
        PTV_DeleteOldFiles(run.destination);
    return true;
}

bool writeMenuDescription(CreationRun& run)
{
    run.announce({}, run.dataFilePath);
    PrepareMenuDescription(run.project, run.destination);
    if (CreateCDDataFile(run.project, run.dataFilePath, true))
        return true;
    run.observer.busy(false);
    ShowOrLogMessage(cannotWriteDataFileMessage(run.dataFilePath), platform::MsgError, "Error");
    return false;
}

bool copyMenuObjectsWhenChosen(CreationRun& run) { return !run.dialog.copyObjects || CopyMenuObjects(run); }

// The report (shown outside batch mode) and the date of this creation.
bool reportCreation(CreationRun& run)
{
    MenuProject& project = run.project;
    run.observer.busy(false);
    CreationReport report;
    report.destination = run.destination;
    report.lines = CreationReportLines(run.facts);
    lastReport() = report.lines;
    ++completedRuns();
    if (!Batch().BatchBuildMode) {
        PrepareAfterCreationTimers(run, report);
        run.observer.menuIsCreated(report);
        project.LastCreationDate = TodayText();
        run.observer.projectChanged();
    }
    return true;
}

// What "Create menu" does, in order (docs/creation.md lists it in words). A step that
// returns false has stopped the creation with its message; nothing written is undone.
using CreationStep = bool (*)(CreationRun&);
constexpr CreationStep CreationSteps[] = {
    assureButtonStyle,
    chooseProgramName,
    requireDestination,
    warnOrOfferStickGuard,
    checkProgramNameForUsbAutorun,
    checkRootOfC,
    checkObjectLengths,
    refuseButtons,
    assureDestinationFolder,
    startReport,
    prepareProject,
    writeMenuDescription,
    CopyMenuProgram,
    CopyCompanionPrograms,
    CopyDriveIcon,
    CopyButtonPictures,
    CopyFontFiles,
    WriteAutorunInformation,
    CopyStickGuardSetup,
    copyMenuObjectsWhenChosen,
    CopyLinkedFiles,
    reportCreation,
};

bool runSteps(CreationRun& run)
{
    for (CreationStep step : CreationSteps)
        if (!step(run))
            return false;
    return true;
}

}  // namespace

bool PictureWithoutCdFolder(const MenuProject& p)
{
    return (!p.BackgroundPictureSrc.empty() && p.BackgroundPicture_CDFolder.empty()) ||
           (!p.LogotypePictureSrc.empty() && p.LogotypePicture_CDFolder.empty()) ||
           (!p.MenuPictureSrc.empty() && p.MenuPicture_CDFolder.empty());
}

bool SoundWithoutCdFolder(const MenuProject& p)
{
    return (!p.BackgroundSoundSrc.empty() && p.BackgroundSound_CDFolder.empty()) ||
           (!p.ButtonSoundSrc.empty() && p.ButtonSound_CDFolder.empty()) ||
           (!p.ButtonHoverSoundSrc.empty() && p.ButtonHoverSound_CDFolder.empty());
}

bool CreateActionPreChecks(const MenuProject& p, CreationObserver& observer)
{
    if (PictureWithoutCdFolder(p)) {
        observer.showMainTab(MainTab::Pictures);
        ShowOrLogMessage(PicturesWithoutFolderMessage, platform::MsgWarning, "Error");
        return false;
    }
    if (SoundWithoutCdFolder(p)) {
        observer.showMainTab(MainTab::Sound);
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
    const bool created = completedRuns() != before;
    TakeCreateDialogValues(dialog, project, created);
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
        if (HasWildcardLink(button))
            SetCopyOption(button, CopyOption::DontCopy);
    project.CreateDestDir = windowsFormOf(destination);
}

const std::vector<std::string>& LastCreationReport() { return lastReport(); }

std::string InvalidProgramNameMessage(const std::string& programName)
{
    return "The filename (" + programName +
           ") of the menu interface program is not valid. It can only be ORVNMENU.EXE, MENU.EXE or START.EXE if the "
           "USB flash drive should support AutoRun! Change the filename and try again.";
}

}  // namespace orv
