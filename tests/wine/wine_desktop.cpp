#include "wine_desktop.h"

#include <filesystem>
#include <regex>
#include <thread>

#include <QFile>
#include <QStandardPaths>

namespace orv::test {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
std::uint32_t bigEndian(const QByteArray& bytes, int offset)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData() + offset);
    return (std::uint32_t(b[0]) << 24) | (std::uint32_t(b[1]) << 16) | (std::uint32_t(b[2]) << 8) | b[3];
}

int channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<int>(((pixel >> shift) & mask) * 255 / mask);
}

}  // namespace

QImage readXwd(const QByteArray& bytes)
{
    if (bytes.size() < 100)
        return {};
    const std::uint32_t headerSize = bigEndian(bytes, 0), format = bigEndian(bytes, 8);
    const int width = static_cast<int>(bigEndian(bytes, 16)), height = static_cast<int>(bigEndian(bytes, 20));
    const std::uint32_t byteOrder = bigEndian(bytes, 28), bitsPerPixel = bigEndian(bytes, 44);
    const std::uint32_t bytesPerLine = bigEndian(bytes, 48);
    const std::uint32_t red = bigEndian(bytes, 56), green = bigEndian(bytes, 60), blue = bigEndian(bytes, 64);
    const std::uint32_t colours = bigEndian(bytes, 76);
    const qsizetype data = qsizetype(headerSize) + qsizetype(colours) * 12;
    if (format != 2 || (bitsPerPixel != 32 && bitsPerPixel != 24) || width <= 0 || height <= 0 ||
        bytes.size() < data + qsizetype(bytesPerLine) * height)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    const int step = static_cast<int>(bitsPerPixel / 8);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(bytes.constData() + data + qsizetype(bytesPerLine) * y);
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row + x * step;
            std::uint32_t pixel = 0;
            for (int i = 0; i < step; ++i)
                pixel |= std::uint32_t(p[i]) << (byteOrder == 0 ? 8 * i : 8 * (step - 1 - i));
            image.setPixel(x, y, qRgb(channel(pixel, red), channel(pixel, green), channel(pixel, blue)));
        }
    }
    return image;
}

WineDesktop::WineDesktop()
{
    for (const char* needed : {"Xvfb", "xdotool", "xwd", "wine"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(needed)).isEmpty()) {
            missing_ = std::string(needed) + " is not installed";
            return;
        }
    // Xvfb chooses a free display itself and names it on its output once it is ready, so
    // tests running side by side never race for a number.
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1280x900x24"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray number;
    const auto until = Clock::now() + std::chrono::seconds(30);
    while (!number.contains('\n') && Clock::now() < until && server_.state() != QProcess::NotRunning) {
        server_.waitForReadyRead(100);
        number += server_.readAllStandardOutput();
    }
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    if (ok)
        display_ = display;
    if (display_ < 0)
        missing_ = "no virtual display could be started";
}

WineDesktop::~WineDesktop()
{
    for (auto& program : programs_) {
        program->kill();
        program->waitForFinished(5000);
    }
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        server_.waitForFinished(5000);
    }
}

QProcessEnvironment WineDesktop::environment(bool wine) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display_));
    if (wine) {
        env.insert(QStringLiteral("ORVANTO_WINE_PREFIX"), QStringLiteral(ORVANTO_WINE_PREFIX_FOR_TESTS));
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("ORVANTO_HOME"));
    }
    return env;
}

QProcess& WineDesktop::startWindows(const std::string& exe, const QStringList& arguments)
{
    auto& program = programs_.emplace_back(std::make_unique<QProcess>());
    program->setProcessEnvironment(environment(true));
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program->setStandardOutputFile(QProcess::nullDevice());
    program->start(QStringLiteral(ORVANTO_WINE_RUN), QStringList{QString::fromStdString(exe)} + arguments);
    return *program;
}

QProcess& WineDesktop::startHost(const std::string& exe, const QStringList& arguments)
{
    auto& program = programs_.emplace_back(std::make_unique<QProcess>());
    program->setProcessEnvironment(environment(false));
    program->setStandardOutputFile(QProcess::nullDevice());
    program->start(QString::fromStdString(exe), arguments);
    return *program;
}

