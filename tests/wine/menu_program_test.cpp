// The Windows menu program under Wine on a virtual display, used as a visitor uses a disc:
// its window comes up with the menu's caption, a click on a button opens a document
// through the shell, a sub menu opens and returns, Escape closes. And it paints the same
// menu as the host build of the program: the same layout, the same pixels outside text.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "shell/layout/menu_layout.h"
#include "shell/menu_description.h"
#include "shell/menu_file_builder.h"
#include "support/picture_compare.h"
#include "support/test_home.h"
#include "wine_desktop.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void addButton(MenuFileBuilder& menu, int n, const std::string& text, const std::string& command,
               const std::string& link = {})
{
    const std::string key = "Button" + std::to_string(n);
    menu.set("ButtonData", key + "Text", text).set("ButtonData", key + "Cmd", command);
    menu.set("ButtonData", key + "Link", link);
    menu.set("Buttons", "NrButtons", std::to_string(n));
}

MenuFileBuilder styledMenu(const std::string& caption)
{
    MenuFileBuilder menu = MenuFileBuilder::minimal();
    menu.set("MainWindow", "CaptionText", caption);
    menu.set("MainWindow", "BackColor", "8388608").set("MainWindow", "BackColor2", "16744448");
    menu.set("MainWindow", "ToneDirection", "4").set("MainWindow", "BlendDepth", "80");
    menu.set("Title", "TitleText", caption).set("Title", "TitleAlignment", "2");
    menu.set("Title", "TitleShadow", "1");
    menu.set("SubTitle", "SubTitleText", "Made for the test");
    menu.set("Buttons", "ButtonStyle", "9").set("Buttons", "ButtonAlignment", "2");
    menu.set("Buttons", "ButtonWidth", "200").set("Buttons", "ButtonHeight", "32");
    return menu;
}

class MenuProgramUnderWine : public HomeTest {
protected:
    void SetUp() override
    {
        if (!desktop.missing().empty())
            GTEST_SKIP() << desktop.missing();
        const fs::path release = fs::path(ORVANTO_PROGRAM_DIR_FOR_TESTS) / "Release";
        fs::create_directories(home.path("medium/sub"));
        for (const char* name : {"ORVNMENU.EXE", "ORVNMENU.EXE.manifest"})
            fs::copy_file(release / name, home.path("medium") / name);
    }

    void writeMenu(const std::string& relative, const MenuFileBuilder& menu)
    {
        home.writeFile("medium/" + relative, menu.bytes());
    }

    // The layout the program wrote with /LAYOUT:, once it is there.
    std::string layoutOf(const fs::path& file)
    {
        for (int i = 0; i < 100 && !fs::exists(file); ++i)
            std::this_thread::sleep_for(100ms);
        std::this_thread::sleep_for(300ms);  // the first paint is done before it is written
        return home.readFile(fs::relative(file, home.root()).string());
    }

    // The centre of an entry's box (1-based position in the file) in the menu's layout.
    static std::pair<int, int> centreOf(const std::string& menuBytes, int entry)
    {
        const shell::MenuReadResult read = shell::parseMenuDescription(menuBytes);
        const shell::MenuLayout layout = shell::layoutMenu(read.menu, read.menu.width, read.menu.height);
        const shell::EntryBox* box = layout.boxOf(static_cast<std::size_t>(entry - 1));
        return box ? std::pair{box->rect.x + box->rect.width / 2, box->rect.y + box->rect.height / 2}
                   : std::pair{-1, -1};
    }

    WineDesktop desktop;
};

