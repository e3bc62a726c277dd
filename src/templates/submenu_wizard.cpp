#include "templates/submenu_wizard.h"

#include <cstdio>
#include <ctime>

#include "create/copy_file.h"
#include "create/path_rules.h"
#include "model/button_list.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "model/profile.h"
#include "model/project_file.h"
#include "model/project_writer.h"
#include "model/text_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

bool folderExists(const std::string& folder)
{
    const platform::FileSystem* files = platform::services().files;
    return files && files->DirExists(folder) != 0;
}

MenuButton generated(const std::string& text, const std::string& command, const std::string& tip)
{
    MenuButton b;
    b.Text = text;
    b.Cmd = command;
    b.Tip = tip;
    b.DeltaX = b.DeltaY = "0";
    b.DeltaType = "1";
    b.UseBmpSize = "0";
    b.BmpTransType = "1";
    b.Hide = "0";
    b.CSF = "2";
    b.BC1 = b.BC2 = b.BC3 = "6553";
    b.BC4 = "8323072";
    b.UseMediaPlayer = "0";
    b.ShowDialogBoxes = "1";
    return b;
}

bool writeSubMenuProject(const MenuProject& main, int n, const SubMenuCreation& c, SubMenuError& error)
{
    const std::string path = SubMenuProjectPath(main.ProjectFilePath, n, &error);
    if (path.empty())
        return false;
    // The earlier project is kept; a first run has none to keep.
    std::time_t now = std::time(nullptr);
    const std::string backup = SubMenuBackupPath(path, *std::localtime(&now));
    DeleteFileQuietly(backup);
    if (FileExists(path))
        CopyFileMapped(path, backup);

    MenuProject sub = main;
    WizardButtonTable& table = sub.Wizard;
    table.clear();
    table.DestDir = SubMenuBuildFolder(c.creationFolder, n);
    table.CaptionText = "Sub menu " + std::to_string(n);
    table.TitleText = "Title - Sub menu " + std::to_string(n);
    if (c.withInformation)
        table.add(InformationButton(c.programFolder));
    table.add(ReturnToMainMenuButton());
    if (!WriteProfileFile(path, StoreOptionsToText(sub, WriteOptions::SubMenu))) {
        error = {1010, "The sub menu project could not be written.", 3, path};
        return false;
    }
    return true;
}

}  // namespace

std::string SubMenuProjectPath(const std::string& mainProject, int n, SubMenuError* error)
{
    SubMenuError e;
    const std::string folder = PathDirectoryPart(mainProject);
    const std::string name = FileNamePart(mainProject);
    const auto dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::string result;
    if (mainProject.empty())
        e = {1001, "No project filename has been specified! The filename is empty.", 2, mainProject};
    else if (mainProject == NoProjectFile)
        e = {1002, "No project filename has been specified! The filename is set to 'noname'.", 2, mainProject};
    else if (folder.empty())
        e = {1003, "The project directory (folder path) could not be extracted from the project filename!", 2,
             mainProject};
    else if (!folderExists(folder))
        e = {1006, "The project directory (folder path) that was extracted from the project file path does not exists!",
             2, folder};
    else if (extension.empty())
        e = {1004, "The filename extension could not not be extracted from the project filename!", 2, mainProject};
    else {
        result = ReplacedAll(mainProject, "." + extension, " - Sub menu " + std::to_string(n) + "." + extension);
        if (!folderExists(PathDirectoryPart(result))) {
            e = {1005, "The project directory (project folder) does not exists!", 2, PathDirectoryPart(result)};
            result.clear();
        }
    }
    if (error && e.code != 0)
        *error = e;
    return result;
}

std::string SubMenuBuildFolder(const std::string& creationFolder, int n)
{
    std::string folder = creationFolder + "\\SubMenu-" + std::to_string(n);
    return ReplacedAll(folder, "\\\\", "\\");
}

std::string SubMenuLink(int n, const std::string& menuProgramName)
{
    return "SubMenu-" + std::to_string(n) + "\\" + menuProgramName;
}

std::string SubMenuBackupPath(const std::string& subMenuProject, const std::tm& now)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".%04d%02d%02d.%02d%02d.bak", now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                  now.tm_hour, now.tm_min);
    for (const char* extension : {".mnp", ".Mnp", ".MNP"})
        if (const auto at = subMenuProject.rfind(extension); at != std::string::npos)
            return subMenuProject.substr(0, at) + stamp + subMenuProject.substr(at + 4);
    return subMenuProject + stamp;
}

