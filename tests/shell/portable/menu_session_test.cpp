// A running menu driven like a window drives it: mouse, keys, passwords, sub menus, and
// what it paints.
#include "shell/session/menu_session.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "platform/crypto.h"
#include "platform/services.h"

#include "shell/menu_file_builder.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

class RecordingHost : public MenuHost {
public:
    std::deque<std::optional<std::string>> passwordAnswers;
    std::vector<std::string> messages;
    std::vector<ButtonAction> actions;
    int closes = 0;
    int menuChanges = 0;

    std::optional<std::string> askPassword(const PasswordQuestion&) override
    {
        if (passwordAnswers.empty())
            return std::nullopt;
        auto answer = passwordAnswers.front();
        passwordAnswers.pop_front();
        return answer;
    }
    void showMessage(const std::string& title, const std::string& text, bool) override
    {
        messages.push_back(title + ": " + text);
    }
    bool documentsFail = false;  // no program opens a document
    bool takeOffer = false;
    ActionOutcome runAction(const ButtonAction& action) override
    {
        actions.push_back(action);
        return documentsFail && action.kind == ActionKind::OpenDocument ? ActionOutcome::Failed : ActionOutcome::Done;
    }
    bool offerButton(const std::string& title, const std::string& text, const std::string& button) override
    {
        messages.push_back(title + ": " + text + " [" + button + "]");
        return takeOffer;
    }
    void closeMenu() override { ++closes; }
    void menuChanged() override { ++menuChanges; }
    void repaintMenu() override {}
    void showWaitText(const std::string&) override {}
    std::vector<std::string> sounds;  // "use first-file" or "stop use"
    void playSound(SoundUse use, const std::vector<std::string>& files) override
    {
        sounds.push_back(std::to_string(static_cast<int>(use)) + " " + (files.empty() ? "" : files.front()));
    }
    void stopSound(SoundUse use) override { sounds.push_back("stop " + std::to_string(static_cast<int>(use))); }
    std::vector<std::string> movies;
    bool playMovie(const std::vector<std::string>& files, const Rect& where, bool) override
    {
        movies.push_back(files.front() + " at " + std::to_string(where.x) + "," + std::to_string(where.y));
        return true;
    }
    void stopMovie() override { movies.push_back("stop"); }
    // Every picture file is a 40 x 20 picture whose left half is white.
    std::vector<std::string> picturesAsked;
    Bitmap loadPicture(const std::string& file, int, int) override
    {
        picturesAsked.push_back(file);
        if (file.find("missing") != std::string::npos)
            return {};
        Bitmap b{40, 20, std::vector<std::uint32_t>(800, 0xFF336699)};
        for (int y = 0; y < 20; ++y)
            std::fill_n(b.pixels.begin() + y * 40, 20, 0xFFFFFFFFu);
        return b;
    }
};

class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;
    std::vector<TextRun> texts;
    std::vector<Bitmap> bitmaps;
    void drawBitmap(int x, int y, const Bitmap& b) override
    {
        calls.push_back("bitmap " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(b.width));
        bitmaps.push_back(b);
    }
    void drawText(const TextRun& run) override
    {
        calls.push_back("text " + run.text);
        texts.push_back(run);
    }
};

MenuEntry entry(const std::string& text, const std::string& command, const std::string& link = {})
{
    MenuEntry e;
    e.text = text;
    e.command = command;
    e.link = link;
    e.titleRow = command.empty();
    return e;
}

// Left-aligned buttons 220 x 30 from y 20, every 38 pixels; a heading 20 high at the top.
MenuDescription sampleMenu()
{
    MenuDescription m;
    m.caption = "Main";
    m.buttons.alignment = 1;
    m.entries = {entry("Films", ""), entry("Site", "Show Internet Page", "example.org"), entry("Exit", "Exit"),
                 entry("Tools", "Show Internet Page", "tools.example.org")};
    m.entries[1].tip = "Our site";
    return m;
}

class MenuSessionTest : public test::HomeTest {
protected:
    RecordingHost host;
};

