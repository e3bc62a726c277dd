#include "editor/main_window.h"

#include <filesystem>

#include <QAction>
#include <QUndoStack>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QToolBar>

#include "create/create_menu.h"
#include "create/creation_observer.h"
#include "create/test_run.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/app_tour_dialog.h"
#include "editor/dialogs/basic_style_dialog.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/dialog_focus.h"
#include "editor/dialogs/dialog_openers.h"
#include "editor/dialogs/submenu_wizard_dialog.h"
#include "editor/rules/desktop_open.h"
#include "editor/window_state.h"
#include "editor/dialogs/editor_creation_observer.h"
#include "editor/dialogs/editor_font.h"
#include "editor/dialogs/help_topics.h"
#include "editor/dialogs/options_dialog.h"
#include "editor/dialogs/picture_viewer.h"
#include "editor/dialogs/project_type_dialog.h"
#include "editor/lazy_icon.h"
#include "editor/media/media_playback.h"
#include "editor/code_page_guard.h"
#include "editor/project_document.h"
#include "editor/rules/shown_path.h"
#include "editor/rules/startup_rules.h"
#include "editor/rules/window_title.h"
#include "editor/startup/interactive_startup.h"
#include "editor/tabs/buttons_tab.h"
#include "editor/tabs/buttons_text_tab.h"
#include "editor/tabs/dialog_launcher.h"
#include "editor/tabs/movies_tab.h"
#include "editor/tabs/pictures_tab.h"
#include "editor/tabs/sound_tab.h"
#include "editor/tabs/tab_order.h"
#include "editor/tabs/title_tab.h"
#include "editor/tabs/version_tab.h"
#include "editor/tabs/window_tab.h"
#include "model/button_list.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/recent_list.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "templates/basic_styles.h"

namespace orv::editor {

namespace {

QIcon themedIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    // Made when first drawn: most of these are shown in menus only.
    return lazyIcon([=] { return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback)); });
}

// The tab pictures of the editor's Res folder ("tab1.bmp", "tab2.gif", ...), by tab.
QIcon tabIcon(int index)
{
    static const char* names[] = {"tab1.bmp", "tab2.gif", "tab3.bmp", "tab4.bmp",
                                  "tab5.bmp", "tab6.bmp", "tab7.gif", "tab8.bmp"};
    const QString host = resFilePath(QString::fromLatin1(names[index]));
    return QFileInfo::exists(host) ? QIcon(host) : QIcon();
}

}  // namespace

MainWindow::MainWindow(QWidget* parent, TabPages pages)
    : QMainWindow(parent),
      document_(std::make_unique<ProjectDocument>()),
      commands_(*document_),
      dialogs_(new DialogLauncher(this)),
      media_(new MediaPlayback(this)),
      creation_(std::make_unique<EditorCreationObserver>(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    DialogFocus::install();
    creation_->onShowMainTab = [this](MainTab which) {
        showTab(which);
        // The creation sends the author here to edit the StickGuard button it added.
        if (which == MainTab::ButtonsText)
            buttonListTab()->selectRowWithCommand(StickGuardCommand);
    };
    creation_->onStopMediaPlayback = [this] { stopPlayback(); };
    creation_->onProjectChanged = [this] { document_->changedByCreation(); };
    dialogs_->setPictureViewer(
        [](const std::string& file, QWidget* parent) { PictureViewer::showPicture(file, parent); });
    dialogs_->setTestRunner([this](const MenuProject& project) {
        stopPlayback();
        TestTheMenu(project, *creation_);
    });
    RegisterProjectDialogs(*dialogs_, *document_);
    NewProjectHooks hooks;
    hooks.askProjectType = [this](bool withChooser) -> std::optional<std::int16_t> {
        return ProjectTypeDialog::chooseNewProjectType(withChooser, this);
    };
    hooks.createProject = [this](MenuProject& project, std::int16_t type, bool withStyleChooser) {
        if (!withStyleChooser)
            ChooseEmptyProject();
        else if (!ChooseBasicStyleAndPlacement(type, this))
            return false;
        CreateProjectFromBasicStyle(project, type, platform::services().folders->ProgramFolder());
        return true;
    };
    commands_.setNewProjectHooks(hooks);

    buildActions();
    buildTabs();
    if (pages == TabPages::AllAtOnce)
        for (int i = 0; i < MainTabCount; ++i)
            tab(static_cast<MainTab>(i));
    buildMenus();
    buildToolBar();
    statusBar();

    resizeTimer_ = new QTimer(this);
    resizeTimer_->setInterval(300);
    connect(resizeTimer_, &QTimer::timeout, this, &MainWindow::pollResizeMode);

    connect(document_.get(), &ProjectDocument::modifiedChanged, this, &MainWindow::setWindowModified);
    connect(media_, &MediaPlayback::failed, this, [this](const QString&, const QString& reason) {
        QMessageBox::warning(this, tr("Play"), reason);
    });
    connect(document_.get(), &ProjectDocument::captionsChanged, this, &MainWindow::updateTitle);
    // Characters the project files cannot store; the editor's font follows the project's
    // Unicode flag also when the question or an undo changes it.
    auto* codePage = new CodePageGuard(*document_, this);
    auto followUnicode = [this, shown = std::make_shared<bool>(false)] {
        if (*shown != document_->project().UseUnicode)
            applyEditorFont(Options().SelectedFont, *shown = document_->project().UseUnicode);
    };
    connect(codePage, &CodePageGuard::unicodeTurnedOn, this, followUnicode);
    connect(document_.get(), &ProjectDocument::fieldsChanged, this, followUnicode);

    applyOptions();
    document_->reloadViews();
    afterProjectReplaced();
    refreshRecentMenus();
    setAcceptDrops(true);
    resize(980, 700);
    RestoreMainWindowState(*this, *tabs_);
    tab(static_cast<MainTab>(tabs_->currentIndex()));
}

MainWindow::~MainWindow() = default;

// --- Building --------------------------------------------------------------------------------

QAction* MainWindow::action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name));
}

