// The Windows picture gallery under Wine: it reads its data file, shows each picture as a
// thumbnail (and a broken file as no picture), previews the chosen one from the keyboard
// and closes with Escape.
#include <filesystem>
#include <thread>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include "support/test_home.h"
#include "wine_desktop.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The pixels within 24 of the colour in every channel.
long pixelsNear(const QImage& image, QColor colour)
{
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - colour.red()) <= 24 && std::abs(qGreen(p) - colour.green()) <= 24 &&
                std::abs(qBlue(p) - colour.blue()) <= 24)
                ++count;
        }
    return count;
}

void writePicture(const fs::path& file, int width, int height, QColor colour, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(file.string()), format, 100));
}

class GalleryUnderWine : public HomeTest {
protected:
    void SetUp() override
    {
        if (!desktop.missing().empty())
            GTEST_SKIP() << desktop.missing();
        fs::create_directories(home.path("medium/VTPictureGallery"));
        fs::create_directories(home.path("medium/Pictures"));
        fs::copy_file(fs::path(ORVANTO_PROGRAM_DIR_FOR_TESTS) / "PictureGallery/VTPictureGallery.exe",
                      home.path("medium/VTPictureGallery/VTPictureGallery.exe"));
        home.writeFile("medium/VTPictureGallery/VTPictureGallery.dat",
                       "[General]\r\nWinTitle = Orvanto Gallery Check\r\nSubWin_WinTitle = Orvanto Preview Check\r\n"
                       "PicExtension = .\r\n\r\n[WinSize]\r\nWidth = 640\r\nHeight = 420\r\n\r\n"
                       "[Colors]\r\nBkColor = 3355443\r\nTextColor = 16777215\r\nSubWin_ColorType = 1\r\n\r\n"
                       "[Text]\r\nShowTextLabels = 1\r\n\r\n[ClickHandling]\r\nAction = 1\r\n\r\n"
                       "[PreviewWin]\r\nAllowBrowse = 1\r\n\r\n");
        writePicture(home.path("medium/Pictures/a red.png"), 240, 180, QColor(220, 20, 20), "PNG");
        writePicture(home.path("medium/Pictures/b green.bmp"), 150, 200, QColor(20, 200, 20), "BMP");
        writePicture(home.path("medium/Pictures/c blue.jpg"), 200, 150, QColor(20, 40, 230), "JPG");
        home.writeFile("medium/Pictures/d broken.jpg", "\xff\xd8\xff\xe0 this is not a picture");
    }

    // Captures the window until the test is met or the time is up; the last capture.
    template <typename Test>
    QImage captureUntil(unsigned long window, Test test, std::chrono::seconds timeout = 20s)
    {
        const auto until = std::chrono::steady_clock::now() + timeout;
        QImage picture;
        do {
            picture = desktop.capture(window);
            if (!picture.isNull() && test(picture))
                break;
            std::this_thread::sleep_for(500ms);
        } while (std::chrono::steady_clock::now() < until);
        return picture;
    }

    WineDesktop desktop;
};

TEST_F(GalleryUnderWine, ShowsThumbnailsPreviewsAndCloses)
{
    QProcess& gallery = desktop.startWindows(home.path("medium/VTPictureGallery/VTPictureGallery.exe").string(),
                                             {QString::fromStdString(
                                                 WineDesktop::windowsPath(home.path("medium/Pictures").string()))});
    const unsigned long window = desktop.waitForWindow("^Orvanto Gallery Check$", 60s);
    ASSERT_NE(window, 0u) << "the gallery window did not appear";

    // The data file's background, and the three pictures at thumbnail size (160 x 120 and
    // 90 x 120); the broken file adds none of its own.
    auto thumbnails = [](const QImage& p) {
        const long red = pixelsNear(p, QColor(220, 20, 20)), blue = pixelsNear(p, QColor(20, 40, 230));
        const long green = pixelsNear(p, QColor(20, 200, 20));
        return red >= 19000 && red <= 19400 && blue >= 19000 && blue <= 19400 && green >= 10600 && green <= 11000;
    };
    const QImage shown = captureUntil(window, thumbnails);
    EXPECT_TRUE(thumbnails(shown)) << "thumbnails; the screen: " << desktop.keepScreen("gallery");
    EXPECT_GT(pixelsNear(shown, QColor(51, 51, 51)), 100000);

    // Home chooses the first picture, Enter previews it whole (the keys are
    // typed again when a busy machine lost them).
    unsigned long preview = 0;
    for (int attempt = 0; attempt < 3 && !preview; ++attempt) {
        desktop.key(window, "Home");
        desktop.press("Return");
        preview = desktop.waitForWindow("^Orvanto Preview Check$", 10s);
    }
    ASSERT_NE(preview, 0u) << "Enter did not open the preview";
    auto whole = [](const QImage& p) { return pixelsNear(p, QColor(220, 20, 20)) >= 43000; };
    EXPECT_TRUE(whole(captureUntil(preview, whole))) << "the preview; the screen: " << desktop.keepScreen("preview");

    EXPECT_TRUE(desktop.keyUntil(preview, "Escape", [&] { return desktop.waitUntilClosed("^Orvanto Preview Check$", 5s); }))
        << "Escape did not close the preview";
    EXPECT_TRUE(desktop.keyUntil(window, "Escape", [&] { return gallery.waitForFinished(5000); }))
        << "Escape did not close the gallery";
}

}  // namespace
}  // namespace orv::test
