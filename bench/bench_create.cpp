// Timing of menu creation against the disk: 200 MB of linked button files in 500 files are
// copied by the creation and by "cp -r" of the same files, side by side in one run (the
// rounds alternate, the median counts; creation may take at most 1.2 times as long). Also
// times a batch build of the example project as a whole process of the program folder's
// orvnedit. Runs in a temporary ORVANTO_HOME; the files are made in a temporary folder.
//
//   bench_create [--files N] [--megabytes M] [--rounds R]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "create/create_dialog.h"
#include "create/create_menu.h"
#include "model/menu_project.h"
#include "platform/host/console_user_interface.h"
#include "platform/host/host_services.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

// Files of varied sizes (half to one and a half times the mean) that add up to `total`.
void makeSourceFiles(const fs::path& folder, int count, std::uintmax_t total)
{
    fs::create_directories(folder);
    std::mt19937 random(42);
    const std::uintmax_t mean = total / static_cast<std::uintmax_t>(count);
    std::uniform_int_distribution<std::uintmax_t> size(mean / 2, mean + mean / 2);
    std::vector<char> block(1 << 20);
    for (char& c : block)
        c = static_cast<char>(random());
    std::uintmax_t left = total;
    for (int i = 0; i < count; ++i) {
        std::uintmax_t bytes = i == count - 1 ? left : std::min(left, size(random));
        left -= bytes;
        std::ofstream out(folder / ("file" + std::to_string(i) + ".bin"), std::ios::binary);
        while (bytes > 0) {
            const std::size_t chunk = static_cast<std::size_t>(std::min<std::uintmax_t>(bytes, block.size()));
            out.write(block.data(), static_cast<std::streamsize>(chunk));
            bytes -= chunk;
        }
    }
}

// One button per file, each copying its source file into "files".
orv::MenuProject linkedFilesProject(const fs::path& sources, int count, const std::string& destination)
{
    orv::MenuProject project;
    project.CreateDestDir = destination;
    project.UseAutorun = 0;
    project.TitleFontName = project.SubTitleFontName = project.ButtonFontName = "Arial";
    const auto* files = orv::platform::services().files;
    for (int i = 0; i < count; ++i) {
        orv::MenuButton button = orv::ButtonWithMissingValues();
        const std::string name = "file" + std::to_string(i) + ".bin";
        button.Text = "Document " + std::to_string(i);
        button.Cmd = "Show Document";
        button.Link = "files\\" + name;
        button.SourceFile = files->windowsPath(sources / name);
        button.CSF = "2";
        project.Buttons.push_back(button);
    }
    return project;
}

int runCommand(const std::string& command) { return std::system(command.c_str()); }

}  // namespace

int main(int argc, char** argv)
{
    int fileCount = 500;
    std::uintmax_t megabytes = 200;
    int rounds = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--files") == 0)
            fileCount = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--megabytes") == 0)
            megabytes = static_cast<std::uintmax_t>(std::max(1, std::atoi(argv[i + 1])));
        else if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[i + 1]));
    }

    const fs::path work = fs::temp_directory_path() / ("orvanto-bench-create-" + std::to_string(::getpid()));
    const fs::path programFolder = fs::absolute(fs::path(argv[0])).parent_path().parent_path() / "program";
    fs::create_directories(work / "home");
    fs::create_directories(work / "program/Release");
    for (const char* name : {"ORVNMENU.EXE", "ORVNMENU.EXE.manifest"})
        std::ofstream(work / "program/Release" / name) << "menu program";
    ::setenv("ORVANTO_HOME", (work / "home").c_str(), 1);
    ::setenv("ORVANTO_PROGRAM_DIR", (work / "program").c_str(), 1);

    QCoreApplication app(argc, argv);
    orv::platform::ConsoleUserInterface console;
    orv::platform::HostServices services(&console);

    std::printf("Making %d files, %ju MB, in %s\n", fileCount, megabytes, work.c_str());
    const fs::path sources = work / "sources";
    makeSourceFiles(sources, fileCount, megabytes * 1024 * 1024);
    const fs::path createTarget = work / "created";
    const fs::path copyTarget = work / "copied";
    const std::string destination = orv::platform::services().files->windowsPath(createTarget);
    runCommand("cp -r " + quoted(sources) + " " + quoted(copyTarget));  // warms the page cache
    fs::remove_all(copyTarget);

    std::vector<double> createTimes, copyTimes;
    for (int round = 0; round < rounds; ++round) {
        fs::remove_all(createTarget);
        fs::remove_all(copyTarget);
        fs::create_directories(createTarget);

        orv::MenuProject project = linkedFilesProject(sources, fileCount, destination);
        orv::CreateDialogState dialog = orv::LoadCreateDialog(project);
        auto start = Clock::now();
        const bool created = orv::CmdCreateMenu(project, dialog, orv::DefaultCreationObserver());
        createTimes.push_back(seconds(Clock::now() - start));
        if (!created) {
            std::fprintf(stderr, "the creation failed\n");
            return 1;
        }

        start = Clock::now();
        if (runCommand("cp -r " + quoted(sources) + " " + quoted(copyTarget)) != 0) {
            std::fprintf(stderr, "cp -r failed\n");
            return 1;
        }
        copyTimes.push_back(seconds(Clock::now() - start));
    }
    const double create = median(createTimes), copy = median(copyTimes);
    std::printf("creation of the menu: %.3f s (median of %d)\n", create, rounds);
    std::printf("cp -r of the same files: %.3f s (median of %d)\n", copy, rounds);
    std::printf("ratio creation / cp -r: %.2f (limit 1.20)\n", create / copy);

    int status = create <= 1.2 * copy ? 0 : 1;
    fs::remove_all(createTarget);
    fs::remove_all(copyTarget);
    fs::remove_all(sources);

    // The example as a whole process.
    const fs::path editor = programFolder / "orvnedit";
    if (fs::exists(editor) && fs::exists(programFolder / "Examples/DemoMenu.mnp")) {
        std::vector<double> buildTimes;
        const fs::path out = work / "demo";
        for (int round = 0; round < std::max(rounds, 5); ++round) {
            fs::remove_all(out);
            const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ORVANTO_PROGRAM_DIR=" +
                                        quoted(programFolder) + " " + quoted(editor) +
                                        " Examples/DemoMenu.mnp /BUILD /BUILDFOLDER:" + out.string() + " >/dev/null";
            const auto start = Clock::now();
            const int code = runCommand(command);
            buildTimes.push_back(seconds(Clock::now() - start));
            if (code != 0) {
                std::fprintf(stderr, "the batch build of the example failed\n");
                status = 1;
                break;
            }
        }
        const double build = median(buildTimes);
        std::printf("batch build of Examples/DemoMenu.mnp as a process: %.3f s wall (median of %zu, limit 0.300)\n",
                    build, buildTimes.size());
        if (build > 0.3)
            status = 1;
    } else {
        std::printf("no orvnedit with the example in %s: batch build not timed\n", programFolder.c_str());
    }
    fs::remove_all(work);
    return status;
}
