// Paints a laid-out menu on a Canvas: the background, the button bodies, then the texts
// (title with its shadow, subtitle, button captions, title rows). Keeps the rendered
// bitmaps, since the background and the bodies change only with the size and the state.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "shell/layout/menu_layout.h"
#include "shell/look/button_face.h"
#include "shell/look/picture.h"
#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

// The entries (indices into MenuDescription::entries) in a state of their own.
struct EntryStates {
    std::optional<std::size_t> hover;    // under the mouse
    std::optional<std::size_t> pressed;  // the mouse went down on it and is still down
    std::optional<std::size_t> focus;    // moved to with the keyboard
    bool operator==(const EntryStates&) const = default;
};

// The state an entry is drawn in: pressed only while the mouse is still over it.
ButtonState buttonState(const EntryStates& states, std::size_t entry);

// The writer doubles an ampersand between blanks so that Windows buttons show one; the
// menu draws text as it is, so every "&&" is shown as "&".
std::string shownText(const std::string& text);

class MenuPainter {
public:
    void paint(const MenuDescription& menu, const MenuLayout& layout, const EntryStates& states, Canvas& canvas,
               const MenuPictures& pictures = {});

private:
    struct BackgroundKey {
        int width, height, toneDirection, blendDepth;
        WinColour first, second;
        int pictures, band;  // the picture set's id and the bottom of the title band
        bool operator==(const BackgroundKey&) const = default;
    };
    const Bitmap& background(const MenuDescription& menu, const MenuLayout& layout, const MenuPictures& pictures);
    const Bitmap& menuPicture(const MenuPictures& pictures, const Rect& shown);
    const Bitmap& body(const ButtonFace& face, const Bitmap* picture);
    const Bitmap& shadow(const ButtonFace& face);
    void paintTitleBand(const MenuDescription& menu, const MenuLayout& layout, Canvas& canvas);
    void paintUnderline(const MenuDescription& menu, const MenuLayout& layout, Canvas& canvas);
    void paintSocialLogos(const MenuDescription& menu, const MenuLayout& layout, Canvas& canvas);

    std::optional<BackgroundKey> backgroundKey_;
    Bitmap background_;
    std::map<ButtonFace, Bitmap> bodies_;
    std::map<ButtonFace, Bitmap> shadows_;
    struct ScaledKey {
        int pictures, width, height;
        bool operator==(const ScaledKey&) const = default;
    };
    std::optional<ScaledKey> scaledKey_;
    Bitmap scaled_;
    std::map<std::string, Bitmap> titleEffects_;  // band, underline and logos by their look
};

}  // namespace orv::shell
