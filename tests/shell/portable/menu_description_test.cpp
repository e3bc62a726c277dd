#include "shell/menu_description.h"

#include <gtest/gtest.h>

#include "model/scramble.h"
#include "model/unicode_text.h"
#include "shell/menu_file_builder.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

using test::MenuFileBuilder;

void expectFont(const FontSpec& font, const std::string& name, int size, bool bold, bool italic)
{
    EXPECT_EQ(font.name, name);
    EXPECT_EQ(font.size, size);
    EXPECT_EQ(font.bold, bold) << name;
    EXPECT_EQ(font.italic, italic) << name;
}

class MenuDescriptionTest : public test::HomeTest {
protected:
    MenuReadResult read(const MenuFileBuilder& builder)
    {
        return readMenuDescription(home.writeFile("menu/ORVNMENU.MNI", builder.bytes()));
    }
};

TEST_F(MenuDescriptionTest, ReadsWindowTitleLinesAndButtonLook)
{
    auto b = MenuFileBuilder::minimal();
    b.set("MainWindow", "CaptionText", "Holiday & Fun")
        .set("MainWindow", "Width", "640")
        .set("MainWindow", "Height", "480")
        .set("MainWindow", "BackColor", "255")
        .set("MainWindow", "BackColor2", "65280")
        .set("MainWindow", "ToneDirection", "3")
        .set("MainWindow", "BlendDepth", "40")
        .set("MainWindow", "ShowCaption", "0")
        .set("MainWindow", "ShowMinimizeButton", "1")
        .set("MainWindow", "ShowBorder", "0")
        .set("MainWindow", "WindowAlwaysTopmost", "1");
    b.set("Title", "TitleText", "Rock && Roll")
        .set("Title", "TitleAlignment", "2")
        .set("Title", "TitleFontName", "Georgia")
        .set("Title", "TitleFontSize", "30")
        .set("Title", "TitleFontBold", "0")
        .set("Title", "TitleFontItalic", "1")
        .set("Title", "TitleForeColor", "16711680")
        .set("Title", "TitleShadow", "0")
        .set("Title", "TitleCharInterSpace", "3");
    b.set("SubTitle", "SubTitleText", "Second line")
        .set("SubTitle", "SubTitleFontName", "Verdana")
        .set("SubTitle", "SubTitleFontSize", "9")
        .set("SubTitle", "SubTitleFontBold", "1")
        .set("SubTitle", "SubTitleFontItalic", "0")
        .set("SubTitle", "SubTitleColor", "128");
    b.set("Buttons", "ButtonWidth", "180")
        .set("Buttons", "ButtonHeight", "24")
        .set("Buttons", "ButtonStyle", "26")
        .set("Buttons", "ButtonAlignment", "4")
        .set("Buttons", "ButtonTextAlignment", "1")
        .set("Buttons", "ButtonFontName", "Tahoma")
        .set("Buttons", "ButtonFontSize", "8")
        .set("Buttons", "ButtonFontBold", "0")
        .set("Buttons", "ButtonFontItalic", "1")
        .set("Buttons", "ButtonForeColor", "1")
        .set("Buttons", "ButtonFrameColor", "2")
        .set("Buttons", "ButtonBackColor", "3")
        .set("Buttons", "SeparateFrameAndCharColor", "1")
        .set("Buttons", "UseActiveButtonFrame", "0")
        .set("Buttons", "ActiveButtonFrameColor", "4");
    b.set("ButtonTitles", "ButtonTitle_FontName", "Courier New")
        .set("ButtonTitles", "ButtonTitle_FontSize", "11")
        .set("ButtonTitles", "ButtonTitle_FontBold", "1")
        .set("ButtonTitles", "ButtonTitle_FontItalic", "1")
        .set("ButtonTitles", "ButtonTitle_TextColor", "5");
    b.set("Text", "ButtonOK_Text", "Okay").set("Text", "ButtonClose_Text", "");

    const MenuReadResult r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    const MenuDescription& m = r.menu;
    EXPECT_EQ(m.caption, "Holiday & Fun");
    EXPECT_EQ(m.width, 640);
    EXPECT_EQ(m.height, 480);
    EXPECT_EQ(m.backColour, 255u);
    EXPECT_EQ(m.backColour2, 65280u);
    EXPECT_EQ(m.toneDirection, 3);
    EXPECT_EQ(m.blendDepth, 40);
    EXPECT_FALSE(m.showCaption);
    EXPECT_TRUE(m.showMinimizeButton);
    EXPECT_FALSE(m.showBorder);
    EXPECT_TRUE(m.alwaysOnTop);

    EXPECT_EQ(m.title.text, "Rock && Roll");  // the window undoes the doubling where it draws
    EXPECT_EQ(m.title.alignment, 2);
    expectFont(m.title.font, "Georgia", 30, false, true);
    EXPECT_EQ(m.title.colour, 16711680u);
    EXPECT_FALSE(m.title.shadow);
    EXPECT_EQ(m.title.charSpacing, 3);

    EXPECT_EQ(m.subtitle.text, "Second line");
    expectFont(m.subtitle.font, "Verdana", 9, true, false);
    EXPECT_EQ(m.subtitle.colour, 128u);
    EXPECT_EQ(m.subtitle.alignment, 2);  // follows the title

    EXPECT_EQ(m.buttons.width, 180);
    EXPECT_EQ(m.buttons.height, 24);
    EXPECT_EQ(m.buttons.style, 26);
    EXPECT_EQ(m.buttons.alignment, 4);
    EXPECT_EQ(m.buttons.textAlignment, 1);
    expectFont(m.buttons.font, "Tahoma", 8, false, true);
    EXPECT_EQ(m.buttons.foreColour, 1u);
    EXPECT_EQ(m.buttons.frameColour, 2u);
    EXPECT_EQ(m.buttons.backColour, 3u);
    EXPECT_TRUE(m.buttons.separateFrameColour);
    EXPECT_FALSE(m.buttons.activeFrame);
    EXPECT_EQ(m.buttons.activeFrameColour, 4u);

    expectFont(m.titleRowFont, "Courier New", 11, true, true);
    EXPECT_EQ(m.titleRowColour, 5u);
    EXPECT_EQ(m.okText, "Okay");
    EXPECT_EQ(m.closeText, "Close");  // an empty value falls back
}