void MainWindow::buildActions()
{
    auto make = [this](const char* name, const QString& text, const QKeySequence& key, auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const QStyle* s = style();
    make("mNew", tr("&New Project"), QKeySequence::New, [this] { newProject(false); })
        ->setIcon(themedIcon("document-new", QStyle::SP_FileIcon, s));
    make("mOpenProject", tr("&Open Project..."), QKeySequence::Open, [this] { openProject(); })
        ->setIcon(themedIcon("document-open", QStyle::SP_DialogOpenButton, s));
    make("mSave", tr("&Save Project"), QKeySequence::Save, [this] { saveProject(); })
        ->setIcon(themedIcon("document-save", QStyle::SP_DialogSaveButton, s));
    make("mSaveAs", tr("Save Project &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [this] { saveProjectAs(); })
        ->setIcon(themedIcon("document-save-as", QStyle::SP_DialogSaveButton, s));
    make("mExit", tr("E&xit"), QKeySequence::Quit, [this] { close(); })->setMenuRole(QAction::QuitRole);

    QAction* create = make("mCreate", tr("&Create Menu..."), QKeySequence(Qt::CTRL | Qt::Key_B), [this] { createMenu(); });
    create->setIcon(themedIcon("media-optical-burn", QStyle::SP_DriveCDIcon, s));
    create->setToolTip(tr("Create the menu in a folder for a CD, DVD or USB flash drive (Ctrl+B)"));
    QAction* test = make("mTest", tr("&Test Menu"), QKeySequence(Qt::Key_F5), [this] { testMenu(); });
    test->setIcon(themedIcon("media-playback-start", QStyle::SP_MediaPlay, s));
    test->setToolTip(tr("Show the menu as it will look, without copying any file (F5)"));
    QAction* run = make("mRun", tr("&Run Created Menu"), QKeySequence(Qt::CTRL | Qt::Key_F5), [this] { runMenu(); });
    make("mCreateSubMenus", tr("Create &Sub Menus..."), QKeySequence(), [this] {
        commitEdits();
        RunSubMenuWizard(*document_, SubMenuWizardHooks{[this] { runMenu(); }}, this);
    });
    run->setIcon(themedIcon("system-run", QStyle::SP_ArrowForward, s));
    run->setToolTip(tr("Start the menu created last, from its folder (Ctrl+F5)"));

    QAction* options = make("mOptions", tr("&Options..."), QKeySequence(), [this] { showOptions(); });
    options->setMenuRole(QAction::PreferencesRole);
    // The desktop's key for preferences where it has one; Ctrl+, everywhere.
    QList<QKeySequence> optionKeys = QKeySequence::keyBindings(QKeySequence::Preferences);
    if (!optionKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Comma)))
        optionKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    options->setShortcuts(optionKeys);
    make("mHelp", tr("&Help for This Tab"), QKeySequence::HelpContents, [this] { showContextHelp(); })
        ->setIcon(themedIcon("help-contents", QStyle::SP_DialogHelpButton, s));
    make("mHelpContents", tr("Help &Contents"), QKeySequence(), [this] { showHelpContents(); });
    make("mUsersGuide", tr("&User's Guide"), QKeySequence(), [this] { showUserGuide(); });
    make("mTour", tr("&Introduction Tour"), QKeySequence(), [this] { AppTourDialog::showTour(this); });
    make("mAbout", tr("&About Orvanto"), QKeySequence(), [this] { showAbout(); })->setMenuRole(QAction::AboutRole);

    // Undo and Redo follow the document's stack: their text names the step, and they are
    // disabled when there is none.
    QUndoStack& steps = document_->undoStack();
    QAction* undo = steps.createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mUndo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setIcon(themedIcon("edit-undo", QStyle::SP_ArrowBack, s));
    QAction* redo = steps.createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mRedo"));
    redo->setShortcuts(QKeySequence::Redo);
    redo->setIcon(themedIcon("edit-redo", QStyle::SP_ArrowForward, s));
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action("mNew"));
    file->addAction(action("mOpenProject"));
    file->addAction(action("mSave"));
    file->addAction(action("mSaveAs"));
    file->addSeparator();
    recentFilesMenu_ = file->addMenu(tr("Recent &Projects"));
    recentFoldersMenu_ = file->addMenu(tr("Recent &Folders"));
    for (int i = 0; i < RecentListSize; ++i) {
        const int entry = i + 1;
        recentFileActions_[i] = recentFilesMenu_->addAction(QString(), this, [this, entry] { openRecentFile(entry); });
        recentFileActions_[i]->setObjectName(QStringLiteral("mRecentFile%1").arg(entry));
        recentFolderActions_[i] =
            recentFoldersMenu_->addAction(QString(), this, [this, entry] { openRecentFolder(entry); });
        recentFolderActions_[i]->setObjectName(QStringLiteral("mRecentFolder%1").arg(entry));
    }
    file->addSeparator();
    file->addAction(action("mExit"));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(action("mUndo"));
    edit->addAction(action("mRedo"));

    QMenu* menu = menuBar()->addMenu(tr("&Menu"));
    menu->addAction(action("mCreate"));
    menu->addAction(action("mTest"));
    menu->addAction(action("mRun"));
    menu->addSeparator();
    menu->addAction(action("mCreateSubMenus"));

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(action("mOptions"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(action("mHelp"));
    help->addAction(action("mHelpContents"));
    help->addAction(action("mUsersGuide"));
    help->addAction(action("mTour"));
    help->addSeparator();
    help->addAction(action("mAbout"));

    // F10 opens the menu bar at its first menu, as desktop programs do.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().first());
    });
}

