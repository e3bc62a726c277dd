#include "editor/rules/button_options_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/button_list.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/text_case.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

// A whole number with optional blanks around it and an optional sign; with allowFraction a
// decimal part is taken too and rounded. Far outside int the value saturates.
std::optional<long> NumberValue(std::string_view text, bool allowFraction = false)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    double value = 0;
    size_t i = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true)
        value = std::min(value * 10 + (text[i] - '0'), 1e12);
    if (allowFraction && i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    if (!digits || i != text.size())
        return std::nullopt;
    const long whole = static_cast<long>(std::lround(value));
    return negative ? -whole : whole;
}

bool IsOn(const std::string& flag) { return flag == "1"; }
std::string OnOff(bool on) { return on ? "1" : "0"; }
std::string OnEmpty(bool on) { return on ? "1" : ""; }

std::string JoinLines(std::string text)
{
    // CR LF, a lone CR or a lone LF each become one blank.
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

int AskYesNo(const char* text)
{
    return platform::services().ui->Message(text, platform::MsgYesNo + platform::MsgQuestion, "Update All Buttons?");
}

void Show(const OptionsMessage& message)
{
    platform::services().ui->Message(message.text, message.style, message.title);
}

}  // namespace

bool DeltaFieldsEnabled(int deltaType) { return deltaType >= 1 && deltaType <= 3; }

std::string CorrectDelta(std::string_view text)
{
    const std::optional<long> value = NumberValue(text);
    if (!value || *value < -2000 || *value > 2000)
        return "0";
    return std::to_string(*value);
}

std::string CorrectFlashSize(std::string_view text)
{
    const std::optional<long> value = NumberValue(text, true);
    if (!value)
        return {};
    return std::to_string(std::clamp<long>(*value, 32, 2000));
}

ColourButtonsState HandleColorButtons(ColourButtonsState state, int s)
{
    if (IsButtonStyleHeading(s)) {
        state.enabled.fill(false);
        return state;
    }
    const bool windowsButton = s == 5;
    if (windowsButton)
        state.useColours = false;
    state.useColoursEnabled = !windowsButton;
    state.enabled[TextColourButton] = !windowsButton;
    state.enabled[TipColourButton] = !windowsButton;

    bool border = s == 4 || s >= 7 || s == 3;
    bool back = s == 4 || s >= 7;
    if (s == 26) {
        border = true;
        back = false;
    } else if (s == 27) {
        border = false;
        back = true;
    } else if (s == 28) {
        border = back = false;
    }
    state.enabled[BorderColourButton] = border;
    state.enabled[BackColourButton] = back;

    if (s == 27) {
        state.borderCaption = "Color 1...";
        state.borderTip.clear();
        state.backCaption = "Base color...";
        state.backTip = "Selects base color for the buttons";
    } else if (s == 26) {
        state.borderCaption = "Base color...";
        state.borderTip = "Selects base color for the button";
        state.backCaption = "Color 2...";
        state.backTip.clear();
    } else if (s >= 11) {
        state.borderCaption = "Color 1...";
        state.borderTip = "Selects color 1 for the color blend button style";
        state.backCaption = "Color 2...";
        state.backTip = "Selects color 2 for the color blend button style";
    } else {
        const ColourButtonsState plain;
        state.borderCaption = plain.borderCaption;
        state.borderTip = plain.borderTip;
        state.backCaption = plain.backCaption;
        state.backTip = plain.backTip;
    }
    return state;
}

ColourButtonsState HideShowColorButtons(ColourButtonsState state, int style)
{
    if (!state.useColours) {
        state.enabled.fill(false);
        return state;
    }
    state.enabled.fill(true);
    return HandleColorButtons(std::move(state), style);
}

PasswordTexts DefaultPasswordTexts()
{
    return {"Enter password", "Before you can open the file you must enter a password:", "Invalid password",
            "The password you entered is not correct. Try again."};
}

