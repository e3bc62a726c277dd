#include "shell/menu_description.h"

#include <sstream>

#include <gtest/gtest.h>

#include "model/scramble.h"
#include "model/unicode_text.h"
#include "shell/menu_file_builder.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

using test::MenuFileBuilder;

std::string describe(const FontSpec& f)
{
    return f.name + " " + std::to_string(f.size) + (f.bold ? " bold" : "") + (f.italic ? " italic" : "");
}
std::string describe(const TextLine& t)
{
    std::ostringstream s;
    s << t.text << " | " << describe(t.font) << " | colour " << t.colour << " align " << t.alignment << " shadow "
      << t.shadow << " spacing " << t.charSpacing;
    return s.str();
}

// Every value of the menu but its entries, one line per part, so that an expectation spells
// each one.
std::string describe(const MenuDescription& m)
{
    const ButtonLook& b = m.buttons;
    std::ostringstream s;
    s << "window " << m.caption << " | " << m.width << "x" << m.height << " back " << m.backColour << "/"
      << m.backColour2 << " tone " << m.toneDirection << " blend " << m.blendDepth << " caption " << m.showCaption
      << " minimize " << m.showMinimizeButton << " border " << m.showBorder << " topmost " << m.alwaysOnTop
      << "\ntitle " << describe(m.title) << "\nsubtitle " << describe(m.subtitle) << "\nbuttons " << b.width << "x"
      << b.height << " style " << b.style << " align " << b.alignment << "/" << b.textAlignment << " | "
      << describe(b.font) << " | colours " << b.foreColour << "/" << b.frameColour << "/" << b.backColour
      << " separate " << b.separateFrameColour << " active " << b.activeFrame << "/" << b.activeFrameColour
      << "\neffects shadow " << b.effects.shadow << " " << b.effects.shadowSize << "/" << b.effects.shadowIntensity
      << " glass " << b.effects.glass << " " << b.effects.glassTransparency << "/" << b.effects.glassColour
      << " lines " << b.effects.lines << " " << b.effects.linesWidth << " light " << b.effects.light << " rounded "
      << b.effects.roundedSurface << "\ntitle rows " << describe(m.titleRowFont) << " | colour " << m.titleRowColour << "\nicon " << m.appIcon
      << " ok " << m.okText << " close " << m.closeText << "\n";
    return s.str();
}

std::string describe(const MenuEntry& e)
{
    std::ostringstream s;
    s << e.number << " " << e.text << " | " << e.command << " | " << e.link << " | tip " << e.tip << " | param "
      << e.parameters << " | wait " << e.waitInfoText << " | title " << e.titleRow << " hidden " << e.hidden
      << " max " << e.runMaximized << " own " << e.ownColours << " " << e.textColour << "/" << e.frameColour << "/"
      << e.backColour << " | password " << e.passwordProtected << " " << e.password << " mask " << e.maskPassword
      << " encrypted " << e.encrypted << " | " << e.passwordTitle << " | " << e.passwordText << " | "
      << e.wrongPasswordTitle << " | " << e.wrongPasswordText;
    return s.str();
}

class MenuDescriptionTest : public test::HomeTest {
protected:
    MenuReadResult read(const MenuFileBuilder& builder)
    {
        return readMenuDescription(home.writeFile("menu/ORVNMENU.MNI", builder.bytes()));
    }
};

