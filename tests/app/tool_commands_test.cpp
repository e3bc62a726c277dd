// orvntool's commands, run in-process on files in a test home.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "app/tool/project_info.h"
#include "app/tool/tool_commands.h"
#include "create/create_menu.h"
#include "model/messages.h"
#include "model/editor_options.h"
#include "model/profile.h"
#include "model/project_file.h"
#include "model/project_writer.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "support/stand_in_program_folder.h"
#include "support/test_home.h"

namespace orv::test {
namespace {

class ToolTest : public HomeTest {
protected:
    int run(std::vector<std::string> args)
    {
        out.str({});
        err.str({});
        tool::ToolCommands commands(out, err, [] { ReadEditorOptions(); });
        return commands.run(args);
    }
    // The lines written to stderr.
    int errorLines() const
    {
        const std::string e = err.str();
        return static_cast<int>(std::count(e.begin(), e.end(), '\n'));
    }
    std::string host(const std::string& rel) const { return home.path(rel).string(); }

    // The text of a project file with the date blanked.
    static std::string undated(const std::string& text)
    {
        return std::regex_replace(text, std::regex("\r\n([YMD]) = [^\r]*"), "\r\n$1 = #");
    }

    std::ostringstream out, err;
};

// --- Arguments ---

TEST_F(ToolTest, HelpPrintsTheUsage)
{
    EXPECT_EQ(run({"--help"}), tool::ExitOk);
    EXPECT_EQ(out.str(), tool::ToolUsageText());
    EXPECT_TRUE(err.str().empty());
}

TEST_F(ToolTest, BadArgumentsGiveOneMessageAndExitCode2)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"new"},
        {"new", "a.mnp", "b.mnp"},
        {"new", "--cd", "a.mnp"},
        {"upgrade"},
        {"upgrade", "a", "b", "c"},
        {"mni", "a.mnp"},
        {"info"},
        {"info", "a.mnp", "--xml"},
        {"check"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(run(args), tool::ExitUsage) << (args.empty() ? "(none)" : args[0]);
        EXPECT_EQ(errorLines(), 1) << err.str();
        EXPECT_TRUE(err.str().starts_with("orvntool: "));
        EXPECT_TRUE(out.str().empty());
    }
    EXPECT_FALSE(std::filesystem::exists("a.mnp"));
}

// --- new ---

TEST_F(ToolTest, NewWritesTheNewProjectValues)
{
    ASSERT_EQ(run({"new", host("fresh.mnp")}), tool::ExitOk) << err.str();
    // The new project file as the editor writes it, its date blanked.
    std::ifstream golden(std::string(ORVANTO_TEST_DATA_DIR) + "/golden/new_project.mnp", std::ios::binary);
    EXPECT_EQ(undated(home.readFile("fresh.mnp")), std::string(std::istreambuf_iterator<char>(golden), {}));
    EXPECT_TRUE(out.str().empty());
    EXPECT_TRUE(err.str().empty());
}

// An existing file stays unless --force; the new project takes the editor options of the
// options file.
TEST_F(ToolTest, NewKeepsAnExistingFileUnlessForced)
{
    const std::string mine = "[Title]\r\nTitleText = Mine\r\n";
    home.writeFile("mine.mnp", mine);
    EXPECT_EQ(run({"new", host("mine.mnp")}), tool::ExitFailure);
    EXPECT_EQ(err.str(), "orvntool: '" + host("mine.mnp") + "' already exists (--force replaces it)\n");
    EXPECT_EQ(home.readFile("mine.mnp"), mine);

    const std::string options = OptionsFilePath();
    ASSERT_TRUE(PutProfileText(options, "Options", "AddArrowToButton", "0"));
    ASSERT_TRUE(PutProfileText(options, "DocOptions", "DocErr_FileExt1", "odt"));
    ASSERT_EQ(run({"new", "--force", "--usb", home.win("mine.mnp")}), tool::ExitOk) << err.str();
    MenuProject p;
    OpenProjectFile(p, home.win("mine.mnp"));
    EXPECT_EQ(p.ProjectType, ProjectTypeUSB);
    for (const char* part : {"AddArrowToButton = 0\r\n", "DocErr_FileExt1 = odt\r\n"})
        EXPECT_NE(home.readFile("mine.mnp").find(part), std::string::npos) << part;
}

// --- upgrade ---

const char* const oldProject = "[Origin]\r\nVer = 4.1\r\n[Title]\r\nTitleText = Old menu\r\n"
                               "[Buttons]\r\nButtonStyle = 13\r\nNrButtons = 1\r\n[ButtonData]\r\n"
                               "Button1Text = Back\r\nButton1Cmd = \xC5terv\xE4nd till huvudmeny\r\n";