TEST_F(MenuSessionTest, HoverTipAndClickOnRelease)
{
    MenuSession session(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", host);
    EXPECT_TRUE(session.mouseMove(30, 50));  // the heading ends at 40, "Site" starts at 48
    EXPECT_FALSE(session.mouseMove(31, 51));
    EXPECT_EQ(session.tip(), "Our site");
    EXPECT_TRUE(session.mouseMove(30, 30));  // over the heading: no button
    EXPECT_EQ(session.tip(), "");
    EXPECT_FALSE(session.overButton());

    session.mousePress(30, 50);
    session.mouseRelease(30, 90);  // released over another button: no click
    EXPECT_TRUE(host.actions.empty());
    session.mousePress(30, 50);
    session.mouseRelease(35, 55);
    ASSERT_EQ(host.actions.size(), 1u);
    EXPECT_EQ(host.actions[0].target, "http://example.org");
}

// The description holds a salted verifier, never the password (older files held it
// scrambled, which still works).
TEST_F(MenuSessionTest, PasswordIsAskedAgainAfterAWrongOneAndCancelRefuses)
{
    MenuDescription m = sampleMenu();
    m.entries[1].passwordProtected = true;
    m.entries[1].passwordVerifier = platform::services().crypto->CryPasswordVerifier("pw");
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    host.passwordAnswers = {"wrong", std::nullopt};
    session.activate(1);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Invalid password: The password you entered is not correct. Try again."});
    EXPECT_TRUE(host.actions.empty());
    host.passwordAnswers = {"pw"};
    session.activate(1);
    EXPECT_EQ(host.actions.size(), 1u);

    m.entries[1].passwordVerifier.clear();
    m.entries[1].password = "old";
    m.entries[1].legacyPassword = true;
    MenuSession older(m, "E:\\Menu\\ORVNMENU.MNI", host);
    host.passwordAnswers = {"old"};
    older.activate(1);
    EXPECT_EQ(host.actions.size(), 2u);
}

TEST_F(MenuSessionTest, KeysMoveTheFocusOverButtonsAndClickIt)
{
    MenuSession session(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", host);
    EXPECT_TRUE(session.keyPress(MenuKey::BackTab));  // nothing focused yet: the last button
    EXPECT_EQ(session.states().focus, std::optional<std::size_t>(3));
    session.keyPress(MenuKey::Tab);  // round to the first button; the heading is skipped
    EXPECT_EQ(session.states().focus, std::optional<std::size_t>(1));
    session.keyPress(MenuKey::Down);
    EXPECT_EQ(session.states().focus, std::optional<std::size_t>(2));
    session.keyPress(MenuKey::Enter);  // "Exit"
    EXPECT_EQ(host.closes, 1);
    session.keyPress(MenuKey::Escape);
    EXPECT_EQ(host.closes, 2);
}

TEST_F(MenuSessionTest, SubMenusOpenReturnAndReturnToTheMain)
{
    auto sub = test::MenuFileBuilder::minimal();
    sub.set("MainWindow", "CaptionText", "Sub").set("MainWindow", "Width", "300");
    sub.set("Buttons", "NrButtons", "3");
    sub.button(1, {{"Text", "Deeper"}, {"Cmd", "Open New Menu"}, {"Link", "deeper\\ORVNMENU.MNI"}});
    sub.button(2, {{"Text", "Back"}, {"Cmd", "Return To Previous Menu"}});
    sub.button(3, {{"Text", "Main"}, {"Cmd", "Return To Main Menu"}});
    home.writeFile("menu/sub/ORVNMENU.MNI", sub.bytes());
    sub.set("MainWindow", "CaptionText", "Deeper");
    home.writeFile("menu/sub/deeper/ORVNMENU.MNI", sub.bytes());  // links start from its own folder

    MenuDescription m = sampleMenu();
    m.entries[3] = entry("More", "Open New Menu", "sub\\ORVNMENU.MNI");
    MenuSession session(m, home.win("menu/ORVNMENU.MNI"), host);
    session.mouseMove(30, 50);
    session.activate(3);
    EXPECT_EQ(session.menu().caption, "Sub");
    EXPECT_EQ(session.layout().window, (Rect{0, 0, 300, 400}));
    EXPECT_FALSE(session.states().hover.has_value());
    session.activate(0);
    EXPECT_EQ(session.menu().caption, "Deeper");
    EXPECT_EQ(session.depth(), 3u);
    session.activate(1);
    EXPECT_EQ(session.menu().caption, "Sub");
    session.activate(0);
    session.activate(2);
    EXPECT_EQ(session.menu().caption, "Main");
    EXPECT_EQ(session.depth(), 1u);
    EXPECT_EQ(host.menuChanges, 5);
    EXPECT_TRUE(host.messages.empty());
}

// The copy in the menu's folder is looked for first, then the author's own file; the
// logotype loses its transparent colour, shows its tip and opens its address.
TEST_F(MenuSessionTest, PicturesComeFromTheMenuFolderOrTheAuthorsFilesAndTheLogotypeIsALink)
{
    MenuDescription m = sampleMenu();
    m.logotype.file = {"C:\\Art\\missing-logo.bmp", "orvndata"};
    m.picture.file = {"C:\\Art\\photo.jpg", "\\pics\\"};
    MenuSession missing(m, "E:\\Menu\\ORVNMENU.MNI", host);
    EXPECT_EQ(host.picturesAsked, (std::vector<std::string>{"E:\\Menu\\orvndata\\missing-logo.bmp",
                                                           "C:\\Art\\missing-logo.bmp", "E:\\Menu\\pics\\photo.jpg"}));
    EXPECT_EQ(missing.layout().logotype, std::nullopt);

    m.logotype.file = {"C:\\Art\\logo.bmp", "orvndata"};
    m.logotype.transparent = m.logotype.whiteTransparent = true;
    m.logotype.tip = "Visit us";
    m.logotype.address = "https://example.org";
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    ASSERT_TRUE(session.layout().logotype);
    const Rect logo = *session.layout().logotype;
    EXPECT_EQ(logo, (Rect{440, 20, 40, 20}));
    session.mouseMove(logo.x + 30, logo.y + 5);
    EXPECT_EQ(session.tip(), "Visit us");
    EXPECT_TRUE(session.overButton());  // the pointer shows a link
    session.mousePress(logo.x + 30, logo.y + 5);
    session.mouseRelease(logo.x + 30, logo.y + 5);
    ASSERT_EQ(host.actions.size(), 1u);
    EXPECT_EQ(host.actions[0].kind, ActionKind::OpenAddress);
    EXPECT_EQ(host.actions[0].target, "https://example.org");

    RecordingCanvas canvas;
    session.paint(canvas);
    EXPECT_EQ(canvas.calls.at(1), "bitmap 440 20 40");  // the logotype over the background
}

// Background 0, click 1, hover 2: from the menu's folder first.
TEST_F(MenuSessionTest, SoundsOfTheMenuAndItsButtons)
{
    MenuDescription m = sampleMenu();
    m.sounds.background = {"C:\\Music\\theme.mp3", "sounds"};
    m.sounds.click = {"C:\\Music\\click.wav", "sounds"};
    m.sounds.hover = {"C:\\Music\\hover.wav", ""};
    m.sounds.stopWhenMovie = m.sounds.stopIfNotTopmost = true;
    m.entries[2].hoverSound = {"C:\\Music\\bye.wav", "sounds"};
    m.entries[3].command = "Play Movie";
    m.entries[3].link = "film.avi";
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    session.windowActive(true);  // nothing plays before the window shows
    session.start();
    const auto centre = [&](std::size_t entry) {
        const Rect r = session.layout().boxOf(entry)->rect;
        return std::pair{r.x + 5, r.y + 5};
    };
    session.mouseMove(centre(1).first, centre(1).second);
    session.mouseMove(centre(2).first, centre(2).second);
    session.activate(3);
    session.windowActive(false);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"0 E:\\Menu\\sounds\\theme.mp3", "2 E:\\Menu\\hover.wav",
                                                    "2 E:\\Menu\\sounds\\bye.wav", "1 E:\\Menu\\sounds\\click.wav",
                                                    "stop 0", "stop 0"}));
}

