// The project / menu description file writer: the exact text of a new project, and each
// switch and text rule on small projects.
#include <algorithm>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/project_writer.h"
#include "model/scramble.h"
#include "model/text_helpers.h"
#include "model/sibling_products.h"
#include "platform/crypto.h"
#include "platform/services.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "project/project_test_support.h"

namespace orv::test {
namespace {

std::string projectText(const MenuProject& p) { return StoreOptionsToText(p); }
std::string menuText(const MenuProject& p, bool fonts = false)
{
    return StoreOptionsToText(p, fonts ? WriteOptions::MenuDescription | WriteOptions::ListFontFiles
                                       : WriteOptions::MenuDescription);
}

MenuProject newProject()
{
    MenuProject p;
    ResetParameters(p);
    return p;
}

// The file of a new project as the editor writes it with the default options, its date
// blanked: tests/data/golden/new_project.mnp.
std::string expectedNewProjectFile()
{
    std::ifstream in(std::string(ORVANTO_TEST_DATA_DIR) + "/golden/new_project.mnp", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return withoutDate(AnsiToUtf8(text.str()));
}

using WriterTest = ProjectTest;

TEST_F(WriterTest, NewProjectFileHoldsExactlyTheNewProjectValues)
{
    EXPECT_EQ(withoutDate(projectText(newProject())), expectedNewProjectFile());
}

TEST_F(WriterTest, DateCreatedIsTodayWithoutLeadingZeros)
{
    const std::string text = projectText(newProject());
    const CalendarDate today = Today();
    EXPECT_EQ(writtenValue(text, "DateCreated", "Y"), std::to_string(today.year));
    EXPECT_EQ(writtenValue(text, "DateCreated", "M"), std::to_string(today.month));
    EXPECT_EQ(writtenValue(text, "DateCreated", "D"), std::to_string(today.day));
}

TEST_F(WriterTest, MenuDescriptionOfNewProjectAddsOnlyItsOwnSections)
{
    Options().CDExeFileName = "START.EXE";
    const std::string project = projectText(newProject());
    const std::string menu = menuText(newProject());

    // The menu description file is the project file plus three sections.
    EXPECT_EQ(sectionLines(menu, "ExeFilename"), std::vector<std::string>{"ExeFilename = START.EXE"});
    EXPECT_EQ(sectionLines(menu, "RTF-Print"),
              (std::vector<std::string>{"AddPrintSupportForRTFDocuments = 0", "ButtonText = Print", "InfoTitle = Print",
                                        "InfoText = WordPad in Windows will now be started. You can print the "
                                        "document from WordPad."}));
    EXPECT_FALSE(hasSection(menu, "SocialMedia"));  // the project does not include the logos
    EXPECT_FALSE(hasSection(project, "ExeFilename"));
    EXPECT_FALSE(hasSection(project, "RTF-Print"));
    EXPECT_FALSE(hasSection(menu, "Fonts"));

    const auto lines = crlfLines(menu);
    auto at = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
    EXPECT_LT(at("[AppIcon]"), at("[ExeFilename]"));
    EXPECT_LT(at("[ExeFilename]"), at("[ExtraProperties]"));
    EXPECT_LT(at("[PDF]"), at("[RTF-Print]"));
    EXPECT_LT(at("[RTF-Print]"), at("[Version]"));
}

TEST_F(WriterTest, ExeFilenameFollowsTheProjectType)
{
    Options().CDExeFileName = "AUTOMENU.EXE";
    Options().USBStickExeFileName = "STICK.EXE";
    MenuProject p = newProject();
    EXPECT_EQ(writtenValue(menuText(p), "ExeFilename", "ExeFilename"), "AUTOMENU.EXE");
    p.ProjectType = ProjectTypeUSB;
    EXPECT_EQ(writtenValue(menuText(p), "ExeFilename", "ExeFilename"), "STICK.EXE");
}

TEST_F(WriterTest, AddArrowToButtonComesFromTheEditorOptions)
{
    Options().AddArrowToButton = false;
    EXPECT_EQ(writtenValue(projectText(newProject()), "Buttons", "AddArrowToButton"), "0");
}

TEST_F(WriterTest, EditorWideTextsAreCopiedIntoEveryFile)
{
    Options().DocErr_FileExt[0] = "doc";
    Options().DocErr_Title[5] = "No viewer";
    Options().DocErr_Text[2] = "Install a viewer";
    Options().AddPrintSupportForRTFDocuments = 1;
    for (const std::string& text : {projectText(newProject()), menuText(newProject())}) {
        EXPECT_EQ(writtenValue(text, "ShowDocText", "DocErr_FileExt1"), "doc");
        EXPECT_EQ(writtenValue(text, "ShowDocText", "DocErr_Title6"), "No viewer");
        EXPECT_EQ(writtenValue(text, "ShowDocText", "DocErr_Text3"), "Install a viewer");
    }
    EXPECT_EQ(writtenValue(menuText(newProject()), "RTF-Print", "AddPrintSupportForRTFDocuments"), "1");
}

// --- Buttons ---

MenuButton plainButton(const std::string& text, const std::string& cmd)
{
    MenuButton b = ButtonWithMissingValues();
    b.Text = text;
    b.Cmd = cmd;
    b.Link = "E:\\a.exe";
    return b;
}

TEST_F(WriterTest, ButtonEntryWritesEveryFieldInOrderWithoutPasswordKeys)
{
    MenuProject p = newProject();
    MenuButton b = plainButton("Start", "Run Program");
    b.Psw = "ignored";  // not protected: no password keys at all
    p.Buttons.push_back(b);
    const auto lines = sectionLines(projectText(p), "ButtonData");
    std::vector<std::string> expected;
    for (int pos = 0; pos < ButtonFieldCount; ++pos)
        if (pos < FieldPswProtect || pos > FieldPswIsWrongText)
            expected.push_back(std::string("Button1") + ButtonFieldTable[static_cast<size_t>(pos)].key + " = " +
                               b.field(pos));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(writtenValue(projectText(p), "Buttons", "NrButtons"), "1");
}

TEST_F(WriterTest, EntriesFollowEachOtherWithoutEmptyLines)
{
    MenuProject p = newProject();
    p.Buttons = {plainButton("One", "Run Program"), plainButton("Two", "Exit")};
    const auto lines = sectionLines(projectText(p), "ButtonData");
    ASSERT_EQ(lines.size(), 2u * 30u);
    EXPECT_EQ(lines[30], "Button2Text = Two");
    EXPECT_EQ(lines.back(), "Button2RunProgramMaximized = ");
}

TEST_F(WriterTest, ProtectedButtonWritesItsPasswordAsHeldInTheProjectFile)
{
    MenuProject p = newProject();
    MenuButton b = plainButton("Secret", "Show Document");
    b.PswProtect = "1";
    b.Psw = "open sesame";
    b.PswAsterisk = "1";
    b.PswEncrypt = "0";
    b.PswDlgTitle = "Enter password";
    b.PswDlgText = "Type it:";
    b.PswIsWrongTitle = "Invalid password";
    b.PswIsWrongText = "Try again.";
    p.Buttons.push_back(b);

    const std::string text = projectText(p);
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PswProtect"), "1");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Psw"), "open sesame");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PswAsterisk"), "1");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PswEncrypt"), "0");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PswIsWrongText"), "Try again.");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PA"), "<missing>");

    // The menu description file carries PA, PV, PC and PD instead: never the password, only
    // a salted verifier of it, and for an encrypted file not even that.
    const std::string menu = menuText(p);
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1PswProtect"), "<missing>");
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1Psw"), "<missing>");
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1PB"), "<missing>");
    const std::string pa = writtenValue(menu, "ButtonData", "Button1PA");
    const std::string pv = writtenValue(menu, "ButtonData", "Button1PV");
    EXPECT_EQ(UnscrambleText(pa), "1");
    EXPECT_EQ(pv.rfind("PBKDF2-SHA256$600000$", 0), 0u) << pv;
    EXPECT_EQ(pv.find("open sesame"), std::string::npos);
    EXPECT_TRUE(platform::services().crypto->CryCheckPasswordVerifier(pv, "open sesame"));
    EXPECT_FALSE(platform::services().crypto->CryCheckPasswordVerifier(pv, "open sesame "));
    p.Buttons[0].PswEncrypt = "1";
    const std::string encrypted = menuText(p);
    EXPECT_EQ(writtenValue(encrypted, "ButtonData", "Button1PV"), "<missing>");
    EXPECT_EQ(writtenValue(encrypted, "ButtonData", "Button1PB"), "<missing>");
    p.Buttons[0].PswEncrypt = "0";
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1PC"), "1");
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1PD"), "0");

    // Order: the four password values, then the four dialog texts, then WaitInfoText.
    const auto lines = sectionLines(menu, "ButtonData");
    const auto pos = std::find(lines.begin(), lines.end(), "Button1PC = 1") - lines.begin();
    ASSERT_LT(pos + 4, static_cast<long>(lines.size()));
    EXPECT_EQ(lines[static_cast<size_t>(pos - 2)].rfind("Button1PA = ", 0), 0u);
    EXPECT_EQ(lines[static_cast<size_t>(pos + 2)], "Button1PswDlgTitle = Enter password");
    EXPECT_EQ(lines[static_cast<size_t>(pos + 6)], "Button1WaitInfoText = ");
}

