#include "shell/menu_description.h"

#include <algorithm>
#include <cctype>

#include "model/ansi_codec.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "model/scramble.h"
#include "model/unicode_text.h"

namespace orv::shell {

namespace {

// More entries than any editor writes; keeps a damaged count from allocating without end.
constexpr long MaxEntries = 1000;

class SectionReader {
public:
    SectionReader(const ProfileDocument& doc, std::string_view section) : doc_(doc), section_(section) {}

    std::string text(std::string_view key, const std::string& fallback = {}) const
    {
        const std::string* v = doc_.find(section_, key);
        return v ? *v : fallback;
    }
    std::string decoded(std::string_view key, const std::string& fallback = {}) const
    {
        const std::string* v = doc_.find(section_, key);
        return v ? DecodeUnicodeText(*v) : fallback;
    }
    long number(std::string_view key, long fallback) const
    {
        const std::string* v = doc_.find(section_, key);
        return v ? ProfileNumberOf(*v) : fallback;
    }
    int integer(std::string_view key, int fallback) const
    {
        return static_cast<int>(std::clamp<long>(number(key, fallback), -100000, 100000));
    }
    WinColour colour(std::string_view key, WinColour fallback) const
    {
        const std::string* v = doc_.find(section_, key);
        if (!v)
            return fallback;
        return static_cast<WinColour>(ProfileNumberOf(*v)) & 0xFFFFFFu;
    }
    bool flag(std::string_view key, bool fallback) const
    {
        const std::string* v = doc_.find(section_, key);
        return v ? ProfileNumberOf(*v) == 1 : fallback;
    }
    bool has(std::string_view key) const { return doc_.find(section_, key) != nullptr; }

private:
    const ProfileDocument& doc_;
    std::string_view section_;
};

bool hasEndLine(const std::string& text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line == "-(EOF)-")
            return true;
        pos = end + 1;
    }
    return false;
}

// A title row written into a project file still carries its dashes: "- Games -".
std::string withoutTitleDashes(std::string text)
{
    if (text.size() >= 4 && text.compare(0, 2, "- ") == 0 && text.compare(text.size() - 2, 2, " -") == 0)
        text = text.substr(2, text.size() - 4);
    return text;
}

FontSpec readFont(const SectionReader& s, std::string_view prefix, const FontSpec& fallback)
{
    const std::string p(prefix);
    FontSpec f;
    f.name = s.text(p + "FontName", fallback.name);
    if (f.name.empty())
        f.name = fallback.name;
    f.size = s.integer(p + "FontSize", fallback.size);
    if (f.size <= 0 || f.size > 400)
        f.size = fallback.size;
    f.bold = s.flag(p + "FontBold", fallback.bold);
    f.italic = s.flag(p + "FontItalic", fallback.italic);
    return f;
}

void readEntry(const ProfileDocument& doc, int n, MenuEntry& e)
{
    SectionReader s(doc, "ButtonData");
    const std::string k = "Button" + std::to_string(n);
    e.number = n;
    e.command = s.text(k + "Cmd");
    e.titleRow = e.command.empty() || e.command == "(Title)";
    e.text = s.decoded(k + "Text");
    if (e.titleRow) {
        e.command.clear();
        e.text = withoutTitleDashes(e.text);
    }
    e.link = s.text(k + "Link");
    e.tip = s.decoded(k + "Tip");
    e.parameters = s.text(k + "AppParam");
    e.waitInfoText = s.decoded(k + "WaitInfoText");
    e.hidden = s.text(k + "Hide") == "1";
    e.runMaximized = s.text(k + "RunProgramMaximized") == "1";

    e.ownColours = s.text(k + "BCUse") == "1";
    e.textColour = s.colour(k + "BC1", 0);
    e.frameColour = s.colour(k + "BC3", 0);
    e.backColour = s.colour(k + "BC4", 0);

    e.passwordProtected = UnscrambleText(s.text(k + "PA")) == "1";
    if (e.passwordProtected) {
        e.passwordVerifier = s.text(k + "PV");
        e.legacyPassword = s.has(k + "PB");
        e.password = UnscrambleText(s.text(k + "PB"));
        e.maskPassword = s.text(k + "PC") == "1";
        e.encrypted = s.text(k + "PD") == "1";
        e.passwordTitle = s.text(k + "PswDlgTitle");
        e.passwordText = s.text(k + "PswDlgText");
        e.wrongPasswordTitle = s.text(k + "PswIsWrongTitle");
        e.wrongPasswordText = s.text(k + "PswIsWrongText");
    }
}

}  // namespace

std::vector<MenuEntry> MenuDescription::visibleEntries() const
{
    std::vector<MenuEntry> shown;
    for (const MenuEntry& e : entries)
        if (e.titleRow || !e.hidden)
            shown.push_back(e);
    return shown;
}