// The movie plays in the menu picture's place, and the picture shows once it has ended.
TEST_F(MenuSessionTest, MenuMovieBeforeThePicture)
{
    MenuDescription m = sampleMenu();
    m.buttons.alignment = 3;
    m.picture.file = {"C:\\Art\\photo.jpg", ""};
    m.movie.file = {"C:\\Art\\intro.avi", "movies"};
    m.movie.showPictureWhenDone = true;
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    ASSERT_TRUE(session.layout().movie && session.layout().picture);
    const auto drawsPicture = [&] {
        RecordingCanvas canvas;
        session.paint(canvas);
        const Rect p = *session.layout().picture;
        return std::count(canvas.calls.begin(), canvas.calls.end(),
                          "bitmap " + std::to_string(p.x) + ' ' + std::to_string(p.y) + ' ' + std::to_string(p.width)) == 1;
    };
    EXPECT_TRUE(drawsPicture());  // before the window shows (and in pictures of the menu)
    session.start();
    EXPECT_EQ(host.movies, std::vector<std::string>{"E:\\Menu\\movies\\intro.avi at 20,20"});
    EXPECT_FALSE(drawsPicture());
    session.movieEnded();
    EXPECT_TRUE(drawsPicture());
    EXPECT_EQ(host.movies.back(), "stop");
}

