// Saving and opening project files on disk: round trips, the ANSI encoding, atomic saves,
// the menu description file, and files that are damaged or hostile.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "model/project_file.h"
#include "model/project_writer.h"
#include "model/sibling_products.h"
#include "project/project_test_support.h"

namespace orv::test {
namespace {

using ProjectFileTest = ProjectTest;

// Opens a file into a project that starts as a new one.
MenuProject open(const std::string& path)
{
    MenuProject p = newProject();
    OpenProjectFile(p, path);
    return p;
}

TEST_F(ProjectFileTest, FullProjectSurvivesSaveAndOpen)
{
    Siblings().PortavoInstalled = true;
    MenuProject saved = filledProject(ButtonListLimit, true);
    ASSERT_TRUE(SaveProjectFileAs(saved, home.win("full.mnp")));
    EXPECT_EQ(comparable(AnsiToUtf8(home.readFile("full.mnp"))), golden("full_project.mnp"));
    MenuProject opened = open(saved.ProjectFilePath);
    alignFileState(opened, saved);
    EXPECT_EQ(opened, saved);
}

TEST_F(ProjectFileTest, UnicodeProjectSurvivesSaveAndOpenUpTo199Characters)
{
    Siblings().PortavoInstalled = true;
    std::string cjk, latin(198, 'a');
    for (int i = 0; i < 199; ++i)
        cjk += "\xE6\x97\xA5";  // U+65E5
    latin += "\xC3\xA9";          // the 199th character needs two bytes
    MenuProject saved = filledProject(3);
    saved.UseUnicode = true;
    saved.TitleText = latin;
    saved.SubTitleText = "Ελληνικά & 日本語";
    saved.LogotypeTipText = "€ tip";
    saved.Buttons[0].Text = cjk;
    saved.Buttons[1].Tip = "提示";
    saved.Buttons[2].WaitInfoText = "Wait…";
    ASSERT_TRUE(SaveProjectFileAs(saved, home.win("unicode.mnp")));
    EXPECT_EQ(writtenValue(home.readFile("unicode.mnp"), "Title", "TitleText").rfind("UNICODE:", 0), 0u);
    MenuProject opened = open(saved.ProjectFilePath);
    alignFileState(opened, saved);
    EXPECT_EQ(opened, saved);

    saved.Buttons[0].Tip = "x" + cjk;  // one character too many: the last one is cut
    ASSERT_TRUE(SaveProjectFile(saved));
    EXPECT_EQ(open(saved.ProjectFilePath).Buttons[0].Tip, "x" + cjk.substr(0, 198 * 3));
}

TEST_F(ProjectFileTest, SaveAsTakesTheNameWritesTheAnsiCodePageAndPutsTheFileOnTopOfTheRecentListsOrFails)
{
    MenuProject p = newProject();
    p.TitleText = "Café € Ω";
    std::filesystem::create_directories(home.path("projects"));
    ASSERT_TRUE(SaveProjectFileAs(p, home.win("projects/MyMenu.mnp")));
    EXPECT_EQ(p.ProjectFilePath, home.win("projects/MyMenu.mnp"));
    EXPECT_EQ(p.fileTitle(), "MyMenu.mnp");
    EXPECT_NE(home.readFile("projects/MyMenu.mnp").find("TitleText = Caf\xE9 \x80 ?\r\n"), std::string::npos);
    EXPECT_EQ(Options().RecentFiles[0], p.ProjectFilePath);
    EXPECT_EQ(Options().RecentFolders[0], home.win("projects"));

    // Without a path or into a missing folder saving fails and the lists stay.
    for (const std::string& path : {std::string("noname"), std::string(), home.win("no/such/folder/a.mnp")}) {
        p.ProjectFilePath = path;
        EXPECT_FALSE(SaveProjectFile(p)) << path;
    }
    EXPECT_EQ(Options().RecentFiles[1], "");
}

TEST_F(ProjectFileTest, OpeningSetsPathAndCaptionsAndReadsTheFileAfresh)
{
    const std::string path = home.writeFile("usb.mnp", "[ProjectType]\r\nProjectType = 2\r\n[Title]\r\nTitleText = First\r\n");
    MenuProject p = newProject();
    p.Buttons.push_back(MakeTitleRow("left over"));
    OpenProjectFile(p, "");  // an empty path changes nothing
    EXPECT_EQ(p.ProjectFilePath, "noname");
    EXPECT_EQ(p.Buttons.size(), 1u);

    OpenProjectFile(p, path);
    EXPECT_EQ(p.ProjectFilePath, path);
    EXPECT_TRUE(p.Buttons.empty());
    EXPECT_EQ(p.TitleText, "First");
    EXPECT_EQ(p.FileNameColumnHeading, "Filename (USB flash drive)");
    EXPECT_EQ(p.fileTitle(), "usb.mnp");
    EXPECT_EQ(Options().RecentFiles[0], path);
    home.writeFile("usb.mnp", "[Title]\r\nTitleText = Second\r\n");
    EXPECT_EQ(open(path).TitleText, "Second");
}

// --- The menu description file ---

TEST_F(ProjectFileTest, CreateCDDataFileWritesTheMenuDescriptionOrFails)
{
    // The menu form of the text (its rules are the writer's); the font list only when asked.
    MenuProject p = filledProject(2, true);
    const std::string path = home.win("menu/ORVNMENU.MNI");
    std::filesystem::create_directories(home.path("menu"));
    ASSERT_TRUE(CreateCDDataFile(p, path));
    const std::string text = home.readFile("menu/ORVNMENU.MNI");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button2Cmd"), "(Title)");
    EXPECT_TRUE(hasSection(text, "ExeFilename"));
    EXPECT_FALSE(hasSection(text, "Fonts"));
    ASSERT_TRUE(CreateCDDataFile(p, path, true));
    EXPECT_TRUE(hasSection(home.readFile("menu/ORVNMENU.MNI"), "Fonts"));

    // An empty name or an unwritable place fails.
    EXPECT_FALSE(CreateCDDataFile(p, ""));
    EXPECT_FALSE(CreateCDDataFile(p, home.win("missing/folder/ORVNMENU.MNI")));
    std::filesystem::create_directories(home.path("dir.mni"));
    EXPECT_FALSE(CreateCDDataFile(p, home.win("dir.mni")));
}

// --- What counts as a project file ---

// A string literal with its NUL bytes.
template <size_t N>
std::string_view bytesOf(const char (&literal)[N])
{
    return {literal, N - 1};
}

TEST(ProjectTextTest, ASectionOfTheFormatBeforeAnyNulMakesAProject)
{
    for (const std::string_view text : {
             std::string_view("[Origin]\r\nVer = 8.6.9\r\n"),
             std::string_view("; note\n  [ buttons ]  \nNrButtons = 0\n"),  // case and blanks as the reader ignores them
             std::string_view("\xEF\xBB\xBF[MainWindow]\r\n"),                 // UTF-8 byte order mark
             bytesOf("[Title]\r\nTitleText = a\0b\r\n"),          // a NUL inside a value after the header
             std::string_view("[Unknown]\r\nx = 1\r\n[Fonts]\r\n"),
         })
        EXPECT_TRUE(IsProjectText(text)) << text;

    for (const std::string_view bytes : {
             std::string_view(""),
             std::string_view("\r\n   \r\n"),
             std::string_view("[Orig"),                    // cut inside the first header
             std::string_view("Ver = 8.6.9\r\nTitleText = x\r\n"),
             std::string_view("[Settings]\r\nOrigin = 1\r\n"),
             std::string_view("[Origin\r\n]\r\n"),
             bytesOf("\xFF\xFE[\0O\0r\0i\0g\0i\0n\0]\0\r\0\n\0"),
             bytesOf("\xFF\xD8\xFF\xE0\0\x10JFIF\0\r\n[Buttons]\r\n"),
         })
        EXPECT_FALSE(IsProjectText(bytes)) << bytes;
}

TEST_F(ProjectFileTest, ProjectsOfEveryKindAreRecognisedAndOtherThingsAreNot)
{
    // The shipped example, an editor-written new project and one written now.
    const std::string data = ORVANTO_TEST_DATA_DIR;
    for (const std::string& shipped : {data + "/../../resources/program/Examples/DemoMenu.mnp", data + "/golden/new_project.mnp"})
        EXPECT_EQ(ProjectFileKindOf(shipped), ProjectFileKind::Project) << shipped;
    MenuProject written = filledProject(3);
    ASSERT_TRUE(SaveProjectFileAs(written, home.win("written.mnp")));
    EXPECT_EQ(ProjectFileKindOf(home.win("written.mnp")), ProjectFileKind::Project);
    MenuProject wizard = newProject();
    wizard.Wizard.Count = 1;
    ASSERT_TRUE(WriteProfileFile(home.win("sub.mnp"), StoreOptionsToText(wizard, WriteOptions::SubMenu)));
    EXPECT_EQ(ProjectFileKindOf(home.win("sub.mnp")), ProjectFileKind::Project);

    EXPECT_EQ(ProjectFileKindOf(home.win("missing.mnp")), ProjectFileKind::Missing);
    EXPECT_EQ(ProjectFileKindOf(""), ProjectFileKind::Missing);
    EXPECT_EQ(ProjectFileKindOf(home.writeFile("empty.mnp", "")), ProjectFileKind::NotProject);
    std::filesystem::create_directories(home.path("folder.mnp"));
    EXPECT_EQ(ProjectFileKindOf(home.win("folder.mnp")), ProjectFileKind::NotProject);
#ifndef _WIN32
    // A named pipe with no writer would block any reader: it must be refused unopened.
    ASSERT_EQ(mkfifo(home.path("pipe.mnp").c_str(), 0600), 0);
    EXPECT_EQ(ProjectFileKindOf(home.win("pipe.mnp")), ProjectFileKind::NotProject);
    EXPECT_EQ(ProjectFileKindOf("Z:\\dev\\null"), ProjectFileKind::NotProject);
#endif
}

// --- Damaged and hostile files: each opens without a crash, with at most 44 buttons ---

class BadFileTest : public ProjectFileTest {
protected:
    MenuProject openBytes(const std::string& bytes)
    {
        return open(home.writeFile("bad.mnp", bytes));
    }
};

TEST_F(BadFileTest, MissingOrEmptyFileGivesTheReadersDefaults)
{
    Siblings().PortavoInstalled = true;
    for (const MenuProject& p : {open(home.win("nothing-here.mnp")), openBytes("")})
        EXPECT_EQ(comparable(StoreOptionsToText(p)), golden("read_from_empty.mnp"));
}

TEST_F(BadFileTest, TruncatedFileKeepsWhatWasRead)
{
    MenuProject full = filledProject(10);
    full.ProjectFilePath = home.win("whole.mnp");
    ASSERT_TRUE(SaveProjectFile(full));
    const std::string bytes = home.readFile("whole.mnp");
    const size_t cut = bytes.find("Button6Link");
    ASSERT_NE(cut, std::string::npos);
    const MenuProject p = openBytes(bytes.substr(0, cut + 7));
    EXPECT_EQ(p.TitleText, full.TitleText);
    ASSERT_EQ(p.Buttons.size(), 10u);
    EXPECT_EQ(p.Buttons[4], full.Buttons[4]);
    EXPECT_EQ(p.Buttons[5].Cmd, full.Buttons[5].Cmd);
    EXPECT_EQ(p.Buttons[5].Link, "");
    EXPECT_EQ(p.Buttons[9].DeltaType, "1");
    EXPECT_EQ(p.ButtonOK_Text, "OK");  // [Text] was cut off
}

TEST_F(BadFileTest, BinaryFileOpens)
{
    std::mt19937 random(7);
    std::string bytes(64 * 1024, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    bytes[0] = '[';  // no NUL at the very start, so parsing sees some of it
    const MenuProject p = openBytes(bytes);
    EXPECT_LE(p.Buttons.size(), 44u);
}

TEST_F(BadFileTest, FiftyMegabyteFileOpens)
{
    std::string bytes = "[Buttons]\r\nNrButtons = 44\r\n[ButtonData]\r\n";
    const std::string filler = "Button1Text = " + std::string(1000, 'y') + "\r\n";
    while (bytes.size() < 50u * 1024 * 1024)
        bytes += filler;
    const MenuProject p = openBytes(bytes);
    ASSERT_EQ(p.Buttons.size(), 44u);
    EXPECT_EQ(p.Buttons[0].Text, std::string(199, 'y'));
}

TEST_F(BadFileTest, LinesWithoutKeysValuesOfTheWrongTypeAndBrokenEncodings)
{
    const MenuProject p = openBytes("[Title]\r\nTitleText\r\nTitleFontSize =\r\n= 5\r\nTitleFontBold = 12\r\n"
                                    "[MainWindow]\r\nWidth = wide\r\n[SubTitle]\r\nSubTitleText = UNICODE:0;216;\r\n"
                                    "[Buttons]\r\nNrButtons = 1\r\nButtonStyle\r\n[\r\n]\r\n[ButtonData\r\n"
                                    "[ButtonData]\r\nButton1Text = UNICODE:;;;;999;-1;\r\n");
    EXPECT_EQ(p.TitleText, "");
    EXPECT_EQ(p.TitleFontSize, 10);
    EXPECT_TRUE(p.TitleFontBold);  // any other number counts as true
    EXPECT_EQ(p.Width, "wide");    // a text-held number is stored as it stands
    EXPECT_TRUE(p.UseUnicode);
    EXPECT_EQ(p.ButtonStyle, 1);
    ASSERT_EQ(p.Buttons.size(), 1u);
}

}  // namespace
}  // namespace orv::test
