// The menu window on Qt: the caption, size and frame of the menu description, and the menu
// itself painted through a QPainterCanvas by the portable session, which also decides what
// mouse, keys and clicks do. With a test run the caption and a badge say so; in resize mode
// the user sizes the window and the size goes to the registry values the editor reads back
// when the window closes.
#pragma once

#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QWidget>

#include "shell/menu_description.h"
#include "shell/session/menu_host.h"
#include "shell/session/menu_session.h"
#include "shell/shell_arguments.h"

class QLabel;
class QMediaPlayer;
class QVideoWidget;
class QTimer;

namespace orv::shell {

class SoundPlayer;

class MenuWindow : public QWidget, protected MenuHost {
    Q_OBJECT
public:
    // menuFile: the Windows-form path the description was read from; its folder is the
    // folder that relative button links start from.
    MenuWindow(MenuDescription menu, std::string menuFile, ShellArguments arguments, QWidget* parent = nullptr);

    const MenuDescription& menu() const { return session_.menu(); }
    // The running menu: tests click entries through it.
    MenuSession& session() { return session_; }
    // The buttons shown, in order, as indices into menu().entries.
    std::vector<std::size_t> shownButtons() const;
    // Paints the menu, as it first appears, into a PNG file without showing the window (and
    // writes the layout file when one is asked for); false when the file cannot be written.
    bool saveScreenshot(const std::string& file);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;  // Tab moves between the menu's buttons

    // MenuHost; the dialogs and messages are virtual so tests can answer and record them.
    std::optional<std::string> askPassword(const PasswordQuestion& question) override;
    void showMessage(const std::string& title, const std::string& text, bool error) override;
    bool offerButton(const std::string& title, const std::string& text, const std::string& buttonText) override;
    ActionOutcome runAction(const ButtonAction& action) override;
    void closeMenu() override;
    void menuChanged() override;
    void repaintMenu() override;
    void showWaitText(const std::string& text) override;
    std::string displayPath(const std::string& windowsPath) override;
    // This system's builds of the decryption program, flash player and gallery lie beside
    // the program; the medium's own are Windows programs.
    CompanionPrograms companionPrograms() const override;
    Bitmap loadPicture(const std::string& windowsPath, int width, int height) override;
    std::function<Bitmap()> pictureReader(const std::string& windowsPath, int width, int height) override;
    void playSound(SoundUse use, const std::vector<std::string>& files) override;
    void stopSound(SoundUse use) override;
    bool playMovie(const std::vector<std::string>& files, const Rect& where, bool repeat) override;
    void stopMovie() override;
    void changeEvent(QEvent* event) override;

private:
    void applyWindowSettings();
    void placeOverlays();
    void followMouse(bool repaintNeeded);
    void writeLayoutFile();
    void fadeStep();

    ShellArguments arguments_;
    MenuSession session_;
    QLabel* testBadge_ = nullptr;
    QLabel* resizeHint_ = nullptr;
    QLabel* waitText_ = nullptr;
    bool sizeStored_ = false;
    bool layoutWritten_ = false;
    SoundPlayer* sounds_ = nullptr;  // made when the first sound plays
    QMediaPlayer* moviePlayer_ = nullptr;  // made when a menu movie first plays
    QVideoWidget* movieView_ = nullptr;
    QTimer* fadeTimer_ = nullptr;  // while the window fades in
    QElapsedTimer fadeClock_;
    bool shownOnce_ = false;
};

// The window caption: the menu's caption, and " [Test]" in a test run.
QString menuWindowCaption(const MenuDescription& menu, const ShellArguments& arguments);

}  // namespace orv::shell
