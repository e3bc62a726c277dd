// The "Window" tab's size commands: one per cent up or down, fit to the background picture,
// and the size read back from the menu program's resize mode.
#include <gtest/gtest.h>

#include "editor/rules/window_size.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "support/test_home.h"
#include "tab_test_files.h"

namespace orv::editor {
namespace {

TEST(WindowSizeTest, OnePerCentUpOrDownStaysWithinTheWindowLimits)
{
    EXPECT_EQ(IncreasedWindowSize({500, 400}), (WindowSize{505, 404}));
    EXPECT_EQ(IncreasedWindowSize({1275, 1000}), std::nullopt) << "1288 exceeds 1280";
    EXPECT_EQ(IncreasedWindowSize({1000, 1015}), std::nullopt) << "1025 exceeds 1024";
    EXPECT_EQ(IncreasedWindowSize({1267, 1013}), (WindowSize{1280, 1023}));
    EXPECT_EQ(DecreasedWindowSize({500, 400}), (WindowSize{495, 396}));
    EXPECT_EQ(DecreasedWindowSize({202, 101}), (WindowSize{200, 100}));
    EXPECT_EQ(DecreasedWindowSize({201, 300}), std::nullopt) << "199 is below 200";
}

TEST(WindowSizeTest, ProjectSizeIsReadClampedAndWrittenAsText)
{
    MenuProject project;
    project.Width = "abc";
    project.Height = "5000";
    EXPECT_EQ(ProjectWindowSize(project), (WindowSize{200, 1024}));
    SetProjectWindowSize(project, {640, 480});
    EXPECT_EQ(project.Width, "640");
    EXPECT_EQ(project.Height, "480");
}

class FitToBackgroundTest : public test::HomeTest {};

TEST_F(FitToBackgroundTest, TheProjectsFrameDecidesTheExtraSize)
{
    MenuProject project;
    EXPECT_EQ(FrameOf(project), WindowFrame::Caption);
    project.ShowCaption = 0;
    EXPECT_EQ(FrameOf(project), WindowFrame::BorderOnly);
    project.ShowBorder = 0;
    EXPECT_EQ(FrameOf(project), WindowFrame::None);

    const std::string bmp = home.writeFile("back.bmp", test::bmpFile(300, 200));
    EXPECT_EQ(FitToBackground(bmp, WindowFrame::Caption), (WindowSize{310, 229}));
    EXPECT_EQ(FitToBackground(bmp, WindowFrame::BorderOnly), (WindowSize{306, 206}));
    EXPECT_EQ(FitToBackground(bmp, WindowFrame::None), (WindowSize{304, 204}));

    const std::string jpg = home.writeFile("back.jpg", test::jpegFile(false, 64, 48));
    EXPECT_EQ(FitToBackground(jpg, WindowFrame::Caption), (WindowSize{74, 77}));
    // The signature and the header chunk of a PNG file, 64 x 48: the menu programs show PNG too.
    const std::string png = home.writeFile(
        "back.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x40\0\0\0\x30\x08\x02\0\0\0", 29));
    EXPECT_EQ(FitToBackground(png, WindowFrame::Caption), (WindowSize{74, 77}));
}

TEST_F(FitToBackgroundTest, OnlyBitmapsAndJpegsOfSensibleSize)
{
    const WindowFrame none = WindowFrame::None;
    EXPECT_EQ(FitToBackground(home.writeFile("w.bmp", test::bmpFile(1999, 1)), none), (WindowSize{2003, 5}));
    EXPECT_EQ(FitToBackground(home.writeFile("wide.bmp", test::bmpFile(2000, 2)), none), std::nullopt);
    EXPECT_EQ(FitToBackground(home.writeFile("text.bmp", "not a picture"), none), std::nullopt);
    EXPECT_EQ(FitToBackground(home.win("missing.bmp"), none), std::nullopt);
    EXPECT_EQ(FitToBackground("", none), std::nullopt);
}

class ResizeModeTest : public test::HomeTest {
protected:
    long value(const char* name)
    {
        return platform::services().registry->GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT,
                                                            ResizeModeRegistryKey, name, -1);
    }
    void set(const char* name, long v)
    {
        platform::services().registry->SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, name, v);
    }
};

TEST_F(ResizeModeTest, WaitsForBothValuesThenResetsThem)
{
    set("Width", 777);
    set("Height", 555);
    ResizeModeWatch watch;
    watch.start();
    EXPECT_EQ(value("Width"), 0) << "an old answer must not count";
    EXPECT_EQ(value("Height"), 0);
    EXPECT_EQ(watch.poll(), std::nullopt);

    set("Width", 640);
    EXPECT_EQ(watch.poll(), std::nullopt) << "only one value so far";

    set("Height", 480);
    EXPECT_EQ(watch.poll(), (WindowSize{640, 480}));
    EXPECT_EQ(value("Width"), 0);
    EXPECT_EQ(value("Height"), 0);
    EXPECT_EQ(watch.poll(), std::nullopt);
}

}  // namespace
}  // namespace orv::editor
