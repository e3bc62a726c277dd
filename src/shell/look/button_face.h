// The look of one button: its style and colours from the common button look and the
// entry's own colours, its state (under the mouse, pressed, keyboard focus), and the body
// rendered into a bitmap with antialiased rounded corners.
#pragma once

#include <compare>

#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

// Positions in the editor's style list (ButtonStyle). Headings are drawn as Framed Text; a
// "Bitmap Button" without its picture as a solid rectangle.
enum ButtonStyle {
    TextOnlyStyle = 2,
    FramedTextStyle = 3,
    SolidRectangleStyle = 4,
    WindowsButtonStyle = 5,
    BitmapButtonStyle = 6,
    Rounded1Style = 7,       // to 9: corner radius 4, 8, 12
    BlendRightStyle = 11,    // 12..14 rounded
    BlendDownStyle = 15,     // 16..18 rounded
    CylinderStyle = 19,      // 20..22 rounded
    RectangularBlendStyle = 23,
    ThreeDStyle = 25,
    MetallicStyle = 26,
    PlasticStyle = 27,
    ImageHotspotStyle = 28,
};

struct ButtonState {
    bool hover = false;
    bool pressed = false;
    bool focus = false;
    auto operator<=>(const ButtonState&) const = default;
};

// Everything the body's pixels depend on; equal faces give equal bitmaps.
struct ButtonFace {
    int style = FramedTextStyle;
    int width = 0, height = 0;
    WinColour back = 0;
    WinColour frame = 0;
    WinColour text = 0;
    WinColour colour1 = 0;  // where the blended styles start
    bool activeFrame = false;
    WinColour activeFrameColour = 0;
    ButtonEffects effects;
    ButtonState state;
    long long picture = 0;  // which picture the body shows (0: none); equal numbers, equal pictures
    auto operator<=>(const ButtonFace&) const = default;
};

// The frame colour: the entry's own (BCUse), else the common frame colour when it is kept
// apart from the text colour (SeparateFrameAndCharColor), else the text colour.
WinColour buttonFrameColour(const ButtonLook& look, const MenuEntry& entry);
// The text colour: Windows buttons are black, metallic ones dark grey unless the entry has
// its own colours.
WinColour buttonTextColour(const ButtonLook& look, const MenuEntry& entry);

ButtonFace buttonFace(const ButtonLook& look, const MenuEntry& entry, ButtonState state, int width, int height);

// Corner radius of the body in pixels.
int buttonCornerRadius(const ButtonFace& face);

// The body: fill, frame, the active frame under the mouse, the pressed look and a dotted
// focus frame; transparent outside the rounded corners and where the style shows no fill.
// The effects (glass, lines, light, rounded surface) are drawn over it. The picture styles
// show the entry's picture: a Bitmap Button scaled to the body, an Image / Hotspot at its
// own size in the middle (nothing but a dotted frame under the mouse when it has none).
Bitmap renderButtonBody(const ButtonFace& face, const Bitmap* picture = nullptr);

// The arrow of a button that opens a menu: a triangle pointing right, antialiased.
Bitmap renderArrow(int width, int height, WinColour colour);

// The drop shadow of the body, as large as the body plus the shadow size on every side, to
// be drawn at the body's top-left corner minus nothing: it lies below and right of the
// body. Empty when the face has no shadow.
Bitmap renderButtonShadow(const ButtonFace& face);

}  // namespace orv::shell
