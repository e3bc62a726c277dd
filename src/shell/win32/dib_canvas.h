// The Windows menu program's drawing surface: a 32-bit top-down DIB section that the
// window copies to the screen. The menu's bitmaps are blended into its pixels by the same
// arithmetic on every system; text goes through GDI, so fonts that the menu loads
// privately (AddFontResourceEx) are found, and letter spacing is GDI's own.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "shell/render/canvas.h"

namespace orv::shell {

class DibCanvas final : public Canvas {
public:
    DibCanvas();
    ~DibCanvas() override;
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    // Makes the surface this size (its content is then undefined).
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    HDC dc() const { return dc_; }
    // The pixels, 0x00RRGGBB row after row from the top (valid after resize).
    const std::uint32_t* pixels() const { return pixels_; }

    void drawBitmap(int x, int y, const Bitmap& bitmap) override;
    void drawText(const TextRun& run) override;
    int textWidth(const TextRun& run) override;

private:
    HFONT font(const FontSpec& spec, int points, bool underline);
    // Selects the run's font and spacing into the DC, smaller (to 6 points) until a line that
    // must fit does; returns the object that was selected before.
    HGDIOBJ selectFittedFont(const TextRun& run, const std::wstring& text);
    std::wstring familyOf(const std::string& name);

    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0, height_ = 0;
    std::map<std::wstring, HFONT> fonts_;
    std::map<std::string, std::wstring> families_;
};

// The family to draw a font name with: the name itself when this system (or the menu's
// private fonts) has it, otherwise a family that is always there, so that a missing
// font never leaves a text undrawn.
std::wstring availableFamily(HDC dc, const std::wstring& name);

}  // namespace orv::shell
