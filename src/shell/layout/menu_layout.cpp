#include "shell/layout/menu_layout.h"

#include <algorithm>

#include "shell/look/button_face.h"
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
constexpr int ArrowGap = 4;     // between a caption and the arrow after it
constexpr int SmallestButton = 20;

// An entry's own place in the flow; row counts the rows of the flow from 0.
struct Slot {
    std::size_t entry;
    Rect rect;
    int row;
    bool titleRow = false;
};

// The margin between a button's edge and its caption: a quarter of its height, at least 4.
int captionMargin(int height) { return std::max(4, height / 4); }

// The arrow: a third of the height tall, half as wide plus one.
int arrowHeight(int height) { return std::max(3, height / 3); }
int arrowWidth(int height) { return arrowHeight(height) / 2 + 1; }

bool opensMenu(const ButtonLook& look, const MenuEntry& entry)
{
    return look.arrow && entry.command == "Open New Menu" && look.style != ImageHotspotStyle;
}

// The width that fits the longest caption with its margins (and the arrow where there is one).
int autoWidth(const MenuDescription& menu, int height)
{
    if (menu.buttons.style == ImageHotspotStyle)
        return menu.buttons.width;  // hotspots show no caption
    int widest = 0;
    for (const MenuEntry& entry : menu.entries) {
        if (entry.titleRow || entry.hidden)
            continue;
        int width = estimatedTextWidth(entry.text, menu.buttons.font) + 2 * captionMargin(height);
        if (opensMenu(menu.buttons, entry))
            width += arrowWidth(height) + ArrowGap;
        widest = std::max(widest, width);
    }
    return widest > 0 ? std::max(widest, SmallestButton) : menu.buttons.width;
}

// The caption's area inside the button, ending before the arrow.
void captionArea(EntryBox& box, const ButtonLook& look, const MenuEntry& entry)
{
    const Rect& r = box.rect;
    const int margin = captionMargin(r.height);
    int right = r.right() - margin;
    if (opensMenu(look, entry)) {
        const int height = arrowHeight(r.height), width = arrowWidth(r.height);
        box.arrow = Rect{right - width, r.y + (r.height - height) / 2, width, height};
        right = box.arrow->x - ArrowGap;
    }
    box.text = Rect{r.x + margin, r.y, std::max(0, right - r.x - margin), r.height};
}

std::string rectText(const Rect& r)
{
    return std::to_string(r.x) + ' ' + std::to_string(r.y) + ' ' + std::to_string(r.width) + ' ' +
           std::to_string(r.height);
}

// Each entry moved from its place by its rule, in the order of the file; rows: the number
// of rows of the flow.
std::vector<Rect> placeEntries(const MenuDescription& menu, const std::vector<Slot>& slots, int rows, int clientWidth)
{
    std::vector<Rect> placed;
    struct PlacedRow {
        bool started = false;
        int dx = 0;      // how far its first entry was moved sideways
        int bottom = 0;  // the lowest bottom of its entries
    };
    std::vector<PlacedRow> placedRows(static_cast<std::size_t>(rows));
    int lineLeft = 0, lineBottom = 0;  // the line of entries placed side by side as next free
    const auto overlapping = [&](const Rect& r) -> const Rect* {
        for (const Rect& other : placed)
            if (r.x < other.right() && other.x < r.right() && r.y < other.bottom() && other.y < r.bottom())
                return &other;
        return nullptr;
    };
    for (std::size_t n = 0; n < slots.size(); ++n) {
        const Slot& slot = slots[n];
        const MenuEntry& entry = menu.entries[slot.entry];
        Rect r = slot.rect;
        // A title row follows the entry before it; offsets count for the first three rules.
        Placement rule = slot.titleRow ? Placement::AfterPrevious : entry.placement;
        const bool offset = !slot.titleRow && (rule == Placement::Default || rule == Placement::AfterPrevious ||
                                               rule == Placement::Absolute);
        const int dx = offset ? entry.deltaX : 0, dy = offset ? entry.deltaY : 0;
        if (n == 0 && rule != Placement::Absolute)
            rule = Placement::Default;  // nothing before it: its own place
        bool besideInLine = false;
        if (rule == Placement::Default) {
            r.x += dx;
            r.y += dy;
        } else if (rule == Placement::Absolute) {
            r.x = dx;
            r.y = dy;
        } else if (rule == Placement::NextFree) {
            const Rect& previous = placed[n - 1];
            const Rect beside{previous.right() + ButtonGap, previous.y, r.width, r.height};
            if (beside.right() <= clientWidth - Margin && !overlapping(beside)) {
                r = beside;
                besideInLine = true;
            } else {  // below the line, past whatever stands there
                r.x = lineLeft;
                r.y = lineBottom + ButtonGap;
                while (const Rect* other = overlapping(r))
                    r.y = other->bottom() + ButtonGap;
            }
        } else {
            // Where the flow puts it after the entry before it as that one was placed: beside
            // it in its row, or below that row, moved sideways as the row was.
            const Slot& before = slots[n - 1];
            const Rect& previous = placed[n - 1];
            const bool gap = rule == Placement::AfterPrevious;
            if (slot.row == before.row) {
                r.x = previous.right() + (gap ? ColumnGap : 0);
                r.y = previous.y;
            } else {
                const PlacedRow& above = placedRows[static_cast<std::size_t>(before.row)];
                r.x += above.dx;
                r.y = above.bottom + (gap ? ButtonGap : 0);
            }
            r.x += dx;
            r.y += dy;
        }
        placed.push_back(r);

        PlacedRow& own = placedRows[static_cast<std::size_t>(slot.row)];
        if (!own.started)
            own = PlacedRow{true, r.x - slot.rect.x, r.bottom()};
        own.bottom = std::max(own.bottom, r.bottom());
        if (besideInLine) {
            lineBottom = std::max(lineBottom, r.bottom());
        } else {
            lineLeft = r.x;
            lineBottom = r.bottom();
        }
    }
    return placed;
}

}  // namespace

