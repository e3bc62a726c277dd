#include "shell/render/menu_painter.h"

#include "shell/look/background.h"
#include "shell/look/social_logo.h"
#include "shell/look/title_effects.h"

namespace orv::shell {

namespace {

constexpr int ShadowOffset = 2;
constexpr WinColour ShadowColour = 0x202020;
constexpr std::size_t MaxCachedBodies = 256;

HAlign alignmentOf(int alignment)
{
    return alignment == 2 ? HAlign::Centre : alignment == 3 ? HAlign::Right : HAlign::Left;
}

TextRun textLineRun(const TextLine& line, const Rect& box)
{
    TextRun run;
    run.box = box;
    run.text = shownText(line.text);
    run.font = line.font;
    run.colour = line.colour;
    run.align = alignmentOf(line.alignment);
    run.letterSpacing = line.charSpacing;
    run.shrinkToFit = true;  // the layout gives one line
    return run;
}

void drawTextLine(const TextLine& line, const std::optional<Rect>& box, Canvas& canvas)
{
    if (!box)
        return;
    TextRun run = textLineRun(line, *box);
    if (line.shadow) {
        TextRun shadow = run;
        shadow.box.x += ShadowOffset;
        shadow.box.y += ShadowOffset;
        shadow.colour = ShadowColour;
        canvas.drawText(shadow);
    }
    canvas.drawText(run);
}

// A bitmap kept by a key that names its look; the cache is emptied when it grows large (a
// window being resized makes a new size at every step).
template <typename Make>
const Bitmap& cachedBitmap(std::map<std::string, Bitmap>& cache, const std::string& key, Make make)
{
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    if (cache.size() >= MaxCachedBodies)
        cache.clear();
    return cache.emplace(key, make()).first->second;
}

}  // namespace

ButtonState buttonState(const EntryStates& states, std::size_t entry)
{
    ButtonState state;
    state.hover = states.hover == entry;
    state.pressed = state.hover && states.pressed == entry;
    state.focus = states.focus == entry;
    return state;
}

std::string shownText(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        shown += text[i];
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            ++i;
    }
    return shown;
}

const Bitmap& MenuPainter::background(const MenuDescription& menu, const MenuLayout& layout,
                                      const MenuPictures& pictures)
{
    const int width = layout.window.width, height = layout.window.height, band = titleBandBottom(layout);
    const BackgroundKey key{width,           height,           menu.toneDirection, menu.blendDepth, menu.backColour,
                            menu.backColour2, pictures.id, band};
    if (backgroundKey_ != key) {
        background_ = renderBackground(menu, width, height);
        placeBackgroundPicture(background_, pictures.background, menu.background, band);
        backgroundKey_ = key;
    }
    return background_;
}

const Bitmap& MenuPainter::menuPicture(const MenuPictures& pictures, const Rect& shown)
{
    if (shown.width == pictures.picture.width && shown.height == pictures.picture.height)
        return pictures.picture;
    const ScaledKey key{pictures.id, shown.width, shown.height};
    if (scaledKey_ != key) {
        scaled_ = scaledPicture(pictures.picture, shown.width, shown.height);
        scaledKey_ = key;
    }
    return scaled_;
}

const Bitmap& MenuPainter::body(const ButtonFace& face, const Bitmap* picture)
{
    auto found = bodies_.find(face);
    if (found != bodies_.end())
        return found->second;
    if (bodies_.size() >= MaxCachedBodies)
        bodies_.clear();
    return bodies_.emplace(face, renderButtonBody(face, picture)).first->second;
}

const Bitmap& MenuPainter::shadow(const ButtonFace& face)
{
    // The shadow depends on the shape only, not on the colours or the state.
    ButtonFace shape;
    shape.style = face.style;
    shape.width = face.width;
    shape.height = face.height;
    shape.effects = face.effects;
    auto found = shadows_.find(shape);
    if (found != shadows_.end())
        return found->second;
    if (shadows_.size() >= MaxCachedBodies)
        shadows_.clear();
    return shadows_.emplace(shape, renderButtonShadow(shape)).first->second;
}

void MenuPainter::paintTitleBand(const MenuDescription& menu, const MenuLayout& layout, Canvas& canvas)
{
    if (!layout.titleBand)
        return;
    const Rect& band = *layout.titleBand;
    const TitleEffects& fx = menu.titleEffects;
    const std::string key = "band " + std::to_string(band.width) + ' ' + std::to_string(band.height) + ' ' +
                            std::to_string(fx.metalPlate) + ' ' + std::to_string(fx.linesColour);
    canvas.drawBitmap(band.x, band.y,
                      cachedBitmap(titleEffects_, key, [&] { return renderTitleBand(fx, band.width, band.height); }));
}

