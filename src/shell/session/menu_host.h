// What a menu session asks of the window that shows it: dialogs, messages, running an
// action, closing, and the signs that the window must follow a change.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/button_action.h"
#include "shell/render/canvas.h"

namespace orv::shell {

struct PasswordQuestion {
    std::string title;
    std::string text;
    std::string okText;
    std::string cancelText;
    bool masked = false;  // the typed characters are hidden
};

enum class SoundUse { Background, Click, Hover };

class MenuHost {
public:
    virtual ~MenuHost() = default;

    // The typed password, or nothing when the user cancels.
    virtual std::optional<std::string> askPassword(const PasswordQuestion& question) = 0;
    virtual void showMessage(const std::string& title, const std::string& text, bool error) = 0;
    // A message with a button of its own besides Close; true when that button was chosen.
    virtual bool offerButton(const std::string& title, const std::string& text, const std::string& buttonText)
    {
        showMessage(title, text, false);
        (void)buttonText;
        return false;
    }
    // Carries out a StartProgram, OpenDocument, OpenFolder or OpenAddress action.
    virtual ActionOutcome runAction(const ButtonAction& action) = 0;
    virtual void closeMenu() = 0;
    // Another menu is shown: take over its window settings (caption, size, frame).
    virtual void menuChanged() = 0;
    virtual void repaintMenu() = 0;
    // Shows the entry's "please wait" text for a while.
    virtual void showWaitText(const std::string& text) = 0;
    // A Windows-form path as the user knows it, for messages.
    virtual std::string displayPath(const std::string& windowsPath) { return windowsPath; }
    // The decryption program, flash player and gallery that buttons start: the medium's own
    // unless the front end has its own builds (the host menu program of the test runs).
    virtual CompanionPrograms companionPrograms() const { return {}; }
    // A picture file (Windows-form path) as pixels; empty when it is missing or cannot be
    // read. A metafile is drawn at width x height.
    // Plays the first of the files that exists (the background over and over), replacing
    // what that use played before; stopSound ends it.
    virtual void playSound(SoundUse use, const std::vector<std::string>& files) { (void)use, (void)files; }
    virtual void stopSound(SoundUse use) { (void)use; }
    // Plays the first of the movie files that exists inside the window at where (over and
    // over with repeat); false when none plays. The window tells the session when it ends.
    virtual bool playMovie(const std::vector<std::string>& files, const Rect& where, bool repeat)
    {
        (void)files, (void)where, (void)repeat;
        return false;
    }
    virtual void stopMovie() {}
    virtual Bitmap loadPicture(const std::string& windowsPath, int width, int height)
    {
        (void)windowsPath, (void)width, (void)height;
        return {};
    }
    // The reading of loadPicture, ready to run on another thread (it may use nothing of the
    // host's); empty when the host reads pictures on its own thread only.
    virtual std::function<Bitmap()> pictureReader(const std::string& windowsPath, int width, int height)
    {
        (void)windowsPath, (void)width, (void)height;
        return {};
    }
};

}  // namespace orv::shell