void MainWindow::buildToolBar()
{
    QToolBar* bar = addToolBar(tr("Main"));
    bar->setObjectName(QStringLiteral("MainToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(action("mNew"));
    bar->addAction(action("mOpenProject"));
    bar->addAction(action("mSave"));
    bar->addSeparator();
    bar->addAction(action("mCreate"));
    bar->addAction(action("mTest"));
    bar->addAction(action("mRun"));
}

void MainWindow::buildTabs()
{
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("MainTab"));
    tabs_->setDocumentMode(true);
    tabs_->setUsesScrollButtons(true);

    const QString titles[MainTabCount] = {tr("Window"),   tr("Title"), tr("Buttons"), tr("Buttons (text)"),
                                          tr("Pictures"), tr("Sound"), tr("Movies"),  tr("Version")};
    for (int i = 0; i < MainTabCount; ++i) {
        tabHolders_[i] = new QWidget;
        auto* layout = new QVBoxLayout(tabHolders_[i]);
        layout->setContentsMargins(0, 0, 0, 0);
        tabs_->addTab(tabHolders_[i], tabIcon(i), titles[i]);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0)
            tab(static_cast<MainTab>(index));
    });
    setCentralWidget(tabs_);
}

ProjectTab* MainWindow::tab(MainTab which)
{
    const int i = static_cast<int>(which);
    if (tabPages_[i])
        return tabPages_[i];
    const TabContext context{*document_, *dialogs_, *media_};
    ProjectTab* page = nullptr;
    switch (which) {
    case MainTab::Window: {
        auto* window = new WindowTab(context);
        connect(window, &WindowTab::resizeInMenuProgramRequested, this, &MainWindow::resizeInMenuProgram);
        page = window;
        break;
    }
    case MainTab::Title: page = new TitleTab(context); break;
    case MainTab::Buttons: page = new ButtonsTab(context); break;
    case MainTab::ButtonsText: page = new ButtonsTextTab(context); break;
    case MainTab::Pictures: page = new PicturesTab(context); break;
    case MainTab::Sound: page = new SoundTab(context); break;
    case MainTab::Movies: page = new MoviesTab(context); break;
    case MainTab::Version: page = new VersionTab(context); break;
    }
    tabPages_[i] = page;
    tabHolders_[i]->layout()->addWidget(page);
    OrderTabStopsByColumn(page);
    connect(page, &ProjectTab::showMe, this, [this, which] { showTab(which); });
    page->applyOptions();
    page->load();
    return page;
}