PasswordTexts PasswordTextsShown(const PasswordTexts& held)
{
    const PasswordTexts defaults = DefaultPasswordTexts();
    auto pick = [](const std::string& text, const std::string& fallback) { return text.empty() ? fallback : text; };
    return {pick(held.title, defaults.title), pick(held.text, defaults.text), pick(held.wrongTitle, defaults.wrongTitle),
            pick(held.wrongText, defaults.wrongText)};
}

PasswordTexts PasswordTextsTaken(const PasswordTexts& typed)
{
    return {typed.title, JoinLines(typed.text), typed.wrongTitle, JoinLines(typed.wrongText)};
}

std::optional<OptionsMessage> TypedPasswordRefusal(std::string_view password, bool encrypt)
{
    if (password.size() > static_cast<size_t>(PasswordMaxBytes))
        return OptionsMessage{"The password is too long! A password can have at most 199 characters (fewer when "
                              "it holds letters outside the English alphabet).",
                              "Password too long", platform::MsgError};
    if (password.empty() && encrypt)
        return OptionsMessage{"The file linked to the button is encrypted with the password, so the password "
                              "can not be empty!",
                              "Password is missing", platform::MsgError};
    return std::nullopt;
}

void ValidatePictureGallerySizeControls(std::string& width, std::string& height)
{
    const bool valid = (width.empty() || NumberValue(width)) && (height.empty() || NumberValue(height));
    if (!valid) {
        width.clear();
        height.clear();
    }
}

std::string ValidatePictureGalleryFNameExtensionField(std::string_view extension)
{
    std::string out(extension);
    std::erase(out, '.');
    return out;
}

std::string ValidatePictureGalleryPictureHeight(std::string_view height)
{
    if (height.empty())
        return {};
    const std::optional<long> value = NumberValue(height);
    if (!value)
        return {};
    return std::to_string(std::clamp<long>(*value, PictureHeightMin, PictureHeightMax));
}

int PictureSizeSliderStart(std::string_view height)
{
    const std::optional<long> value = NumberValue(height);
    return value ? static_cast<int>(std::clamp<long>(*value, PictureHeightMin, PictureHeightMax)) : PictureHeightStart;
}

std::string PictureHeightFromSlider(int value)
{
    return std::to_string(std::clamp(value, PictureHeightMin, PictureHeightMax));
}

int PicturePreviewWidth(int height) { return static_cast<int>(std::lround(height * 1.333)); }

PictureGalleryMoreOptions ReadPictureGalleryMoreOptions(const MenuProject& p)
{
    PictureGalleryMoreOptions o;
    o.onClick = p.PGOnClickOnPicture >= 1 && p.PGOnClickOnPicture <= 3 ? p.PGOnClickOnPicture : 1;
    o.onClickExtension = p.PGOnClickOnPictureExt;
    o.showCloseButton = p.PGShowCloseButton;
    o.closeButtonText = p.PGCloseButtonText;
    o.pictureSizeManual = p.PGPictureSizeManual;
    o.pictureSizeHeight = p.PGPictureSizeHeight;
    o.allowBrowse = p.PGPreviewWin_AllowBrowse;
    o.previousText = p.PGPreviewWin_PrevPicture_Text;
    o.nextText = p.PGPreviewWin_NextPicture_Text;
    return o;
}

void ApplyPictureGalleryMoreOptions(const PictureGalleryMoreOptions& o, MenuProject& p)
{
    p.PGOnClickOnPicture = static_cast<std::int16_t>(o.onClick);
    p.PGOnClickOnPictureExt = o.onClickExtension;
    p.PGShowCloseButton = o.showCloseButton;
    p.PGCloseButtonText = o.closeButtonText;
    p.PGPictureSizeManual = o.pictureSizeManual;
    p.PGPictureSizeHeight = o.pictureSizeHeight;
    p.PGPreviewWin_AllowBrowse = o.allowBrowse;
    p.PGPreviewWin_PrevPicture_Text = o.previousText;
    p.PGPreviewWin_NextPicture_Text = o.nextText;
}

