// The built-in catalogue of basic styles: seven colour families with eight layouts each
// (White2: six, and two empty projects), and for each the values a new project takes.
// All of it is data here; basic_styles.* applies it.
#pragma once

#include <cstdint>
#include <vector>

#include "model/menu_project.h"

namespace orv {

enum BasicStyleFamily : std::int16_t {
    StyleBlue = 1,
    StyleGreen,
    StyleRed,
    StyleYellow,
    StyleBlack,
    StyleWhite1,
    StyleWhite2,
};
inline constexpr int BasicStyleFamilies = 7;

struct Rgb {
    int red = 0, green = 0, blue = 0;
    constexpr Colour colour() const { return RgbColour(red, green, blue); }
};

struct BasicStyle {
    std::int16_t family, layout;
    Rgb back, back2;
    std::int16_t toneDirection;  // position in the tone direction list, from 0
    Rgb title;
    bool arialTitle;             // the title in Arial, not italic
    Rgb underline;               // the underline's first colour (the second is black)
    bool titleShadow;
    std::int16_t styleIndex;     // position in the button style list, from 0
    bool windowsButtonFont;      // Arial 11, regular
    Rgb buttonText, buttonFrame, buttonBack;
    bool surfaceEffects;         // the light and the rounded surface
    const char* width;           // the button width for left or right placement
    Rgb activeFrame;
    const char* menuPicture;       // a sample in Examples\Objects, or nullptr
    const char* backgroundPicture; // likewise
};

const std::vector<BasicStyle>& BasicStyleCatalogue();
// nullptr for an empty project (White2 7 and 8) or numbers outside the catalogue.
const BasicStyle* FindBasicStyle(int family, int layout);

// The dialog's caption of a layout ("Clickable text links", ...) and of a family's tab.
const char* BasicStyleLayoutCaption(int family, int layout);
const char* BasicStyleFamilyName(int family);

}  // namespace orv
