#include "platform/host/host_layout.h"

#include <cstdlib>

#include <QStandardPaths>
#include <QString>

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

fs::path standardPlace(QStandardPaths::StandardLocation location, const fs::path& fallback)
{
    QString place = QStandardPaths::writableLocation(location);
    return place.isEmpty() ? fallback : fs::path(place.toStdString());
}

fs::path environmentFolder(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

fs::path runningProgramFolder()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return fs::current_path(ec);
    return exe.parent_path();
}

fs::path hostFontFolder()
{
    std::error_code ec;
    if (fs::is_directory("/usr/share/fonts", ec))
        return "/usr/share/fonts";
    return standardPlace(QStandardPaths::GenericDataLocation, "/usr/share") / "fonts";
}

}  // namespace

HostLayout HostLayout::fromEnvironment()
{
    HostLayout layout;
    fs::path home = environmentFolder("ORVANTO_HOME");
    if (!home.empty()) {
        home = fs::absolute(home).lexically_normal();
        layout.documents = home / "Documents";
        layout.appData = home / "AppData";
        layout.temp = home / "Temp";
        layout.registryFile = home / "registry.ini";
        layout.driveFile = home / "drives.ini";
    } else {
        fs::path userHome = standardPlace(QStandardPaths::HomeLocation, "/tmp");
        fs::path config = standardPlace(QStandardPaths::GenericConfigLocation, userHome / ".config");
        layout.documents = standardPlace(QStandardPaths::DocumentsLocation, userHome / "Documents");
        layout.appData = config;
        // A folder of this user's own, not the shared /tmp: the test runs copy the menu
        // program there and start it, and nobody else may put a program in its place.
        const fs::path runtime = environmentFolder("XDG_RUNTIME_DIR");
        std::error_code ec;
        layout.temp = !runtime.empty() && fs::is_directory(runtime, ec)
                          ? runtime / "orvanto"
                          : standardPlace(QStandardPaths::GenericCacheLocation, userHome / ".cache") / "orvanto" / "tmp";
        layout.registryFile = config / "Veltrona" / "registry.ini";
        layout.driveFile = config / "Veltrona" / "drives.ini";
    }
    layout.fontDir = hostFontFolder();
    fs::path program = environmentFolder("ORVANTO_PROGRAM_DIR");
    layout.programFolder = program.empty() ? runningProgramFolder() : fs::absolute(program).lexically_normal();

    std::error_code ec;
    for (const auto& folder : {layout.documents, layout.appData, layout.temp})
        fs::create_directories(folder, ec);
    fs::permissions(layout.temp, fs::perms::owner_all, fs::perm_options::replace, ec);  // mode 0700
    return layout;
}

}  // namespace orv::platform
