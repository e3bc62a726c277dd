// Where the menu's parts go: golden layouts spelled out by hand, worked out from the
// arrangement (margin 20, 6 between title and subtitle, 12 before the entries, 8 between
// rows, 16 between columns, a line 1.5 times the font's pixel size).
#include "shell/layout/menu_layout.h"

#include <gtest/gtest.h>

namespace orv::shell {
namespace {

MenuEntry entry(const std::string& text, bool titleRow)
{
    MenuEntry e;
    e.text = text;
    e.command = titleRow ? "" : "Exit";
    e.titleRow = titleRow;
    return e;
}
MenuEntry button(const std::string& text) { return entry(text, false); }
MenuEntry heading(const std::string& text) { return entry(text, true); }

TEST(MenuLayout, OneCentredColumnBelowTitleAndSubtitle)
{
    MenuDescription m;
    m.title.text = "Holiday";
    m.title.font.size = 24;  // 32 px, a line of 48
    m.subtitle.text = "2024";
    m.subtitle.font.size = 12;  // 16 px, a line of 24
    m.buttons.alignment = 2;
    m.entries = {button("One"), heading("Films"), button("Two"), button("Hidden"), button("Three")};
    m.entries[3].hidden = true;

    EXPECT_EQ(layoutText(layoutMenu(m, 500, 400)),
              "window 0 0 500 400\n"
              "title 20 20 460 48\n"
              "subtitle 20 74 460 24\n"
              "entry 1 140 110 220 30\n"
              "heading 2 140 148 220 20\n"
              "entry 3 140 176 220 30\n"
              "entry 5 140 214 220 30\n");
}

TEST(MenuLayout, TwoColumnsNarrowedWithAHeadingOnARowOfItsOwnAndCutAtTheBottom)
{
    MenuDescription m;
    m.buttons.alignment = 4;
    m.buttons.width = 150;  // only 122 fit beside each other in 300 - 40 - 16
    m.buttons.height = 40;
    m.entries = {button("1"), button("2"), button("3"), heading("4"), button("5"), button("6"), button("7")};

    EXPECT_EQ(layoutText(layoutMenu(m, 300, 200)),
              "window 0 0 300 200\n"
              "entry 1 20 20 122 40\n"
              "entry 2 158 20 122 40\n"
              "entry 3 20 68 122 40\n"
              "heading 4 20 116 260 26\n"
              "entry 5 20 150 122 40\n"
              "entry 6 158 150 122 40\n");  // 7 would end at 238, below the window
}

TEST(MenuLayout, AlignmentAndNarrowingOfOneColumn)
{
    MenuDescription m;
    m.entries = {button("A")};
    const auto first = [&](int alignment, int width) {
        m.buttons.alignment = alignment;
        m.buttons.width = width;
        return layoutMenu(m, 500, 400).entries.at(0).rect;
    };
    EXPECT_EQ(first(1, 220), (Rect{20, 20, 220, 30}));
    EXPECT_EQ(first(3, 220), (Rect{260, 20, 220, 30}));
    EXPECT_EQ(first(3, 600), (Rect{20, 20, 460, 30}));
}

// The logotype takes a top corner and the texts keep clear of it; the menu picture stands on
// the side the buttons leave free, at its own size or stretched to its box, and only beside one column.
TEST(MenuLayout, LogotypeAndMenuPicture)
{
    MenuDescription m;
    m.title.text = "Holiday";  // 26 pt: a line of 52
    m.title.font.size = 26;
    m.buttons.alignment = 3;
    m.picture.width = 150;
    m.picture.height = 150;
    m.entries = {button("One")};
    const PictureSizes sizes{160, 80, 200, 100, {}};
    EXPECT_EQ(layoutText(layoutMenu(m, 500, 400, sizes)),
              "window 0 0 500 400\n"
              "title 20 20 288 52\n"
              "logotype 320 20 160 80\n"
              "picture 20 112 200 100\n"
              "entry 1 260 112 220 30\n");

    m.logotype.left = true;
    m.buttons.alignment = 1;
    m.picture.stretch = true;
    EXPECT_EQ(layoutText(layoutMenu(m, 500, 400, sizes)),
              "window 0 0 500 400\n"
              "title 192 20 288 52\n"
              "logotype 20 20 160 80\n"
              "picture 330 112 150 150\n"
              "entry 1 20 112 220 30\n");

    m.buttons.alignment = 4;
    EXPECT_EQ(layoutMenu(m, 500, 400, sizes).picture, std::nullopt);
    EXPECT_EQ(layoutMenu(m, 500, 400).logotype, std::nullopt);  // no file found, no room taken
}

// A thick underline pushes the subtitle down; the band grows by the adjustment, half of it
// above the title; the entries stop above the row of social-media logos.
TEST(MenuLayout, UnderlineTitleBandAndSocialLogos)
{
    MenuDescription m;
    m.title.text = "Holiday";
    m.title.font.size = 26;  // 35 px, a row of 52
    m.subtitle.text = "2024";
    m.subtitle.font.size = 12;  // 16 px, a row of 24
    m.titleEffects.underline = 2;
    m.titleEffects.underlineHeight = 10;
    m.titleEffects.lines = true;
    m.titleEffects.bandAdjust = -5;
    m.socialLogos.resize(3);
    m.entries.assign(3, button("B"));

    EXPECT_EQ(layoutText(layoutMenu(m, 500, 250)),
              "window 0 0 500 250\n"
              "titleband 0 22 500 47\n"
              "title 20 20 460 52\n"
              "underline 20 67 460 10\n"
              "subtitle 20 83 460 24\n"
              "entry 1 260 119 220 30\n"
              "entry 2 260 157 220 30\n"  // 3 would end at 225, below the logos' 206
              "social 1 404 214 24 24\n"
              "social 2 434 214 24 24\n"
              "social 3 464 214 24 24\n");
}

MenuEntry placed(Placement rule, int dx = 0, int dy = 0)
{
    MenuEntry e = button("B");
    e.placement = rule;
    e.deltaX = dx;
    e.deltaY = dy;
    return e;
}

// Left-aligned 220 x 30 buttons, whose own places lie at y 20, 58, 96 ...
TEST(MenuLayout, PlacementRulesMoveEntriesFromTheirPlacesInTheFlow)
{
    MenuDescription m;
    m.buttons.alignment = 1;
    m.entries = {placed(Placement::Default, 10, 5),
                 placed(Placement::AfterPrevious, 0, 10),  // 8 below the one before, moved 10 more
                 placed(Placement::NoDistance, 99, 99),    // against the one before; no offset
                 heading("H"),                             // follows the entry before it
                 placed(Placement::Default),               // its own place: after the heading's own
                 placed(Placement::Absolute, 200, 30),     // over entry 1, and drawn after it
                 placed(Placement::AfterPrevious),         // follows the absolute one
                 placed(Placement::Default, 0, 200)};      // would end at 506: left out
    const MenuLayout layout = layoutMenu(m, 500, 400);
    EXPECT_EQ(layoutText(layout),
              "window 0 0 500 400\n"
              "entry 1 30 25 220 30\n"
              "entry 2 30 73 220 30\n"
              "entry 3 30 103 220 30\n"
              "heading 4 30 141 220 20\n"
              "entry 5 20 162 220 30\n"
              "entry 6 200 30 220 30\n"
              "entry 7 200 68 220 30\n");
    EXPECT_EQ(layout.buttonAt(210, 40)->entry, 5u);  // the one on top
}

TEST(MenuLayout, NextFreeFillsRowsAndNoDistanceClosesBothGaps)
{
    MenuDescription m;
    m.buttons.alignment = 1;
    m.buttons.width = 100;
    m.buttons.height = 40;  // own places at y 20, 68, 116 ...
    m.entries = {placed(Placement::Absolute, 236, 20), placed(Placement::Default, 0, -48)};
    for (int i = 0; i < 6; ++i)
        m.entries.push_back(placed(Placement::NextFree, 7, 7));  // offsets do not count
    EXPECT_EQ(layoutText(layoutMenu(m, 500, 400)),  // beside 3 stands 1; 452 + 100 passes 480
              "window 0 0 500 400\n"
              "entry 1 236 20 100 40\nentry 2 20 20 100 40\nentry 3 128 20 100 40\n"
              "entry 4 20 68 100 40\nentry 5 128 68 100 40\nentry 6 236 68 100 40\nentry 7 344 68 100 40\n"
              "entry 8 20 116 100 40\n");

    m.buttons.alignment = 4;
    m.buttons.width = 150;  // narrowed to 122
    m.entries.assign(4, placed(Placement::NoDistance));
    EXPECT_EQ(layoutText(layoutMenu(m, 300, 200)), "window 0 0 300 200\n"
                                                   "entry 1 20 20 122 40\nentry 2 142 20 122 40\n"
                                                   "entry 3 20 60 122 40\nentry 4 142 60 122 40\n");
}

// Margins of a quarter of the height (7 of 30); the arrow 10 high and 6 wide, 4 after the
// caption's area.
TEST(MenuLayout, ArrowOfMenuButtonsEndsTheCaptionAndAutoSizeFitsTheLongestCaption)
{
    MenuDescription m;
    m.buttons.alignment = 1;
    m.buttons.font = {"Arial", 12, true, false};  // 16 px: a character 9.6 wide in bold
    m.entries = {button("More"), button("Back to start")};
    m.entries[0].command = "Open New Menu";
    MenuLayout layout = layoutMenu(m, 500, 400);
    EXPECT_EQ(layoutText(layout), "window 0 0 500 400\nentry 1 20 20 220 30\narrow 1 227 30 6 10\nentry 2 20 58 220 30\n");
    EXPECT_EQ(layout.entries[0].text, (Rect{27, 20, 196, 30}));

    m.buttons.autoSize = true;  // 13 characters: 125, with the margins 139
    EXPECT_EQ(layoutMenu(m, 500, 400).entries[0].rect, (Rect{20, 20, 139, 30}));
    m.buttons.arrow = false;
    EXPECT_EQ(layoutMenu(m, 500, 400).entries[0].arrow, std::nullopt);
}

TEST(MenuLayout, HitTestingFindsButtonsOnly)
{
    MenuDescription m;
    m.buttons.alignment = 1;
    m.entries = {heading("Films"), button("Watch")};
    const MenuLayout layout = layoutMenu(m, 500, 400);  // heading 20..40, button from 48
    EXPECT_EQ(layout.buttonAt(25, 30), nullptr);
    ASSERT_NE(layout.buttonAt(20, 48), nullptr);
    EXPECT_EQ(layout.buttonAt(20, 48)->entry, 1u);
    EXPECT_EQ(layout.buttonAt(239, 77)->entry, 1u);
    EXPECT_EQ(layout.buttonAt(240, 77), nullptr);  // one past the right edge
}

}  // namespace
}  // namespace orv::shell