void RemoveSampleButtons(MenuProject& project)
{
    std::vector<std::string> texts;
    for (const MenuButton& b : project.Buttons)
        texts.push_back(b.Text);
    const std::vector<std::string> three = {"Button 1", "Button 2", "Exit"};
    const std::vector<std::string> six = {"Button 1", "Button 2", "Button 3", "Button 4", "Button 5", "Exit"};
    if (texts == three || texts == six)
        ClearButtonList(project);
}

MenuButton InformationButton(const std::string& programFolder)
{
    MenuButton b = generated("Information", "Show Document", "Show information text");
    b.Link = "Files\\Button1\\Information-Text-Submenu.txt";
    b.SourceFile = programFolder + "\\Examples\\Objects\\Information-Text-Submenu.txt";
    b.PswProtect = b.PswAsterisk = "0";
    return b;
}

MenuButton ReturnToMainMenuButton()
{
    MenuButton b = generated("Return to main menu", "Return To Main Menu", "Returns to the main menu");
    b.PswProtect = b.PswAsterisk = "0";
    return b;
}

MenuButton OpenSubMenuButton(int n, const std::string& menuProgramName)
{
    MenuButton b = generated("Open sub menu " + std::to_string(n), "Open New Menu", "Opens sub menu " + std::to_string(n));
    b.Link = SubMenuLink(n, menuProgramName);
    b.RunAsAdministrator = b.RunProgramMaximized = "0";
    return b;
}

std::vector<std::string> SubMenuErrorLines(const SubMenuError& e)
{
    std::vector<std::string> lines;
    if (e.code >= 1)
        lines.emplace_back();
    lines.push_back("An error occurred while creating!");
    if (e.code > 0)
        lines.push_back("  Error: " + std::to_string(e.code) + (e.text.empty() ? "" : " - " + e.text));
    if (!e.badPath.empty() || e.point >= 1) {
        std::string where = e.point > 0 ? "Error point " + std::to_string(e.point) : std::string();
        if (e.point > 0 && !e.badPath.empty())
            where += ", ";
        if (!e.badPath.empty())
            where += "Bad path: " + e.badPath;
        lines.push_back("  (" + where + ")");
    }
    lines.push_back("Cancelling!");
    return lines;
}

bool CreateSubMenus(MenuProject& main, const SubMenuCreation& c)
{
    const auto say = [&](const std::string& line) {
        if (c.progress)
            c.progress(line);
    };
    if (c.count < 1) {
        say("There is nothing to create!");
        return false;
    }
    const std::string program = MenuProgramFileName(main);
    const auto built = [&](int n) { return FileExists(SubMenuBuildFolder(c.creationFolder, n) + "\\" + program); };
    bool update = false;
    for (int n = 1; n <= c.count; ++n)
        if (built(n)) {
            const int answer = platform::services().ui->Message(
                "One or more sub menus have already been created at specified folders. Do you want to update them?",
                platform::MsgYesNoCancel + platform::MsgQuestion, "Sub Menus Exists");
            if (answer == platform::AnswerCancel)
                return false;
            update = answer == platform::AnswerYes;
            break;
        }

    for (int n = 1; n <= c.count; ++n) {
        if (!update && built(n))
            continue;
        say("Creating sub menu " + std::to_string(n) + ".");
        SubMenuError error;
        if (!writeSubMenuProject(main, n, c, error)) {
            for (const std::string& line : SubMenuErrorLines(error))
                say(line);
            return false;
        }
        if (c.startBuild)
            c.startBuild(SubMenuProjectPath(main.ProjectFilePath, n), SubMenuBuildFolder(c.creationFolder, n));
    }

    say("Inserting buttons in main menu.");
    for (int n = 1; n <= c.count; ++n) {
        const std::string link = SubMenuLink(n, program);
        bool present = false;
        for (const MenuButton& b : main.Buttons)
            present = present || (b.Cmd == "Open New Menu" && b.Link == link);
        if (!present && ButtonListHasRoom(main)) {
            const std::size_t at = AddInsertPosition(main.Buttons);
            main.Buttons.insert(main.Buttons.begin() + static_cast<std::ptrdiff_t>(at), OpenSubMenuButton(n, program));
        }
    }
    if (!ListHasExitButton(main))
        AppendExitButton(main);
    say("Saving main menu.");
    if (c.saveMain ? !c.saveMain(main) : !SaveProjectFile(main)) {
        for (const std::string& line : SubMenuErrorLines({0, {}, 4, main.ProjectFilePath}))
            say(line);
        return false;
    }
    say("Creating main menu.");
    if (c.startBuild)
        c.startBuild(main.ProjectFilePath, c.creationFolder);
    return true;
}

}  // namespace orv