TEST_F(WriterTest, TitleRowsLoseTheirDashesOnlyInTheMenuDescription)
{
    MenuProject p = newProject();
    p.Buttons.push_back(MakeTitleRow("Games"));
    const std::string project = projectText(p);
    EXPECT_EQ(writtenValue(project, "ButtonData", "Button1Text"), "- Games -");
    const auto lines = sectionLines(project, "ButtonData");
    ASSERT_EQ(lines.size(), 30u);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].ends_with(" = ")) << lines[i];  // every key but Text is empty

    const std::string menu = menuText(p);
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1Text"), "Games");
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1Cmd"), "(Title)");
}

TEST_F(WriterTest, InstallStickGuardIsHiddenOnlyInCdMenuDescriptions)
{
    MenuProject p = newProject();
    p.Buttons.push_back(plainButton("Activate AutoRun", "Install StickGuard"));
    EXPECT_EQ(writtenValue(menuText(p), "ButtonData", "Button1Hide"), "1");
    EXPECT_EQ(writtenValue(projectText(p), "ButtonData", "Button1Hide"), "0");
    p.ProjectType = ProjectTypeUSB;
    EXPECT_EQ(writtenValue(menuText(p), "ButtonData", "Button1Hide"), "0");
}

// --- Text rules ---

TEST_F(WriterTest, AmpersandsBetweenBlanksAreDoubledInTheMenuDescriptionOnly)
{
    MenuProject p = newProject();
    p.TitleText = "Tom & Jerry & Co";
    p.SubTitleText = "Rock & Roll";
    p.Buttons.push_back(plainButton("Q & A", "Run Program"));
    p.Buttons.push_back(plainButton("R&D", "Run Program"));

    const std::string menu = menuText(p);
    EXPECT_EQ(writtenValue(menu, "Title", "TitleText"), "Tom && Jerry && Co");
    EXPECT_EQ(writtenValue(menu, "SubTitle", "SubTitleText"), "Rock && Roll");
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1Text"), "Q && A");
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button2Text"), "R&D");

    const std::string project = projectText(p);
    EXPECT_EQ(writtenValue(project, "Title", "TitleText"), "Tom & Jerry & Co");
    EXPECT_EQ(writtenValue(project, "SubTitle", "SubTitleText"), "Rock & Roll");
    EXPECT_EQ(writtenValue(project, "ButtonData", "Button1Text"), "Q & A");
}