// The file the editor writes for a project with every field filled (its scrambled passwords
// blanked), and a file that holds only a window section: every value spelled out.
TEST_F(MenuDescriptionTest, TheEditorsFullMenuFileAndTheDefaultsOfMissingKeys)
{
    const MenuReadResult full = readMenuDescription(std::string(ORVANTO_TEST_DATA_DIR) + "/golden/full_project.mni");
    ASSERT_EQ(full.status, MenuReadStatus::Ok);
    // A check state is on only at 1: the file's other numbers leave it off.
    EXPECT_EQ(describe(full.menu),
              "window CaptionText value | 111x112 back 924714/990765 tone 115 blend 17 caption 0 minimize 0 border 0 topmost 0\n"
              "title TitleText value | TitleFontName value 135 | colour 2575989 align 3 shadow 0 spacing 41\n"
              "subtitle SubTitleText value | SubTitleFontName value 143 bold italic | colour 3104397 align 3 shadow 0 spacing 48\n"
              "buttons 157x158 style 26 align 3/3 | ButtonFontName value 163 italic | colours 4425417/4491468/4557519 "
              "separate 1 active 1/5482233\n"
              "effects shadow 1 10/10 glass 1 10/5 lines 1 177 light 1 rounded 1\n"
              "title rows ButtonTitle_FontName value 184 bold italic | colour 5812488\n"
              "icon 6 ok ButtonOK_Text value close ButtonClose_Text value\n");
    ASSERT_EQ(full.menu.entries.size(), 44u);
    EXPECT_EQ(describe(full.menu.entries[0]), "1 Button 1 && more | Run Program | Link 1 | tip Tip 1 | param AppParam 1 | "
                                              "wait WaitInfoText 1 | title 0 hidden 0 max 0 own 0 0/0/0 | "
                                              "password 0  mask 0 encrypted 0 |  |  |  | ");
    EXPECT_EQ(describe(full.menu.entries[43]), "44 Games |  | Link 44 | tip Tip 44 | param AppParam 44 | "
                                               "wait WaitInfoText 44 | title 1 hidden 0 max 0 own 0 0/0/0 | "
                                               "password 0  mask 0 encrypted 0 |  |  |  | ");

    // "abc" reads as 0 and is raised to the smallest window; an empty button text falls back.
    const MenuReadResult empty =
        read(MenuFileBuilder().set("MainWindow", "Width", "abc").set("Text", "ButtonClose_Text", ""));
    ASSERT_EQ(empty.status, MenuReadStatus::Ok);
    EXPECT_EQ(describe(empty.menu),
              "window Window Title | 50x400 back 16711680/0 tone 0 blend 100 caption 1 minimize 0 border 1 topmost 0\n"
              "title Title | Times New Roman 26 bold italic | colour 65535 align 1 shadow 1 spacing 0\n"
              "subtitle  | Arial 14 | colour 8421631 align 1 shadow 0 spacing 0\n"
              "buttons 220x30 style 3 align 3/2 | Arial 12 bold | colours 65535/65535/8323072 separate 0 active 1/16777215\n"
              "effects shadow 0 0/5 glass 0 6/2 lines 0 80 light 0 rounded 0\n"
              "title rows Arial 10 | colour 65535\n"
              "icon 1 ok OK close Close\n");

    // Each window switch from its own key.
    const MenuReadResult flags = read(MenuFileBuilder::minimal()
                                          .set("MainWindow", "ShowCaption", "0")
                                          .set("MainWindow", "ShowMinimizeButton", "1"));
    EXPECT_NE(describe(flags.menu).find("caption 0 minimize 1 border 1 topmost 0\n"), std::string::npos);
    EXPECT_TRUE(empty.menu.entries.empty());
}