MenuReadResult parseMenuDescription(const std::string& utf8Text)
{
    MenuReadResult result;
    const ProfileDocument doc = ProfileDocument::parse(utf8Text);
    if (!doc.hasSection("MainWindow") || !hasEndLine(utf8Text)) {
        result.status = MenuReadStatus::Damaged;
        return result;
    }

    MenuDescription& m = result.menu;

    SectionReader win(doc, "MainWindow");
    m.caption = win.text("CaptionText", m.caption);
    m.width = std::clamp(win.integer("Width", m.width), 50, 10000);
    m.height = std::clamp(win.integer("Height", m.height), 50, 10000);
    m.backColour = win.colour("BackColor", m.backColour);
    m.backColour2 = win.colour("BackColor2", m.backColour2);
    m.toneDirection = win.integer("ToneDirection", m.toneDirection);
    m.blendDepth = std::clamp(win.integer("BlendDepth", m.blendDepth), 0, 100);
    m.showCaption = win.flag("ShowCaption", m.showCaption);
    m.showMinimizeButton = win.flag("ShowMinimizeButton", m.showMinimizeButton);
    m.showBorder = win.flag("ShowBorder", m.showBorder);
    m.alwaysOnTop = win.flag("WindowAlwaysTopmost", m.alwaysOnTop);

    SectionReader title(doc, "Title");
    m.title.text = title.decoded("TitleText", "Title");
    m.title.font = readFont(title, "Title", FontSpec{"Times New Roman", 26, true, true});
    m.title.colour = title.colour("TitleForeColor", 65535);
    m.title.alignment = std::clamp(title.integer("TitleAlignment", 1), 1, 3);
    m.title.shadow = title.flag("TitleShadow", true);
    m.title.charSpacing = std::clamp(title.integer("TitleCharInterSpace", 0), 0, 100);

    SectionReader sub(doc, "SubTitle");
    m.subtitle.text = sub.decoded("SubTitleText");
    m.subtitle.font = readFont(sub, "SubTitle", FontSpec{"Arial", 14, false, false});
    m.subtitle.colour = sub.colour("SubTitleColor", 8421631);
    m.subtitle.alignment = m.title.alignment;
    m.subtitle.charSpacing = std::clamp(sub.integer("SubTitleCharInterSpace", 0), 0, 100);

    SectionReader but(doc, "Buttons");
    ButtonLook& b = m.buttons;
    b.width = std::clamp(but.integer("ButtonWidth", b.width), 10, 5000);
    b.height = std::clamp(but.integer("ButtonHeight", b.height), 8, 2000);
    b.style = but.integer("ButtonStyle", b.style);
    b.alignment = std::clamp(but.integer("ButtonAlignment", b.alignment), 1, 4);
    b.textAlignment = std::clamp(but.integer("ButtonTextAlignment", b.textAlignment), 1, 3);
    b.font = readFont(but, "Button", FontSpec{"Arial", 12, true, false});
    b.foreColour = but.colour("ButtonForeColor", b.foreColour);
    b.frameColour = but.colour("ButtonFrameColor", b.frameColour);
    b.backColour = but.colour("ButtonBackColor", b.backColour);
    b.separateFrameColour = but.flag("SeparateFrameAndCharColor", b.separateFrameColour);
    b.activeFrame = but.integer("UseActiveButtonFrame", 1) != 0;
    b.activeFrameColour = but.colour("ActiveButtonFrameColor", b.activeFrameColour);

    SectionReader rows(doc, "ButtonTitles");
    m.titleRowFont = readFont(rows, "ButtonTitle_", FontSpec{"Arial", 10, false, false});
    m.titleRowColour = rows.colour("ButtonTitle_TextColor", m.titleRowColour);

    m.appIcon = SectionReader(doc, "AppIcon").integer("AppIconIndex", 1);
    if (m.appIcon < 1 || m.appIcon > 8)
        m.appIcon = 1;

    SectionReader texts(doc, "Text");
    m.okText = texts.text("ButtonOK_Text");
    if (m.okText.empty())
        m.okText = "OK";
    m.closeText = texts.text("ButtonClose_Text");
    if (m.closeText.empty())
        m.closeText = "Close";

    const long count = std::clamp(but.number("NrButtons", 0), 0L, MaxEntries);
    SectionReader data(doc, "ButtonData");
    for (int n = 1; n <= count; ++n) {
        const std::string k = "Button" + std::to_string(n);
        if (!data.has(k + "Text") && !data.has(k + "Cmd"))
            continue;  // an entry the file does not hold
        MenuEntry e;
        readEntry(doc, n, e);
        m.entries.push_back(std::move(e));
    }

    result.status = MenuReadStatus::Ok;
    return result;
}

MenuReadResult readMenuDescription(const std::string& file)
{
    MenuReadResult result;
    if (!FileExists(file)) {
        result.status = MenuReadStatus::Missing;
        return result;
    }
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) {
        result.status = MenuReadStatus::Unreadable;
        return result;
    }
    return parseMenuDescription(AnsiToUtf8(bytes));
}

}  // namespace orv::shell