TEST_F(MenuProgramUnderWine, OpensItsWindowRunsButtonsAndSwitchesMenus)
{
    MenuFileBuilder main = styledMenu("Wine Trip");
    addButton(main, 1, "Read me", "Show Document", "readme.txt");
    addButton(main, 2, "More", "Open New Menu", "sub\\SUB.MNI");
    addButton(main, 3, "Exit", "Exit");
    MenuFileBuilder sub = styledMenu("Wine Trip - More");
    addButton(sub, 1, "Back", "Return To Previous Menu");
    writeMenu("ORVNMENU.MNI", main);
    writeMenu("sub/SUB.MNI", sub);
    home.writeFile("medium/readme.txt", "Hello from the medium\r\n");

    QProcess& menu = desktop.startWindows(home.path("medium/ORVNMENU.EXE").string(),
                                          {QString::fromStdString("/LAYOUT:" +
                                                                  WineDesktop::windowsPath(home.path("layout.txt")))});
    const unsigned long window = desktop.waitForWindow("^Wine Trip$");
    ASSERT_NE(window, 0u) << "the menu window did not appear";
    EXPECT_EQ(desktop.windowName(window), "Wine Trip");
    EXPECT_EQ(desktop.geometry(window).size(), QSize(500, 400));
    layoutOf(home.path("layout.txt"));

    const auto more = centreOf(AnsiToUtf8(main.bytes()), 2);
    desktop.click(window, more.first, more.second);
    ASSERT_TRUE(desktop.waitForName(window, "^Wine Trip - More$")) << desktop.windowName(window);

    const auto back = centreOf(AnsiToUtf8(sub.bytes()), 1);
    desktop.click(window, back.first, back.second);
    ASSERT_TRUE(desktop.waitForName(window, "^Wine Trip$")) << desktop.windowName(window);

    const auto readMe = centreOf(AnsiToUtf8(main.bytes()), 1);
    desktop.click(window, readMe.first, readMe.second);
    const unsigned long document = desktop.waitForWindow("readme", 30s);
    EXPECT_NE(document, 0u) << "the document was not opened through the shell";
    if (document) {
        desktop.closeProgramOf(document);  // the visitor closes it
        desktop.waitUntilClosed("readme");
    }

    EXPECT_TRUE(desktop.keyUntil(window, "Escape", [&] { return menu.waitForFinished(5000); }))
        << "Escape did not close the menu; the screen: " << desktop.keepScreen("menu-escape");
}