TEST_F(WriterTest, SpacedTitlesKeepSingleAmpersands)
{
    MenuProject p = newProject();
    p.TitleText = "Tom & Jerry";
    p.TitleCharInterSpace = "3";
    p.SubTitleText = "Rock & Roll";
    p.SubTitleCharInterSpace = 2;
    p.CaptionText = "A & B";
    const std::string menu = menuText(p);
    EXPECT_EQ(writtenValue(menu, "Title", "TitleText"), "Tom & Jerry");
    EXPECT_EQ(writtenValue(menu, "SubTitle", "SubTitleText"), "Rock & Roll");
    EXPECT_EQ(writtenValue(menu, "MainWindow", "CaptionText"), "A & B");
}

TEST_F(WriterTest, UnicodeProjectsEncodeTheirCaptionsAndTips)
{
    MenuProject p = newProject();
    p.UseUnicode = true;
    p.TitleText = "A";
    p.SubTitleText = "€";
    p.CaptionText = "Caption";
    p.LogotypeTipText = "A";
    MenuButton b = plainButton("A & B", "Run Program");
    b.Tip = "A";
    b.WaitInfoText = "A";
    b.PswDlgTitle = "A";
    p.Buttons.push_back(b);
    p.IncludeSocialMediaLogos = 1;
    Options().SocialMedia[0].TipText = "A";

    for (const std::string& text : {projectText(p), menuText(p)}) {
        EXPECT_EQ(writtenValue(text, "CharacterEncoding", "UseUnicode"), "1");
        EXPECT_EQ(writtenValue(text, "Title", "TitleText"), "UNICODE:65;0;");
        EXPECT_EQ(writtenValue(text, "SubTitle", "SubTitleText"), "UNICODE:172;32;");
        EXPECT_EQ(writtenValue(text, "MainWindow", "CaptionText"), "Caption");
        EXPECT_EQ(writtenValue(text, "Pictures", "LogotypeTipText"), "UNICODE:65;0;");
        // The ampersand rule does not apply to encoded text.
        EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Text"), "UNICODE:65;0;32;0;38;0;32;0;66;0;");
        EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Tip"), "UNICODE:65;0;");
        EXPECT_EQ(writtenValue(text, "ButtonData", "Button1WaitInfoText"), "UNICODE:65;0;");
    }
    EXPECT_EQ(writtenValue(menuText(p), "SocialMedia", "Facebook_TipText"), "UNICODE:65;0;");
}