void ConfirmPictureGalleryMoreOptions(PictureGalleryMoreOptions& o)
{
    o.onClickExtension = ValidatePictureGalleryFNameExtensionField(o.onClickExtension);
    o.pictureSizeHeight = ValidatePictureGalleryPictureHeight(o.pictureSizeHeight);
}

ButtonOptionsValues ReadButtonOptionsValues(const MenuButton& e, const MenuProject& p)
{
    ButtonOptionsValues v;
    v.hoverSound = e.HoverSound;
    v.hoverSoundFolder = e.HoverSoundFolder;
    const std::optional<long> type = NumberValue(e.DeltaType);
    v.deltaType = type && *type >= 1 && *type <= 5 ? static_cast<int>(*type) : 1;
    v.deltaX = e.DeltaX.empty() ? "0" : e.DeltaX;
    v.deltaY = e.DeltaY.empty() ? "0" : e.DeltaY;
    v.hide = IsOn(e.Hide);

    // The style's rule runs when the dialog loads, the check box's once it is filled.
    v.colourButtons = HandleColorButtons(ColourButtonsState{}, p.ButtonStyle);
    v.colourButtons.useColours = IsOn(e.BCUse);
    v.colourButtons = HideShowColorButtons(v.colourButtons, p.ButtonStyle);
    const std::string* bc[] = {&e.BC1, &e.BC2, &e.BC3, &e.BC4};
    for (size_t n = 0; n < 4; ++n)
        v.colours[n] = static_cast<Colour>(NumberValue(*bc[n]).value_or(0));

    v.noHourGlass = IsOn(e.NoHG);
    v.waitInfoText = e.WaitInfoText;
    v.copyOption = e.CSF.size() == 1 && e.CSF[0] >= '1' && e.CSF[0] <= '3' ? e.CSF[0] - '0' : 1;
    v.winWidth = e.WinWidth;
    v.winHeight = e.WinHeight;
    v.showDialogBoxes = e.ShowDialogBoxes != "0";
    v.passwordProtect = IsOn(e.PswProtect);
    v.password = e.Psw;
    v.passwordAsterisk = IsOn(e.PswAsterisk);
    v.passwordEncrypt = IsOn(e.PswEncrypt);
    v.passwordTexts = {e.PswDlgTitle, e.PswDlgText, e.PswIsWrongTitle, e.PswIsWrongText};
    v.runAsAdministrator = IsOn(e.RunAsAdministrator);
    v.runMaximized = IsOn(e.RunProgramMaximized);

    v.galleryTitle = p.PGTitle;
    v.galleryExtension = p.PGExtension;
    v.galleryWidth = p.PGWidth;
    v.galleryHeight = p.PHeight;
    v.galleryAlsoForSubWindows = p.PGAlsoForSubWindows;
    v.galleryBackColour = p.PGBackColor;
    v.galleryTextColour = p.PGTextColor;
    v.galleryShowFileNames = p.PGShowTextLabels;
    v.galleryMore = ReadPictureGalleryMoreOptions(p);
    return v;
}

void ApplyButtonOptionsValues(const ButtonOptionsValues& v, MenuButton& e, MenuProject& p)
{
    e.HoverSound = v.hoverSound;
    e.HoverSoundFolder = v.hoverSoundFolder;
    e.DeltaType = std::to_string(v.deltaType);
    e.DeltaX = v.deltaX;
    e.DeltaY = v.deltaY;
    e.Hide = OnOff(v.hide);
    e.BCUse = OnEmpty(v.colourButtons.useColours);
    std::string* bc[] = {&e.BC1, &e.BC2, &e.BC3, &e.BC4};
    for (size_t n = 0; n < 4; ++n)
        *bc[n] = std::to_string(v.colours[n]);
    e.NoHG = OnEmpty(v.noHourGlass);
    e.WaitInfoText = v.waitInfoText;
    e.CSF = std::to_string(v.copyOption);
    e.WinWidth = v.winWidth;
    e.WinHeight = v.winHeight;
    e.ShowDialogBoxes = OnOff(v.showDialogBoxes);
    e.PswProtect = OnOff(v.passwordProtect);
    e.Psw = v.password;
    e.PswAsterisk = OnOff(v.passwordAsterisk);
    e.PswEncrypt = OnOff(v.passwordEncrypt);
    e.PswDlgTitle = v.passwordTexts.title;
    e.PswDlgText = v.passwordTexts.text;
    e.PswIsWrongTitle = v.passwordTexts.wrongTitle;
    e.PswIsWrongText = v.passwordTexts.wrongText;
    e.RunAsAdministrator = OnOff(v.runAsAdministrator);
    e.RunProgramMaximized = OnOff(v.runMaximized);

    p.PGTitle = v.galleryTitle;
    p.PGExtension = v.galleryExtension;
    p.PGWidth = v.galleryWidth;
    p.PHeight = v.galleryHeight;
    p.PGAlsoForSubWindows = v.galleryAlsoForSubWindows;
    p.PGBackColor = v.galleryBackColour;
    p.PGTextColor = v.galleryTextColour;
    p.PGShowTextLabels = v.galleryShowFileNames;
    ApplyPictureGalleryMoreOptions(v.galleryMore, p);
}