TEST_F(MenuSessionTest, DocumentsNothingOpensGetThePdfBoxOrTheAuthorsText)
{
    MenuDescription m = sampleMenu();
    m.entries[1] = entry("Guide", "Show Document", "guide.PDF");
    m.entries[3] = entry("Notes", "Show Document", "notes.odt");
    m.pdfBox = {"No reader", "Install a reader.", "example.org/reader", "Get it"};
    m.documentTexts = {{"odt", "Writer needed", "Install a word processor."}};
    host.documentsFail = host.takeOffer = true;
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    session.activate(1);
    session.activate(3);
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"No reader: Install a reader. [Get it]", "Writer needed: Install a word processor."}));
    ASSERT_EQ(host.actions.size(), 3u);
    EXPECT_EQ(host.actions[1].target, "http://example.org/reader");
}

// Two badges at 434 and 464 from y 364: one with an address, one with a tip only.
TEST_F(MenuSessionTest, SocialLogosShowTheirTipsAndOpenTheirAddresses)
{
    MenuDescription m = sampleMenu();
    m.socialLogos = {SocialLogo{0, "https://example.org/us", "Find us"}, SocialLogo{3, "", "Watch us"}};
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    EXPECT_TRUE(session.mouseMove(440, 370));
    EXPECT_EQ(session.tip(), "Find us");
    EXPECT_TRUE(session.overButton());
    session.mousePress(440, 370);
    session.mouseRelease(441, 371);
    ASSERT_EQ(host.actions.size(), 1u);
    EXPECT_EQ(host.actions[0].kind, ActionKind::OpenAddress);
    EXPECT_EQ(host.actions[0].target, "https://example.org/us");

    EXPECT_TRUE(session.mouseMove(470, 370));  // the tip changes
    EXPECT_EQ(session.tip(), "Watch us");
    EXPECT_FALSE(session.overButton());
    session.mousePress(440, 370);
    session.mouseRelease(470, 370);  // released over the other badge
    EXPECT_EQ(host.actions.size(), 1u);
}

TEST_F(MenuSessionTest, PaintsBackgroundBodiesThenTextsWithTheTitleShadowFirst)
{
    MenuDescription m = sampleMenu();
    m.entries.resize(2);
    m.entries[1].text = "Q && A";
    m.title.text = "Title";
    m.title.shadow = true;
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    RecordingCanvas canvas;
    session.paint(canvas);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"bitmap 0 0 500", "bitmap 20 79 220", "text Title", "text Title",
                                                     "text Films", "text Q & A"}));
    EXPECT_EQ(canvas.texts[0].box.x, canvas.texts[1].box.x + 2);  // the shadow, offset by 2, 2
    EXPECT_NE(canvas.texts[0].colour, canvas.texts[1].colour);
    EXPECT_TRUE(canvas.texts[3].shrinkToFit);
}

std::uint32_t pixel(const Bitmap& b, int x, int y) { return b.pixels.at(static_cast<std::size_t>(y) * b.width + x); }

