// orv_sample_art PROGRAMDIR: draws the sample pictures, button pictures and the pictures of
// the new-project dialogs into the program folder.
#include <cstdio>

#include <QGuiApplication>

#include "templates/tools/sample_art.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: orv_sample_art PROGRAMDIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    if (!orv::art::WriteSampleArt(argv[1])) {
        std::fprintf(stderr, "orv_sample_art: a picture could not be written under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