// A write-protected project is upgraded into another file only; upgrading in place again
// changes nothing but the date.
TEST_F(ToolTest, UpgradeOfAWriteProtectedFileGoesIntoAnotherFile)
{
    home.writeFile("old.mnp", oldProject);
    std::filesystem::permissions(home.path("old.mnp"), std::filesystem::perms(0444));
    EXPECT_EQ(run({"upgrade", host("old.mnp")}), tool::ExitFailure);
    EXPECT_EQ(err.str(), "orvntool: '" + host("old.mnp") +
                             "' is write-protected; name another file to write the upgraded project to\n");
    EXPECT_EQ(std::filesystem::status(home.path("old.mnp")).permissions(), std::filesystem::perms(0444));

    ASSERT_EQ(run({"upgrade", host("old.mnp"), home.win("new.mnp")}), tool::ExitOk) << err.str();
    EXPECT_EQ(home.readFile("old.mnp"), oldProject);
    const std::string once = home.readFile("new.mnp");
    for (const char* part : {"Ver = 8.6.9\r\n", "ButtonStyle = 28\r\n", "Button1Cmd = Return To Main Menu\r\n",
                             "TitleText = Old menu\r\n"})
        EXPECT_NE(once.find(part), std::string::npos) << part;
    EXPECT_TRUE(once.ends_with("-(EOF)-\r\n\r\n"));
    ASSERT_EQ(run({"upgrade", host("new.mnp")}), tool::ExitOk);
    EXPECT_EQ(undated(home.readFile("new.mnp")), undated(once));
}

// --- mni ---

TEST_F(ToolTest, MniWritesWhatCreationWrites)
{
    StandInProgramFolder program(home);
    MenuProject p;
    ResetParameters(p);
    p.CreateDestDir = host("menu");  // a host path: both write its Windows form
    p.UseAutorun = 0;
    p.ButtonStyle = 10;  // a group heading of the style list
    p.TitleText = "Fish & Chips";
    p.Buttons.push_back(MakeTitleRow("Games"));
    MenuButton docs;
    docs.Text = "Manuals";
    docs.Cmd = "Show Document";
    docs.Link = "Docs\\*.PDF";
    docs.CSF = "0";
    p.Buttons.push_back(docs);
    ASSERT_TRUE(SaveProjectFileAs(p, home.win("p.mnp")));

    ASSERT_EQ(run({"mni", host("p.mnp"), host("tool.mni")}), tool::ExitOk) << err.str();
    Batch().BatchBuildMode = true;
    MenuProject created;
    OpenProjectFile(created, home.win("p.mnp"));
    ASSERT_TRUE(CreateAction(created, DefaultCreationObserver())) << Batch().LastMessage;

    // The creation's own rules (the style after a heading, CSF of a wildcard) are tested with
    // the creation; here both files must agree, with the destination in Windows form.
    const std::string text = home.readFile("tool.mni");
    EXPECT_EQ(undated(text), undated(home.readFile("menu/orvnmenu.mni")));
    EXPECT_NE(text.find("CreateDestDir = " + home.win("menu") + "\r\n"), std::string::npos);
}

// --- info ---

void writeInfoProject(TestHome& home)
{
    home.writeFile("info.mnp", "[Origin]\r\nVer = 7.2\r\n[ProjectType]\r\nProjectType = 2\r\n"
                               "[MainWindow]\r\nWidth = 640\r\nHeight = 480\r\n[Title]\r\nTitleText = My \"best\" menu\r\n"
                               "[Buttons]\r\nButtonStyle = 26\r\nNrButtons = 2\r\n[ButtonData]\r\n"
                               "Button1Text = Manual\r\nButton1Cmd = Show Document\r\nButton1Link = Files\\manual.pdf\r\n"
                               "Button2Text = - Extras -\r\n");
}

TEST_F(ToolTest, InfoShowsTheProjectFacts)
{
    writeInfoProject(home);
    ASSERT_EQ(run({"info", host("info.mnp")}), tool::ExitOk) << err.str();
    EXPECT_EQ(out.str(), "Version read: 7.2\n"
                         "Project type: USB flash drive\n"
                         "Title: My \"best\" menu\n"
                         "Window size: 640 x 480\n"
                         "Button style: 26 (Metallic)\n"
                         "Buttons: 2\n"
                         "  Row 1\n"
                         "    Text: Manual\n"
                         "    Command: Show Document\n"
                         "    Target: Files\\manual.pdf\n"
                         "  Row 2 (title row)\n"
                         "    Text: - Extras -\n"
                         "    Command: \n"
                         "    Target: \n");
}

TEST_F(ToolTest, InfoAsJson)
{
    writeInfoProject(home);
    ASSERT_EQ(run({"info", "--json", home.win("info.mnp")}), tool::ExitOk) << err.str();
    EXPECT_EQ(out.str(), "{\n"
                         "  \"version\": \"7.2\",\n"
                         "  \"projectType\": 2,\n"
                         "  \"projectTypeName\": \"USB flash drive\",\n"
                         "  \"title\": \"My \\\"best\\\" menu\",\n"
                         "  \"window\": {\"width\": \"640\", \"height\": \"480\"},\n"
                         "  \"buttonStyle\": {\"number\": 26, \"name\": \"Metallic\"},\n"
                         "  \"buttons\": [\n"
                         "    {\"row\": 1, \"titleRow\": false, \"text\": \"Manual\", \"command\": \"Show Document\", "
                         "\"target\": \"Files\\\\manual.pdf\"},\n"
                         "    {\"row\": 2, \"titleRow\": true, \"text\": \"- Extras -\", \"command\": \"\", "
                         "\"target\": \"\"}\n"
                         "  ]\n"
                         "}\n");
}

