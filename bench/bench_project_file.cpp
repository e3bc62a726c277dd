// Timing of the project file: opening, saving and writing the menu description file of a
// 44-button project with every field filled. Uses Google Benchmark when it is installed,
// else a plain timing loop. Runs in a temporary ORVANTO_HOME.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include <QCoreApplication>

#include "model/menu_project.h"
#include "model/profile.h"
#include "model/project_file.h"
#include "model/project_reader.h"
#include "model/project_writer.h"
#include "platform/host/console_user_interface.h"
#include "platform/host/host_services.h"
#include "platform/file_system.h"
#include "platform/services.h"

#if __has_include(<benchmark/benchmark.h>)
#include <benchmark/benchmark.h>
#define ORV_HAVE_BENCHMARK 1
#endif

namespace {

using namespace orv;

// Every button field and every text of the project holds a value of typical length.
MenuProject fullProject()
{
    MenuProject p;
    ResetParameters(p);
    p.CreateDestDir = "E:\\Menus\\Product catalogue 2018";
    p.CDIconSrc = "Z:\\home\\ann\\icons\\disc.ico";
    p.DiscLabel = "CATALOGUE";
    p.DiscActionText = "Open the product catalogue";
    p.CaptionText = "Product catalogue";
    p.BlendDepth = "80";
    p.TitleText = "Product catalogue 2018";
    p.SubTitleText = "Everything we make, on one disc";
    p.BackgroundPictureSrc = "Z:\\home\\ann\\pictures\\background.jpg";
    p.LogotypePictureSrc = "Z:\\home\\ann\\pictures\\logo.png";
    p.MenuPictureSrc = "Z:\\home\\ann\\pictures\\menu.png";
    p.BackgroundPicture_CDFolder = p.LogotypePicture_CDFolder = p.MenuPicture_CDFolder = "pictures";
    p.LogotypeURL = "https://www.example.com";
    p.LogotypeTipText = "Visit our web site";
    p.BackgroundSoundSrc = "Z:\\home\\ann\\sounds\\background.mp3";
    p.ButtonSoundSrc = "Z:\\home\\ann\\sounds\\click.wav";
    p.ButtonHoverSoundSrc = "Z:\\home\\ann\\sounds\\hover.wav";
    p.BackgroundSound_CDFolder = p.ButtonSound_CDFolder = p.ButtonHoverSound_CDFolder = "sounds";
    p.MenuMovieFilename = "Z:\\home\\ann\\movies\\intro.mp4";
    p.MenuMovie_CDFolder = "movies";
    p.CompanyName = "Example Ltd";
    p.ProductName = "Catalogue";
    p.Description = "Product catalogue on disc";
    p.ProductVersion = "2018.1";
    p.LastCreationDate = "2018-03-07";
    p.Comments = "Made with Orvanto";
    for (int n = 1; n <= ButtonListLimit; ++n) {
        MenuButton b;
        for (int pos = 0; pos < ButtonFieldCount; ++pos)
            b.field(pos) = std::string(ButtonFieldTable[static_cast<size_t>(pos)].key) + " of button " + std::to_string(n);
        b.Cmd = "Show Document";
        b.Link = "Files\\Button" + std::to_string(n) + "\\brochure-" + std::to_string(n) + ".pdf";
        b.SourceFile = "Z:\\home\\ann\\documents\\brochure-" + std::to_string(n) + ".pdf";
        b.PswProtect = "1";
        p.Buttons.push_back(b);
    }
    return p;
}

struct Fixture {
    std::filesystem::path home;
    platform::ConsoleUserInterface ui;
    std::unique_ptr<platform::HostServices> services;
    MenuProject project = fullProject();
    std::string projectFile, menuFile;

    Fixture()
    {
        home = std::filesystem::temp_directory_path() / ("orvanto-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(home);
        ::setenv("ORVANTO_HOME", home.c_str(), 1);
        services = std::make_unique<platform::HostServices>(&ui);
        projectFile = platform::services().files->windowsPath(home / "full.mnp");
        menuFile = platform::services().files->windowsPath(home / "ORVNMENU.MNI");
        project.ProjectFilePath = projectFile;
        SaveProjectFile(project);
    }
    ~Fixture()
    {
        services.reset();
        std::error_code ec;
        std::filesystem::remove_all(home, ec);
    }
};

Fixture* fixture = nullptr;

void openProject()
{
    MenuProject p;
    ResetParameters(p);
    OpenProjectFile(p, fixture->projectFile);
}

void readDocument()
{
    static const std::string text = StoreOptionsToText(fixture->project);
    MenuProject p;
    LoadOptionsFromDocument(p, ProfileDocument::parse(text));
}

void saveProject() { SaveProjectFile(fixture->project); }
void projectText() { (void)StoreOptionsToText(fixture->project); }
void writeMenuFile() { CreateCDDataFile(fixture->project, fixture->menuFile, false); }

struct Case {
    const char* name;
    void (*run)();
};
const Case cases[] = {
    {"OpenProject (file, 44 buttons)", openProject},
    {"Parse + LoadOptionsFromDocument (in memory)", readDocument},
    {"SaveProjectFile (atomic write)", saveProject},
    {"StoreOptionsToText (project file text)", projectText},
    {"CreateCDDataFile (menu description file)", writeMenuFile},
};

}  // namespace

#ifdef ORV_HAVE_BENCHMARK

static void runCase(benchmark::State& state, void (*run)())
{
    for (auto _ : state)
        run();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Fixture f;
    fixture = &f;
    for (const Case& c : cases)
        benchmark::RegisterBenchmark(c.name, runCase, c.run)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#else

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Fixture f;
    fixture = &f;
    for (const Case& c : cases) {
        const int rounds = 2000;
        c.run();  // warm up
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i)
            c.run();
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        std::printf("%-45s %10.1f us\n", c.name, spent.count() / rounds);
    }
    return 0;
}

#endif