// Both builds draw with the Liberation families (the Wine prefix maps Arial and Times New
// Roman to them, as fontconfig does), so only the glyphs' rendering may differ.
TEST_F(MenuProgramUnderWine, PaintsTheSameMenuAsTheHostProgram)
{
    MenuFileBuilder main = styledMenu("Same Look");
    main.set("Buttons", "ButtonAlignment", "4");
    main.set("SubTitle", "SubTitleFontName", "No Such Family");  // drawn in a family that is there
    addButton(main, 1, "Pictures", "");
    addButton(main, 2, "Holiday", "Show Document", "a.txt");
    addButton(main, 3, "Family", "Show Document", "b.txt");
    addButton(main, 4, "Friends", "Show Document", "c.txt");
    main.set("ButtonData", "Button4BCUse", "1").set("ButtonData", "Button4BC4", "32768");
    addButton(main, 5, "Exit", "Exit");
    writeMenu("ORVNMENU.MNI", main);

    // Both builds paint the menu into a PNG file without a window, as they first show it.
    const std::string layoutArgument = "/LAYOUT:";
    QProcess& windows = desktop.startWindows(
        home.path("medium/ORVNMENU.EXE").string(),
        {QString::fromStdString(layoutArgument + WineDesktop::windowsPath(home.path("windows.txt"))),
         QStringLiteral("--screenshot"), QString::fromStdString(WineDesktop::windowsPath(home.path("windows.png")))});
    ASSERT_TRUE(windows.waitForFinished(60000)) << "the Windows program did not end";
    EXPECT_EQ(windows.exitCode(), 0);
    const std::string windowsLayout = layoutOf(home.path("windows.txt"));
    const QImage windowsPicture(QString::fromStdString(home.path("windows.png").string()));

    QProcess& host = desktop.startHost(fs::path(ORVANTO_PROGRAM_DIR_FOR_TESTS).append("Test/ORVNMENU.EXE").string(),
                                       {QString::fromStdString(home.path("medium/ORVNMENU.MNI").string()),
                                        QString::fromStdString(layoutArgument + home.path("host.txt").string()),
                                        QStringLiteral("--screenshot"),
                                        QString::fromStdString(home.path("host.png").string())});
    ASSERT_TRUE(host.waitForFinished(30000)) << "the host program did not end";
    EXPECT_EQ(host.exitCode(), 0);
    const std::string hostLayout = layoutOf(home.path("host.txt"));
    const QImage hostPicture(QString::fromStdString(home.path("host.png").string()));

    ASSERT_FALSE(windowsLayout.empty());
    EXPECT_EQ(windowsLayout, hostLayout);
    ASSERT_EQ(windowsPicture.size(), hostPicture.size());

    // Text is drawn by each system's font engine; everything else must agree.
    const shell::MenuReadResult read = shell::parseMenuDescription(AnsiToUtf8(main.bytes()));
    const shell::MenuLayout layout = shell::layoutMenu(read.menu, read.menu.width, read.menu.height);
    std::vector<QRect> text;
    for (const auto& box : {layout.title, layout.subtitle})
        if (box)
            text.emplace_back(box->x, box->y, box->width + 2, box->height + 2);  // with the shadow
    for (const shell::EntryBox& entry : layout.entries)
        text.emplace_back(entry.rect.x + 2, entry.rect.y + 2, entry.rect.width - 4, entry.rect.height - 4);
    long compared = 0, different = 0;
    for (int y = 0; y < hostPicture.height(); ++y)
        for (int x = 0; x < hostPicture.width(); ++x) {
            if (std::any_of(text.begin(), text.end(), [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            const QRgb a = windowsPicture.pixel(x, y), b = hostPicture.pixel(x, y);
            ++compared;
            if (std::abs(qRed(a) - qRed(b)) > 32 || std::abs(qGreen(a) - qGreen(b)) > 32 ||
                std::abs(qBlue(a) - qBlue(b)) > 32)
                ++different;
        }
    EXPECT_GT(compared, 100000);

    // A missing font family never leaves a text undrawn: the subtitle's colour is there.
    ASSERT_TRUE(layout.subtitle);
    const QRect subtitle(layout.subtitle->x, layout.subtitle->y, layout.subtitle->width, layout.subtitle->height);
    for (const QImage* picture : {&windowsPicture, &hostPicture}) {
        long ink = 0;
        for (int y = subtitle.top(); y <= subtitle.bottom(); ++y)
            for (int x = subtitle.left(); x <= subtitle.right(); ++x) {
                const QRgb p = picture->pixel(x, y);
                ink += qRed(p) > 200 && std::abs(qGreen(p) - 128) < 40 && std::abs(qBlue(p) - 128) < 40;
            }
        EXPECT_GT(ink, 50) << (picture == &windowsPicture ? "Windows" : "host") << " subtitle not drawn";
    }
    EXPECT_LE(different * 100, compared) << different << " of " << compared << " pixels differ";
    if (HasFailure()) {
        fs::copy(home.path("windows.png"), fs::temp_directory_path() / "orvanto-windows-menu.png",
                 fs::copy_options::overwrite_existing);
        fs::copy(home.path("host.png"), fs::temp_directory_path() / "orvanto-host-menu.png",
                 fs::copy_options::overwrite_existing);
    }
}

// The example menu of each style family, painted by the Windows build, matches the same
// reference picture as the host build's (outside the text, which each font engine draws).
TEST_F(MenuProgramUnderWine, ExampleMenusMatchTheReferencePictures)
{
    const std::string data = ORVANTO_TEST_DATA_DIR;
    fs::copy(data + "/menus/pictures", home.path("medium/pictures"), fs::copy_options::recursive);
    for (const char* name : {"standard", "blended", "special", "windows", "pictures"}) {
        const fs::path menu = home.path("medium") / (std::string(name) + ".mni");
        fs::copy_file(data + "/menus/" + name + ".mni", menu, fs::copy_options::overwrite_existing);
        const fs::path shot = home.path(std::string(name) + ".png");
        QProcess& windows = desktop.startWindows(home.path("medium/ORVNMENU.EXE").string(),
                                                 {QStringLiteral("--screenshot"),
                                                  QString::fromStdString(WineDesktop::windowsPath(shot.string())),
                                                  QString::fromStdString(WineDesktop::windowsPath(menu.string()))});
        ASSERT_TRUE(windows.waitForFinished(60000)) << name;
        const shell::MenuReadResult read = shell::readMenuDescription(menu.string());
        ASSERT_EQ(read.status, shell::MenuReadStatus::Ok) << name;
        const PictureComparison c = comparePictures(QImage(QString::fromStdString(shot.string())),
                                                    QImage(QString::fromStdString(data + "/reference/" + name + ".png")),
                                                    textBoxesOf(read.menu));
        EXPECT_TRUE(c.matches()) << name << ": " << c.different << " of " << c.compared << " pixels differ";
    }
}

}  // namespace
}  // namespace orv::test
