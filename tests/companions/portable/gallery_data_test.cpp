#include "companions/gallery_data.h"

#include <gtest/gtest.h>

#include "support/test_home.h"

namespace orv::companions {
namespace {

struct GalleryValues {
    std::string title = "Summer";
    std::string extension = "jpg";
    std::string width = "700", height = "500";
    std::string back = "255", text = "16777215", colourType = "1";
    std::string closeStyle = "1", closeText = "Done";
    std::string labels = "1";
    std::string action = "3", openExtension = "pdf";
    std::string manual = "1", sizeHeight = "90";
    std::string browse = "1", previous = "Back", next = "On";
};

// The data file as menu creation writes it.
std::string galleryData(const GalleryValues& v)
{
    return "[Info]\r\nInfo = Veltrona Picture Gallery\r\n\r\n"
           "[General]\r\nWinTitle = " + v.title + "\r\nSubWin_WinTitle = " + v.title +
           "\r\nPicExtension = ." + v.extension + "\r\n\r\n"
           "[WinSize]\r\nWidth = " + v.width + "\r\nHeight = " + v.height + "\r\n\r\n"
           "[Colors]\r\nBkColor = " + v.back + "\r\nTextColor = " + v.text + "\r\nSubWin_ColorType = " + v.colourType +
           "\r\n\r\n"
           "[Buttons]\r\nCloseButtonStyle = " + v.closeStyle + "\r\nCloseButtonText = " + v.closeText + "\r\n\r\n"
           "[Text]\r\nShowTextLabels = " + v.labels + "\r\n\r\n"
           "[ClickHandling]\r\nAction = " + v.action + "\r\nOpenExtension = ." + v.openExtension + "\r\n\r\n"
           "[Pictures]\r\nSizeManual = " + v.manual + "\r\nSizeHeight = " + v.sizeHeight + "\r\n\r\n"
           "[PreviewWin]\r\nAllowBrowse = " + v.browse + "\r\nPrevPicture_Text = " + v.previous +
           "\r\nNextPicture_Text = " + v.next + "\r\n\r\n";
}

class GalleryDataTest : public test::HomeTest {
protected:
    std::optional<PictureGalleryData> read(const GalleryValues& v)
    {
        return readPictureGalleryData(home.writeFile("medium/VTPictureGallery/VTPictureGallery.dat", galleryData(v)));
    }
};

TEST_F(GalleryDataTest, ReadsEveryValue)
{
    const auto d = read(GalleryValues{});
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->title, "Summer");
    EXPECT_EQ(d->previewTitle, "Summer");
    EXPECT_EQ(d->extension, "jpg");
    EXPECT_EQ(d->width, 700);
    EXPECT_EQ(d->height, 500);
    EXPECT_EQ(d->backColour, 255u);
    EXPECT_EQ(d->textColour, 16777215u);
    EXPECT_TRUE(d->previewUsesColours);
    EXPECT_TRUE(d->showCloseButton);
    EXPECT_EQ(d->closeText, "Done");
    EXPECT_TRUE(d->showTextLabels);
    EXPECT_EQ(d->clickAction, GalleryClickAction::OpenCompanion);
    EXPECT_EQ(d->openExtension, "pdf");
    EXPECT_TRUE(d->manualSize);
    EXPECT_EQ(d->pictureHeight, 90);
    EXPECT_TRUE(d->allowBrowse);
    EXPECT_EQ(d->previousText, "Back");
    EXPECT_EQ(d->nextText, "On");
}

TEST_F(GalleryDataTest, EmptyValuesAndTheOtherChoices)
{
    GalleryValues v;
    v.title = v.extension = v.width = v.height = v.closeText = v.openExtension = v.sizeHeight = "";
    v.colourType = "2";
    v.closeStyle = "2";
    v.labels = v.manual = v.browse = "0";
    v.action = "2";
    const auto d = read(v);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->title, "Picture Gallery");
    EXPECT_EQ(d->previewTitle, "Picture Gallery");
    EXPECT_EQ(d->extension, "");  // "." alone: every common picture type
    EXPECT_EQ(d->width, 0);
    EXPECT_EQ(d->height, 0);
    EXPECT_FALSE(d->previewUsesColours);
    EXPECT_FALSE(d->showCloseButton);
    EXPECT_EQ(d->closeText, "Close");
    EXPECT_FALSE(d->showTextLabels);
    EXPECT_EQ(d->clickAction, GalleryClickAction::OpenExternal);
    EXPECT_FALSE(d->manualSize);
    EXPECT_FALSE(d->allowBrowse);

    v.action = "7";  // unknown: the built-in preview
    EXPECT_EQ(read(v)->clickAction, GalleryClickAction::Preview);
    EXPECT_FALSE(readPictureGalleryData(home.win("medium/none.dat")).has_value());
}

TEST_F(GalleryDataTest, PicturesOfAFolder)
{
    for (const char* name : {"b.JPG", "a.jpg", "C.png", "d.gif", "notes.txt", "e.jpeg", "noext"})
        home.writeFile(std::string("pics/") + name, "x");
    home.writeFile("pics/sub/f.jpg", "x");
    const std::string folder = home.win("pics");

    auto only = listGalleryPictures(folder, "jpg");
    ASSERT_EQ(only.size(), 2u);
    EXPECT_EQ(only[0], folder + "\\a.jpg");
    EXPECT_EQ(only[1], folder + "\\b.JPG");
    EXPECT_EQ(listGalleryPictures(folder, ".PNG").size(), 1u);

    const auto all = listGalleryPictures(folder, "");
    std::vector<std::string> names;
    for (const auto& p : all)
        names.push_back(p.substr(folder.size() + 1));
    EXPECT_EQ(names, (std::vector<std::string>{"a.jpg", "b.JPG", "C.png", "d.gif", "e.jpeg"}));
    EXPECT_TRUE(listGalleryPictures(home.win("nowhere"), "").empty());
}

TEST(GalleryRules, ThumbnailHeight)
{
    PictureGalleryData d;
    EXPECT_EQ(galleryThumbnailHeight(d, 120), 120);
    d.manualSize = true;
    d.pictureHeight = 0;  // not a number in the file
    EXPECT_EQ(galleryThumbnailHeight(d, 120), 120);
    d.pictureHeight = 7;
    EXPECT_EQ(galleryThumbnailHeight(d, 120), 15);
    d.pictureHeight = 301;
    EXPECT_EQ(galleryThumbnailHeight(d, 120), 300);
    d.pictureHeight = 150;
    EXPECT_EQ(galleryThumbnailHeight(d, 120), 150);
}

TEST(GalleryRules, ClickOnAPicture)
{
    PictureGalleryData d;
    const std::string picture = "E:\\Menu\\pics\\beach.photo.jpg";
    auto c = galleryClick(d, picture);
    EXPECT_TRUE(c.preview);
    EXPECT_TRUE(c.openTarget.empty());

    d.clickAction = GalleryClickAction::OpenExternal;
    c = galleryClick(d, picture);
    EXPECT_FALSE(c.preview);
    EXPECT_EQ(c.openTarget, picture);

    d.clickAction = GalleryClickAction::OpenCompanion;
    d.openExtension = "pdf";
    EXPECT_EQ(galleryClick(d, picture).openTarget, "E:\\Menu\\pics\\beach.photo.pdf");
    d.openExtension = "";
    EXPECT_EQ(galleryClick(d, picture).openTarget, "E:\\Menu\\pics\\beach.photo");
}

}  // namespace
}  // namespace orv::companions
