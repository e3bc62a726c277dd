// VTPictureGallery.exe: shows the pictures of a folder (the argument, else the gallery's
// own folder) as thumbnails, set up by VTPictureGallery.dat beside the program.
#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "companions/gallery/gallery_window.h"
#include "companions/gallery_data.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "program_support/program_environment.h"

using namespace orv;
using namespace orv::companions;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    shell::ProgramServices services;

    const std::string programFolder = shell::programFolder();
    const auto args = shell::programArguments();
    const std::string folder = args.empty() ? programFolder : shell::windowsFormOfArgument(args.front());

    PictureGalleryData data;
    if (auto read = readPictureGalleryData(JoinPath(programFolder, PictureGalleryDataFileName)))
        data = *read;
    else
        std::fprintf(stderr, "VTPictureGallery: no %s beside the program; using the standard look\n",
                     PictureGalleryDataFileName);

    if (platform::services().files->DirExists(folder) == 0) {
        QMessageBox::critical(nullptr, shell::toQString(data.title),
                              QCoreApplication::translate("PictureGallery", "The picture folder \"%1\" was not found.")
                                  .arg(shell::displayPath(folder)));
        return 1;
    }

    GalleryWindow window(data, folder);
    window.show();
    return app.exec();
}