const EntryBox* MenuLayout::buttonAt(int x, int y) const
{
    for (auto box = entries.rbegin(); box != entries.rend(); ++box)
        if (!box->titleRow && box->rect.contains(x, y))
            return &*box;
    return nullptr;
}

const EntryBox* MenuLayout::boxOf(std::size_t entry) const
{
    for (const EntryBox& box : entries)
        if (box.entry == entry)
            return &box;
    return nullptr;
}

int estimatedTextWidth(const std::string& text, const FontSpec& font)
{
    long long characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80 || (c == '&' && i > 0 && text[i - 1] == '&'))
            continue;  // a UTF-8 continuation byte, or the second of a doubled ampersand
        ++characters;
    }
    return static_cast<int>((characters * fontPixels(font.size) * (font.bold ? 60 : 55) + 99) / 100);
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
    const int buttonHeight = std::max(0, look.height);
    const int buttonWidth = std::clamp(look.autoSize ? autoWidth(menu, buttonHeight) : look.width, 0,
                                       columnRoom);  // narrowed to the room
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
        // Stretched to the size the author gave, else at its own size.
        const MenuPicture& p = menu.picture;
        const int width = p.stretch ? p.width : pictures.pictureWidth;
        const int height = p.stretch ? p.height : pictures.pictureHeight;
        layout.picture = Rect{look.alignment == 3 ? Margin : Margin + room - width, y, width, height};
    }

    // The flow: every shown entry's own place, row by row, the rows as high as their
    // highest entry. A picture hotspot may take its picture's size.
    std::vector<Slot> slots;
    int column = 0, row = 0, rowHeight = 0;
    for (std::size_t i = 0; i < menu.entries.size(); ++i) {
        const MenuEntry& entry = menu.entries[i];
        if (entry.hidden && !entry.titleRow)
            continue;
        if (entry.titleRow) {
            if (column != 0) {  // a heading starts a row of its own
                y += rowHeight + ButtonGap;
                ++row;
            }
            slots.push_back(Slot{i, Rect{left, y, gridWidth, headingHeight}, row++, true});
            y += headingHeight + ButtonGap;
            column = rowHeight = 0;
            continue;
        }
        int width = buttonWidth, height = buttonHeight;
        const PictureSizes::Size own = i < pictures.buttons.size() ? pictures.buttons[i] : PictureSizes::Size{};
        if (look.style == ImageHotspotStyle && entry.usePictureSize && own.width > 0 && own.height > 0) {
            width = own.width;
            height = own.height;
        }
        const int x = twoColumns             ? left + column * (buttonWidth + ColumnGap)
                      : look.alignment == 1 ? Margin
                      : look.alignment == 3 ? Margin + room - width
                                            : Margin + (room - width) / 2;
        slots.push_back(Slot{i, Rect{x, y, width, height}, row});
        rowHeight = std::max(rowHeight, height);
        if (++column == (twoColumns ? 2 : 1)) {
            y += rowHeight + ButtonGap;
            ++row;
            column = rowHeight = 0;
        }
    }

    const std::vector<Rect> placed = placeEntries(menu, slots, row + 1, clientWidth);
    for (std::size_t n = 0; n < slots.size(); ++n) {
        const Slot& slot = slots[n];
        const Rect& r = placed[n];
        if (r.bottom() > bottom)
            continue;  // no scrolling: it lies below the window (or over the social-media logos)
        EntryBox box{slot.entry, r, slot.titleRow, r, std::nullopt};
        if (!slot.titleRow)
            captionArea(box, look, menu.entries[slot.entry]);
        layout.entries.push_back(box);
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
    for (const EntryBox& box : layout.entries) {
        const std::string number = std::to_string(box.entry + 1);
        text += (box.titleRow ? "heading " : "entry ") + number + ' ' + rectText(box.rect) + '\n';
        if (box.arrow)
            text += "arrow " + number + ' ' + rectText(*box.arrow) + '\n';
    }
    for (std::size_t i = 0; i < layout.socialLogos.size(); ++i)
        text += "social " + std::to_string(i + 1) + ' ' + rectText(layout.socialLogos[i]) + '\n';
    return text;
}

}  // namespace orv::shell
