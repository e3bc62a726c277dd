// The yardstick of the host menu program's start-up: the least a Qt Widgets program does to
// show a window (an application object, one plain widget with a caption and a fixed size,
// painted with its palette's background).
//   bare_qt_window [WIDTH HEIGHT]   (500 x 400 when not given)
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int width = arguments.size() > 2 ? arguments[1].toInt() : 500;
    const int height = arguments.size() > 2 ? arguments[2].toInt() : 400;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt Window"));
    window.setFixedSize(width > 0 ? width : 500, height > 0 ? height : 400);
    window.show();
    return app.exec();
}
