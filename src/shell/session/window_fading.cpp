#include "shell/session/window_fading.h"

#include <algorithm>
#include <array>

namespace orv::shell {

int fadeMilliseconds(int speed)
{
    constexpr std::array<int, 5> durations = {2400, 1600, 1000, 600, 300};
    return speed >= 0 && speed < static_cast<int>(durations.size()) ? durations[static_cast<std::size_t>(speed)] : 0;
}

int windowAlpha(const WindowEffects& effects)
{
    if (!effects.on)
        return 255;
    const int level = std::clamp(effects.transparency, 0, 90);
    return (255 * (100 - level) + 50) / 100;
}

bool fadesIn(const WindowEffects& effects)
{
    return effects.on && fadeMilliseconds(effects.fadingSpeed) > 0;
}

int fadeAlpha(const WindowEffects& effects, int elapsedMilliseconds)
{
    const int full = windowAlpha(effects);
    if (!fadesIn(effects))
        return full;
    const int duration = fadeMilliseconds(effects.fadingSpeed);
    const int elapsed = std::clamp(elapsedMilliseconds, 0, duration);
    return (full * elapsed + duration / 2) / duration;
}

}  // namespace orv::shell
