#include "shell/menu_description.h"

#include <algorithm>
#include <cctype>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "model/project_fields.h"
#include "model/scramble.h"
#include "model/unicode_text.h"

namespace orv::shell {

namespace {

// More entries than any editor writes; keeps a damaged count from allocating without end.
constexpr long MaxEntries = 1000;
// In [Buttons]: the editor's option to draw an arrow on buttons that open a menu.
constexpr const char* ArrowKey = "AddArrowToButton";

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
    WinColour colour(std::string_view key, WinColour fallback) const
    {
        const std::string* v = doc_.find(section_, key);
        if (!v)
            return fallback;
        return static_cast<WinColour>(ProfileNumberOf(*v)) & 0xFFFFFFu;
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

// The keys the menu description file shares with the project file, found through the
// project's key table; a missing key reads as the value of a new project.
class SharedKeys {
public:
    explicit SharedKeys(const ProfileDocument& doc) : doc_(doc) {}

    std::string text(std::string MenuProject::*member) const
    {
        const std::string* v = find(ProjectFieldOf(member));
        return v ? *v : fresh_.*member;
    }
    std::string decoded(std::string MenuProject::*member) const
    {
        const std::string* v = find(ProjectFieldOf(member));
        return v ? DecodeUnicodeText(*v) : fresh_.*member;
    }
    // A number held as text, an Int16 or an Int32, kept to -100000..100000.
    template <typename Member>
    int integer(Member member, long fallback) const
    {
        const std::string* v = find(ProjectFieldOf(member));
        return static_cast<int>(std::clamp<long>(v ? ProfileNumberOf(*v) : fallback, -100000, 100000));
    }
    int integer(std::string MenuProject::*member) const { return integer(member, ProfileNumberOf(fresh_.*member)); }
    int integer(std::int16_t MenuProject::*member) const { return integer(member, long{fresh_.*member}); }
    int integer(std::int32_t MenuProject::*member) const { return integer(member, long{fresh_.*member}); }
    // A number kept to the range of its key.
    template <typename Member>
    int bounded(Member member) const
    {
        const ProjectField& f = ProjectFieldOf(member);
        return std::clamp(integer(member), f.low, f.high);
    }
    WinColour colour(Colour MenuProject::*member) const
    {
        const std::string* v = find(ProjectFieldOf(member));
        return static_cast<WinColour>(v ? ProfileNumberOf(*v) : long{fresh_.*member}) & 0xFFFFFFu;
    }
    // Exactly 1 is on.
    bool flag(bool MenuProject::*member) const { return flagOf(ProjectFieldOf(member), fresh_.*member); }
    bool flag(std::int16_t MenuProject::*member) const { return flagOf(ProjectFieldOf(member), fresh_.*member == 1); }

private:
    const std::string* find(const ProjectField& f) const { return doc_.find(SectionName(f.section), f.key); }
    bool flagOf(const ProjectField& f, bool fallback) const
    {
        const std::string* v = find(f);
        return v ? ProfileNumberOf(*v) == 1 : fallback;
    }

    const ProfileDocument& doc_;
    const MenuProject fresh_;
};

// The members of one font.
struct FontMembers {
    std::string MenuProject::*name;
    std::int16_t MenuProject::*size;
    bool MenuProject::*bold;
    bool MenuProject::*italic;
};

FontSpec readFont(const SharedKeys& keys, const FontMembers& font)
{
    static const MenuProject fresh;
    FontSpec f;
    f.name = keys.text(font.name);
    if (f.name.empty())
        f.name = fresh.*font.name;
    f.size = keys.integer(font.size);
    const ProjectField& size = ProjectFieldOf(font.size);
    if (f.size < size.low || f.size > size.high)
        f.size = fresh.*font.size;
    f.bold = keys.flag(font.bold);
    f.italic = keys.flag(font.italic);
    return f;
}

void readEntry(const ProfileDocument& doc, int n, MenuEntry& e)
{
    SectionReader s(doc, ButtonDataSectionName);
    auto key = [n](int field) { return ButtonKey(n, ButtonFieldTable[static_cast<size_t>(field)].key); };
    e.number = n;
    e.command = s.text(key(FieldCmd));
    e.titleRow = e.command.empty() || e.command == "(Title)";
    e.text = s.decoded(key(FieldText));
    if (e.titleRow) {
        e.command.clear();
        e.text = withoutTitleDashes(e.text);
    }
    e.link = s.text(key(FieldLink));
    e.tip = s.decoded(key(FieldTip));
    e.parameters = s.text(key(FieldAppParam));
    e.waitInfoText = s.decoded(key(FieldWaitInfoText));
    e.hidden = s.text(key(FieldHide)) == "1";
    e.runMaximized = s.text(key(FieldRunProgramMaximized)) == "1";
    e.hoverSound = PictureFile{s.text(key(FieldHoverSound)), s.text(key(FieldHoverSoundFolder))};

    const long placement = s.number(key(FieldDeltaType), 1);
    e.placement = placement >= 1 && placement <= 5 ? static_cast<Placement>(placement) : Placement::Default;
    e.deltaX = static_cast<int>(std::clamp(s.number(key(FieldDeltaX), 0), -2000L, 2000L));
    e.deltaY = static_cast<int>(std::clamp(s.number(key(FieldDeltaY), 0), -2000L, 2000L));
    e.picture = PictureFile{s.text(key(FieldBmp)), s.text(key(FieldBmpFolder))};
    e.usePictureSize = s.text(key(FieldUseBmpSize)) == "1";
    const long transparency = s.number(key(FieldBmpTransType), 1);
    e.transparency = transparency == 2 || transparency == 3 ? static_cast<int>(transparency) : 1;

    e.ownColours = s.text(key(FieldBCUse)) == "1";
    e.textColour = s.colour(key(FieldBC1), 0);
    e.frameColour = s.colour(key(FieldBC3), 0);
    e.backColour = s.colour(key(FieldBC4), 0);

    e.passwordProtected = UnscrambleText(s.text(ButtonKey(n, MenuPswProtectKey))) == "1";
    if (e.passwordProtected) {
        e.passwordVerifier = s.text(ButtonKey(n, MenuPswVerifierKey));
        e.legacyPassword = s.has(ButtonKey(n, MenuLegacyPswKey));
        e.password = UnscrambleText(s.text(ButtonKey(n, MenuLegacyPswKey)));
        e.maskPassword = s.text(ButtonKey(n, MenuPswAsteriskKey)) == "1";
        e.encrypted = s.text(ButtonKey(n, MenuPswEncryptKey)) == "1";
        e.passwordTitle = s.text(key(FieldPswDlgTitle));
        e.passwordText = s.text(key(FieldPswDlgText));
        e.wrongPasswordTitle = s.text(key(FieldPswIsWrongTitle));
        e.wrongPasswordText = s.text(key(FieldPswIsWrongText));
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
    if (!doc.hasSection(SectionName(ProjectSection::MainWindow)) || !hasEndLine(utf8Text)) {
        result.status = MenuReadStatus::Damaged;
        return result;
    }

    MenuDescription& m = result.menu;
    using P = MenuProject;
    const SharedKeys keys(doc);

    m.caption = keys.text(&P::CaptionText);
    m.width = keys.bounded(&P::Width);
    m.height = keys.bounded(&P::Height);
    m.backColour = keys.colour(&P::BackColor);
    m.backColour2 = keys.colour(&P::BackColor2);
    // A file without a blend has one colour, whatever a new project starts with.
    m.toneDirection = keys.integer(&P::ToneDirection, m.toneDirection);
    const ProjectField& blend = ProjectFieldOf(&P::BlendDepth);
    m.blendDepth = std::clamp(keys.integer(&P::BlendDepth, m.blendDepth), blend.low, blend.high);
    m.showCaption = keys.flag(&P::ShowCaption);
    m.showMinimizeButton = keys.flag(&P::ShowMinimizeButton);
    m.showBorder = keys.flag(&P::ShowBorder);
    m.alwaysOnTop = keys.flag(&P::WindowAlwaysTopmost);

    m.title.text = keys.decoded(&P::TitleText);
    m.title.font = readFont(keys, {&P::TitleFontName, &P::TitleFontSize, &P::TitleFontBold, &P::TitleFontItalic});
    m.title.colour = keys.colour(&P::TitleForeColor);
    m.title.alignment = keys.bounded(&P::TitleAlignment);
    m.title.shadow = keys.flag(&P::TitleShadow);
    m.title.charSpacing = keys.bounded(&P::TitleCharInterSpace);

    m.subtitle.text = keys.decoded(&P::SubTitleText);
    m.subtitle.font =
        readFont(keys, {&P::SubTitleFontName, &P::SubTitleFontSize, &P::SubTitleFontBold, &P::SubTitleFontItalic});
    m.subtitle.colour = keys.colour(&P::SubTitleColor);
    m.subtitle.alignment = m.title.alignment;
    m.subtitle.charSpacing = keys.bounded(&P::SubTitleCharInterSpace);

    TitleEffects& te = m.titleEffects;
    te.underline = keys.integer(&P::UnderlineType);
    if (te.underline < 0 || te.underline > 3)
        te.underline = 0;
    te.underlineColour1 = keys.colour(&P::UnderlineColor1);
    te.underlineColour2 = keys.colour(&P::UnderlineColor2);
    te.underlineHeight = std::clamp(keys.integer(&P::UnderlineHeight), 1, 50);
    te.underlineTextOnly = keys.integer(&P::UnderlineTextOnly) != 0;
    te.lines = keys.integer(&P::DrawTitleBkgLines) != 0;
    te.metalPlate = !te.lines && keys.integer(&P::DrawTitleMetalPlate) != 0;  // the editor sets one of them
    te.linesColour = keys.colour(&P::TitleBkgLinesColor);
    te.bandAdjust = std::clamp(keys.integer(&P::TitleBkgLinesAdjust), -20, 30);

    WindowEffects& we = m.windowEffects;
    we.on = keys.integer(&P::UseWinEffects) != 0;
    we.fadingSpeed = keys.integer(&P::WinFadingSpeed);
    if (we.fadingSpeed < 0 || we.fadingSpeed > 5)
        we.fadingSpeed = MenuProject{}.WinFadingSpeed;
    we.transparency = std::clamp(keys.integer(&P::WinTransparencyLevel), 0, 90);

    if (keys.integer(&P::IncludeSocialMediaLogos) != 0) {
        SectionReader social(doc, SocialMediaSectionName);
        for (int i = 0; i < SocialNetworks; ++i) {
            const std::string network = SocialNetworkNames[static_cast<std::size_t>(i)];
            if (social.number(network + "_ShowLogo", 0) != 0)
                m.socialLogos.push_back(
                    SocialLogo{i, social.text(network + "_URL"), social.decoded(network + "_TipText")});
        }
    }

    ButtonLook& b = m.buttons;
    b.width = keys.bounded(&P::ButtonWidth);
    b.height = keys.bounded(&P::ButtonHeight);
    b.style = keys.integer(&P::ButtonStyle);
    b.alignment = keys.bounded(&P::ButtonAlignment);
    b.textAlignment = keys.bounded(&P::ButtonTextAlignment);
    b.font = readFont(keys, {&P::ButtonFontName, &P::ButtonFontSize, &P::ButtonFontBold, &P::ButtonFontItalic});
    b.foreColour = keys.colour(&P::ButtonForeColor);
    b.frameColour = keys.colour(&P::ButtonFrameColor);
    b.backColour = keys.colour(&P::ButtonBackColor);
    b.separateFrameColour = keys.flag(&P::SeparateFrameAndCharColor);
    b.activeFrame = keys.integer(&P::UseActiveButtonFrame) != 0;
    b.activeFrameColour = keys.colour(&P::ActiveButtonFrameColor);
    b.autoSize = keys.flag(&P::ButtonAutoSize);
    // An editor option copied into every file; on when an older file lacks it, as in the editor.
    b.arrow = SectionReader(doc, SectionName(ProjectSection::Buttons)).number(ArrowKey, 1) == 1;
    ButtonEffects& fx = b.effects;
    const auto tenth = [&](std::int32_t MenuProject::*member) { return std::clamp(keys.integer(member), 0, 10); };
    fx.shadow = keys.integer(&P::ButtonUseShadowEffect) != 0;
    fx.shadowSize = tenth(&P::ButtonShadowSize);
    fx.shadowIntensity = tenth(&P::ButtonShadowIntensity);
    fx.glass = keys.integer(&P::ButtonUseGlasEffect) != 0;
    fx.glassTransparency = tenth(&P::ButtonGlasTransparency);
    fx.glassColour = std::clamp(keys.integer(&P::ButtonGlasColorIndex), 1, 5);
    fx.lines = keys.integer(&P::ButtonUseHorizEffectLines) != 0;
    fx.linesWidth = std::clamp(keys.integer(&P::ButtonHorizEffectLinesWidth), 1, 2000);
    fx.light = keys.integer(&P::ButtonUseLightEffect) != 0;
    fx.roundedSurface = keys.integer(&P::ButtonRoundedSurface) != 0;

    m.titleRowFont = readFont(keys, {&P::ButtonTitle_FontName, &P::ButtonTitle_FontSize, &P::ButtonTitle_FontBold,
                                     &P::ButtonTitle_FontItalic});
    m.titleRowColour = keys.colour(&P::ButtonTitle_TextColor);

    const auto pictureFile = [&](std::string MenuProject::*source, std::string MenuProject::*folder) {
        return PictureFile{keys.text(source), keys.text(folder)};
    };
    const auto size = [&](std::string MenuProject::*member) { return std::clamp(keys.integer(member), 1, 4000); };
    MenuSounds& sounds = m.sounds;
    sounds.background = pictureFile(&P::BackgroundSoundSrc, &P::BackgroundSound_CDFolder);
    sounds.click = pictureFile(&P::ButtonSoundSrc, &P::ButtonSound_CDFolder);
    sounds.hover = pictureFile(&P::ButtonHoverSoundSrc, &P::ButtonHoverSound_CDFolder);
    sounds.stopWhenMovie = keys.integer(&P::BackgroundSound_StopWhenPlayMov) != 0;
    sounds.stopIfNotTopmost = keys.integer(&P::BackgroundSound_StopIfNotTopmost) != 0;
    BackgroundPicture& back = m.background;
    back.file = pictureFile(&P::BackgroundPictureSrc, &P::BackgroundPicture_CDFolder);
    back.pattern = keys.integer(&P::UseBackgroundPictureAsPattern) != 0;
    back.stretch = keys.integer(&P::StretchBackPicture) != 0;
    back.behindTitle = keys.integer(&P::PlaceBackPictureBehindTitle) != 0;
    back.userPosition = keys.integer(&P::BkPic_UseUserCoordinates) != 0;
    back.x = std::clamp(keys.integer(&P::BkPic_UserPosX), 0, 2000);
    back.y = std::clamp(keys.integer(&P::BkPic_UserPosY), 0, 2000);
    LogotypePicture& logo = m.logotype;
    logo.file = pictureFile(&P::LogotypePictureSrc, &P::LogotypePicture_CDFolder);
    logo.metafileWidth = size(&P::LogotypeWMFWidth);
    logo.metafileHeight = size(&P::LogotypeWMFHeight);
    logo.transparent = keys.flag(&P::DrawTransparentLogotype);
    logo.whiteTransparent = keys.flag(&P::TransparentColorI);
    logo.left = keys.integer(&P::PlaceLogotypeToLeft) != 0;
    logo.address = keys.text(&P::LogotypeURL);
    logo.tip = keys.decoded(&P::LogotypeTipText);
    MenuPicture& picture = m.picture;
    picture.file = pictureFile(&P::MenuPictureSrc, &P::MenuPicture_CDFolder);
    picture.width = size(&P::MenuPictureWidth);
    picture.height = size(&P::MenuPictureHeight);
    picture.stretch = keys.integer(&P::StretchMenuPicture) != 0;
    MenuMovie& movie = m.movie;
    movie.file = pictureFile(&P::MenuMovieFilename, &P::MenuMovie_CDFolder);
    movie.width = std::clamp(keys.integer(&P::MenuMovieWidth), 50, 1000);
    movie.height = std::clamp(keys.integer(&P::MenuMovieHeight), 50, 600);
    movie.repeat = keys.integer(&P::RepeatMenuMovie) != 0;
    movie.showPictureWhenDone = keys.integer(&P::ShowMenuPicWhenReady) != 0;

    const ProjectField& icon = ProjectFieldOf(&P::AppIconIndex);
    m.appIcon = keys.integer(&P::AppIconIndex);
    if (m.appIcon < icon.low || m.appIcon > icon.high)
        m.appIcon = icon.low;

    // An empty button text falls back too.
    m.okText = keys.text(&P::ButtonOK_Text);
    if (m.okText.empty())
        m.okText = MenuProject{}.ButtonOK_Text;
    m.closeText = keys.text(&P::ButtonClose_Text);
    if (m.closeText.empty())
        m.closeText = MenuProject{}.ButtonClose_Text;

    m.noStart = NoStartCondition{keys.text(&P::Registry_HKEY), keys.flag(&P::Registry_UseHKCUInVista),
                                 keys.text(&P::Registry_SubKey), keys.text(&P::Registry_ValueName),
                                 keys.text(&P::Registry_Value)};
    SectionReader docText(doc, ShowDocTextSectionName);
    for (int n = 1; n <= DocErrorGroups; ++n) {
        DocumentText t{docText.text("DocErr_FileExt" + std::to_string(n)), docText.text("DocErr_Title" + std::to_string(n)),
                       docText.text("DocErr_Text" + std::to_string(n))};
        if (!t.extensions.empty())
            m.documentTexts.push_back(std::move(t));
    }
    SectionReader pdf(doc, PdfSectionName);
    m.pdfBox = PdfReaderBox{pdf.text("InfoBoxTitle"), pdf.text("InfoBoxText"), pdf.text("InfoBoxURL"),
                            pdf.text("InfoBoxURLButText")};
    SectionReader rtf(doc, RtfPrintSectionName);
    m.rtfPrinting.on = rtf.number("AddPrintSupportForRTFDocuments", 0) != 0;
    for (auto [key, value] : {std::pair{"ButtonText", &m.rtfPrinting.buttonText}, {"InfoTitle", &m.rtfPrinting.infoTitle},
                              {"InfoText", &m.rtfPrinting.infoText}})
        if (const std::string text = rtf.text(key); !text.empty())
            *value = text;
    // The button that installs StickGuard runs the setup program the creation copied to the
    // medium's root or its own folder there.
    std::string setup = keys.text(&P::StickGuardSetupFilename);
    if (setup.empty())
        setup = "SETUP-StickGuard.exe";
    for (char& c : setup)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (keys.flag(&P::StickGuard_CopySetupFileToSubFolder)) {
        std::string folder;
        for (char c : keys.text(&P::StickGuardSetupFoldername))
            if (c != '\\' && c != '/')
                folder += c;
        if (!folder.empty())
            setup = folder + "\\" + setup;
    }
    const std::string setupLink = "\\" + setup;

    SectionReader but(doc, SectionName(ProjectSection::Buttons));
    const long count = std::clamp(but.number(ButtonCountKey, 0), 0L, MaxEntries);
    SectionReader data(doc, ButtonDataSectionName);
    for (int n = 1; n <= count; ++n) {
        if (!data.has(ButtonKey(n, ButtonFieldTable[size_t{FieldText}].key)) &&
            !data.has(ButtonKey(n, ButtonFieldTable[size_t{FieldCmd}].key)))
            continue;  // an entry the file does not hold
        MenuEntry e;
        readEntry(doc, n, e);
        if (e.command == "Install StickGuard" && e.link.empty())
            e.link = setupLink;
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
