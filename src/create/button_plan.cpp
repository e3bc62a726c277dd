#include "create/button_plan.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "create/companion_programs.h"
#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "create/user_messages.h"
#include "model/copy_option.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv {

namespace {

bool folderExists(const std::string& folder)
{
    const auto* files = platform::services().files;
    return files && !folder.empty() && files->DirExists(folder) != 0;
}

// The refusals made before anything is written: a wildcard only where the command takes a
// set of files and never with encryption; encryption only of a copied file.
void planRefusals(const MenuButton& button, LinkedFilePlan& plan)
{
    const bool wildcard = plan.link.find("*.") != std::string::npos;
    if (wildcard && !CommandAllowsWildcard(button.Cmd))
        plan.problems.push_back({ButtonProblem::WildcardNotAllowed, WildcardInvalidMessage(plan.row, plan.link)});
    else if (wildcard && EncryptsFile(button))
        plan.problems.push_back({ButtonProblem::WildcardEncrypted, WildcardEncryptionMessage(plan.row, plan.link)});
    else if (EncryptsFile(button) && !CommandCopiesNoFile(button.Cmd) && !button.Link.empty() &&
             CopyOptionOf(button) != CopyOption::CopyFile)
        plan.problems.push_back(
            {ButtonProblem::EncryptionWithoutCopy, EncryptionWithoutCopyMessage(plan.row, button.Text)});
}

LinkedFileAction actionFor(const MenuButton& button)
{
    if (CopyOptionOf(button) == CopyOption::CopyWholeFolder)
        return LinkedFileAction::CopyWholeFolder;
    return EncryptsFile(button) ? LinkedFileAction::Encrypt : LinkedFileAction::CopyFile;
}

}  // namespace

LinkedFilePlan PlanLinkedFile(const MenuButton& button, int row, const std::string& destination)
{
    LinkedFilePlan plan;
    plan.row = row;
    plan.link = LowerText(button.Link);
    planRefusals(button, plan);

    // A wildcard link names files that are already on the medium: nothing is copied.
    if (CommandCopiesNoFile(button.Cmd) || CopyOptionOf(button) == CopyOption::DontCopy || HasWildcardLink(button))
        return plan;
    plan.source = button.SourceFile;
    plan.lowerSource = LowerText(button.SourceFile);
    if (plan.lowerSource.empty())
        return plan;

    const std::string prefix = "Button #" + std::to_string(row) + ": ";
    if (CharacterCount(FileNamePart(plan.lowerSource)) > MaxFileNameLength)
        plan.problems.push_back(
            {ButtonProblem::FileNameTooLong, prefix + FilenameTooLongText(FileNamePart(plan.source))});
    if (CharacterCount(plan.lowerSource) > MaxFilePathLength)
        plan.problems.push_back({ButtonProblem::PathTooLong, prefix + PathTooLongText(plan.source)});
    // A link starting with "@" is opened where it is, never copied.
    if (plan.link.empty() || plan.link.front() == '@')
        return plan;

    plan.action = actionFor(button);
    plan.target = AbsolutePathFromRelative(destination, plan.link);
    if (!destination.empty() && !TargetInsideDestination(destination, plan.target))
        plan.problems.push_back(
            {ButtonProblem::LeadsOutside, OutsideDestinationText(LinkSubject(row), button.Link, destination)});
    plan.inPlace = SameTextNoCase(plan.lowerSource, plan.target);
    plan.writesFlashData = button.Cmd == PlayFlashCommand && !PathDirectoryPart(plan.target).empty();

    if (plan.inPlace)
        return plan;
    const std::string sourceFolder = PathDirectoryPart(plan.source);
    if (plan.action == LinkedFileAction::CopyWholeFolder) {
        if (!folderExists(sourceFolder))
            plan.problems.push_back({ButtonProblem::SourceFolderMissing,
                                     prefix + "the source folder '" + sourceFolder + "' does not exist."});
    } else if (!FileExists(plan.source)) {
        plan.problems.push_back(
            {ButtonProblem::SourceFileMissing, prefix + "the source file '" + plan.source + "' does not exist."});
    }
    return plan;
}

bool CommandCopiesNoFile(const std::string& command)
{
    static constexpr std::array<std::string_view, 9> commands = {
        "Show Internet Page", "Send E-mail",             "Open Picture Gallery", "Run Explorer", "Open Folder",
        "Open New Menu",      "Return To Previous Menu", "Return To Main Menu",  "Exit"};
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

bool CommandAllowsWildcard(const std::string& command)
{
    return command == "Run Program" || command == "Run Program & Close" || command == "Show Document";
}

bool HasWildcardLink(const MenuButton& button) { return LowerText(button.Link).find("*.") != std::string::npos; }

bool EncryptsFile(const MenuButton& button) { return button.PswProtect == "1" && button.PswEncrypt == "1"; }

std::string LinkSubject(int row) { return "link of button #" + std::to_string(row); }

std::string WildcardInvalidMessage(int row, const std::string& link)
{
    return "Invalid character found. The file path can not contain a wildcard character (*) if this button command "
           "is used. (Button #: " +
           std::to_string(row) + ", Path: '" + link + "')";
}

std::string WildcardEncryptionMessage(int row, const std::string& link)
{
    return "If a wildcard character (*) is used in the file path, the file can not be encrypted. (Button #: " +
           std::to_string(row) + ", Path: '" + link + "')";
}

std::string EncryptionWithoutCopyMessage(int row, const std::string& text)
{
    return "The file of button #" + std::to_string(row) + " ('" + text +
           "') is to be encrypted, but the button does not copy its source file to the menu. Only a copied file can "
           "be encrypted: choose \"Copy the source file\" in the button's options, or turn the encryption off. "
           "Can not create menu!";
}

}  // namespace orv
