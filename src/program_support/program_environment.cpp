#include "program_support/program_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::shell {

QString cssColour(WinColour colour)
{
    return toQColor(colour).name(QColor::HexRgb);
}

QFont toQFont(const FontSpec& font)
{
    QFont f(toQString(font.name));
    if (font.size > 0)
        f.setPointSize(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

ProgramServices::ProgramServices() : services_(std::make_unique<platform::BasicHostServices>(&ui_)) {}

ProgramServices::~ProgramServices() = default;

std::string programFolder()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return platform::services().files->windowsPath(dir.toStdString());
}

std::vector<std::string> programArguments()
{
    std::vector<std::string> args;
    const QStringList all = QCoreApplication::arguments();
    for (int i = 1; i < all.size(); ++i)
        args.push_back(all[i].toStdString());
    return args;
}

QString displayPath(const std::string& windowsPath)
{
    if (windowsPath.empty() || !platform::services().files)
        return toQString(windowsPath);
    const std::string host = platform::services().files->hostPath(windowsPath).string();
    return toQString(host.empty() ? windowsPath : host);  // a drive this system does not have
}

std::string windowsFormOfArgument(const std::string& argument)
{
    if (argument.empty())
        return argument;
    const bool windowsForm = argument.size() >= 2 && (argument[1] == ':' || argument.rfind("\\\\", 0) == 0);
    if (windowsForm)
        return argument;
    const QString absolute = QFileInfo(QString::fromStdString(argument)).absoluteFilePath();
    return platform::services().files->windowsPath(QDir::cleanPath(absolute).toStdString());
}

}  // namespace orv::shell