void MenuPainter::paintUnderline(const MenuDescription& menu, const MenuLayout& layout, Canvas& canvas)
{
    if (!layout.underline || !layout.title)
        return;
    const TitleEffects& fx = menu.titleEffects;
    const int textWidth = fx.underlineTextOnly ? canvas.textWidth(textLineRun(menu.title, *layout.title)) : 0;
    const Rect line = underlineExtent(*layout.underline, textWidth, menu.title.alignment, fx.underlineTextOnly);
    const std::string key = "underline " + std::to_string(line.width) + ' ' + std::to_string(line.height) + ' ' +
                            std::to_string(fx.underline) + ' ' + std::to_string(fx.underlineColour1) + ' ' +
                            std::to_string(fx.underlineColour2);
    canvas.drawBitmap(line.x, line.y,
                      cachedBitmap(titleEffects_, key, [&] { return renderUnderline(fx, line.width, line.height); }));
}

void MenuPainter::paintSocialLogos(const MenuDescription& menu, const MenuLayout& layout, Canvas& canvas)
{
    for (std::size_t i = 0; i < layout.socialLogos.size() && i < menu.socialLogos.size(); ++i) {
        const Rect& box = layout.socialLogos[i];
        const int network = menu.socialLogos[i].network;
        const std::string key = "social " + std::to_string(network) + ' ' + std::to_string(box.width);
        canvas.drawBitmap(box.x, box.y,
                          cachedBitmap(titleEffects_, key, [&] { return renderSocialLogo(network, box.width); }));
        TextRun letters;
        letters.box = box;
        letters.text = socialLogoLetters(network);
        letters.font = FontSpec{"Arial", box.height * 9 / 20, true, false};  // 10 pt in a 24 px disc
        letters.colour = 0xFFFFFF;
        letters.align = HAlign::Centre;
        letters.shrinkToFit = true;
        if (!letters.text.empty())
            canvas.drawText(letters);
    }
}

void MenuPainter::paint(const MenuDescription& menu, const MenuLayout& layout, const EntryStates& states, Canvas& canvas,
                        const MenuPictures& pictures)
{
    canvas.drawBitmap(0, 0, background(menu, layout, pictures));
    paintTitleBand(menu, layout, canvas);
    if (layout.logotype)
        canvas.drawBitmap(layout.logotype->x, layout.logotype->y, pictures.logotype);
    if (layout.picture)
        canvas.drawBitmap(layout.picture->x, layout.picture->y, menuPicture(pictures, *layout.picture));
    paintSocialLogos(menu, layout, canvas);

    // The shadows first, so that no shadow falls on a neighbouring button.
    const auto pictureOf = [&](std::size_t entry) -> const Bitmap* {
        return entry < pictures.buttons.size() && pictures.buttons[entry].width > 0 ? &pictures.buttons[entry]
                                                                                   : nullptr;
    };
    std::vector<ButtonFace> faces;
    for (const EntryBox& box : layout.entries)
        if (!box.titleRow) {
            faces.push_back(buttonFace(menu.buttons, menu.entries[box.entry], buttonState(states, box.entry),
                                       box.rect.width, box.rect.height));
            if (pictureOf(box.entry))  // told apart from other entries' and other menus' pictures
                faces.back().picture = static_cast<long long>(pictures.id) << 20 | static_cast<long long>(box.entry + 1);
            if (const Bitmap& cast = shadow(faces.back()); cast.width > 0)
                canvas.drawBitmap(box.rect.x, box.rect.y, cast);
        }
    std::size_t next = 0;
    for (const EntryBox& box : layout.entries)
        if (!box.titleRow)
            canvas.drawBitmap(box.rect.x, box.rect.y, body(faces[next++], pictureOf(box.entry)));

    paintUnderline(menu, layout, canvas);
    drawTextLine(menu.title, layout.title, canvas);
    drawTextLine(menu.subtitle, layout.subtitle, canvas);

    for (const EntryBox& box : layout.entries) {
        const MenuEntry& entry = menu.entries[box.entry];
        if (!box.titleRow && menu.buttons.style == ImageHotspotStyle)
            continue;  // a hotspot shows no caption
        TextRun run;
        run.text = shownText(entry.text);
        run.align = alignmentOf(menu.buttons.textAlignment);
        run.shrinkToFit = true;
        if (box.titleRow) {
            run.box = box.rect;
            run.font = menu.titleRowFont;
            run.colour = menu.titleRowColour;
        } else {
            const int shift = buttonState(states, box.entry).pressed ? 1 : 0;  // the caption sinks in
            run.box = Rect{box.text.x + shift, box.text.y + shift, box.text.width, box.text.height};
            run.font = menu.buttons.font;
            run.colour = buttonTextColour(menu.buttons, entry);
            // A text-only button has no body to light up: its text is underlined instead.
            run.underline = menu.buttons.style == TextOnlyStyle && buttonState(states, box.entry).hover;
            if (box.arrow)
                canvas.drawBitmap(box.arrow->x + shift, box.arrow->y + shift,
                                  renderArrow(box.arrow->width, box.arrow->height, run.colour));
        }
        canvas.drawText(run);
    }
}

}  // namespace orv::shell
