#include "shell/session/menu_session.h"

#include <algorithm>
#include <utility>

#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/crypto.h"
#include "platform/services.h"
#include "shell/start_condition.h"

namespace orv::shell {

namespace {

bool isPdf(const std::string& path)
{
    return LowerExtensionOf(path) == "pdf";
}

}  // namespace

MenuSession::MenuSession(MenuDescription menu, std::string menuFile, MenuHost& host) : host_(host)
{
    const std::string folder = PathDirectoryPart(menuFile);
    menus_.push_back(ShownMenu{std::move(menu), std::move(menuFile), folder, {}});
    menus_.back().pictures = loadMenuPictures(menus_.back().menu, folder, host_);
    setClientSize(this->menu().width, this->menu().height);
}

void MenuSession::setClientSize(int width, int height)
{
    width_ = width;
    height_ = height;
    layout_ = layoutMenu(menu(), width, height, pictureSizesOf(menus_.back().pictures));
    // A button that is no longer shown can be neither under the mouse nor focused.
    for (auto* state : {&states_.hover, &states_.pressed, &states_.focus})
        if (*state && !layout_.boxOf(**state))
            state->reset();
}

void MenuSession::paint(Canvas& canvas)
{
    awaitPictures(menus_.back().pictures);
    if (!moviePlaying_) {
        painter_.paint(menu(), layout_, states_, canvas, menus_.back().pictures);
        return;
    }
    MenuLayout shown = layout_;  // the picture waits for the movie
    shown.picture.reset();
    painter_.paint(menu(), shown, states_, canvas, menus_.back().pictures);
}

void MenuSession::start()
{
    started_ = true;
    play(SoundUse::Background, menu().sounds.background);
    startMovie();
}

void MenuSession::startMovie()
{
    moviePlaying_ = layout_.movie &&
                    host_.playMovie(pictureCandidates(menu().movie.file, menus_.back().folder), *layout_.movie,
                                    menu().movie.repeat);
    if (moviePlaying_)
        host_.repaintMenu();
}

void MenuSession::movieEnded()
{
    if (!moviePlaying_ || !menu().movie.showPictureWhenDone)
        return;
    moviePlaying_ = false;
    host_.stopMovie();
    host_.repaintMenu();
}

void MenuSession::windowActive(bool active)
{
    if (!started_ || !menu().sounds.stopIfNotTopmost)
        return;
    if (active)
        play(SoundUse::Background, menu().sounds.background);
    else
        host_.stopSound(SoundUse::Background);
}

void MenuSession::play(SoundUse use, const PictureFile& file)
{
    if (file.empty()) {
        if (use == SoundUse::Background)
            host_.stopSound(use);
        return;
    }
    host_.playSound(use, pictureCandidates(file, menus_.back().folder));
}

bool MenuSession::mouseMove(int x, int y)
{
    const bool wasOverLogotype = overLogotype_;
    overLogotype_ = layout_.logotype && layout_.logotype->contains(x, y);
    overLogotypeLink_ = overLogotype_ && !menu().logotype.address.empty();
    const std::optional<std::size_t> wasOverSocial = std::exchange(overSocial_, std::nullopt);
    for (std::size_t i = 0; i < layout_.socialLogos.size(); ++i)
        if (layout_.socialLogos[i].contains(x, y))
            overSocial_ = i;
    const EntryBox* box = layout_.buttonAt(x, y);
    const std::optional<std::size_t> hover = box ? std::optional(box->entry) : std::nullopt;
    if (hover == states_.hover)
        return overLogotype_ != wasOverLogotype || overSocial_ != wasOverSocial;
    states_.hover = hover;
    if (hover) {
        const MenuEntry& entry = menu().entries[*hover];
        play(SoundUse::Hover, entry.hoverSound.empty() ? menu().sounds.hover : entry.hoverSound);
    }
    return true;
}

bool MenuSession::mouseLeave()
{
    if (!states_.hover)
        return false;
    states_.hover.reset();
    return true;
}

bool MenuSession::mousePress(int x, int y)
{
    const bool hoverChanged = mouseMove(x, y);
    states_.pressed = states_.hover;
    pressedOnLogotype_ = overLogotypeLink_;
    pressedSocial_ = socialLink(overSocial_) ? overSocial_ : std::nullopt;
    return hoverChanged || states_.pressed.has_value();
}

bool MenuSession::mouseRelease(int x, int y)
{
    mouseMove(x, y);
    if (std::exchange(pressedOnLogotype_, false) && overLogotypeLink_) {
        openAddress(menu().logotype.address);
        return false;
    }
    if (const auto social = std::exchange(pressedSocial_, std::nullopt); social && social == overSocial_) {
        openAddress(menu().socialLogos[*social].address);
        return false;
    }
    const std::optional<std::size_t> pressed = states_.pressed;
    if (!pressed)
        return false;
    states_.pressed.reset();
    if (states_.hover == pressed) {
        host_.repaintMenu();  // the button comes up before a dialog or the action starts
        activate(*pressed);
    }
    return true;
}

std::vector<std::size_t> MenuSession::buttonsShown() const
{
    std::vector<std::size_t> shown;
    for (const EntryBox& box : layout_.entries)
        if (!box.titleRow)
            shown.push_back(box.entry);
    return shown;
}

bool MenuSession::moveFocus(int step)
{
    const std::vector<std::size_t> shown = buttonsShown();
    if (shown.empty())
        return false;
    const auto count = static_cast<int>(shown.size());
    int next = step > 0 ? 0 : count - 1;  // nothing focused yet: the first or the last
    if (states_.focus) {
        const auto at = std::find(shown.begin(), shown.end(), *states_.focus) - shown.begin();
        next = (static_cast<int>(at) + step + count) % count;
    }
    states_.focus = shown[static_cast<std::size_t>(next)];
    return true;
}

bool MenuSession::keyPress(MenuKey key)
{
    switch (key) {
    case MenuKey::Escape:
        host_.closeMenu();
        return false;
    case MenuKey::Tab:
    case MenuKey::Down:
    case MenuKey::Right:
        return moveFocus(1);
    case MenuKey::BackTab:
    case MenuKey::Up:
    case MenuKey::Left:
        return moveFocus(-1);
    case MenuKey::Enter:
    case MenuKey::Space:
        if (states_.focus)
            activate(*states_.focus);
        return false;
    }
    return false;
}

bool MenuSession::socialLink(std::optional<std::size_t> logo) const
{
    return logo && *logo < menu().socialLogos.size() && !menu().socialLogos[*logo].address.empty();
}

void MenuSession::openAddress(const std::string& address)
{
    // Logos open their address like a web page button.
    ButtonAction action;
    action.kind = ActionKind::OpenAddress;
    action.target = address;
    reportOutcome(host_.runAction(action), action);
}

std::string MenuSession::tip() const
{
    if (states_.hover)
        return menu().entries[*states_.hover].tip;
    if (overSocial_ && *overSocial_ < menu().socialLogos.size())
        return menu().socialLogos[*overSocial_].tip;
    return overLogotype_ ? menu().logotype.tip : std::string();
}

bool MenuSession::passwordFits(const MenuEntry& entry, const std::string& answer) const
{
    platform::Crypto* crypto = platform::services().crypto;
    if (entry.encrypted && crypto) {
        // The encrypted file itself says whether the password opens it.
        const std::string encrypted =
            resolveMenuLink(entry.link, menus_.back().folder, menus_.front().folder) + ".cry";
        if (FileExists(encrypted))
            return crypto->CryCheckPassword(encrypted, answer) == platform::CryOk;
    }
    if (!entry.passwordVerifier.empty())
        return crypto && crypto->CryCheckPasswordVerifier(entry.passwordVerifier, answer);
    return entry.legacyPassword && answer == entry.password;
}

std::optional<std::string> MenuSession::confirmPassword(const MenuEntry& entry)
{
    if (!entry.passwordProtected)
        return std::string();
    PasswordQuestion question;
    question.title = entry.passwordTitle.empty() ? "Enter password" : entry.passwordTitle;
    question.text = entry.passwordText.empty() ? "Before you can open the file you must enter a password:"
                                               : entry.passwordText;
    question.okText = menu().okText;
    question.cancelText = "Cancel";
    question.masked = entry.maskPassword;
    for (;;) {
        const std::optional<std::string> answer = host_.askPassword(question);
        if (!answer)
            return std::nullopt;
        if (passwordFits(entry, *answer))
            return answer;
        host_.showMessage(entry.wrongPasswordTitle.empty() ? "Invalid password" : entry.wrongPasswordTitle,
                          entry.wrongPasswordText.empty() ? "The password you entered is not correct. Try again."
                                                          : entry.wrongPasswordText,
                          false);
    }
}

void MenuSession::activate(std::size_t index)
{
    if (index >= menu().entries.size())
        return;
    MenuEntry entry = menu().entries[index];  // a copy: the action may switch menus
    if (entry.titleRow)
        return;
    play(SoundUse::Click, menu().sounds.click);
    const std::optional<std::string> password = confirmPassword(entry);
    if (!password)
        return;
    entry.password = *password;  // what the decryption program gets: the password typed
    const ButtonAction action = planButtonAction(entry, menus_.back().folder, host_.companionPrograms(), menus_.front().folder);
    switch (action.kind) {
    case ActionKind::None:
        host_.showMessage(menu().caption, "This button has no target to open.", false);
        return;
    case ActionKind::CloseMenu:
        host_.closeMenu();
        return;
    case ActionKind::Unsupported:
        host_.showMessage(menu().caption,
                          "The command \"" + action.target + "\" is not supported by this build of the menu program yet.",
                          false);
        return;
    case ActionKind::OpenMenu:
        openSubMenu(action.target);
        return;
    case ActionKind::ReturnToPreviousMenu:
        if (menus_.size() > 1)
            returnToMenu(menus_.size() - 1);
        return;
    case ActionKind::ReturnToMainMenu:
        returnToMenu(1);
        return;
    default:
        break;
    }
    if (!entry.waitInfoText.empty())
        host_.showWaitText(entry.waitInfoText);
    if (entry.command == "Play Movie" && menu().sounds.stopWhenMovie)
        host_.stopSound(SoundUse::Background);
    const ActionOutcome outcome = host_.runAction(action);
    if (outcome != ActionOutcome::Done) {
        reportOutcome(outcome, action);
        return;
    }
    if (action.closeMenuAfter)
        host_.closeMenu();
}

void MenuSession::reportOutcome(ActionOutcome outcome, const ButtonAction& action)
{
    const std::string target = action.kind == ActionKind::OpenAddress ? action.target : host_.displayPath(action.target);
    if (outcome == ActionOutcome::TargetMissing) {
        host_.showMessage(menu().caption,
                          "Cannot find \"" + target + "\".\n\nThe file or folder may have been moved or removed.", true);
        return;
    }
    // A PDF reader to install, or the author's own words for a type of document that no
    // program here opens.
    const PdfReaderBox& pdf = menu().pdfBox;
    if (action.kind == ActionKind::OpenDocument && isPdf(action.target) && !pdf.text.empty()) {
        if (host_.offerButton(pdf.title.empty() ? menu().caption : pdf.title, pdf.text,
                              pdf.buttonText.empty() ? "Download" : pdf.buttonText) &&
            !pdf.address.empty()) {
            ButtonAction download;
            download.kind = ActionKind::OpenAddress;
            download.target = webAddress(pdf.address);
            host_.runAction(download);
        }
        return;
    }
    if (action.kind == ActionKind::OpenDocument || action.kind == ActionKind::ShowRtfDocument)
        if (const DocumentText* text = documentTextFor(menu(), action.target)) {
            host_.showMessage(text->title.empty() ? menu().caption : text->title, text->text, false);
            return;
        }
    host_.showMessage(menu().caption, "\"" + target + "\" could not be opened on this system.", true);
}

void MenuSession::openSubMenu(const std::string& file)
{
    const MenuReadResult read = readMenuDescription(file);
    if (read.status != MenuReadStatus::Ok) {
        const std::string path = host_.displayPath(file);
        host_.showMessage(menu().caption,
                          read.status == MenuReadStatus::Damaged
                              ? "The menu file \"" + path + "\" is damaged or incomplete."
                              : "Cannot find the menu file \"" + path + "\".",
                          true);
        return;
    }
    menus_.push_back(ShownMenu{read.menu, file, PathDirectoryPart(file), {}});
    menus_.back().pictures = loadMenuPictures(menus_.back().menu, menus_.back().folder, host_);
    menuSwitched();
}

void MenuSession::returnToMenu(std::size_t depth)
{
    if (depth == 0 || depth >= menus_.size())
        return;
    menus_.resize(depth);
    menuSwitched();
}

void MenuSession::menuSwitched()
{
    states_ = EntryStates{};
    if (moviePlaying_)
        host_.stopMovie();
    moviePlaying_ = false;
    if (started_)
        play(SoundUse::Background, menu().sounds.background);
    overSocial_.reset();
    pressedSocial_.reset();
    setClientSize(menu().width, menu().height);
    host_.menuChanged();
    if (started_)
        startMovie();
    host_.repaintMenu();
}

}  // namespace orv::shell