TEST_F(MenuDescriptionTest, MissingKeysGiveTheNewProjectLook)
{
    const MenuReadResult r = read(MenuFileBuilder().set("MainWindow", "Width", "abc"));
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    EXPECT_EQ(r.menu.caption, "Window Title");
    EXPECT_EQ(r.menu.width, 50);  // "abc" reads as 0 and is raised to the smallest window
    EXPECT_EQ(r.menu.height, 400);
    EXPECT_EQ(r.menu.title.text, "Title");
    EXPECT_EQ(r.menu.buttons.width, 220);
    EXPECT_TRUE(r.menu.entries.empty());
}

TEST_F(MenuDescriptionTest, ReadsTheKeysOfTheEditorsFullMenuFile)
{
    // The menu description file the editor writes for a project with every field filled
    // (its scrambled passwords blanked).
    const MenuReadResult r = readMenuDescription(std::string(ORVANTO_TEST_DATA_DIR) + "/golden/full_project.mni");
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    const MenuDescription& m = r.menu;
    EXPECT_EQ(m.caption, "CaptionText value");
    EXPECT_EQ(m.width, 111);
    EXPECT_EQ(m.backColour2, 990765u);
    EXPECT_EQ(m.blendDepth, 17);
    EXPECT_EQ(m.title.text, "TitleText value");
    expectFont(m.title.font, "TitleFontName value", 135, false, false);
    EXPECT_EQ(m.title.charSpacing, 41);
    expectFont(m.subtitle.font, "SubTitleFontName value", 143, true, true);
    EXPECT_EQ(m.buttons.height, 158);
    EXPECT_EQ(m.buttons.style, 26);
    expectFont(m.buttons.font, "ButtonFontName value", 163, false, true);
    EXPECT_EQ(m.buttons.frameColour, 4491468u);
    expectFont(m.titleRowFont, "ButtonTitle_FontName value", 184, true, true);
    EXPECT_EQ(m.appIcon, 6);
    EXPECT_EQ(m.closeText, "ButtonClose_Text value");
    ASSERT_EQ(m.entries.size(), 44u);
    EXPECT_EQ(m.entries[0].text, "Button 1 && more");
    EXPECT_EQ(m.entries[0].parameters, "AppParam 1");
    EXPECT_EQ(m.entries[1].waitInfoText, "WaitInfoText 2");
    EXPECT_TRUE(m.entries[43].titleRow);
    EXPECT_EQ(m.entries[43].text, "Games");
}

