// How the menu window fades in and how transparent it stays, as an alpha of 0..255 that
// both front ends hand to their window system (window opacity, a layered window).
#pragma once

#include "shell/menu_description.h"

namespace orv::shell {

// The step of the fading timer.
inline constexpr int FadeTimerMilliseconds = 15;

// How long the fading lasts at a speed: 0 "very slow" .. 4 "fast"; 5 "show immediately"
// and any other value does not fade.
int fadeMilliseconds(int speed);

// The alpha the window keeps once shown: 255 without the effects, else less by the
// transparency level.
int windowAlpha(const WindowEffects& effects);

// The alpha after that many milliseconds of fading: rising evenly from 0 to windowAlpha.
int fadeAlpha(const WindowEffects& effects, int elapsedMilliseconds);

// The window fades in at all.
bool fadesIn(const WindowEffects& effects);

}  // namespace orv::shell
