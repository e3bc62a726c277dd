// The project / menu description file writer: each option and text rule on small projects
// (every key and its place are the golden files' tests).
#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "model/editor_options.h"
#include "model/project_writer.h"
#include "model/scramble.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "platform/crypto.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "project/project_test_support.h"

namespace orv::test {
namespace {

std::string projectText(const MenuProject& p) { return StoreOptionsToText(p); }
std::string menuText(const MenuProject& p, WriteOptions more = WriteOptions::ProjectFile)
{
    return StoreOptionsToText(p, WriteOptions::MenuDescription | more);
}

MenuButton plainButton(const std::string& text, const std::string& cmd)
{
    MenuButton b = ButtonWithMissingValues();
    b.Text = text;
    b.Cmd = cmd;
    b.Link = "E:\\a.exe";
    return b;
}

using WriterTest = ProjectTest;

TEST_F(WriterTest, DateCreatedIsTodayWithoutLeadingZeros)
{
    const std::string text = projectText(newProject());
    const CalendarDate today = Today();
    for (const auto& [key, value] : {std::pair{"Y", today.year}, {"M", today.month}, {"D", today.day}})
        EXPECT_EQ(writtenValue(text, "DateCreated", key), std::to_string(value)) << key;
}

TEST_F(WriterTest, EditorWideValuesComeFromTheOptions)
{
    Options().AddArrowToButton = false;
    Options().DocErr_FileExt[0] = "doc";
    Options().DocErr_Title[5] = "No viewer";
    Options().DocErr_Text[2] = "Install a viewer";
    Options().AddPrintSupportForRTFDocuments = 1;
    for (const std::string& text : {projectText(newProject()), menuText(newProject())}) {
        EXPECT_EQ(writtenValue(text, "Buttons", "AddArrowToButton"), "0");
        EXPECT_EQ(writtenValue(text, "ShowDocText", "DocErr_FileExt1"), "doc");
        EXPECT_EQ(writtenValue(text, "ShowDocText", "DocErr_Title6"), "No viewer");
        EXPECT_EQ(writtenValue(text, "ShowDocText", "DocErr_Text3"), "Install a viewer");
    }
    EXPECT_EQ(writtenValue(menuText(newProject()), "RTF-Print", "AddPrintSupportForRTFDocuments"), "1");
}

// --- Buttons ---

TEST_F(WriterTest, UnprotectedButtonWritesNoPasswordKeys)
{
    MenuProject p = newProject();
    MenuButton b = plainButton("Start", "Run Program");
    b.Psw = "ignored";
    p.Buttons = {b, plainButton("Two", "Exit")};
    for (const std::string& text : {projectText(p), menuText(p)}) {
        const auto lines = sectionLines(text, "ButtonData");
        ASSERT_EQ(lines.size(), 2u * 30u);
        EXPECT_EQ(lines[29], "Button1RunProgramMaximized = ");
        EXPECT_EQ(lines[30], "Button2Text = Two");
        EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Psw"), "<missing>");
        EXPECT_EQ(writtenValue(text, "ButtonData", "Button1PA"), "<missing>");
    }
}

TEST_F(WriterTest, MenuDescriptionHoldsOnlyAVerifierOfAPassword)
{
    MenuProject p = newProject();
    MenuButton b = plainButton("Secret", "Show Document");
    b.PswProtect = "1";
    b.Psw = "open sesame";
    b.PswEncrypt = "0";
    p.Buttons.push_back(b);

    const std::string menu = menuText(p);
    const std::string pv = writtenValue(menu, "ButtonData", "Button1PV");
    EXPECT_EQ(UnscrambleText(writtenValue(menu, "ButtonData", "Button1PA")), "1");
    EXPECT_EQ(pv.rfind("PBKDF2-SHA256$600000$", 0), 0u) << pv;
    EXPECT_EQ(pv.find("open sesame"), std::string::npos);
    EXPECT_TRUE(platform::services().crypto->CryCheckPasswordVerifier(pv, "open sesame"));
    EXPECT_FALSE(platform::services().crypto->CryCheckPasswordVerifier(pv, "open sesame "));
    // Two writes salt the verifier differently.
    EXPECT_NE(writtenValue(menuText(p), "ButtonData", "Button1PV"), pv);
    EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1PB"), "<missing>");
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

TEST_F(WriterTest, AmpersandsBetweenBlanksAreDoubledInUnspacedMenuCaptionsOnly)
{
    const struct {
        const char* titleSpacing;
        int subtitleSpacing;
        const char *title, *subtitle;
    } cases[] = {
        {"0", 0, "Tom && Jerry && Co", "Rock && Roll"},
        {"3", 2, "Tom & Jerry & Co", "Rock & Roll"},  // drawn letter by letter
    };
    for (const auto& c : cases) {
        MenuProject p = newProject();
        p.TitleText = "Tom & Jerry & Co";
        p.TitleCharInterSpace = c.titleSpacing;
        p.SubTitleText = "Rock & Roll";
        p.SubTitleCharInterSpace = c.subtitleSpacing;
        p.CaptionText = "A & B";
        p.Buttons = {plainButton("Q & A", "Run Program"), plainButton("R&D", "Run Program")};
        const std::string menu = menuText(p);
        EXPECT_EQ(writtenValue(menu, "Title", "TitleText"), c.title);
        EXPECT_EQ(writtenValue(menu, "SubTitle", "SubTitleText"), c.subtitle);
        EXPECT_EQ(writtenValue(menu, "MainWindow", "CaptionText"), "A & B");
        EXPECT_EQ(writtenValue(menu, "ButtonData", "Button1Text"), "Q && A");
        EXPECT_EQ(writtenValue(menu, "ButtonData", "Button2Text"), "R&D");
        const std::string project = projectText(p);
        EXPECT_EQ(writtenValue(project, "Title", "TitleText"), "Tom & Jerry & Co");
        EXPECT_EQ(writtenValue(project, "ButtonData", "Button1Text"), "Q & A");
    }
}

TEST_F(WriterTest, UnicodeProjectsEncodeTheirCaptionsAndTips)
{
    MenuProject p = newProject();
    p.UseUnicode = true;
    p.IncludeSocialMediaLogos = 1;
    p.TitleText = p.LogotypeTipText = "A";
    p.SubTitleText = "€";
    p.CaptionText = "Caption";
    MenuButton b = plainButton("A & B", "Run Program");
    b.Tip = b.WaitInfoText = "A";
    p.Buttons.push_back(b);
    Options().SocialMedia[0].TipText = "A";
    for (const std::string& text : {projectText(p), menuText(p)}) {
        EXPECT_EQ(writtenValue(text, "MainWindow", "CaptionText"), "Caption");
        EXPECT_EQ(writtenValue(text, "SubTitle", "SubTitleText"), "UNICODE:172;32;");
        // The ampersand rule does not apply to encoded text.
        EXPECT_EQ(writtenValue(text, "ButtonData", "Button1Text"), "UNICODE:65;0;32;0;38;0;32;0;66;0;");
        for (const auto& [section, key] : {std::pair{"Title", "TitleText"}, {"Pictures", "LogotypeTipText"},
                                           {"ButtonData", "Button1Tip"}, {"ButtonData", "Button1WaitInfoText"}})
            EXPECT_EQ(writtenValue(text, section, key), "UNICODE:65;0;") << key;
    }
    EXPECT_EQ(writtenValue(menuText(p), "SocialMedia", "Facebook_TipText"), "UNICODE:65;0;");
}

// --- Sections that depend on editor-wide state ---

TEST_F(WriterTest, OptionalSectionsFollowTheEditorsOptionsAndSiblings)
{
    // Present in both files of the full project: the golden files.
    MenuProject p = newProject();
    p.IncludeSocialMediaLogos = 1;
    Options().SocialMedia[3].URL = "https://youtube.example/us";
    EXPECT_EQ(writtenValue(menuText(p), "SocialMedia", "YouTube_URL"), "https://youtube.example/us");
    EXPECT_FALSE(hasSection(projectText(p), "SocialMedia"));
    Options().OfferSocialMedia = false;
    EXPECT_FALSE(hasSection(menuText(p), "SocialMedia"));

    // The Compact Office edition keeps [PortavoLink] in the project but not in the menu.
    Siblings().PortavoInstalled = true;
    Siblings().PortavoCompactOffice = true;
    EXPECT_TRUE(hasSection(projectText(p), "PortavoLink"));
    EXPECT_FALSE(hasSection(menuText(p), "PortavoLink"));
}

// --- Sub-menus ---

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
    p.Wizard.add(plainButton("Return to main menu", "Install StickGuard"));
    return p;
}

TEST_F(WriterTest, SubMenusTakeTheirValuesFromTheWizardTable)
{
    Siblings().PortavoInstalled = true;
    const MenuProject p = subMenuProject();
    for (const std::string& text : {StoreOptionsToText(p, WriteOptions::SubMenu),
                                    menuText(p, WriteOptions::SubMenu)}) {
        // Button2Hide as held; no password keys.
        for (const auto& [section, key, value] : {std::tuple{"Create", "CreateDestDir", "E:\\Main\\SubMenu-2"},
                 {"MainWindow", "CaptionText", "Sub menu 2"}, {"Title", "TitleText", "Title - Sub menu 2"},
                 {"Autorun", "UseAutorun", "0"}, {"Buttons", "NrButtons", "2"}, {"ButtonData", "Button1Text", "Information"},
                 {"ButtonData", "Button1Hide", "1"}, {"ButtonData", "Button2Hide", "0"}})
            EXPECT_EQ(writtenValue(text, section, key), value) << key;
        EXPECT_FALSE(hasSection(text, "PortavoLink"));
        EXPECT_EQ(sectionLines(text, "ButtonData").size(), 2u * 30u);
    }
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
    const std::string menu = menuText(p, WriteOptions::ListFontFiles);
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
    const std::string menu = menuText(newProject(), WriteOptions::ListFontFiles);
    EXPECT_TRUE(hasSection(menu, "Fonts"));
    EXPECT_TRUE(sectionLines(menu, "Fonts").empty());
    EXPECT_FALSE(FontFilesListed());
}

}  // namespace
}  // namespace orv::test
