#include "companions/gallery_data.h"

#include <sstream>
#include <tuple>

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

// Every value read, one "key=value" per field, so that an expectation spells them all.
std::string describe(const PictureGalleryData& d)
{
    std::ostringstream s;
    s << "title=" << d.title << " preview=" << d.previewTitle << " ext=" << d.extension << " size=" << d.width << "x"
      << d.height << " colours=" << d.backColour << "/" << d.textColour << " previewColours=" << d.previewUsesColours
      << " closeButton=" << d.showCloseButton << " close=" << d.closeText << " labels=" << d.showTextLabels
      << " click=" << static_cast<int>(d.clickAction) << " open=" << d.openExtension << " manual=" << d.manualSize
      << " height=" << d.pictureHeight << " browse=" << d.allowBrowse << " prev=" << d.previousText
      << " next=" << d.nextText;
    return s.str();
}

class GalleryDataTest : public test::HomeTest {
protected:
    std::string read(const GalleryValues& v)
    {
        const auto d = readPictureGalleryData(home.writeFile("medium/VTPictureGallery/VTPictureGallery.dat", galleryData(v)));
        return d ? describe(*d) : "(none)";
    }
};

TEST_F(GalleryDataTest, ReadsEveryValueAndTheDefaultsOfEmptyOnes)
{
    EXPECT_EQ(read(GalleryValues{}), "title=Summer preview=Summer ext=jpg size=700x500 colours=255/16777215 "
                                     "previewColours=1 closeButton=1 close=Done labels=1 click=3 open=pdf manual=1 "
                                     "height=90 browse=1 prev=Back next=On");
    GalleryValues v;
    v.title = v.extension = v.width = v.height = v.closeText = v.openExtension = v.sizeHeight = "";
    v.colourType = v.closeStyle = v.action = "2";
    v.labels = v.manual = v.browse = "0";
    // An empty extension ("." alone) means every common picture type.
    EXPECT_EQ(read(v), "title=Picture Gallery preview=Picture Gallery ext= size=0x0 colours=255/16777215 "
                       "previewColours=0 closeButton=0 close=Close labels=0 click=2 open= manual=0 height=0 browse=0 "
                       "prev=Back next=On");
    v.action = "7";  // unknown: the built-in preview
    EXPECT_NE(read(v).find(" click=1 "), std::string::npos);
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

TEST(GalleryRules, ThumbnailHeightAndClick)
{
    PictureGalleryData d;
    EXPECT_EQ(galleryThumbnailHeight(d, 120), 120) << "automatic";
    d.manualSize = true;
    // 0 is what the file's text gives when it is not a number; the rest is kept within 15 to 300.
    for (const auto& [height, shown] : {std::pair{0, 120}, {7, 15}, {150, 150}, {301, 300}}) {
        d.pictureHeight = height;
        EXPECT_EQ(galleryThumbnailHeight(d, 120), shown) << height;
    }

    const std::string picture = "E:\\Menu\\pics\\beach.photo.jpg";
    const std::tuple<GalleryClickAction, const char*, bool, std::string> clicks[] = {
        {GalleryClickAction::Preview, "pdf", true, ""},
        {GalleryClickAction::OpenExternal, "pdf", false, picture},
        {GalleryClickAction::OpenCompanion, "pdf", false, "E:\\Menu\\pics\\beach.photo.pdf"},
        {GalleryClickAction::OpenCompanion, "", false, "E:\\Menu\\pics\\beach.photo"},
    };
    for (const auto& [action, extension, preview, target] : clicks) {
        d.clickAction = action;
        d.openExtension = extension;
        const GalleryClick click = galleryClick(d, picture);
        EXPECT_EQ(click.preview, preview) << static_cast<int>(action);
        EXPECT_EQ(click.openTarget, target) << static_cast<int>(action) << extension;
    }
}

}  // namespace
}  // namespace orv::companions
