#include "templates/basic_style_catalogue.h"

#include <array>

namespace orv {

namespace {

// family, layout, background and its second colour, tone direction, title colour, Arial
// title, underline colour, title shadow, button style, Windows button font, button text,
// frame and background colours, surface effects, width, active frame colour, menu picture,
// background picture.
const std::vector<BasicStyle> Catalogue = {
    {1, 1, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 1, false, {255, 255, 0}, {255, 255, 0}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 2, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 2, false, {255, 255, 0}, {255, 255, 0}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 3, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 10, false, {255, 255, 196}, {102, 102, 185}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 4, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 14, false, {255, 255, 196}, {102, 102, 185}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 5, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 19, false, {255, 255, 196}, {102, 102, 185}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 6, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 24, false, {255, 255, 196}, {68, 68, 149}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 7, {0, 0, 255}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 25, false, {255, 255, 196}, {68, 68, 149}, {0, 0, 79}, false, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {1, 8, {3, 103, 252}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 26, false, {255, 255, 0}, {255, 255, 0}, {2, 56, 157}, true, "220", {255, 255, 255}, "DoubleSuns-h252.jpg", nullptr},
    {2, 1, {0, 128, 0}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 1, false, {255, 255, 196}, {255, 255, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 2, {0, 128, 0}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 2, false, {255, 255, 196}, {255, 255, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 3, {0, 128, 0}, {0, 0, 0}, 2, {255, 255, 0}, false, {255, 255, 0}, true, 10, false, {255, 255, 196}, {0, 128, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 4, {0, 128, 0}, {0, 0, 0}, 4, {255, 255, 0}, false, {255, 255, 0}, true, 15, false, {255, 255, 196}, {0, 128, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 5, {0, 128, 0}, {0, 0, 0}, 1, {255, 255, 0}, false, {255, 255, 0}, true, 19, false, {255, 255, 196}, {0, 128, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 6, {0, 128, 0}, {0, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 24, false, {255, 255, 196}, {0, 128, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 7, {0, 128, 0}, {0, 0, 0}, 5, {255, 255, 0}, false, {255, 255, 0}, true, 25, false, {255, 255, 196}, {0, 128, 0}, {0, 43, 0}, false, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {2, 8, {0, 106, 0}, {0, 0, 0}, 1, {255, 255, 0}, false, {255, 255, 0}, true, 26, false, {255, 255, 196}, {0, 128, 0}, {0, 83, 0}, true, "220", {255, 255, 255}, "CoffeeCup-h252.jpg", nullptr},
    {3, 1, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 1, false, {255, 255, 0}, {255, 255, 0}, {128, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 2, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 2, false, {255, 255, 0}, {255, 255, 0}, {128, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 3, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 10, false, {255, 255, 196}, {255, 0, 0}, {128, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 4, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 15, false, {255, 255, 196}, {255, 0, 0}, {128, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 5, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 19, false, {255, 255, 196}, {255, 0, 0}, {128, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 6, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 24, false, {255, 255, 196}, {255, 0, 0}, {111, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 7, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 25, false, {255, 255, 196}, {218, 30, 3}, {111, 0, 0}, false, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {3, 8, {204, 0, 0}, {40, 0, 0}, 7, {255, 255, 0}, false, {255, 255, 0}, true, 26, false, {255, 255, 196}, {218, 30, 3}, {157, 0, 0}, true, "220", {255, 255, 255}, "RedSea-h252.jpg", nullptr},
    {4, 1, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 1, false, {128, 0, 0}, {128, 0, 0}, {0, 0, 0}, false, "220", {196, 98, 0}, "SunSet-h252.jpg", nullptr},
    {4, 2, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 2, false, {128, 0, 0}, {128, 0, 0}, {0, 0, 0}, false, "220", {196, 98, 0}, "SunSet-h252.jpg", nullptr},
    {4, 3, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 10, false, {128, 0, 0}, {255, 255, 0}, {255, 128, 0}, false, "220", {196, 98, 0}, "SunSet-h252.jpg", nullptr},
    {4, 4, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 15, false, {128, 0, 0}, {255, 255, 0}, {255, 128, 0}, false, "220", {196, 98, 0}, "SunSet-h252.jpg", nullptr},
    {4, 5, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 19, false, {128, 0, 0}, {255, 128, 64}, {255, 255, 0}, false, "220", {196, 98, 0}, "SunSet-h252.jpg", nullptr},
    {4, 6, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 24, false, {128, 0, 0}, {255, 255, 0}, {255, 95, 17}, false, "220", {196, 98, 0}, "SunSet-h252.jpg", nullptr},
    {4, 7, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 25, false, {255, 255, 0}, {128, 64, 0}, {255, 95, 17}, false, "220", {250, 250, 0}, "SunSet-h252.jpg", nullptr},
    {4, 8, {255, 128, 0}, {255, 255, 0}, 2, {128, 0, 0}, true, {128, 0, 0}, false, 26, false, {255, 255, 0}, {128, 64, 0}, {159, 80, 0}, false, "220", {250, 250, 0}, "SunSet-h252.jpg", nullptr},
    {5, 1, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 1, false, {255, 255, 232}, {112, 134, 152}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 2, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 2, false, {255, 255, 232}, {112, 134, 152}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 3, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 10, false, {255, 255, 232}, {72, 86, 97}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 4, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 15, false, {255, 255, 232}, {72, 86, 97}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 5, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 19, false, {255, 255, 232}, {72, 86, 97}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 6, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 24, false, {255, 255, 232}, {72, 86, 97}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 7, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 25, false, {255, 255, 232}, {72, 86, 97}, {15, 17, 19}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {5, 8, {0, 0, 0}, {0, 0, 0}, 2, {255, 255, 242}, false, {255, 255, 242}, true, 26, false, {255, 255, 232}, {72, 86, 97}, {47, 47, 47}, false, "280", {255, 255, 255}, "BlackCurtain.bmp", nullptr},
    {6, 1, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 1, false, {0, 64, 128}, {112, 134, 152}, {15, 17, 19}, false, "260", {0, 64, 128}, "Clouds.bmp", nullptr},
    {6, 2, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 2, false, {0, 64, 128}, {112, 134, 152}, {15, 17, 19}, false, "260", {180, 180, 180}, "Clouds.bmp", nullptr},
    {6, 3, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 10, false, {255, 255, 255}, {0, 85, 170}, {0, 45, 89}, false, "260", {225, 225, 225}, "Clouds.bmp", nullptr},
    {6, 4, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 15, false, {255, 255, 255}, {0, 85, 170}, {0, 45, 89}, false, "260", {225, 225, 225}, "Clouds.bmp", nullptr},
    {6, 5, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 19, false, {255, 255, 255}, {0, 85, 170}, {0, 45, 89}, false, "260", {225, 225, 225}, "Clouds.bmp", nullptr},
    {6, 6, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 24, false, {255, 255, 255}, {0, 96, 191}, {0, 36, 72}, false, "260", {225, 225, 225}, "Clouds.bmp", nullptr},
    {6, 7, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 25, false, {255, 255, 255}, {0, 103, 206}, {0, 36, 72}, false, "260", {225, 225, 225}, "Clouds.bmp", nullptr},
    {6, 8, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 26, false, {255, 255, 255}, {0, 103, 206}, {0, 73, 147}, false, "260", {225, 225, 225}, "Clouds.bmp", nullptr},
    {7, 1, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 4, true, {0, 0, 0}, {200, 200, 200}, {200, 200, 200}, false, "220", {255, 255, 255}, "Clouds.bmp", nullptr},
    {7, 2, {255, 255, 255}, {255, 255, 255}, 2, {247, 247, 247}, true, {247, 247, 247}, true, 25, false, {255, 255, 255}, {0, 116, 232}, {0, 0, 128}, false, "220", {255, 255, 255}, nullptr, "Heaven-And-Sea.jpg"},
    {7, 3, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 2, false, {0, 0, 128}, {0, 0, 128}, {0, 0, 128}, false, "200", {150, 150, 150}, nullptr, nullptr},
    {7, 4, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 25, false, {255, 255, 255}, {0, 0, 191}, {0, 0, 128}, false, "200", {225, 225, 225}, nullptr, nullptr},
    {7, 5, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 27, false, {0, 60, 120}, {240, 240, 240}, {240, 240, 240}, false, "220", {140, 140, 140}, "Clouds.bmp", nullptr},
    {7, 6, {255, 255, 255}, {255, 255, 255}, 2, {0, 64, 128}, true, {0, 64, 128}, false, 27, false, {0, 60, 120}, {240, 240, 240}, {240, 240, 240}, false, "220", {255, 255, 255}, nullptr, nullptr},
};

const std::array<const char*, 8> LayoutCaptions = {
    "Clickable text links",          "Framed text buttons",   "Color blended buttons (right)",
    "Color blended buttons (down)",  "Color blended buttons (cylind.)", "3-dimensional buttons",
    "Metallic buttons",              "Plastic buttons",
};
const std::array<const char*, 8> White2Captions = {
    "Windows buttons", "With background picture",    "Double columns (white)",        "Double columns (blue)",
    "Icons",           "Windows 8 style",            "Empty project (with buttons)",  "Empty project (without buttons)",
};
const std::array<const char*, BasicStyleFamilies> FamilyNames = {"Blue",  "Green",  "Red",   "Yellow",
                                                                   "Black", "White", "White"};

}  // namespace

const std::vector<BasicStyle>& BasicStyleCatalogue() { return Catalogue; }

const BasicStyle* FindBasicStyle(int family, int layout)
{
    for (const BasicStyle& style : Catalogue)
        if (style.family == family && style.layout == layout)
            return &style;
    return nullptr;
}

const char* BasicStyleLayoutCaption(int family, int layout)
{
    if (layout < 1 || layout > 8)
        return "";
    return family == StyleWhite2 ? White2Captions[static_cast<std::size_t>(layout - 1)]
                                 : LayoutCaptions[static_cast<std::size_t>(layout - 1)];
}

const char* BasicStyleFamilyName(int family)
{
    return family >= 1 && family <= BasicStyleFamilies ? FamilyNames[static_cast<std::size_t>(family - 1)] : "";
}

}  // namespace orv
