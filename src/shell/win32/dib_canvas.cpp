#include "shell/win32/dib_canvas.h"

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "shell/layout/menu_layout.h"

namespace orv::shell {

namespace {

// Families every Windows has, tried in order when a menu names one that is missing.
constexpr const wchar_t* FallbackFamilies[] = {L"Arial", L"Tahoma", L"Segoe UI", L"MS Sans Serif"};

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

bool familyExists(HDC dc, const std::wstring& name)
{
    if (name.empty() || name.size() >= LF_FACESIZE)
        return false;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::copy(name.begin(), name.end(), query.lfFaceName);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

COLORREF colourRef(WinColour colour)
{
    return static_cast<COLORREF>(colour & 0xFFFFFFu);  // the same layout: red in the low byte
}

std::uint32_t blend(std::uint32_t under, std::uint32_t over)
{
    const std::uint32_t a = over >> 24;
    if (a == 255)
        return over & 0xFFFFFFu;
    if (a == 0)
        return under;
    auto mix = [a](std::uint32_t u, std::uint32_t o) { return (o * a + u * (255 - a) + 127) / 255; };
    const std::uint32_t r = mix((under >> 16) & 255, (over >> 16) & 255);
    const std::uint32_t g = mix((under >> 8) & 255, (over >> 8) & 255);
    const std::uint32_t b = mix(under & 255, over & 255);
    return (r << 16) | (g << 8) | b;
}

}  // namespace

std::wstring availableFamily(HDC dc, const std::wstring& name)
{
    if (familyExists(dc, name))
        return name;
    for (const wchar_t* family : FallbackFamilies)
        if (familyExists(dc, family))
            return family;
    return L"";  // GDI's own default face
}

DibCanvas::DibCanvas() : dc_(CreateCompatibleDC(nullptr)) {}

DibCanvas::~DibCanvas()
{
    for (auto& [key, handle] : fonts_)
        DeleteObject(handle);
    if (oldBitmap_)
        SelectObject(dc_, oldBitmap_);
    if (dib_)
        DeleteObject(dib_);
    DeleteDC(dc_);
}

void DibCanvas::resize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (dib_ && width == width_ && height == height_)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the menu's bitmaps are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        return;  // keep the old surface; the window paints what it can
    HGDIOBJ previous = SelectObject(dc_, dib);
    if (!oldBitmap_)
        oldBitmap_ = previous;
    else
        DeleteObject(previous);
    dib_ = dib;
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

void DibCanvas::drawBitmap(int x, int y, const Bitmap& bitmap)
{
    if (!pixels_)
        return;
    GdiFlush();  // GDI may still be writing text into the pixels
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + bitmap.width, width_), bottom = std::min(y + bitmap.height, height_);
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* from = bitmap.pixels.data() + static_cast<std::size_t>(row - y) * bitmap.width;
        std::uint32_t* to = pixels_ + static_cast<std::size_t>(row) * width_;
        for (int column = left; column < right; ++column)
            to[column] = blend(to[column], from[column - x]);
    }
}

std::wstring DibCanvas::familyOf(const std::string& name)
{
    auto it = families_.find(name);
    if (it == families_.end())
        it = families_.emplace(name, availableFamily(dc_, platform::widen(name))).first;
    return it->second;
}

HFONT DibCanvas::font(const FontSpec& spec, int points, bool underline)
{
    const std::wstring family = familyOf(spec.name);
    const std::wstring key = family + L'|' + std::to_wstring(points) + (spec.bold ? L"b" : L"") +
                             (spec.italic ? L"i" : L"") + (underline ? L"u" : L"");
    auto it = fonts_.find(key);
    if (it != fonts_.end())
        return it->second;
    // A negative height asks for the character height in pixels, as the layout counts it.
    HFONT handle = CreateFontW(-fontPixels(points), 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic, underline,
                               FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, family.c_str());
    fonts_.emplace(key, handle);
    return handle;
}

HGDIOBJ DibCanvas::selectFittedFont(const TextRun& run, const std::wstring& text)
{
    const int points = run.font.size > 0 ? run.font.size : 10;
    SetTextCharacterExtra(dc_, run.letterSpacing);
    HGDIOBJ previous = SelectObject(dc_, font(run.font, points, run.underline));
    if (run.shrinkToFit) {
        // Smaller, down to 6 points, until the line fits: a long caption stays whole.
        SIZE size{};
        for (int smaller = points - 1;
             smaller >= 6 && GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size) &&
             size.cx > run.box.width;
             --smaller)
            SelectObject(dc_, font(run.font, smaller, run.underline));
    }
    return previous;
}

int DibCanvas::textWidth(const TextRun& run)
{
    if (run.text.empty())
        return 0;
    const std::wstring text = platform::widen(run.text);
    HGDIOBJ previous = selectFittedFont(run, text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, previous);
    SetTextCharacterExtra(dc_, 0);
    return static_cast<int>(size.cx);
}

void DibCanvas::drawText(const TextRun& run)
{
    if (run.text.empty() || !pixels_)
        return;
    const std::wstring text = platform::widen(run.text);
    HGDIOBJ previous = selectFittedFont(run, text);
    SetTextColor(dc_, colourRef(run.colour));
    SetBkMode(dc_, TRANSPARENT);
    UINT format = DT_NOPREFIX | (run.align == HAlign::Centre  ? DT_CENTER
                                 : run.align == HAlign::Right ? DT_RIGHT
                                                              : DT_LEFT);
    RECT box{run.box.x, run.box.y, run.box.right(), run.box.bottom()};
    if (run.wrap) {
        // DrawText centres only single lines; measure the wrapped block and centre it.
        RECT measured = box;
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_WORDBREAK | DT_CALCRECT);
        const int offset = std::max(0, (run.box.height - static_cast<int>(measured.bottom - measured.top)) / 2);
        box.top += offset;
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &box, format | DT_WORDBREAK);
    } else {
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &box, format | DT_SINGLELINE | DT_VCENTER);
    }
    SelectObject(dc_, previous);
    SetTextCharacterExtra(dc_, 0);
}

}  // namespace orv::shell