ButtonsTextTab* MainWindow::buttonListTab()
{
    return static_cast<ButtonsTextTab*>(tab(MainTab::ButtonsText));
}

void MainWindow::showTab(MainTab which)
{
    tabs_->setCurrentIndex(static_cast<int>(which));
}

// --- State shown -----------------------------------------------------------------------------

void MainWindow::updateTitle()
{
    setWindowTitle(QString::fromStdString(EditorWindowTitle(document_->project())) + QStringLiteral("[*]"));
    setWindowModified(document_->isModified());
}

void MainWindow::afterProjectReplaced()
{
    updateTitle();
    refreshRecentMenus();
    applyEditorFont(Options().SelectedFont, document_->project().UseUnicode);
}

void MainWindow::applyOptions()
{
    for (ProjectTab* page : tabPages_)
        if (page)
            page->applyOptions();
}

void MainWindow::refreshRecentMenus()
{
    RecentList files = RecentFilesList();
    RecentList folders = RecentFoldersList();
    auto fill = [](QAction* a, const RecentList& list, int entry) {
        // The full path in host form ("~/Documents/…/demo.mnp"), not the stored short form.
        const std::string target = list.target(entry);
        const QString caption = QString::fromStdString(target.empty() ? list.caption(entry) : ShownPathInMenu(target));
        a->setText(QStringLiteral("&%1  %2").arg(entry).arg(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setVisible(list.isVisible(entry));
        a->setEnabled(list.isEnabled(entry));
    };
    for (int i = 0; i < RecentListSize; ++i) {
        fill(recentFileActions_[i], files, i + 1);
        fill(recentFolderActions_[i], folders, i + 1);
    }
}

void MainWindow::commitEdits()
{
    if (tabs_->currentIndex() >= 0)
        tab(static_cast<MainTab>(tabs_->currentIndex()))->commitFocusedField();
    // The style list can only stand on a heading once its page was built.
    if (auto* buttons = static_cast<ButtonsTab*>(tabPages_[static_cast<int>(MainTab::Buttons)]))
        buttons->assureItsAStyle();
}

// --- Project commands ------------------------------------------------------------------------

bool MainWindow::newProject(bool withStyleChooser)
{
    commitEdits();
    stopPlayback();
    if (!commands_.newProject(withStyleChooser))
        return false;
    afterProjectReplaced();
    showTab(MainTab::Window);
    return true;
}

bool MainWindow::openProject()
{
    commitEdits();
    const bool opened = commands_.openProject();
    if (opened) {
        stopPlayback();
        afterProjectReplaced();
    } else {
        updateTitle();
        refreshRecentMenus();
    }
    return opened;
}

bool MainWindow::openProjectPath(const std::string& path)
{
    if (!commands_.openProjectPath(path))
        return false;
    stopPlayback();
    afterProjectReplaced();
    return true;
}

bool MainWindow::openRecentFile(int entry)
{
    commitEdits();
    const bool opened = commands_.openRecentFile(entry);
    if (opened) {
        stopPlayback();
        afterProjectReplaced();
    }
    refreshRecentMenus();
    return opened;
}

bool MainWindow::openRecentFolder(int entry)
{
    commitEdits();
    const bool opened = commands_.openRecentFolder(entry);
    if (opened) {
        stopPlayback();
        afterProjectReplaced();
    }
    refreshRecentMenus();
    return opened;
}

bool MainWindow::saveProject()
{
    commitEdits();
    const bool saved = commands_.save();
    updateTitle();
    refreshRecentMenus();
    if (saved) {
        const std::string file = ShownPathShort(document_->project().ProjectFilePath);
        statusBar()->showMessage(tr("Saved %1").arg(QString::fromStdString(file)), 4000);
    }
    return saved;
}

bool MainWindow::saveProjectAs()
{
    commitEdits();
    const bool saved = commands_.saveAs();
    updateTitle();
    refreshRecentMenus();
    return saved;
}

namespace {

// The one local project file among dropped URLs; empty when there is none.
QString droppedProject(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".mnp"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString file = droppedProject(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    commitEdits();
    if (!commands_.mayReplaceProject()) {
        updateTitle();
        return;
    }
    openProjectPath(platform::services().files->windowsPath(std::filesystem::path(file.toStdString())));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    commitEdits();
    if (!commands_.exitEditor()) {
        updateTitle();
        event->ignore();
        return;
    }
    stopPlayback();
    SaveMainWindowState(*this, *tabs_);
    event->accept();
}

// --- Create, Test, Run -----------------------------------------------------------------------

void MainWindow::stopPlayback()
{
    if (media_->isPlaying())
        media_->stopAndClose();
    if (auto* sound = static_cast<SoundTab*>(tabPages_[static_cast<int>(MainTab::Sound)]))
        sound->resetLabelColours();
}

void MainWindow::createMenu()
{
    commitEdits();
    stopPlayback();
    // The creation reports its own changes of the project (the destination, the date of the
    // creation, perhaps a StickGuard button) through its observer.
    CreateAction(document_->projectForCreation(), *creation_);
}

void MainWindow::testMenu()
{
    commitEdits();
    stopPlayback();
    TestTheMenu(document_->project(), *creation_);
}

void MainWindow::runMenu()
{
    commitEdits();
    stopPlayback();
    CmdRun(document_->project(), *creation_);
}

void MainWindow::resizeInMenuProgram()
{
    commitEdits();
    stopPlayback();
    resizeWatch_.start();
    resizePolls_ = 0;
    resizeTimer_->start();
    ResizeMode() = true;
    const bool started = TestTheMenu(document_->project(), *creation_);
    ResizeMode() = false;
    if (!started)
        resizeTimer_->stop();
}

void MainWindow::pollResizeMode()
{
    const std::optional<WindowSize> size = resizeWatch_.poll();
    if (!size) {
        // A menu program that was closed without an answer is not waited for forever.
        constexpr int pollsInAnHour = 60 * 60 * 1000 / 300;
        if (++resizePolls_ > pollsInAnHour)
            resizeTimer_->stop();
        return;
    }
    resizeTimer_->stop();
    static_cast<WindowTab*>(tab(MainTab::Window))->takeWindowSize(size->width, size->height);
    showTab(MainTab::Window);
}

// --- Options and help ------------------------------------------------------------------------

void MainWindow::showOptions()
{
    commitEdits();
    if (!OptionsDialog::edit(Options(), *document_, this))
        return;
    applyEditorFont(Options().SelectedFont, document_->project().UseUnicode);
    applyOptions();
}

void MainWindow::showContextHelp()
{
    ShowHelpOrReport(help::WindowTab + tabs_->currentIndex());
}

void MainWindow::showHelpContents()
{
    ShowHelpOrReport(help::Contents);
}

void MainWindow::showUserGuide()
{
    OpenUserGuide();
}

void MainWindow::showAbout()
{
    AboutDialog::showAbout(this);
}

// --- Start-up --------------------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // After the window is on screen: the project of the command line, then the interactive
    // start.
    QTimer::singleShot(0, this, &MainWindow::firstShow);
}

void MainWindow::firstShow()
{
    const bool opened = !commandLineProject_.empty() && openProjectPath(commandLineProject_);
    if (interactiveStartup_ && !Batch().BatchBuildMode) {
        StartupCommands startup;
        startup.newProject = [this](bool fromTemplate) { newProject(fromTemplate); };
        startup.openProject = [this] { openProject(); };
        startup.openRecentProject = [this](int entry) { openRecentFile(entry); };
        startup.recentFilesChanged = [this] { refreshRecentMenus(); };
        scheduleInteractiveStartup(this, startup, {false, opened});
    }
    emit firstShown();
}

}  // namespace orv::editor
