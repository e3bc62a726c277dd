// The tabs of the editor's main window, in their order. The creation names them when it
// brings one to the front (a picture without a destination folder, a StickGuard button to
// edit); the editor builds its tab bar in this order.
#pragma once

namespace orv {

enum class MainTab {
    Window,
    Title,
    Buttons,
    ButtonsText,  // the button list, "Buttons (text)"
    Pictures,
    Sound,
    Movies,
    Version,
};
inline constexpr int MainTabCount = 8;

}  // namespace orv