int WineDesktop::runWindows(const std::string& exe, const QStringList& arguments, const std::string& input,
                            std::chrono::seconds timeout)
{
    QProcess& program = startWindows(exe, arguments);
    if (!program.waitForStarted(10000))
        return -1;
    program.write(input.data(), static_cast<qint64>(input.size()));
    program.closeWriteChannel();
    if (!program.waitForFinished(static_cast<int>(std::chrono::milliseconds(timeout).count())))
        return -1;
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

QString WineDesktop::tool(const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment(false));
    process.start(arguments.front(), arguments.mid(1));
    process.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

unsigned long WineDesktop::waitForWindow(const std::string& namePattern, std::chrono::milliseconds timeout) const
{
    const auto until = Clock::now() + timeout;
    do {
        const QString found = tool({QStringLiteral("xdotool"), QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--name"), QString::fromStdString(namePattern)});
        const QStringList ids = found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!ids.isEmpty())
            return ids.front().toULong();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (Clock::now() < until);
    return 0;
}

bool WineDesktop::waitForName(unsigned long window, const std::string& namePattern,
                              std::chrono::milliseconds timeout) const
{
    const std::regex pattern(namePattern);
    const auto until = Clock::now() + timeout;
    do {
        if (std::regex_search(windowName(window), pattern))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (Clock::now() < until);
    return false;
}

std::string WineDesktop::windowName(unsigned long window) const
{
    return tool({QStringLiteral("xdotool"), QStringLiteral("getwindowname"), QString::number(window)})
        .trimmed()
        .toStdString();
}

QRect WineDesktop::geometry(unsigned long window) const
{
    int x = 0, y = 0, width = 0, height = 0;
    const QString shell = tool({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"),
                                QStringLiteral("--shell"), QString::number(window)});
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("X=")))
            x = value.toInt();
        else if (line.startsWith(QLatin1String("Y=")))
            y = value.toInt();
        else if (line.startsWith(QLatin1String("WIDTH=")))
            width = value.toInt();
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            height = value.toInt();
    }
    return {x, y, width, height};
}

void WineDesktop::click(unsigned long window, int x, int y) const
{
    const QRect where = geometry(window);
    tool({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QString::number(where.x() + x),
          QString::number(where.y() + y), QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("click"),
          QStringLiteral("1")});
}

void WineDesktop::key(unsigned long window, const std::string& name) const
{
    click(window, 1, 1);
    press(name);
}

void WineDesktop::type(const std::string& text) const
{
    tool({QStringLiteral("xdotool"), QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("type"),
          QStringLiteral("--delay"), QStringLiteral("50"), QString::fromStdString(text)});
}

bool WineDesktop::keyUntil(unsigned long window, const std::string& name, const std::function<bool()>& done) const
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        key(window, name);
        if (done())
            return true;
    }
    return false;
}

void WineDesktop::press(const std::string& key) const
{
    tool({QStringLiteral("xdotool"), QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("key"),
          QString::fromStdString(key)});
}

bool WineDesktop::waitUntilClosed(const std::string& namePattern, std::chrono::milliseconds timeout) const
{
    const auto until = Clock::now() + timeout;
    while (waitForWindow(namePattern, std::chrono::milliseconds(0)) != 0) {
        if (Clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return true;
}

void WineDesktop::closeProgramOf(unsigned long window) const
{
    tool({QStringLiteral("xdotool"), QStringLiteral("windowkill"), QString::number(window)});
}

QImage WineDesktop::capture(unsigned long window) const
{
    QProcess xwd;
    xwd.setProcessEnvironment(environment(false));
    xwd.start(QStringLiteral("xwd"), {QStringLiteral("-root"), QStringLiteral("-silent")});
    xwd.waitForFinished(10000);
    const QImage screen = readXwd(xwd.readAllStandardOutput());
    return screen.isNull() ? QImage() : screen.copy(geometry(window));
}

std::string WineDesktop::keepScreen(const std::string& name) const
{
    QProcess xwd;
    xwd.setProcessEnvironment(environment(false));
    xwd.start(QStringLiteral("xwd"), {QStringLiteral("-root"), QStringLiteral("-silent")});
    xwd.waitForFinished(10000);
    const fs::path file = fs::temp_directory_path() / ("orvanto-" + name + ".png");
    readXwd(xwd.readAllStandardOutput()).save(QString::fromStdString(file.string()));
    return file.string();
}

std::string WineDesktop::windowsPath(const std::string& hostPath)
{
    std::string path = "Z:" + std::filesystem::absolute(hostPath).string();
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

}  // namespace orv::test
