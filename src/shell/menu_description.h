// The menu description file (ORVNMENU.MNI) as the menu program reads it: the window, the
// title lines, the common look of the buttons and the button entries, with "UNICODE:"
// texts decoded and button passwords unscrambled. Plain C++, so tests read files without
// a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv::shell {

// A Windows colour value: red in the low byte, then green, then blue.
using WinColour = std::uint32_t;

struct FontSpec {
    std::string name;
    int size = 10;  // points
    bool bold = false;
    bool italic = false;
};

// The title or the subtitle.
struct TextLine {
    std::string text;
    FontSpec font;
    WinColour colour = 0;
    int alignment = 1;    // 1 left, 2 centre, 3 right
    bool shadow = false;
    int charSpacing = 0;  // extra pixels between characters
};

// The look shared by all buttons.
// The effects drawn over every button body (the shadow under it).
struct ButtonEffects {
    bool shadow = false;
    int shadowSize = 0;        // pixels, 0..10
    int shadowIntensity = 5;   // 0..10
    bool glass = false;
    int glassTransparency = 5; // 0 (strongest) .. 10 (none)
    int glassColour = 1;       // 1 white, 2 black, 3 red, 4 green, 5 blue
    bool lines = false;
    int linesWidth = 80;       // pixels
    bool light = false;
    bool roundedSurface = false;  // the plastic style only
    auto operator<=>(const ButtonEffects&) const = default;
};

struct ButtonLook {
    int width = 220;
    int height = 30;
    int style = 3;          // 1-based position in the editor's style list
    int alignment = 3;      // 1 left, 2 centre, 3 right, 4 double columns
    int textAlignment = 2;  // 1 left, 2 centre, 3 right
    FontSpec font;
    WinColour foreColour = 65535;
    WinColour frameColour = 65535;
    WinColour backColour = 8323072;
    bool separateFrameColour = false;
    bool activeFrame = true;
    WinColour activeFrameColour = 16777215;
    bool autoSize = false;  // the width follows the longest caption
    bool arrow = true;      // buttons that open a menu end in an arrow
    ButtonEffects effects;
};

// How an entry's place is found (DeltaType).
enum class Placement {
    Default = 1,       // its place in the flow, moved by the offset
    AfterPrevious = 2, // where it follows the entry before it as placed, moved by the offset
    Absolute = 3,      // the offset is its top-left corner in the window
    NextFree = 4,      // right of the entry before it, else below that row
    NoDistance = 5,    // against the entry before it, without the gap
};

// A picture or sound file of the menu: where the author's file was (Src) and the folder of
// the menu that the creation copied it into.
struct PictureFile {
    std::string source;  // the author's full path
    std::string folder;  // relative to the menu's folder
    bool empty() const { return source.empty(); }
};

// One entry of [ButtonData]: a button or a title row.
struct MenuEntry {
    int number = 0;  // 1-based position in the file
    std::string text;
    std::string command;
    std::string link;
    std::string tip;
    std::string parameters;  // AppParam
    std::string waitInfoText;
    bool titleRow = false;
    bool hidden = false;
    bool runMaximized = false;
    PictureFile hoverSound;  // its own sound when the mouse moves onto it

    Placement placement = Placement::Default;
    int deltaX = 0, deltaY = 0;  // pixels, -2000..2000

    PictureFile picture;          // Bmp and BmpFolder, drawn by the picture styles
    bool usePictureSize = false;  // UseBmpSize: the hotspot takes the picture's size
    int transparency = 1;         // BmpTransType: 1 none, 2 black, 3 white pixels transparent

    bool ownColours = false;  // BCUse
    WinColour textColour = 0;
    WinColour frameColour = 0;
    WinColour backColour = 0;

    // Password protection, unscrambled from PA and PB.
    bool passwordProtected = false;
    std::string passwordVerifier;  // PV: a salted verifier of the password
    std::string password;          // PB of older files: the scrambled password itself
    bool legacyPassword = false;   // the file holds PB
    bool maskPassword = false;  // PC
    bool encrypted = false;     // PD: the target is stored as target + ".cry"
    std::string passwordTitle;  // empty texts fall back to the program's defaults
    std::string passwordText;
    std::string wrongPasswordTitle;
    std::string wrongPasswordText;
};

struct MenuSounds {
    PictureFile background;  // played over and over while the menu shows
    PictureFile click;       // when a button is clicked
    PictureFile hover;       // when the mouse moves onto a button without a sound of its own
    bool stopWhenMovie = false;     // the background stops when a button plays a movie
    bool stopIfNotTopmost = false;  // and pauses while another window is in front
};

struct BackgroundPicture {
    PictureFile file;
    bool pattern = false;      // tiled over the window
    bool stretch = false;      // scaled to the window
    bool behindTitle = false;  // only behind the title and subtitle
    bool userPosition = false;
    int x = 0, y = 0;
};

