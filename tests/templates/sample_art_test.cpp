// The pictures drawn for new projects: every file a style or its sample buttons name, at the
// size the layouts count on, the same bytes on every run.
#include "templates/tools/sample_art.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>

#include "support/test_home.h"
#include "templates/basic_style_catalogue.h"

namespace orv {
namespace {

struct Expected {
    const char* file;
    const char* format;
    int width, height;
};

const Expected Pictures[] = {
    {"Examples/Objects/DoubleSuns-h252.jpg", "jpeg", 189, 252},
    {"Examples/Objects/CoffeeCup-h252.jpg", "jpeg", 189, 252},
    {"Examples/Objects/RedSea-h252.jpg", "jpeg", 189, 252},
    {"Examples/Objects/SunSet-h252.jpg", "jpeg", 189, 252},
    {"Examples/Objects/BlackCurtain.bmp", "bmp", 168, 252},
    {"Examples/Objects/Clouds.bmp", "bmp", 168, 252},
    {"Examples/Objects/Heaven-And-Sea.jpg", "jpeg", 500, 400},
    {"templates/objects/metroicon-movie.bmp", "bmp", 118, 118},
    {"templates/objects/metrophoto-1.bmp", "bmp", 244, 118},
    {"templates/objects/metroicon-music.bmp", "bmp", 118, 118},
    {"templates/objects/metrophoto-2.bmp", "bmp", 244, 118},
    {"templates/objects/metroicon-people.bmp", "bmp", 118, 118},
    {"templates/objects/metroicon-uninstall.bmp", "bmp", 118, 118},
    {"templates/objects/icon-softwaresetup.bmp", "bmp", 64, 64},
    {"templates/objects/icon-notes.bmp", "bmp", 64, 64},
    {"templates/objects/icon-exit.bmp", "bmp", 64, 64},
    {"Res/Tab-Blue.bmp", "bmp", 16, 16},
    {"Res/Tab-Green.bmp", "bmp", 16, 16},
    {"Res/Tab-Red.bmp", "bmp", 16, 16},
    {"Res/Tab-Yellow.bmp", "bmp", 16, 16},
    {"Res/Tab-Black.bmp", "bmp", 16, 16},
    {"Res/Tab-White.bmp", "bmp", 16, 16},
    {"Res/project-cd.png", "png", 96, 96},
    {"Res/project-usb.png", "png", 96, 96},
    {"Res/placement-1.png", "png", 150, 112},
    {"Res/placement-2.png", "png", 150, 112},
    {"Res/placement-3.png", "png", 150, 112},
    {"Res/placement-4.png", "png", 150, 112},
    {"Res/styles/7-7.png", "png", 176, 141},
    {"Res/styles/7-8.png", "png", 176, 141},
};

std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SampleArt, WritesEveryNamedPictureAtItsSizeTheSameEachTime)
{
    test::TestHome home;
    std::vector<std::string> written;
    ASSERT_TRUE(art::WriteSampleArt(home.path("first"), &written));
    const std::set<std::string> files(written.begin(), written.end());
    EXPECT_EQ(files.size(), std::size(Pictures));

    for (const Expected& e : Pictures) {
        SCOPED_TRACE(e.file);
        EXPECT_TRUE(files.count(e.file));
        QImageReader reader(QString::fromStdString(home.path("first").string() + "/" + e.file));
        EXPECT_EQ(reader.format().toStdString(), e.format);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
        if (std::string(e.file).find("/icon-") != std::string::npos) {  // the hotspot's own grey around the icon
            for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)})
                EXPECT_EQ(image.pixel(corner), qRgb(240, 240, 240));
        }
    }

    // The files a new project refers to are among them.
    for (const BasicStyle& style : BasicStyleCatalogue())
        for (const char* picture : {style.menuPicture, style.backgroundPicture})
            if (picture) {
                EXPECT_TRUE(files.count(std::string("Examples/Objects/") + picture)) << picture;
            }

    ASSERT_TRUE(art::WriteSampleArt(home.path("second")));
    for (const Expected& e : Pictures)
        EXPECT_EQ(bytesOf(home.path("first") / e.file), bytesOf(home.path("second") / e.file)) << e.file;
}

}  // namespace
}  // namespace orv