// --- Sections that depend on editor-wide state ---

TEST_F(WriterTest, SocialMediaNeedsTheOptionAndTheProjectSetting)
{
    MenuProject p = newProject();
    p.IncludeSocialMediaLogos = 1;
    Options().SocialMedia[3].ShowLogo = 1;
    Options().SocialMedia[3].URL = "https://youtube.example/us";
    const std::string menu = menuText(p);
    const auto lines = sectionLines(menu, "SocialMedia");
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "Facebook_ShowLogo = 0");
    EXPECT_EQ(lines[2], "Facebook_TipText = Opens our Facebook page on the web");
    EXPECT_EQ(lines[9], "YouTube_ShowLogo = 1");
    EXPECT_EQ(lines[10], "YouTube_URL = https://youtube.example/us");
    EXPECT_EQ(lines[20], "Instagram_TipText = Opens our Instagram page on the web");
    EXPECT_FALSE(hasSection(projectText(p), "SocialMedia"));

    Options().OfferSocialMedia = false;
    EXPECT_FALSE(hasSection(menuText(p), "SocialMedia"));
}

TEST_F(WriterTest, PortavoLinkIsWrittenWhilePortavoIsInstalled)
{
    MenuProject p = newProject();
    EXPECT_FALSE(hasSection(projectText(p), "PortavoLink"));

    Siblings().PortavoInstalled = true;
    p.CoOperateWithPortavoLink = true;
    const std::vector<std::string> expected = {"CoOperateWithPortavoLink = 1",
                                               "StickGuardSetupFilename = SETUP-StickGuard.exe",
                                               "StickGuard_CopySetupFileToSubFolder = 1",
                                               "StickGuardSetupFoldername = SETUP-StickGuard"};
    EXPECT_EQ(sectionLines(projectText(p), "PortavoLink"), expected);
    EXPECT_EQ(sectionLines(menuText(p), "PortavoLink"), expected);

    // The Compact Office edition keeps it in the project but not in the menu.
    Siblings().PortavoCompactOffice = true;
    EXPECT_TRUE(hasSection(projectText(p), "PortavoLink"));
    EXPECT_FALSE(hasSection(menuText(p), "PortavoLink"));
}

// --- Sub-menu mode ---

MenuProject subMenuProject()
{
    MenuProject p = newProject();
    p.CreateDestDir = "E:\\Main";
    p.CaptionText = "Main caption";
    p.TitleText = "Main title";
    p.Buttons = {plainButton("Main button", "Run Program")};
    p.Wizard.DestDir = "E:\\Main\\SubMenu-2";
    p.Wizard.CaptionText = "Sub menu 2";
    p.Wizard.TitleText = "Title - Sub menu 2";
    MenuButton info = plainButton("Information", "Show Document");
    info.PswProtect = "1";
    info.Psw = "never written";
    info.Hide = "1";
    p.Wizard.add(info);
    p.Wizard.add(plainButton("Return to main menu", "Return To Main Menu"));
    return p;
}

