// A running menu: the stack of shown menus (the main menu below the sub menus opened from
// it), the layout of the top one in the window's client size, the entry under the mouse,
// pressed or focused, and what a click, a key or a password answer does. The window feeds
// it its input and implements MenuHost; the session paints through a Canvas.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "shell/layout/menu_layout.h"
#include "shell/menu_description.h"
#include "shell/render/menu_painter.h"
#include "shell/session/menu_pictures.h"
#include "shell/session/menu_host.h"

namespace orv::shell {

enum class MenuKey { Escape, Tab, BackTab, Up, Down, Left, Right, Enter, Space };

class MenuSession {
public:
    // menuFile: the Windows-form path of the description; relative links start from its folder.
    MenuSession(MenuDescription menu, std::string menuFile, MenuHost& host);

    const MenuDescription& menu() const { return menus_.back().menu; }
    const std::string& menuFile() const { return menus_.back().file; }
    std::size_t depth() const { return menus_.size(); }  // 1: the main menu

    // The window's client size; the layout follows it. A new menu starts at its own size.
    void setClientSize(int width, int height);
    const MenuLayout& layout() const { return layout_; }
    const EntryStates& states() const { return states_; }

    void paint(Canvas& canvas);

    // The window shows the menu now: its background sound starts.
    void start();
    // The window came to the front or went behind another one.
    void windowActive(bool active);
    // The menu movie played to its end (it does not end when it repeats).
    void movieEnded();

    // Mouse and keyboard input; each returns true when the menu must be repainted.
    bool mouseMove(int x, int y);
    bool mouseLeave();
    bool mousePress(int x, int y);
    bool mouseRelease(int x, int y);  // a click when released over the button pressed
    // Escape closes the menu; Tab, Shift+Tab and the arrows move the focus frame from
    // button to button; Enter and Space click the focused button.
    bool keyPress(MenuKey key);

    // The tip of the button under the mouse (empty when there is none).
    std::string tip() const;
    // Over a button, or over a logotype or social-media logo that opens an address.
    bool overButton() const { return states_.hover.has_value() || overLogotypeLink_ || socialLink(overSocial_); }

    // Does what a click on the entry (an index into menu().entries) does.
    void activate(std::size_t entry);

private:
    struct ShownMenu {
        MenuDescription menu;
        std::string file;
        std::string folder;
        MenuPictures pictures;
    };

    // The password typed for the entry once it fits (empty for an entry without one);
    // nothing when the user gave up.
    std::optional<std::string> confirmPassword(const MenuEntry& entry);
    bool passwordFits(const MenuEntry& entry, const std::string& answer) const;
    void reportOutcome(ActionOutcome outcome, const ButtonAction& action);
    void openAddress(const std::string& address);
    // The social-media logo (index into menu().socialLogos) has an address to open.
    bool socialLink(std::optional<std::size_t> logo) const;
    void openSubMenu(const std::string& file);
    void returnToMenu(std::size_t depth);
    void menuSwitched();
    // Plays a sound of the menu shown, from its folder or the author's file.
    void play(SoundUse use, const PictureFile& file);
    void startMovie();
    bool moveFocus(int step);
    std::vector<std::size_t> buttonsShown() const;

    MenuHost& host_;
    std::vector<ShownMenu> menus_;
    int width_ = 0, height_ = 0;
    MenuLayout layout_;
    EntryStates states_;
    bool started_ = false;
    bool moviePlaying_ = false;  // the menu picture waits while the movie plays
    bool overLogotype_ = false;
    bool overLogotypeLink_ = false;
    bool pressedOnLogotype_ = false;
    std::optional<std::size_t> overSocial_;
    std::optional<std::size_t> pressedSocial_;
    MenuPainter painter_;
};

}  // namespace orv::shell