std::optional<ButtonOptionsOutcome> ConfirmButtonOptions(ButtonOptionsValues& v, const ButtonEditRequest& request,
                                                         PositionClicks clicks)
{
    if (v.passwordProtect) {
        if (v.password.empty()) {
            Show({"You have chosen to password protect the button, but no password is specified!",
                  "Password is missing", platform::MsgError});
            return std::nullopt;
        }
        if (v.password.find(' ') != std::string::npos) {
            Show({"Space characters are not allowed in a password!", "Space characters not allowed",
                  platform::MsgError});
            return std::nullopt;
        }
        if (auto refusal = TypedPasswordRefusal(v.password, v.passwordEncrypt)) {
            Show(*refusal);
            return std::nullopt;
        }
        if (v.passwordEncrypt && v.copyOption != 2) {
            Show({"If a file should be encrypted when password protecting a button, the 'Copy the source file' "
                  "option in the 'At Menu Creation' tab must be selected. The file is encrypted when the menu is "
                  "created.",
                  "Information", platform::MsgInformation});
            return std::nullopt;
        }
    }

    bool applyToAll = false;
    const std::vector<MenuButton>& rows = request.project.Buttons;
    if (!request.isNew && rows.size() > 1) {
        if (v.deltaType == PositionNoDistance && clicks.noDistance &&
            SomeButtonsDontHave_NoDistanceOption_On(rows, request.rowNumber)) {
            applyToAll = AskYesNo("Do you want to update the position for all buttons in your menu so there will "
                                  "be the same distance between all buttons?") == platform::AnswerYes;
        } else if (v.deltaType == PositionNextFree && clicks.nextFree &&
                   SomeButtonsDontHave_NextFreePosOption_On(rows, request.rowNumber)) {
            applyToAll = AskYesNo("Do you want to use the same position settings also for the other buttons in "
                                  "the menu?") == platform::AnswerYes;
        }
    }

    ValidatePictureGallerySizeControls(v.galleryWidth, v.galleryHeight);
    v.galleryExtension = ValidatePictureGalleryFNameExtensionField(v.galleryExtension);
    // Fields still being typed in when OK was pressed with the Enter key get their checks now.
    v.deltaX = CorrectDelta(v.deltaX);
    v.deltaY = CorrectDelta(v.deltaY);
    v.winWidth = CorrectFlashSize(v.winWidth);
    v.winHeight = CorrectFlashSize(v.winHeight);

    ButtonOptionsOutcome outcome{request.entry, request.project, applyToAll};
    ApplyButtonOptionsValues(v, outcome.entry, outcome.gallery);
    return outcome;
}

void ApplyChosenHoverSound(ButtonOptionsValues& values, std::string& lastSoundDir, const std::string& path)
{
    if (path.empty())
        return;
    values.hoverSound = platform::foldCase(path);
    lastSoundDir = PathDirectoryPart(path);
    values.hoverSoundFolder = ButtonSoundFolder;
}

}  // namespace orv::editor