TEST_F(MenuDescriptionTest, TextsInTheCodePageAndInUnicodeEncoding)
{
    auto b = MenuFileBuilder::minimal();
    b.set("MainWindow", "CaptionText", "Caf\xC3\xA9 menu");  // written as one ANSI byte
    b.set("Title", "TitleText", EncodeUnicodeText("\xE6\x97\xA5\xE6\x9C\xAC \xE2\x82\xAC"));
    b.set("SubTitle", "SubTitleText", EncodeUnicodeText("\xCE\xB1\xCE\xB2"));
    b.set("Buttons", "NrButtons", "1");
    b.button(1, {{"Text", EncodeUnicodeText("\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA")}, {"Cmd", "Run Program"},
                 {"Tip", EncodeUnicodeText("tip \xE2\x86\x92")}, {"WaitInfoText", EncodeUnicodeText("wait \xE2\x80\xA6")}});

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

std::string describe(const TitleEffects& t, const WindowEffects& w)
{
    std::ostringstream s;
    s << "underline " << t.underline << " " << t.underlineColour1 << "/" << t.underlineColour2 << " height "
      << t.underlineHeight << " text " << t.underlineTextOnly << " | lines " << t.lines << " metal " << t.metalPlate
      << " " << t.linesColour << " adjust " << t.bandAdjust << " | fading " << w.on << " " << w.fadingSpeed << " "
      << w.transparency;
    return s.str();
}

// Values beyond what the editor's dialogs allow are kept to their ranges; the logos are read
// only when the window includes them, and only those switched on.
TEST_F(MenuDescriptionTest, TitleAndWindowEffectsAndSocialLogos)
{
    const MenuReadResult plain = read(MenuFileBuilder::minimal());
    EXPECT_EQ(describe(plain.menu.titleEffects, plain.menu.windowEffects),
              "underline 0 0/0 height 3 text 1 | lines 0 metal 0 32768 adjust 0 | fading 0 4 0");

    auto b = MenuFileBuilder::minimal();
    b.set("TitleUnderline", "UnderlineType", "2").set("TitleUnderline", "UnderlineColor1", "255");
    b.set("TitleUnderline", "UnderlineColor2", "65280").set("TitleUnderline", "UnderlineHeight", "60");
    b.set("TitleUnderline", "UnderlineTextOnly", "0");
    b.set("TitleBkgLines", "DrawTitleBkgLines", "1").set("TitleBkgLines", "DrawTitleMetalPlate", "1");
    b.set("TitleBkgLines", "TitleBkgLinesColor", "128").set("TitleBkgLines", "TitleBkgLinesAdjust", "-35");
    b.set("WinEffects", "UseWinEffects", "1").set("WinEffects", "WinFadingSpeed", "9");
    b.set("WinEffects", "WinTransparencyLevel", "95");
    b.set("SocialMedia", "Facebook_ShowLogo", "1").set("SocialMedia", "Facebook_URL", "https://example.org/f");
    b.set("SocialMedia", "Facebook_TipText", "Like us").set("SocialMedia", "Twitter_ShowLogo", "0");
    b.set("SocialMedia", "Twitter_URL", "https://example.org/t").set("SocialMedia", "YouTube_ShowLogo", "1");
    b.set("SocialMedia", "YouTube_TipText", EncodeUnicodeText("\xE2\x96\xB6"));
    const MenuReadResult without = read(b);
    EXPECT_EQ(describe(without.menu.titleEffects, without.menu.windowEffects),
              "underline 2 255/65280 height 50 text 0 | lines 1 metal 0 128 adjust -20 | fading 1 4 90");
    EXPECT_TRUE(without.menu.socialLogos.empty());

    std::string logos;
    for (const SocialLogo& logo : read(b.set("MainWindow", "IncludeSocialMediaLogos", "1")).menu.socialLogos)
        logos += std::to_string(logo.network) + " " + logo.address + " " + logo.tip + "|";
    EXPECT_EQ(logos, "0 https://example.org/f Like us|3  \xE2\x96\xB6|");
}

TEST_F(MenuDescriptionTest, EntriesTitleRowsHiddenButtonsAndPasswords)
{
    auto b = MenuFileBuilder::minimal();
    b.set("Buttons", "NrButtons", "9");  // one more than the file holds
    b.button(1, {{"Text", "Games"}, {"Cmd", "(Title)"}});
    b.button(2, {{"Text", "Play"}, {"Cmd", "Run Program & Close"}, {"Link", "games\\play.exe"}, {"AppParam", "/fast"},
                 {"RunProgramMaximized", "1"}, {"BCUse", "1"}, {"BC1", "11"}, {"BC2", "22"}, {"BC3", "33"}, {"BC4", "44"}});
    b.button(3, {{"Text", "Secret"}, {"Cmd", "Show Document"}, {"Hide", "1"}});
    // A project file's title row: empty command, text with its dashes.
    b.button(4, {{"Text", "- Music -"}, {"Cmd", ""}});
    b.button(5, {{"Text", "Exit"}, {"Cmd", "Exit"}});
    b.button(6, {{"Text", "Locked"}, {"Cmd", "Show Document"}, {"PA", ScrambleText("1")}, {"PB", ScrambleText("s3cr\xC3\xA9t")},
                 {"PC", "1"}, {"PD", "1"}, {"PswDlgTitle", "Key please"}, {"PswDlgText", "Type the key:"},
                 {"PswIsWrongTitle", "Nope"}, {"PswIsWrongText", "Wrong key."}});
    // Protection switched off (PA holds a scrambled "0"), and PA written plainly, which is no
    // valid scrambled value.
    b.button(7, {{"Text", "Open"}, {"Cmd", "Show Document"}, {"PA", ScrambleText("0")}, {"PB", ScrambleText("x")}});
    b.button(8, {{"Text", "Plain"}, {"Cmd", "Show Document"}, {"PA", "1"}});

    MenuReadResult r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    std::vector<std::string> entries;
    for (const MenuEntry& e : r.menu.entries)
        entries.push_back(describe(e));
    const std::string plain = " | tip  | param  | wait  | title 0 hidden 0 max 0 own 0 0/0/0 | password 0  mask 0 "
                              "encrypted 0 |  |  |  | ";
    EXPECT_EQ(entries, (std::vector<std::string>{
                           "1 Games |  |  | tip  | param  | wait  | title 1 hidden 0 max 0 own 0 0/0/0 | password 0  "
                           "mask 0 encrypted 0 |  |  |  | ",
                           "2 Play | Run Program & Close | games\\play.exe | tip  | param /fast | wait  | title 0 "
                           "hidden 0 max 1 own 1 11/33/44 | password 0  mask 0 encrypted 0 |  |  |  | ",
                           "3 Secret | Show Document |  | tip  | param  | wait  | title 0 hidden 1 max 0 own 0 0/0/0 | "
                           "password 0  mask 0 encrypted 0 |  |  |  | ",
                           "4 Music |  |  | tip  | param  | wait  | title 1 hidden 0 max 0 own 0 0/0/0 | password 0  "
                           "mask 0 encrypted 0 |  |  |  | ",
                           "5 Exit | Exit | " + plain,
                           "6 Locked | Show Document |  | tip  | param  | wait  | title 0 hidden 0 max 0 own 0 0/0/0 | "
                           "password 1 s3cr\xC3\xA9t mask 1 encrypted 1 | Key please | Type the key: | Nope | Wrong key.",
                           "7 Open | Show Document | " + plain,
                           "8 Plain | Show Document | " + plain,
                       }));
    std::string shown;
    for (const MenuEntry& entry : r.menu.visibleEntries())
        shown += entry.text + ",";
    EXPECT_EQ(shown, "Games,Play,Music,Exit,Locked,Open,Plain,");

    r = read(b.set("Buttons", "NrButtons", "-4"));
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    EXPECT_TRUE(r.menu.entries.empty());
}

// Placement and picture fields of entries; values the editor never writes fall back.
TEST_F(MenuDescriptionTest, PlacementPicturesArrowAndAutoSize)
{
    auto b = MenuFileBuilder::minimal();
    b.set("Buttons", "NrButtons", "2").set("Buttons", "ButtonAutoSize", "1").set("Buttons", "AddArrowToButton", "0");
    b.button(1, {{"Cmd", "Exit"}, {"DeltaType", "3"}, {"DeltaX", "-12"}, {"DeltaY", "40"}, {"Bmp", "C:\\a.bmp"},
                 {"BmpFolder", "pics"}, {"UseBmpSize", "1"}, {"BmpTransType", "3"}});
    b.button(2, {{"Cmd", "Exit"}, {"DeltaType", "6"}, {"DeltaX", "5000"}, {"UseBmpSize", "2"}, {"BmpTransType", "4"}});
    const MenuReadResult r = read(b);
    ASSERT_EQ(r.status, MenuReadStatus::Ok);
    EXPECT_TRUE(r.menu.buttons.autoSize);
    EXPECT_FALSE(r.menu.buttons.arrow);
    std::string entries;
    for (const MenuEntry& e : r.menu.entries)
        entries += std::to_string(static_cast<int>(e.placement)) + " " + std::to_string(e.deltaX) + "," +
                   std::to_string(e.deltaY) + " " + e.picture.source + " " + e.picture.folder + " " +
                   std::to_string(e.usePictureSize) + " " + std::to_string(e.transparency) + "|";
    EXPECT_EQ(entries, "3 -12,40 C:\\a.bmp pics 1 3|1 2000,0   0 1|");
    EXPECT_TRUE(read(MenuFileBuilder::minimal()).menu.buttons.arrow);  // older files: on, as in the editor
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
