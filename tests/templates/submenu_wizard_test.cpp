// The sub-menu wizard's work: the names it makes, and two runs of the creation into a test
// folder with the builds recorded instead of started.
#include "templates/submenu_wizard.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "model/button_list.h"
#include "model/project_file.h"
#include "platform/user_interface.h"
#include "support/test_home.h"

namespace orv {
namespace {

TEST(SubMenuNames, ProjectsFoldersLinksAndBackups)
{
    EXPECT_EQ(SubMenuBuildFolder("E:\\Menus\\", 3), "E:\\Menus\\SubMenu-3");
    EXPECT_EQ(SubMenuLink(2, "MENU.EXE"), "SubMenu-2\\MENU.EXE");
    const std::tm noon{0, 5, 12, 7, 0, 126};  // 7 January 2026, 12:05
    EXPECT_EQ(SubMenuBackupPath("E:\\P\\Catalog - Sub menu 1.mnp", noon), "E:\\P\\Catalog - Sub menu 1.20260107.1205.bak");
    EXPECT_EQ(SubMenuBackupPath("E:\\P\\x.MNP", noon), "E:\\P\\x.20260107.1205.bak");

    SubMenuError error;
    EXPECT_EQ(SubMenuProjectPath("noname", 1, &error), "");
    EXPECT_EQ(error.code, 1002);
    const std::vector<std::string> lines = SubMenuErrorLines(error);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "An error occurred while creating!",
                                               "  Error: 1002 - No project filename has been specified! The filename is set to 'noname'.",
                                               "  (Error point 2, Bad path: noname)", "Cancelling!"}));

    MenuProject p;
    AppendDefaultButton(p, "Button 1", "Run Program");
    AppendDefaultButton(p, "Button 2", "Show Document");
    AppendExitButton(p);
    RemoveSampleButtons(p);
    EXPECT_TRUE(p.Buttons.empty());
    AppendDefaultButton(p, "Button 1", "Run Program");
    AppendExitButton(p);
    RemoveSampleButtons(p);  // not the samples
    EXPECT_EQ(p.Buttons.size(), 2u);
}

class SubMenuCreationTest : public test::HomeTest {
protected:
    std::vector<std::string> lines, builds;
    SubMenuCreation creation(int count, bool information)
    {
        SubMenuCreation c;
        c.count = count;
        c.withInformation = information;
        c.creationFolder = home.win("out");
        c.programFolder = "P";
        c.progress = [this](const std::string& line) { lines.push_back(line); };
        c.startBuild = [this](const std::string& project, const std::string& folder) {
            builds.push_back(project + " -> " + folder);
        };
        return c;
    }
};

TEST_F(SubMenuCreationTest, TwoRunsWriteProjectsBuildMenusAndNeverDuplicateButtons)
{
    // Every occurrence of the extension is replaced, so its folder must exist too.
    std::filesystem::create_directories(home.path("a.mnp.x"));
    EXPECT_EQ(SubMenuProjectPath(home.win("a.mnp.x/b.mnp"), 1), "");
    std::filesystem::create_directories(home.path("a - Sub menu 1.mnp.x"));
    EXPECT_EQ(SubMenuProjectPath(home.win("a.mnp.x/b.mnp"), 1), home.win("a - Sub menu 1.mnp.x/b - Sub menu 1.mnp"));

    MenuProject main;
    ResetParameters(main);
    main.ProjectFilePath = home.win("Catalog.mnp");
    AppendDefaultButton(main, "Tour", "Run Program");

    ASSERT_TRUE(CreateSubMenus(main, creation(2, true)));
    EXPECT_TRUE(std::filesystem::exists(home.path("Catalog - Sub menu 1.mnp")));
    EXPECT_TRUE(std::filesystem::exists(home.path("Catalog.mnp")));  // the main menu saved
    EXPECT_EQ(lines, (std::vector<std::string>{"Creating sub menu 1.", "Creating sub menu 2.", "Inserting buttons in main menu.",
                                               "Saving main menu.", "Creating main menu."}));
    ASSERT_EQ(builds.size(), 3u);
    EXPECT_EQ(builds[2], main.ProjectFilePath + " -> " + home.win("out"));
    std::vector<std::string> texts;
    for (const MenuButton& b : main.Buttons)
        texts.push_back(b.Text + "|" + b.Link);
    EXPECT_EQ(texts, (std::vector<std::string>{"Tour|", "Open sub menu 1|SubMenu-1\\ORVNMENU.EXE",
                                               "Open sub menu 2|SubMenu-2\\ORVNMENU.EXE", "Exit|"}));
    MenuProject sub;
    OpenProjectFile(sub, SubMenuProjectPath(main.ProjectFilePath, 2));
    ASSERT_EQ(sub.Buttons.size(), 2u);
    EXPECT_EQ(sub.Buttons[0].SourceFile, "P\\Examples\\Objects\\Information-Text-Submenu.txt");
    EXPECT_EQ(sub.Buttons[1].Cmd, "Return To Main Menu");
    EXPECT_EQ(sub.CaptionText, "Sub menu 2");
    EXPECT_EQ(sub.CreateDestDir, home.win("out") + "\\SubMenu-2");

    // Sub menu 1 was built: the update question, answered No, leaves it alone.
    home.writeFile("out/SubMenu-1/ORVNMENU.EXE", "program");
    home.ui().answerNext(platform::AnswerNo);
    lines.clear();
    builds.clear();
    ASSERT_TRUE(CreateSubMenus(main, creation(2, false)));
    EXPECT_EQ(home.ui().messages().back().title, "Sub Menus Exists");
    EXPECT_EQ(lines.front(), "Creating sub menu 2.");
    EXPECT_EQ(builds.size(), 2u);
    EXPECT_EQ(main.Buttons.size(), 4u);  // no button twice
    OpenProjectFile(sub, SubMenuProjectPath(main.ProjectFilePath, 2));
    EXPECT_EQ(sub.Buttons.size(), 1u);  // the return button alone
    int backups = 0;  // the sub menu written again was kept first
    for (const auto& entry : std::filesystem::directory_iterator(home.path("")))
        backups += entry.path().extension() == ".bak";
    EXPECT_EQ(backups, 1);
}

}  // namespace
}  // namespace orv
