// The menu window on Qt's offscreen platform, driven without a user: the scripted answers
// replace the password dialog, and messages are recorded instead of shown.
#include "shell/window/menu_window.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "shell/menu_description.h"
#include "shell/menu_file_builder.h"
#include "shell/resize_mode.h"
#include "support/picture_compare.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "shell_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics may already be gone.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

class ScriptedMenuWindow : public MenuWindow {
public:
    using MenuWindow::MenuWindow;
    std::optional<std::string> passwordAnswer;
    int passwordQuestions = 0;
    QStringList messages;

    // Clicks the n-th button shown.
    void click(std::size_t n) { session().activate(shownButtons().at(n)); }

protected:
    std::optional<std::string> askPassword(const PasswordQuestion&) override
    {
        ++passwordQuestions;
        return passwordAnswer;
    }
    void showMessage(const std::string& title, const std::string& text, bool) override
    {
        messages << QString::fromStdString(title + ": " + text);
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

MenuDescription sampleMenu()
{
    MenuDescription m;
    m.caption = "Holiday";
    m.width = 420;
    m.height = 360;
    m.entries = {entry("Films", ""), entry("Watch", "Play Movie", "film.avi"), entry("Hidden", "Exit"),
                 entry("Other", ""), entry("Hologram", "Play Hologram"), entry("Exit", "Exit")};
    m.entries[2].hidden = true;
    return m;
}

class MenuWindowTest : public test::HomeTest {
protected:
    MenuWindowTest() { application(); }

    long registryValue(const char* name)
    {
        return platform::services().registry->GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeKey, name, -1);
    }
};

TEST_F(MenuWindowTest, ShowsTheMenuAtItsSizeWithHeadingsAndVisibleButtonsAndMarksATestRun)
{
    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Holiday"));
    EXPECT_EQ(w.size(), QSize(420, 360));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());  // only resize mode lets the user size it
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("testBadge")), nullptr);
    EXPECT_EQ(w.shownButtons(), (std::vector<std::size_t>{1, 4, 5}));

    ShellArguments args;
    args.testRun = true;
    ScriptedMenuWindow test(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", args);
    EXPECT_EQ(test.windowTitle(), QStringLiteral("Holiday [Test]"));
    auto* badge = test.findChild<QLabel*>(QStringLiteral("testBadge"));
    ASSERT_NE(badge, nullptr);
    EXPECT_FALSE(badge->isHidden());
}

