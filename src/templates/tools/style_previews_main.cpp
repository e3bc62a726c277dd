// orv_style_previews PROGRAMDIR [--sheet SHEET.png] [--full DIR]: the preview of every basic style, as
// the menu program paints a new project made from it (buttons to the right, title left and
// underlined, sample buttons and sample picture), scaled to Res/styles/<family>-<layout>.png.
// The sample pictures must already be in the program folder (orv_sample_art). With --sheet
// it also writes all previews on one sheet, a row per family; with --full it keeps each
// menu at its own size in DIR as well.
#include <cstdio>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "model/editor_options.h"
#include "model/menu_project.h"
#include "model/project_writer.h"
#include "model/session_state.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "program_support/program_environment.h"
#include "shell/menu_description.h"
#include "shell/window/menu_window.h"
#include "templates/basic_style_catalogue.h"
#include "templates/basic_styles.h"
#include "templates/tools/sample_art.h"

using namespace orv;

namespace {

// The menu a fresh project of the style shows, painted by the menu program's window.
QImage renderStyle(const BasicStyle& style, const std::string& programFolder, const QString& scratch)
{
    Session().newProject.placement = 3;
    if (TakeStyleChoice(style.family, style.layout, true))
        TakePlacementChoice(CurrentNewProjectChoices().placement, 1, true, true, true);
    MenuProject project;
    CreateProjectFromBasicStyle(project, ProjectTypeCD, programFolder);

    const shell::MenuReadResult read =
        shell::parseMenuDescription(StoreOptionsToText(project, WriteOptions::MenuDescription));
    if (read.status != shell::MenuReadStatus::Ok)
        return {};
    const std::string menuFile = platform::services().files->windowsPath(scratch.toStdString() + "/ORVNMENU.MNI");
    shell::MenuWindow window(read.menu, menuFile, shell::ShellArguments{});
    const QString shot = scratch + "/style.png";
    if (!window.saveScreenshot(shot.toStdString()))
        return {};
    return QImage(shot);
}

// Fitted into the preview size, smoothly, on the menu's own corner colour.
QImage thumbnail(const QImage& menu)
{
    QImage small = menu.scaled(art::StylePreviewWidth, art::StylePreviewHeight, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    QImage preview(art::StylePreviewWidth, art::StylePreviewHeight, QImage::Format_ARGB32);
    preview.fill(menu.pixelColor(menu.width() - 1, menu.height() - 1));
    QPainter p(&preview);
    p.drawImage((preview.width() - small.width()) / 2, (preview.height() - small.height()) / 2, small);
    return preview;
}

QImage contactSheet(const std::filesystem::path& folder)
{
    constexpr int Gap = 8;
    const int w = art::StylePreviewWidth, h = art::StylePreviewHeight;
    QImage sheet(Gap + 8 * (w + Gap), Gap + BasicStyleFamilies * (h + Gap), QImage::Format_ARGB32);
    sheet.fill(QColor(64, 68, 76));
    QPainter p(&sheet);
    for (int family = 1; family <= BasicStyleFamilies; ++family)
        for (int layout = 1; layout <= 8; ++layout) {
            const QImage preview(QString::fromStdString((folder / art::StylePreviewFile(family, layout)).string()));
            p.drawImage(Gap + (layout - 1) * (w + Gap), Gap + (family - 1) * (h + Gap), preview);
        }
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    QString sheetFile, fullFolder;
    bool usage = argc < 2 || argc % 2 != 0;
    for (int i = 2; !usage && i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--sheet")
            sheetFile = QString::fromLocal8Bit(argv[i + 1]);
        else if (option == "--full")
            fullFolder = QString::fromLocal8Bit(argv[i + 1]);
        else
            usage = true;
    }
    if (usage) {
        std::fprintf(stderr, "usage: orv_style_previews PROGRAMDIR [--sheet SHEET.png] [--full DIR]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A home of its own: the user's options and registry stay out of the pictures.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("ORVANTO_HOME", QDir(home.path()).absolutePath().toUtf8());
    QApplication app(argc, argv);
    shell::ProgramServices services;

    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    const std::string programFolder = platform::services().files->windowsPath(folder);
    QElapsedTimer clock;
    clock.start();
    int rendered = 0;
    for (const BasicStyle& style : BasicStyleCatalogue()) {
        const QImage menu = renderStyle(style, programFolder, home.path());
        const std::filesystem::path out = folder / art::StylePreviewFile(style.family, style.layout);
        std::filesystem::create_directories(out.parent_path());
        if (menu.isNull() || !thumbnail(menu).save(QString::fromStdString(out.string()), "PNG")) {
            std::fprintf(stderr, "orv_style_previews: the preview of %s %d could not be made\n",
                         BasicStyleFamilyName(style.family), style.layout);
            return 1;
        }
        if (!fullFolder.isEmpty())
            menu.save(QStringLiteral("%1/%2-%3.png").arg(fullFolder).arg(style.family).arg(style.layout), "PNG");
        ++rendered;
    }
    std::printf("orv_style_previews: %d previews in %lld ms\n", rendered, static_cast<long long>(clock.elapsed()));
    if (!sheetFile.isEmpty() && !contactSheet(folder).save(sheetFile, "PNG"))
        return 1;
    return 0;
}
