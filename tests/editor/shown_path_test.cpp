// Paths of the author's machine at the interface's edge: shown in host form, typed in either
// form, stored in Windows form; and "New Folder" of the folder chooser.
#include <filesystem>

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "create/create_dialog.h"
#include "dialog_test_support.h"
#include "editor/dialogs/create_menu_dialog.h"
#include "editor/dialogs/select_dir_dialog.h"
#include "editor/rules/shown_path.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class ShownPathTest : public test::HomeTest {
protected:
    void SetUp() override { test::ensureApplication(); }
    PathEdge edge{platform::services().files, "/home/ann/"};
};

TEST_F(ShownPathTest, WindowsFormIsShownInHostFormAndTypedHostFormIsStoredInWindowsForm)
{
    const std::pair<const char*, const char*> shown[] = {
        {"Z:\\home\\ann\\menu\\logo.png", "/home/ann/menu/logo.png"},
        {"Z:\\", "/"},
        {"Q:\\pics\\a.png", "Q:\\pics\\a.png"},  // a letter that is not mapped
        {"\\\\server\\share\\a.png", "\\\\server\\share\\a.png"},
        {"pics\\a.png", "pics\\a.png"},
        {"", ""},
    };
    for (const auto& [windows, host] : shown)
        EXPECT_EQ(edge.shown(windows), host) << windows;

    EXPECT_EQ(edge.shownShort("Z:\\home\\ann\\Documents\\a.mnp"), "~/Documents/a.mnp");
    EXPECT_EQ(edge.shownShort("Z:\\home\\ann"), "~");
    EXPECT_EQ(edge.shownShort("Z:\\home\\annette\\a.mnp"), "/home/annette/a.mnp");
    EXPECT_EQ(edge.shownInMenu("Z:\\home\\ann\\Documents\\Orvanto\\My Projects\\Holiday 2026\\Final\\demo.mnp", 40),
              "~/Documents/\u2026/Final/demo.mnp");
    EXPECT_EQ(edge.shownInText("Following files have been copied to 'Z:\\tmp\\out':\n  Z:\\tmp\\a b.png"),
              "Following files have been copied to '/tmp/out':\n  /tmp/a b.png");

    const std::pair<const char*, const char*> typed[] = {
        {"/home/ann/menu/logo.png", "Z:\\home\\ann\\menu\\logo.png"},
        {"~/menu/", "Z:\\home\\ann\\menu"},
        {"~", "Z:\\home\\ann"},
        {" Z:/home/ann/menu ", "Z:\\home\\ann\\menu"},
        {"Q:\\pics", "Q:\\pics"},
        {"menu/logo.png", "menu/logo.png"},  // relative: left for the checks to refuse
        {"   ", ""},
    };
    for (const auto& [text, windows] : typed)
        EXPECT_EQ(edge.typed(text), windows) << text;

    // A field left as it was shown keeps the stored value, letter case and all.
    EXPECT_EQ(edge.stored("/tmp/x.png", "Z:\\TMP\\x.png"), "Z:\\TMP\\x.png");
    EXPECT_EQ(edge.stored("/tmp/y.png", "Z:\\TMP\\x.png"), "Z:\\tmp\\y.png");
}

TEST_F(ShownPathTest, CreateDialogShowsTheDestinationInHostFormAndStoresWhatIsTypedInWindowsForm)
{
    MenuProject project;
    project.CreateDestDir = home.win("Menus/Old");
    CreateDialogState state = LoadCreateDialog(project);
    CreateMenuDialog dialog(project, state, DefaultCreationObserver());
    QLineEdit* field = dialog.destinationField();
    EXPECT_EQ(field->text().toStdString(), home.path("Menus/Old").string());

    field->selectAll();
    field->del();
    test::typeText(field, QString::fromStdString(home.path("Menus/New").string() + "/"));
    dialog.storeState();
    EXPECT_EQ(state.destination, home.win("Menus/New"));
}

TEST_F(ShownPathTest, NewFolderMakesAndSelectsAFolderAndRefusesBadOrTakenNames)
{
    std::filesystem::create_directories(home.path("Menus/Taken"));
    SelectDirDialog chooser(home.win("Menus"));
    EXPECT_EQ(chooser.driveList()->currentText(), QStringLiteral("/"));

    test::whenModalOpens<QInputDialog>([](QInputDialog* ask) {
        EXPECT_EQ(ask->textValue(), QStringLiteral("New Folder"));
        ask->setTextValue(QStringLiteral("Holiday 2026"));
        ask->accept();
    });
    test::namedChild<QPushButton>(chooser, "CmdNewFolder")->click();
    EXPECT_TRUE(std::filesystem::is_directory(home.path("Menus/Holiday 2026")));
    EXPECT_EQ(chooser.folder(), home.win("Menus/Holiday 2026"));
    EXPECT_TRUE(home.ui().messages().empty());

    EXPECT_FALSE(chooser.newFolder(QStringLiteral("a/b")));
    chooser.showFolder(home.win("Menus"));
    EXPECT_FALSE(chooser.newFolder(QStringLiteral("taken")));
    ASSERT_EQ(home.ui().messages().size(), 2u);
    EXPECT_NE(home.ui().messages()[0].text.find("cannot contain"), std::string::npos);
    EXPECT_NE(home.ui().messages()[1].text.find("already a folder"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(home.path("Menus/Holiday 2026/a")));
    EXPECT_EQ(chooser.folder(), home.win("Menus"));
}

}  // namespace
}  // namespace orv::editor