struct LogotypePicture {
    PictureFile file;
    int metafileWidth = 100, metafileHeight = 100;  // the size of a WMF logotype
    bool transparent = false;
    bool whiteTransparent = false;  // else black is the transparent colour
    bool left = false;              // at the top left instead of the top right
    std::string address;            // opened by a click
    std::string tip;
};

struct MenuPicture {
    PictureFile file;
    int width = 100, height = 100;
    bool stretch = false;  // else fitted into width x height, keeping its shape
};

// A registry value that an installed application sets when the menu should not show
// (a disc used as that application's data source).
struct NoStartCondition {
    std::string rootName;  // "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", ...
    bool currentUserOnNewSystems = true;  // look under HKEY_CURRENT_USER instead of the machine
    std::string subKey, valueName, value;
};

// What the menu says when no program opens a document of one of these extensions.
struct DocumentText {
    std::string extensions;  // "pdf" or several, separated by blanks, commas or semicolons
    std::string title, text;
};

// A movie that plays inside the menu, where the menu picture would stand.
struct MenuMovie {
    PictureFile file;
    int width = 150, height = 150;
    bool repeat = false;
    bool showPictureWhenDone = false;  // the menu picture takes its place when it ends
};

// The box shown when no program here opens a PDF document, with a button that opens the
// address of a reader's download page.
struct PdfReaderBox {
    std::string title, text, address, buttonText;
};

// The line under the title and the band behind it.
struct TitleEffects {
    int underline = 0;  // 0 none, 1 simple, 2 misty, 3 blend
    WinColour underlineColour1 = 0;
    WinColour underlineColour2 = 0;
    int underlineHeight = 3;        // pixels
    bool underlineTextOnly = true;  // as wide as the title text, else the whole title row
    bool lines = false;             // thin lines across the band
    bool metalPlate = false;        // a brushed metal plate as the band
    WinColour linesColour = 32768;
    int bandAdjust = 0;             // pixels added to the band's height (-20..30)
};

// The window fading in and staying partly transparent.
struct WindowEffects {
    bool on = false;
    int fadingSpeed = 4;   // 0 very slow .. 4 fast, 5 shown at once
    int transparency = 0;  // per cent, 0..90
};

// A round logo of a social network that opens the author's page there.
struct SocialLogo {
    int network = 0;  // index into SocialNetworkNames: Facebook, Twitter, GooglePlus, ...
    std::string address;
    std::string tip;
};

// The Print button of the menu's own RTF viewer: it starts WordPad, which prints.
struct RtfPrinting {
    bool on = false;
    std::string buttonText = "Print", infoTitle = "Print",
                infoText = "WordPad in Windows will now be started. You can print the document from WordPad.";
};

struct MenuDescription {
    std::string caption = "Window Title";
    int width = 500;
    int height = 400;
    WinColour backColour = 16711680;
    WinColour backColour2 = 0;
    int toneDirection = 0;  // 0 one colour, 1 right, 2 left, 3 up, 4 down, ...
    int blendDepth = 100;
    bool showCaption = true;
    bool showMinimizeButton = false;
    bool showBorder = true;
    bool alwaysOnTop = false;

    TextLine title;
    TextLine subtitle;
    TitleEffects titleEffects;
    WindowEffects windowEffects;
    std::vector<SocialLogo> socialLogos;  // in the order of the networks; only those shown
    ButtonLook buttons;
    FontSpec titleRowFont;
    WinColour titleRowColour = 65535;

    int appIcon = 1;  // which of the program's eight window icons (1 to 8)

    std::string okText = "OK";
    std::string closeText = "Close";

    std::vector<MenuEntry> entries;

    NoStartCondition noStart;
    MenuSounds sounds;
    std::vector<DocumentText> documentTexts;
    PdfReaderBox pdfBox;
    RtfPrinting rtfPrinting;

    BackgroundPicture background;
    LogotypePicture logotype;
    MenuPicture picture;
    MenuMovie movie;

    // The entries the window shows: every title row and every button not hidden.
    std::vector<MenuEntry> visibleEntries() const;
};

enum class MenuReadStatus {
    Ok,
    Missing,     // no such file
    Unreadable,  // the file exists but cannot be read
    Damaged,     // not a menu description file, or cut short
};

struct MenuReadResult {
    MenuReadStatus status = MenuReadStatus::Missing;
    MenuDescription menu;  // filled when status is Ok
};

// Reads a menu description file (Windows-form or host path) in the ANSI code page. A file
// without a [MainWindow] section or without its end line "-(EOF)-" counts as damaged.
MenuReadResult readMenuDescription(const std::string& file);

// The same from text already decoded to UTF-8.
MenuReadResult parseMenuDescription(const std::string& utf8Text);

}  // namespace orv::shell