TEST_F(ToolTest, InfoOfAFileWithoutVersionOrButtons)
{
    home.writeFile("bare.mnp", "[Title]\r\n");
    ASSERT_EQ(run({"info", host("bare.mnp"), "--json"}), tool::ExitOk);
    EXPECT_NE(out.str().find("\"version\": \"\",\n"), std::string::npos);
    EXPECT_NE(out.str().find("\"buttons\": []\n"), std::string::npos);
    ASSERT_EQ(run({"info", host("bare.mnp")}), tool::ExitOk);
    EXPECT_TRUE(out.str().starts_with("Version read: (none)\n"));
}

TEST(ToolJsonTest, ControlCharactersAreEscaped)
{
    EXPECT_EQ(tool::JsonString("a\"b\\c\nd\te\x01"), "\"a\\\"b\\\\c\\nd\\te\\u0001\"");
    EXPECT_EQ(tool::JsonString("Ωmega"), "\"Ωmega\"");
}

// --- Failures ---

TEST_F(ToolTest, FailuresGiveOneMessageAndExitCode1)
{
    home.writeFile("old.mnp", oldProject);
    ASSERT_EQ(run({"new", host("p.mnp")}), tool::ExitOk);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"new", host("no/such/dir/x.mnp")}, "cannot write"},
        {{"upgrade", host("missing.mnp")}, "project file '" + host("missing.mnp") + "' does not exist"},
        {{"upgrade", host("old.mnp"), host("nowhere/new.mnp")}, "nowhere"},
        {{"mni", host("missing.mnp"), host("out.mni")}, "missing.mnp"},
        {{"mni", host("p.mnp"), host("missing/out.mni")}, "missing"},
        {{"info", host("missing.mnp")}, "missing.mnp"},
        {{"check", host("none.mnp")}, "none.mnp"},
        {{"mni", host("p.mnp"), host("p.mnp")}, "is the project file itself"},
        {{"mni", host("p.mnp"), home.win("p.mnp")}, "is the project file itself"},
        {{"mni", host("p.mnp"), host("P.MNP")}, "is the project file itself"},
    };
    const std::string project = home.readFile("p.mnp");
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(run(args), tool::ExitFailure) << args[0] << " " << args[1];
        EXPECT_EQ(errorLines(), 1) << err.str();
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty()) << out.str();
    }
    EXPECT_FALSE(std::filesystem::exists(home.path("out.mni")));
    EXPECT_EQ(home.readFile("old.mnp"), oldProject);
    EXPECT_EQ(home.readFile("p.mnp"), project);
}

TEST_F(ToolTest, EveryCommandRefusesAFileThatIsNotAProjectAndLeavesItAlone)
{
    const std::string photo("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13);
    home.writeFile("photo.jpg", photo);
    home.writeFile("empty.mnp", "");
    for (const char* name : {"photo.jpg", "empty.mnp"}) {
        const std::string file = host(name);
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"info", file}, {"check", file}, {"upgrade", file}, {"mni", file, host("out.mni")}}) {
            EXPECT_EQ(run(args), tool::ExitFailure) << args[0] << " " << name;
            EXPECT_EQ(err.str(), "orvntool: " + file + " is not a project file\n");
            EXPECT_TRUE(out.str().empty());
        }
    }
    EXPECT_EQ(home.readFile("photo.jpg"), photo);
    EXPECT_EQ(home.readFile("empty.mnp"), "");
    EXPECT_FALSE(std::filesystem::exists(home.path("out.mni")));
}

// --- check ---

// The check's rules are tested with the creation; here: nothing printed and exit code 0 for a
// project that creates, one line per problem and exit code 1 otherwise.
TEST_F(ToolTest, CheckPassesAProjectThatCreatesAndListsEachProblemOtherwise)
{
    StandInProgramFolder program(home);
    MenuProject project;
    ResetParameters(project);
    project.CreateDestDir = home.win("out");
    ASSERT_TRUE(SaveProjectFileAs(project, home.win("good.mnp")));
    EXPECT_EQ(run({"check", host("good.mnp")}), tool::ExitOk) << out.str() << err.str();
    EXPECT_EQ(out.str(), "");

    project.BackgroundPictureSrc = home.win("missing/back.png");
    project.CreateDestDir.clear();
    ASSERT_TRUE(SaveProjectFileAs(project, home.win("bad.mnp")));
    EXPECT_EQ(run({"check", host("bad.mnp")}), tool::ExitFailure);
    EXPECT_EQ(out.str(), "One or more CD Folders for your pictures are empty. If you use a picture you must always "
                         "specify a CD folder to.\nNo destination folder is specified!\n");
    EXPECT_TRUE(err.str().empty());
}

}  // namespace
}  // namespace orv::test
