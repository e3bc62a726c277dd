// The menu window: the caption, size and background of the menu description, the title
// and subtitle, and one button per visible entry with title rows as headings. A click runs
// the button's command (after its password, when it has one). With a test run the caption
// and a badge say so; in resize mode the user sizes the window and the size goes to the
// registry values the editor reads back when the window closes.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "shell/button_action.h"
#include "shell/menu_description.h"
#include "shell/shell_arguments.h"

class QLabel;
class QPushButton;

namespace orv::shell {

class MenuWindow : public QWidget {
    Q_OBJECT
public:
    // menuFile: the Windows-form path the description was read from; its folder is the
    // folder that relative button links start from.
    MenuWindow(MenuDescription menu, std::string menuFile, ShellArguments arguments, QWidget* parent = nullptr);

    const MenuDescription& menu() const { return menus_.back().menu; }
    // The buttons shown, in order (tests use them to click).
    const std::vector<QPushButton*>& buttons() const { return buttons_; }

    // Asks for the entry's password when it has one; true when the command may run.
    // Virtual so tests can answer without a dialog.
    virtual bool confirmPassword(const MenuEntry& entry);

    // Runs the command of an entry as a click does.
    void activate(const MenuEntry& entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Messages of the window; virtual so tests can record them.
    virtual void showMessage(const QString& title, const QString& text, bool error);

private:
    struct ShownMenu {
        MenuDescription menu;
        std::string file;
        std::string folder;
    };

    void showMenu();  // builds the content of the current menu
    void applyWindowSettings();
    void openSubMenu(const std::string& file);
    void returnToMenu(std::size_t depth);
    void showWaitText(const std::string& text);
    void placeOverlays();
    void reportOutcome(ActionOutcome outcome, const ButtonAction& action);

    std::vector<ShownMenu> menus_;
    ShellArguments arguments_;
    QWidget* content_ = nullptr;
    QLabel* testBadge_ = nullptr;
    QLabel* resizeHint_ = nullptr;
    QLabel* waitText_ = nullptr;
    std::vector<QPushButton*> buttons_;
    bool sizeStored_ = false;
};

// The window caption: the menu's caption, and " [Test]" in a test run.
QString menuWindowCaption(const MenuDescription& menu, const ShellArguments& arguments);

}  // namespace orv::shell