TEST_F(MenuWindowTest, PaintsTheMenuAndFollowsTheMouse)
{
    MenuDescription m = sampleMenu();
    m.backColour = 0x0000FF;  // red
    m.buttons.style = 4;      // solid rectangle
    m.buttons.backColour = 0x00FF00;
    ScriptedMenuWindow w(m, "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    w.show();
    const QImage before = w.grab().toImage();
    EXPECT_EQ(before.pixelColor(2, 2), QColor(255, 0, 0));
    const Rect watch = w.session().layout().boxOf(1)->rect;
    EXPECT_EQ(before.pixelColor(watch.x + 2, watch.y + 2), QColor(0, 255, 0));

    QMouseEvent move(QEvent::MouseMove, QPointF(watch.x + 5, watch.y + 5), QPointF(), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    EXPECT_EQ(w.session().states().hover, std::optional<std::size_t>(1));
    EXPECT_EQ(w.cursor().shape(), Qt::PointingHandCursor);
    // The active frame (white) appears around the button under the mouse.
    EXPECT_EQ(w.grab().toImage().pixelColor(watch.x + watch.width / 2, watch.y), QColor(255, 255, 255));
}

TEST_F(MenuWindowTest, WritesItsLayoutAndAScreenshotWhenAsked)
{
    QTemporaryDir dir;
    ShellArguments args;
    args.layoutFile = dir.filePath(QStringLiteral("layout.txt")).toStdString();
    const std::string shot = dir.filePath(QStringLiteral("shot.png")).toStdString();
    ScriptedMenuWindow hidden(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", args);
    ASSERT_TRUE(hidden.saveScreenshot(shot));
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_FALSE(hidden.saveScreenshot(dir.filePath(QStringLiteral("no/such/folder.png")).toStdString()));

    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", args);
    w.show();
    QApplication::processEvents();
    QFile file(QString::fromStdString(args.layoutFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), layoutText(w.session().layout()));
    // The picture is what the window shows.
    EXPECT_EQ(QImage(QString::fromStdString(shot)), w.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// The example menu of each style family, painted as the menu first shows it, matches its
// reference picture in tests/data/reference (drawn by this program and checked by eye).
// After a deliberate change of look, ORVANTO_UPDATE_REFERENCES=1 writes them anew.
TEST_F(MenuWindowTest, ExampleMenusMatchTheirReferencePictures)
{
    const std::string data = ORVANTO_TEST_DATA_DIR;
    for (const char* name : {"standard", "blended", "special", "windows", "pictures"}) {
        const std::string file = data + "/menus/" + name + ".mni", reference = data + "/reference/" + name + ".png";
        const MenuReadResult read = readMenuDescription(file);
        ASSERT_EQ(read.status, MenuReadStatus::Ok) << name;
        // The window knows its file in Windows form, as the program gives it: its folder holds the pictures.
        ScriptedMenuWindow w(read.menu, platform::services().files->windowsPath(file), ShellArguments{});
        const std::string shot = home.path("shot.png").string();
        ASSERT_TRUE(w.saveScreenshot(shot)) << name;
        if (qEnvironmentVariableIsSet("ORVANTO_UPDATE_REFERENCES"))
            QImage(QString::fromStdString(shot)).save(QString::fromStdString(reference));  // compressed
        const test::PictureComparison c =
            test::comparePictures(QImage(QString::fromStdString(shot)), QImage(QString::fromStdString(reference)),
                                  test::textBoxesOf(read.menu));
        EXPECT_TRUE(c.matches()) << name << ": " << c.different << " of " << c.compared << " pixels differ";
    }
}

TEST_F(MenuWindowTest, UnsupportedCommandsSaySoAndThePasswordGuardsExit)
{
    MenuDescription m = sampleMenu();
    m.entries[5].passwordProtected = true;
    m.entries[5].password = "pw";
    m.entries[5].legacyPassword = true;
    ScriptedMenuWindow w(m, "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    w.show();
    w.click(1);
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("\"Play Hologram\" is not supported"))) << w.messages[0].toStdString();
    w.click(0);  // the film is not on the medium
    ASSERT_EQ(w.messages.size(), 2);
    EXPECT_TRUE(w.messages[1].contains(QStringLiteral("film.avi"))) << w.messages[1].toStdString();

    w.click(2);  // cancelled
    EXPECT_EQ(w.passwordQuestions, 1);
    EXPECT_TRUE(w.isVisible());
    w.passwordAnswer = "pw";
    w.click(2);
    EXPECT_EQ(w.passwordQuestions, 2);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MenuWindowTest, OnlyResizeModeHandsTheChosenClientSizeToTheEditor)
{
    ScriptedMenuWindow ordinary(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    ordinary.show();
    ordinary.close();
    EXPECT_EQ(registryValue("Width"), -1);

    ShellArguments args;
    args.resizeMode = true;
    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", args);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Holiday [Test]"));
    EXPECT_NE(w.findChild<QLabel*>(QStringLiteral("resizeHint")), nullptr);
    w.show();
    w.resize(640, 470);
    EXPECT_EQ(registryValue("Width"), -1);  // nothing before the window closes
    w.close();
    EXPECT_EQ(registryValue("Width"), 640);
    EXPECT_EQ(registryValue("Height"), 470);
    EXPECT_TRUE(w.messages.isEmpty());

    // A height of 0 is stored as 1; the editor reads the values without regard to case.
    ASSERT_TRUE(storeResizeModeSize(733, 0));
    EXPECT_EQ(registryValue("width"), 733);
    EXPECT_EQ(registryValue("HEIGHT"), 1);
    EXPECT_NE(home.readFile("registry.ini").find("[HKEY_CURRENT_USER\\Software\\Veltrona\\Orvanto\\ResizeMode]"),
              std::string::npos);
}

// Where sub-menu links start from is the session's test; the window follows the menu shown.
TEST_F(MenuWindowTest, SubMenusOpenAndReturn)
{
    auto sub = test::MenuFileBuilder::minimal();
    sub.set("MainWindow", "CaptionText", "Sub menu").set("Buttons", "NrButtons", "1");
    sub.button(1, {{"Text", "Back"}, {"Cmd", "Return To Main Menu"}});
    home.writeFile("menu/sub/ORVNMENU.MNI", sub.bytes());

    MenuDescription m = sampleMenu();
    m.entries[4] = entry("More", "Open New Menu", "sub\\ORVNMENU.MNI");
    ScriptedMenuWindow w(m, home.win("menu/ORVNMENU.MNI"), ShellArguments{});
    w.show();
    w.click(1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sub menu"));
    EXPECT_EQ(w.shownButtons().size(), 1u);
    w.click(0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Holiday"));
    EXPECT_EQ(w.shownButtons().size(), 3u);
}

}  // namespace
}  // namespace orv::shell