TEST_F(MenuDescriptionTest, TextsInTheCodePageAndInUnicodeEncoding)
{
    auto b = MenuFileBuilder::minimal();
    b.set("MainWindow", "CaptionText", "Caf\xC3\xA9 menu");  // written as one ANSI byte
    b.set("Title", "TitleText", EncodeUnicodeText("\xE6\x97\xA5\xE6\x9C\xAC \xE2\x82\xAC"));
    b.set("SubTitle", "SubTitleText", EncodeUnicodeText("\xCE\xB1\xCE\xB2"));
    b.set("Buttons", "NrButtons", "1");
    b.set("ButtonData", "Button1Text", EncodeUnicodeText("\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA"))
        .set("ButtonData", "Button1Cmd", "Run Program")
        .set("ButtonData", "Button1Tip", EncodeUnicodeText("tip \xE2\x86\x92"))
        .set("ButtonData", "Button1WaitInfoText", EncodeUnicodeText("wait \xE2\x80\xA6"));

    const MenuReadResult r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    EXPECT_EQ(r.menu.caption, "Caf\xC3\xA9 menu");
    EXPECT_EQ(r.menu.title.text, "\xE6\x97\xA5\xE6\x9C\xAC \xE2\x82\xAC");
    EXPECT_EQ(r.menu.subtitle.text, "\xCE\xB1\xCE\xB2");
    ASSERT_EQ(r.menu.entries.size(), 1u);
    EXPECT_EQ(r.menu.entries[0].text, "\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA");
    EXPECT_EQ(r.menu.entries[0].tip, "tip \xE2\x86\x92");
    EXPECT_EQ(r.menu.entries[0].waitInfoText, "wait \xE2\x80\xA6");
}

