#include "platform/host/desktop_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "platform/file_system.h"
#include "platform/host/process_with_input.h"
#include "platform/system_folders.h"
#include "platform/text_case.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

QString qt(const fs::path& path) { return QString::fromStdString(path.string()); }

bool isExecutableFile(const fs::path& file)
{
    std::error_code ec;
    auto status = fs::status(file, ec);
    return !ec && fs::is_regular_file(status) &&
           (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) !=
               fs::perms::none;
}

bool hasExeExtension(const fs::path& file) { return foldCase(file.extension().string()) == ".exe"; }

bool isWindowsAbsolutePath(const std::string& text)
{
    return text.size() >= 3 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')) &&
           text[1] == ':' && (text[2] == '\\' || text[2] == '/');
}

// The desktop's program for an address or file: QDesktopServices where a GUI runs,
// xdg-open in command-line programs.
bool openWithDesktop(const QUrl& url)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QDesktopServices::openUrl(url);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString()});
}

bool startDetached(const fs::path& program, const std::vector<std::string>& arguments, const fs::path& workingFolder)
{
    QStringList args;
    for (const auto& a : arguments)
        args << qt(a);
    return QProcess::startDetached(qt(program), args, workingFolder.empty() ? QString() : qt(workingFolder));
}

}  // namespace

fs::path executableFor(const fs::path& program)
{
    if (program.empty())
        return {};
    if (isExecutableFile(program))
        return program;
    if (!hasExeExtension(program))
        return {};
    std::string stem = program.stem().string();
    for (const auto& name : {foldCase(stem), stem}) {
        fs::path candidate = program.parent_path() / name;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

fs::path helpPageFor(const fs::path& helpFolder, int contextNumber)
{
    std::error_code ec;
    if (contextNumber > 0) {
        fs::path page = helpFolder / (std::to_string(contextNumber) + ".html");
        if (fs::is_regular_file(page, ec))
            return page;
    }
    fs::path index = helpFolder / "index.html";
    return fs::is_regular_file(index, ec) ? index : fs::path();
}

bool isWebAddress(const std::string& target)
{
    std::string lower = foldCase(target);
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0 || lower.rfind("ftp://", 0) == 0 ||
           lower.rfind("www.", 0) == 0 || lower.rfind("mailto:", 0) == 0;
}

bool DesktopShell::ShellOpen(const std::string& target, const std::string& parameters,
                             const std::string& workingFolder)
{
    if (target.empty())
        return false;
    if (isWebAddress(target)) {
        std::string address = foldCase(target).rfind("www.", 0) == 0 ? "http://" + target : target;
        return openWithDesktop(QUrl(qt(address)));
    }
    fs::path file = files_.hostPath(target);
    std::error_code ec;
    if (file.empty() || !fs::exists(file, ec))
        return false;
    // Programs are started; everything else (documents, folders) goes to the desktop.
    // Only ".exe" names or files without an extension count as programs, because files on
    // FAT-formatted sticks all look executable.
    if (!fs::is_directory(file, ec) && (hasExeExtension(file) || !file.has_extension())) {
        fs::path program = executableFor(file);
        if (!program.empty())
            return RunProgram(target, parameters, workingFolder, WindowState::Normal);
    }
    return openWithDesktop(QUrl::fromLocalFile(qt(file)));
}

bool DesktopShell::hostStart(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingFolder, fs::path& executable,
                             std::vector<std::string>& hostArguments, fs::path& folder) const
{
    if (program.find_first_of("\\/") == std::string::npos && !isWindowsAbsolutePath(program)) {
        QString found = QStandardPaths::findExecutable(qt(program));
        executable = found.isEmpty() ? fs::path() : fs::path(found.toStdString());
    } else {
        executable = executableFor(files_.hostPath(program));
    }
    if (executable.empty())
        return false;
    hostArguments.clear();
    for (const auto& a : arguments)
        hostArguments.push_back(isWindowsAbsolutePath(a) ? files_.hostPath(a).string() : a);
    folder = workingFolder.empty() ? fs::path() : files_.hostPath(workingFolder);
    return true;
}

bool DesktopShell::StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& workingFolder, WindowState)
{
    fs::path executable, folder;
    std::vector<std::string> args;
    return hostStart(program, arguments, workingFolder, executable, args, folder) &&
           startDetached(executable, args, folder);
}

bool DesktopShell::RunProgram(const std::string& program, const std::string& parameters,
                              const std::string& workingFolder, WindowState, const std::string& standardInput)
{
    fs::path executable, folder;
    std::vector<std::string> args;
    if (!hostStart(program, splitParameters(parameters), workingFolder, executable, args, folder))
        return false;
    return standardInput.empty() ? startDetached(executable, args, folder)
                                 : startDetachedWithInput(executable, args, folder, standardInput);
}

bool DesktopShell::ShowHelp(int contextNumber)
{
    fs::path page = helpPageFor(files_.hostPath(folders_.ProgramFolder()) / "help", contextNumber);
    return !page.empty() && openWithDesktop(QUrl::fromLocalFile(qt(page)));
}

bool DesktopShell::ExploreFolder(const std::string& folder)
{
    fs::path path = files_.hostPath(folder);
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec) && openWithDesktop(QUrl::fromLocalFile(qt(path)));
}

}  // namespace orv::platform