TEST_F(WriterTest, SubMenuModeTakesItsValuesFromTheWizardTable)
{
    Siblings().PortavoInstalled = true;
    const MenuProject p = subMenuProject();
    const std::string text = StoreOptionsToText(p, WriteOptions::SubMenu);
    EXPECT_EQ(writtenValue(text, "Create", "CreateDestDir"), "E:\\Main\\SubMenu-2");
    EXPECT_EQ(writtenValue(text, "MainWindow", "CaptionText"), "Sub menu 2");
    EXPECT_EQ(writtenValue(text, "Title", "TitleText"), "Title - Sub menu 2");
    EXPECT_EQ(writtenValue(text, "Autorun", "UseAutorun"), "0");
    EXPECT_FALSE(hasSection(text, "PortavoLink"));
    EXPECT_EQ(writtenValue(text, "Buttons", "NrButtons"), "2");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Text"), "Information");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button2Cmd"), "Return To Main Menu");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Hide"), "1");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PswProtect"), "<missing>");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Psw"), "<missing>");
    EXPECT_EQ(sectionLines(text, "ButtonData").size(), 2u * 30u);
}

TEST_F(WriterTest, SubMenuModeWritesHideAsHeldAndNoScrambledPasswords)
{
    MenuProject p = subMenuProject();
    p.Wizard.record(2).Cmd = "Install StickGuard";
    const std::string text = StoreOptionsToText(p, WriteOptions::MenuDescription | WriteOptions::SubMenu);
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button2Hide"), "0");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PA"), "<missing>");
    EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Text"), "Information");
}

// --- [Fonts] ---

// A font catalogue: "Fancy" in two faces with three installed entries, one a duplicate file.
class FakeFonts : public platform::Fonts {
public:
    int IsWindowsBasicFont(const std::string& name) const override
    {
        return name == "Arial" || name == "Times New Roman" ? -1 : 0;
    }
    bool GetFontFamilyInformation(const std::string& family, int index, std::string& face) const override
    {
        if (family != "Fancy" || index > 1)
            return false;
        face = index == 0 ? "Fancy" : "Fancy Bold";
        return true;
    }
    bool GetFontInformation(int index, std::string& display, std::string& file) const override
    {
        static const std::pair<const char*, const char*> installed[] = {
            {"Fancy (TrueType)", "fancy.ttf"},
            {"Fancy Bold (OpenType)", "fancyb.otf"},
            {"Fancy (TrueType)", "FANCY.TTF"},
            {"Plain (TrueType)", "plain.ttf"},
        };
        if (index < 0 || index >= 4)
            return false;
        display = installed[index].first;
        file = installed[index].second;
        return true;
    }
};

class FontsTest : public WriterTest {
protected:
    FontsTest()
    {
        platform::Services s = platform::services();
        s.fonts = &fonts_;
        previous_ = platform::installServices(s);
    }
    ~FontsTest() override { platform::installServices(previous_); }

private:
    FakeFonts fonts_;
    platform::Services previous_;
};

TEST_F(FontsTest, ListsEachFaceOfANonBasicFontOnceWithItsFile)
{
    MenuProject p = newProject();
    p.TitleFontName = "Fancy";
    p.SubTitleFontName = "Arial";  // every Windows has it
    p.ButtonFontName = "Fancy";
    const std::string menu = menuText(p, true);
    EXPECT_EQ(sectionLines(menu, "Fonts"),
              (std::vector<std::string>{"TF_Font1 = Fancy (TrueType)", "TF_File1 = fancy.ttf",
                                        "TF_Font2 = Fancy Bold (OpenType)", "TF_File2 = fancyb.otf",
                                        "BF_Font1 = Fancy (TrueType)", "BF_File1 = fancy.ttf",
                                        "BF_Font2 = Fancy Bold (OpenType)", "BF_File2 = fancyb.otf"}));
    EXPECT_TRUE(FontFilesListed());

    // [Fonts] stands between [Movie] and [Text].
    const auto lines = crlfLines(menu);
    const auto fontsAt = std::find(lines.begin(), lines.end(), "[Fonts]");
    ASSERT_NE(fontsAt, lines.end());
    EXPECT_EQ(*(fontsAt - 2), "ShowMenuPicWhenReady = 0");
    EXPECT_EQ(*(fontsAt + 10), "[Text]");
}

TEST_F(FontsTest, BasicFontsGiveAnEmptySectionAndClearTheFlag)
{
    FontFilesListed() = true;
    const std::string menu = menuText(newProject(), true);
    EXPECT_TRUE(hasSection(menu, "Fonts"));
    EXPECT_TRUE(sectionLines(menu, "Fonts").empty());
    EXPECT_FALSE(FontFilesListed());
    EXPECT_FALSE(hasSection(projectText(newProject()), "Fonts"));
}

}  // namespace
}  // namespace orv::test
