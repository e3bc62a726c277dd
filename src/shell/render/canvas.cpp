#include "shell/render/canvas.h"

#include "shell/layout/menu_layout.h"

namespace orv::shell {

int estimatedTextWidth(const TextRun& run)
{
    int characters = 0;
    for (const char c : run.text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // UTF-8 lead bytes
    return (characters * fontPixels(run.font.size) * 11 + 10) / 20 + characters * run.letterSpacing;
}

int Canvas::textWidth(const TextRun& run)
{
    return estimatedTextWidth(run);
}

}  // namespace orv::shell