// A host that reads pictures on another thread: the background is read there, from the
// menu's folder first, and is in place by the first paint; the other pictures are not.
TEST_F(MenuSessionTest, BackgroundIsReadAsideWhenTheHostCan)
{
    class ThreadedHost : public RecordingHost {
    public:
        std::vector<std::string> readersMade;
        std::vector<std::thread::id> readOn;
        std::function<Bitmap()> pictureReader(const std::string& file, int width, int height) override
        {
            readersMade.push_back(file);
            // Runs on the reading thread: it touches nothing the session's thread uses
            // until the picture is awaited (readOn is read only after the paint).
            return [this, file] {
                readOn.push_back(std::this_thread::get_id());
                if (file.rfind("E:", 0) == 0)
                    return Bitmap{};
                Bitmap b{40, 20, std::vector<std::uint32_t>(800, 0xFF336699)};
                for (int y = 0; y < 20; ++y)
                    std::fill_n(b.pixels.begin() + y * 40, 20, 0xFFFFFFFFu);
                return b;
            };
        }
    } threaded;
    MenuDescription m = sampleMenu();
    m.background.file = {"C:\\Art\\back.jpg", "art"};
    m.logotype.file = {"C:\\Art\\logo.bmp", ""};
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", threaded);
    EXPECT_EQ(threaded.readersMade, (std::vector<std::string>{"E:\\Menu\\art\\back.jpg", "C:\\Art\\back.jpg"}));
    EXPECT_EQ(threaded.picturesAsked, (std::vector<std::string>{"E:\\Menu\\logo.bmp"}));

    RecordingCanvas canvas;
    session.paint(canvas);
    ASSERT_EQ(threaded.readOn.size(), 2u);
    EXPECT_NE(threaded.readOn[0], std::this_thread::get_id());
    const Bitmap& background = canvas.bitmaps.at(0);
    EXPECT_EQ(pixel(background, 0, 0), 0xFFFFFFFFu);   // the picture's white half
    EXPECT_EQ(pixel(background, 30, 19), 0xFF336699u);  // and its other half
}

// The host's pictures are 40 x 20, white on the left, 0x336699 on the right; lighter by 12 %
// that is 0x4B78A5.
TEST_F(MenuSessionTest, PictureButtonsAndInvisibleHotspots)
{
    MenuDescription m = sampleMenu();
    m.buttons.style = ImageHotspotStyle;
    m.buttons.foreColour = 0x0000FF;  // red
    m.entries = {entry("Play", "Exit"), entry("Area", "Show Internet Page", "example.org")};
    m.entries[0].picture = {"C:\\Art\\play.bmp", "orvndata\\buttons"};
    m.entries[0].usePictureSize = true;
    m.entries[0].transparency = 3;  // white
    MenuSession session(m, "E:\\Menu\\ORVNMENU.MNI", host);
    EXPECT_EQ(host.picturesAsked.front(), "E:\\Menu\\orvndata\\buttons\\play.bmp");
    EXPECT_EQ(layoutText(session.layout()), "window 0 0 500 400\nentry 1 20 20 40 20\nentry 2 20 48 220 30\n");
    session.mouseMove(30, 25);
    RecordingCanvas canvas;
    session.paint(canvas);
    EXPECT_TRUE(canvas.texts.empty());  // no captions
    EXPECT_EQ(pixel(canvas.bitmaps[1], 5, 5), 0u);  // white is transparent
    EXPECT_EQ(pixel(canvas.bitmaps[1], 30, 5), 0xFF4B78A5u);
    EXPECT_EQ(std::count(canvas.bitmaps[2].pixels.begin(), canvas.bitmaps[2].pixels.end(), 0u), 220 * 30);
    session.mousePress(100, 60);  // the invisible area: a dotted frame in the text colour, and a click
    RecordingCanvas area;
    session.paint(area);
    EXPECT_EQ(pixel(area.bitmaps[2], 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixel(area.bitmaps[2], 1, 0) >> 24, 48u);  // pressed: a light shade
    session.mouseRelease(100, 60);
    ASSERT_EQ(host.actions.size(), 1u);

    // A Bitmap Button scales its picture to the common size; without one it is a solid body.
    m.buttons.style = BitmapButtonStyle;
    m.buttons.backColour = 0x008000;
    MenuSession bitmaps(m, "E:\\Menu\\ORVNMENU.MNI", host);
    RecordingCanvas scaled;
    bitmaps.paint(scaled);
    EXPECT_EQ(pixel(scaled.bitmaps[1], 2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(scaled.bitmaps[1], 218, 28), 0xFF336699u);
    EXPECT_EQ(pixel(scaled.bitmaps[2], 110, 15), 0xFF008000u);
}

}  // namespace
}  // namespace orv::shell
