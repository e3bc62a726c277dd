// The editor's main window: the eight tabs of the open project, the menu bar and the
// toolbar. It owns the project (through ProjectDocument) and runs the project commands,
// Create, Test and Run; the tabs, dialogs and rules do the rest.
#pragma once

#include <array>
#include <memory>
#include <string>

#include <QMainWindow>
#include <QPointer>

#include "create/main_tab.h"
#include "editor/rules/project_commands.h"
#include "editor/rules/window_size.h"

class QAction;
class QMenu;
class QTabWidget;
class QTimer;

namespace orv::editor {

class ButtonsTab;
class ButtonsTextTab;
class DialogLauncher;
class EditorCreationObserver;
class MediaPlayback;
class ProjectDocument;
class ProjectTab;
class SoundTab;
class WindowTab;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // When the pages of the tabs are built: all with the window, or each when first shown or
    // asked for (the editor's start: the window appears without the pages it hides).
    enum class TabPages { AllAtOnce, WhenShown };

    explicit MainWindow(QWidget* parent = nullptr, TabPages pages = TabPages::AllAtOnce);
    ~MainWindow() override;

    ProjectDocument& document() { return *document_; }
    MediaPlayback& media() { return *media_; }
    QTabWidget* tabs() const { return tabs_; }
    // The page of a tab, built now if it was not yet.
    ProjectTab* tab(MainTab which);
    // The tab that holds the button list.
    ButtonsTextTab* buttonListTab();
    QAction* action(const char* name) const;

    // Brings a tab to the front.
    void showTab(MainTab which);

    // The project commands of the File menu and the start window; each refreshes the tabs,
    // the title and the recent lists.
    bool newProject(bool withStyleChooser = false);
    bool openProject();
    bool openProjectPath(const std::string& path);
    bool openRecentFile(int entry);
    bool openRecentFolder(int entry);
    bool saveProject();
    bool saveProjectAs();
    void refreshRecentMenus();

    // Create, Test (F5), Run, and the resize-mode test run of the "Window" tab.
    void createMenu();
    void testMenu();
    void runMenu();
    void resizeInMenuProgram();
    // Stops and closes the media playback and gives the sound labels their normal colour.
    void stopPlayback();

    // Options, help and about.
    void showOptions();
    void showContextHelp();
    void showHelpContents();
    void showUserGuide();
    void showAbout();

    // A project named on the command line, opened when the window is first shown; the
    // interactive start (tour, project folder question, start window) follows once unless
    // switched off.
    void setCommandLineProject(const std::string& path) { commandLineProject_ = path; }
    void setInteractiveStartup(bool on) { interactiveStartup_ = on; }

signals:
    // The window was shown for the first time and the command-line project is open.
    void firstShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A project file dropped on the window is opened (after the save question).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildTabs();
    void afterProjectReplaced();
    void updateTitle();
    void applyOptions();
    void commitEdits();
    void firstShow();
    void pollResizeMode();

    std::unique_ptr<ProjectDocument> document_;
    ProjectCommands commands_;
    DialogLauncher* dialogs_;
    MediaPlayback* media_;
    std::unique_ptr<EditorCreationObserver> creation_;

    QTabWidget* tabs_ = nullptr;
    // Each tab's page sits in a holder of its own, built into it when first needed.
    std::array<QWidget*, MainTabCount> tabHolders_{};
    std::array<ProjectTab*, MainTabCount> tabPages_{};

    QMenu* recentFilesMenu_ = nullptr;
    QMenu* recentFoldersMenu_ = nullptr;
    std::array<QAction*, 6> recentFileActions_{};
    std::array<QAction*, 6> recentFolderActions_{};

    QTimer* resizeTimer_ = nullptr;
    ResizeModeWatch resizeWatch_;
    int resizePolls_ = 0;

    std::string commandLineProject_;
    bool interactiveStartup_ = true;
    bool shown_ = false;
};

}  // namespace orv::editor
