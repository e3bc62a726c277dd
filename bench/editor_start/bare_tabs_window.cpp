// The yardstick of the editor's start-up: the least a Qt Widgets program does to show a
// main window like the editor's: a menu bar with the same five menus, a tab widget with
// the same eight (empty) tabs and a status bar, at the editor's first size.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Tabs Window"));
    for (const char* menu : {"&File", "&Edit", "&Menu", "&Tools", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu));
    auto* tabs = new QTabWidget(&window);
    tabs->setDocumentMode(true);
    for (const char* caption : {"Window", "Title", "Buttons", "Buttons (text)", "Pictures", "Sound", "Movies", "Version"})
        tabs->addTab(new QWidget(tabs), QString::fromLatin1(caption));
    window.setCentralWidget(tabs);
    window.statusBar();
    window.resize(980, 700);
    window.show();
    return app.exec();
}
