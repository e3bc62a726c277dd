// The menu window on Qt's offscreen platform, driven without a user: the scripted answers
// replace the password dialog, and messages are recorded instead of shown.
#include "shell/window/menu_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/services.h"
#include "shell/menu_description.h"
#include "shell/menu_file_builder.h"
#include "shell/resize_mode.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "shell_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

class ScriptedMenuWindow : public MenuWindow {
public:
    using MenuWindow::MenuWindow;
    bool passwordAnswer = true;
    int passwordQuestions = 0;
    QStringList messages;

    bool confirmPassword(const MenuEntry& entry) override
    {
        if (!entry.passwordProtected)
            return true;
        ++passwordQuestions;
        return passwordAnswer;
    }

protected:
    void showMessage(const QString& title, const QString& text, bool) override { messages << title + ": " + text; }
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
                 entry("Other", ""), entry("Guard", "Install StickGuard"), entry("Exit", "Exit")};
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

TEST_F(MenuWindowTest, ShowsTheMenuAtItsSizeWithHeadingsAndVisibleButtons)
{
    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Holiday"));
    EXPECT_EQ(w.size(), QSize(420, 360));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());  // only resize mode lets the user size it
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("testBadge")), nullptr);

    ASSERT_EQ(w.buttons().size(), 3u);
    EXPECT_EQ(w.buttons()[0]->text(), QStringLiteral("Watch"));
    EXPECT_EQ(w.buttons()[1]->text(), QStringLiteral("Guard"));
    EXPECT_EQ(w.buttons()[2]->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w.buttons()[0]->size(), QSize(220, 30));
    const auto headings = w.findChildren<QLabel*>(QStringLiteral("titleRow"));
    ASSERT_EQ(headings.size(), 2);
    EXPECT_EQ(headings[0]->text(), QStringLiteral("Films"));
}

TEST_F(MenuWindowTest, TestRunIsMarked)
{
    ShellArguments args;
    args.testRun = true;
    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", args);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Holiday [Test]"));
    auto* badge = w.findChild<QLabel*>(QStringLiteral("testBadge"));
    ASSERT_NE(badge, nullptr);
    EXPECT_FALSE(badge->isHidden());
}

TEST_F(MenuWindowTest, ExitClosesAndUnsupportedCommandsSaySo)
{
    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    w.show();
    w.buttons()[1]->click();
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("\"Install StickGuard\" is not supported"))) << w.messages[0].toStdString();
    EXPECT_TRUE(w.isVisible());

    w.buttons()[0]->click();  // the film is not on the medium
    ASSERT_EQ(w.messages.size(), 2);
    EXPECT_TRUE(w.messages[1].contains(QStringLiteral("film.avi"))) << w.messages[1].toStdString();

    w.buttons()[2]->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MenuWindowTest, PasswordGuardsTheCommand)
{
    MenuDescription m = sampleMenu();
    m.entries[5].passwordProtected = true;
    m.entries[5].password = "pw";
    ScriptedMenuWindow w(m, "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    w.show();
    w.passwordAnswer = false;
    w.buttons()[2]->click();
    EXPECT_EQ(w.passwordQuestions, 1);
    EXPECT_TRUE(w.isVisible());
    w.passwordAnswer = true;
    w.buttons()[2]->click();
    EXPECT_EQ(w.passwordQuestions, 2);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MenuWindowTest, ResizeModeHandsTheChosenClientSizeToTheEditor)
{
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
}

TEST_F(MenuWindowTest, AnOrdinaryRunLeavesTheRegistryAlone)
{
    ScriptedMenuWindow w(sampleMenu(), "E:\\Menu\\ORVNMENU.MNI", ShellArguments{});
    w.show();
    w.close();
    EXPECT_EQ(registryValue("Width"), -1);
    EXPECT_EQ(registryValue("Height"), -1);
}

TEST_F(MenuWindowTest, SubMenusOpenAndReturn)
{
    auto sub = test::MenuFileBuilder::minimal();
    sub.set("MainWindow", "CaptionText", "Sub menu");
    sub.set("Buttons", "NrButtons", "2");
    sub.set("ButtonData", "Button1Text", "Back").set("ButtonData", "Button1Cmd", "Return To Main Menu");
    sub.set("ButtonData", "Button2Text", "Broken").set("ButtonData", "Button2Cmd", "Open New Menu");
    sub.set("ButtonData", "Button2Link", "missing.mni");
    home.writeFile("menu/sub/ORVNMENU.MNI", sub.bytes());

    MenuDescription m = sampleMenu();
    m.entries[4] = entry("More", "Open New Menu", "sub\\ORVNMENU.MNI");
    ScriptedMenuWindow w(m, home.win("menu/ORVNMENU.MNI"), ShellArguments{});
    w.show();
    w.buttons()[1]->click();
    EXPECT_EQ(w.menu().caption, "Sub menu");
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sub menu"));
    ASSERT_EQ(w.buttons().size(), 2u);

    w.buttons()[1]->click();  // links of the sub-menu start from its own folder
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QString::fromStdString(home.path("menu/sub/missing.mni").string())))
        << w.messages[0].toStdString();
    EXPECT_EQ(w.menu().caption, "Sub menu");

    w.buttons()[0]->click();
    EXPECT_EQ(w.menu().caption, "Holiday");
    EXPECT_EQ(w.buttons().size(), 3u);
}

TEST(StoreResizeModeSize, WritesBothValuesUnderTheCurrentUser)
{
    test::TestHome home;
    ASSERT_TRUE(storeResizeModeSize(733, 0));
    auto* registry = platform::services().registry;
    EXPECT_EQ(registry->GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, "Software\\Veltrona\\Orvanto\\ResizeMode", "width"), 733);
    EXPECT_EQ(registry->GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, "Software\\Veltrona\\Orvanto\\ResizeMode", "HEIGHT"), 1);
    const std::string store = home.readFile("registry.ini");
    EXPECT_NE(store.find("[HKEY_CURRENT_USER\\Software\\Veltrona\\Orvanto\\ResizeMode]"), std::string::npos) << store;
}

}  // namespace
}  // namespace orv::shell