TEST_F(MenuDescriptionTest, EntriesTitleRowsAndHiddenButtons)
{
    auto b = MenuFileBuilder::minimal();
    b.set("Buttons", "NrButtons", "5");
    b.set("ButtonData", "Button1Text", "Games").set("ButtonData", "Button1Cmd", "(Title)");
    b.set("ButtonData", "Button2Text", "Play").set("ButtonData", "Button2Cmd", "Run Program & Close");
    b.set("ButtonData", "Button2Link", "games\\play.exe").set("ButtonData", "Button2AppParam", "/fast");
    b.set("ButtonData", "Button2RunProgramMaximized", "1").set("ButtonData", "Button2BCUse", "1");
    b.set("ButtonData", "Button2BC1", "11").set("ButtonData", "Button2BC3", "33").set("ButtonData", "Button2BC4", "44");
    b.set("ButtonData", "Button3Text", "Secret").set("ButtonData", "Button3Cmd", "Show Document");
    b.set("ButtonData", "Button3Hide", "1");
    // A project file's title row: empty command, text with its dashes.
    b.set("ButtonData", "Button4Text", "- Music -").set("ButtonData", "Button4Cmd", "");
    b.set("ButtonData", "Button5Text", "Exit").set("ButtonData", "Button5Cmd", "Exit");

    const MenuReadResult r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    const auto& e = r.menu.entries;
    ASSERT_EQ(e.size(), 5u);
    EXPECT_TRUE(e[0].titleRow);
    EXPECT_EQ(e[0].text, "Games");
    EXPECT_TRUE(e[0].command.empty());
    EXPECT_FALSE(e[1].titleRow);
    EXPECT_EQ(e[1].number, 2);
    EXPECT_EQ(e[1].command, "Run Program & Close");
    EXPECT_EQ(e[1].link, "games\\play.exe");
    EXPECT_EQ(e[1].parameters, "/fast");
    EXPECT_TRUE(e[1].runMaximized);
    EXPECT_TRUE(e[1].ownColours);
    EXPECT_EQ(e[1].textColour, 11u);
    EXPECT_EQ(e[1].frameColour, 33u);
    EXPECT_EQ(e[1].backColour, 44u);
    EXPECT_TRUE(e[2].hidden);
    EXPECT_TRUE(e[3].titleRow);
    EXPECT_EQ(e[3].text, "Music");

    std::vector<std::string> shown;
    for (const MenuEntry& entry : r.menu.visibleEntries())
        shown.push_back(entry.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Games", "Play", "Music", "Exit"}));
}

TEST_F(MenuDescriptionTest, CountBeyondTheEntriesAndNegativeCount)
{
    auto b = MenuFileBuilder::minimal();
    b.set("Buttons", "NrButtons", "3");
    b.set("ButtonData", "Button1Text", "One").set("ButtonData", "Button1Cmd", "Exit");
    auto r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    ASSERT_EQ(r.menu.entries.size(), 1u);

    r = read(b.set("Buttons", "NrButtons", "-4"));
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    EXPECT_TRUE(r.menu.entries.empty());
}

TEST_F(MenuDescriptionTest, ScrambledPasswordsAreRestored)
{
    auto b = MenuFileBuilder::minimal();
    b.set("Buttons", "NrButtons", "3");
    b.set("ButtonData", "Button1Text", "Locked").set("ButtonData", "Button1Cmd", "Show Document");
    b.set("ButtonData", "Button1PA", ScrambleText("1"))
        .set("ButtonData", "Button1PB", ScrambleText("s3cr\xC3\xA9t"))
        .set("ButtonData", "Button1PC", "1")
        .set("ButtonData", "Button1PD", "1")
        .set("ButtonData", "Button1PswDlgTitle", "Key please")
        .set("ButtonData", "Button1PswDlgText", "Type the key:")
        .set("ButtonData", "Button1PswIsWrongTitle", "Nope")
        .set("ButtonData", "Button1PswIsWrongText", "Wrong key.");
    // Protection switched off: PA holds a scrambled "0".
    b.set("ButtonData", "Button2Text", "Open").set("ButtonData", "Button2Cmd", "Show Document");
    b.set("ButtonData", "Button2PA", ScrambleText("0")).set("ButtonData", "Button2PB", ScrambleText("x"));
    // PA written plainly is no valid scrambled value.
    b.set("ButtonData", "Button3Text", "Plain").set("ButtonData", "Button3Cmd", "Show Document");
    b.set("ButtonData", "Button3PA", "1");

    const MenuReadResult r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    ASSERT_EQ(r.menu.entries.size(), 3u);
    const MenuEntry& locked = r.menu.entries[0];
    EXPECT_TRUE(locked.passwordProtected);
    EXPECT_EQ(locked.password, "s3cr\xC3\xA9t");
    EXPECT_TRUE(locked.maskPassword);
    EXPECT_TRUE(locked.encrypted);
    EXPECT_EQ(locked.passwordTitle, "Key please");
    EXPECT_EQ(locked.passwordText, "Type the key:");
    EXPECT_EQ(locked.wrongPasswordTitle, "Nope");
    EXPECT_EQ(locked.wrongPasswordText, "Wrong key.");
    EXPECT_FALSE(r.menu.entries[1].passwordProtected);
    EXPECT_TRUE(r.menu.entries[1].password.empty());
    EXPECT_FALSE(r.menu.entries[2].passwordProtected);
}

TEST_F(MenuDescriptionTest, MissingAndDamagedFiles)
{
    EXPECT_EQ(readMenuDescription(home.win("menu/ORVNMENU.MNI")).status, MenuReadStatus::Missing);

    // Cut short: the end line is missing.
    EXPECT_EQ(read(MenuFileBuilder::minimal().withoutEndLine()).status, MenuReadStatus::Damaged);
    // Another profile file, not a menu.
    EXPECT_EQ(read(MenuFileBuilder().set("AutoRun", "OPEN", "ORVNMENU.EXE")).status, MenuReadStatus::Damaged);
    // Binary garbage.
    const std::string garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[MainWindow", 32);
    EXPECT_EQ(readMenuDescription(home.writeFile("menu/ORVNMENU.MNI", garbage)).status, MenuReadStatus::Damaged);
    // Empty file.
    EXPECT_EQ(readMenuDescription(home.writeFile("menu/ORVNMENU.MNI", "")).status, MenuReadStatus::Damaged);
}

}  // namespace
}  // namespace orv::shell
