#include "shell/layout/menu_layout.h"

#include <algorithm>

#include "shell/look/picture.h"

namespace orv::shell {

namespace {

constexpr int Margin = 20;
constexpr int LineGap = 6;     // between title and subtitle
constexpr int TextGap = 12;    // between the texts and the first entry
constexpr int ButtonGap = 8;   // between rows of entries
constexpr int ColumnGap = 16;  // between the two columns
constexpr int PictureGap = 12;  // between a picture and the texts or buttons beside it
constexpr int UnderlineGap = 4;  // between the title's letters and the line under them
constexpr int SocialInset = 12;  // between the row of social-media logos and the window's edges

std::string rectText(const Rect& r)
{
    return std::to_string(r.x) + ' ' + std::to_string(r.y) + ' ' + std::to_string(r.width) + ' ' +
           std::to_string(r.height);
}

}  // namespace

const EntryBox* MenuLayout::buttonAt(int x, int y) const
{
    for (const EntryBox& box : entries)
        if (!box.titleRow && box.rect.contains(x, y))
            return &box;
    return nullptr;
}

const EntryBox* MenuLayout::boxOf(std::size_t entry) const
{
    for (const EntryBox& box : entries)
        if (box.entry == entry)
            return &box;
    return nullptr;
}

int fontPixels(int points)
{
    if (points <= 0)
        points = 10;
    return (points * 4 + 1) / 3;  // points * 96 / 72, rounded
}

int lineHeight(const FontSpec& font)
{
    const int pixels = fontPixels(font.size);
    return pixels + pixels / 2;
}

int titleBandBottom(const MenuLayout& layout)
{
    const std::optional<Rect>& last = layout.subtitle ? layout.subtitle : layout.title;
    if (!last)
        return 0;
    return std::max(last->bottom(), layout.underline ? layout.underline->bottom() : 0) + TextGap / 2;
}

MenuLayout layoutMenu(const MenuDescription& menu, int clientWidth, int clientHeight, const PictureSizes& pictures)
{
    MenuLayout layout;
    layout.window = Rect{0, 0, clientWidth, clientHeight};
    const int room = std::max(0, clientWidth - 2 * Margin);

    int textLeft = Margin, textRoom = room;
    if (pictures.logotypeWidth > 0 && pictures.logotypeHeight > 0) {
        const int width = pictures.logotypeWidth;
        layout.logotype = Rect{menu.logotype.left ? Margin : Margin + room - width, Margin, width,
                               pictures.logotypeHeight};
        textRoom = std::max(0, room - width - PictureGap);
        if (menu.logotype.left)
            textLeft = Margin + width + PictureGap;
    }

    int y = Margin;
    const auto placeText = [&](const TextLine& line, std::optional<Rect>& slot) {
        if (line.text.empty())
            return;
        if (layout.title)  // the subtitle below a title
            y += LineGap;
        slot = Rect{textLeft, y, textRoom, lineHeight(line.font)};
        y = slot->bottom();
    };
    placeText(menu.title, layout.title);
    const TitleEffects& effects = menu.titleEffects;
    if (layout.title && effects.underline >= 1 && effects.underline <= 3) {
        // The letters fill the middle of the line; the line keeps clear of their bottom.
        const Rect& t = *layout.title;
        layout.underline =
            Rect{t.x, t.y + (t.height + fontPixels(menu.title.font.size)) / 2 + UnderlineGap, t.width,
                 std::max(1, effects.underlineHeight)};
        y = std::max(y, layout.underline->bottom());
    }
    if (layout.title && (effects.lines || effects.metalPlate)) {
        // Grown or shrunk by the adjustment equally above and below the title.
        const Rect& t = *layout.title;
        layout.titleBand = Rect{0, t.y - effects.bandAdjust / 2, clientWidth, std::max(1, t.height + effects.bandAdjust)};
    }
    placeText(menu.subtitle, layout.subtitle);
    if (layout.title || layout.subtitle)
        y += TextGap;
    if (layout.logotype)
        y = std::max(y, layout.logotype->bottom() + TextGap);

    int bottom = clientHeight;  // the entries end above the social-media logos
    if (!menu.socialLogos.empty()) {
        const int count = static_cast<int>(menu.socialLogos.size());
        const int top = clientHeight - SocialInset - SocialLogoSize;
        int x = clientWidth - SocialInset - count * SocialLogoSize - (count - 1) * SocialLogoGap;
        for (int i = 0; i < count; ++i, x += SocialLogoSize + SocialLogoGap)
            layout.socialLogos.push_back(Rect{x, top, SocialLogoSize, SocialLogoSize});
        bottom = top - ButtonGap;
    }

    const ButtonLook& look = menu.buttons;
    const bool twoColumns = look.alignment == 4;
    const int columnRoom = twoColumns ? std::max(0, (room - ColumnGap) / 2) : room;
    const int buttonWidth = std::clamp(look.width, 0, columnRoom);  // narrowed to the room
    const int buttonHeight = std::max(0, look.height);
    const int gridWidth = twoColumns ? 2 * buttonWidth + ColumnGap : buttonWidth;
    const int left = look.alignment == 1   ? Margin
                     : look.alignment == 3 ? Margin + room - gridWidth
                                           : Margin + (room - gridWidth) / 2;
    const int headingHeight = std::max(buttonHeight * 2 / 3, lineHeight(menu.titleRowFont));

    const bool sideFree = look.alignment == 1 || look.alignment == 3;
    if (sideFree && !menu.movie.file.empty()) {
        const MenuMovie& mv = menu.movie;
        layout.movie = Rect{look.alignment == 3 ? Margin : Margin + room - mv.width, y, mv.width, mv.height};
    }
    if (pictures.pictureWidth > 0 && pictures.pictureHeight > 0 && sideFree) {
        const MenuPicture& p = menu.picture;
        const Rect box{look.alignment == 3 ? Margin : Margin + room - p.width, y, p.width, p.height};
        Rect shown = p.stretch ? box : fitWithin(pictures.pictureWidth, pictures.pictureHeight, box);
        if (look.alignment == 1)
            shown.x = box.right() - shown.width;  // against the right margin
        layout.picture = shown;
    }

    int column = 0;
    for (std::size_t i = 0; i < menu.entries.size(); ++i) {
        const MenuEntry& entry = menu.entries[i];
        if (entry.hidden && !entry.titleRow)
            continue;
        if (entry.titleRow && column != 0) {  // a heading starts a row of its own
            column = 0;
            y += buttonHeight + ButtonGap;
        }
        const Rect rect = entry.titleRow ? Rect{left, y, gridWidth, headingHeight}
                                         : Rect{left + column * (buttonWidth + ColumnGap), y, buttonWidth, buttonHeight};
        if (rect.bottom() > bottom)
            break;  // no scrolling: this and all later entries are below the window
        layout.entries.push_back(EntryBox{i, rect, entry.titleRow});
        if (entry.titleRow) {
            y += headingHeight + ButtonGap;
        } else if (++column == (twoColumns ? 2 : 1)) {
            column = 0;
            y += buttonHeight + ButtonGap;
        }
    }
    return layout;
}

std::string layoutText(const MenuLayout& layout)
{
    std::string text = "window " + rectText(layout.window) + '\n';
    if (layout.titleBand)
        text += "titleband " + rectText(*layout.titleBand) + '\n';
    if (layout.title)
        text += "title " + rectText(*layout.title) + '\n';
    if (layout.underline)
        text += "underline " + rectText(*layout.underline) + '\n';
    if (layout.subtitle)
        text += "subtitle " + rectText(*layout.subtitle) + '\n';
    if (layout.logotype)
        text += "logotype " + rectText(*layout.logotype) + '\n';
    if (layout.picture)
        text += "picture " + rectText(*layout.picture) + '\n';
    if (layout.movie)
        text += "movie " + rectText(*layout.movie) + '\n';
    for (const EntryBox& box : layout.entries)
        text += (box.titleRow ? "heading " : "entry ") + std::to_string(box.entry + 1) + ' ' + rectText(box.rect) + '\n';
    for (std::size_t i = 0; i < layout.socialLogos.size(); ++i)
        text += "social " + std::to_string(i + 1) + ' ' + rectText(layout.socialLogos[i]) + '\n';
    return text;
}

}  // namespace orv::shell
