// Helpers of the main window and tab tests: the offscreen application, a user interface
// that also answers the colour and font choosers and records where the file dialogs start,
// and focus changes as the user makes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "platform/services.h"
#include "platform/user_interface.h"
#include "support/scripted_user_interface.h"

namespace orv::test {

// Makes the offscreen application before any widget of a fixture that holds it first.
struct ApplicationReady {
    ApplicationReady() { ensureApplication(); }
};

// The test home's scripted interface, plus scripted colour and font answers; the file
// dialogs shown are recorded with their title, filter and start folder.
class ChooserScript : public platform::UserInterface {
public:
    explicit ChooserScript(ScriptedUserInterface& script) : script_(script)
    {
        platform::Services s = platform::services();
        s.ui = this;
        previous_ = platform::installServices(s);
    }
    ~ChooserScript() override { platform::installServices(previous_); }

    // The next colour and font chosen; each is taken once, then the chooser is cancelled.
    std::optional<std::int32_t> nextColour;
    std::optional<platform::FontChoice> nextFont;
    std::int32_t lastColourOffered = -1;

    struct Pick {
        std::string title, filter, folder;
    };
    std::vector<Pick> picks;

    int Message(const std::string& text, int style, const std::string& title) override
    {
        return script_.Message(text, style, title);
    }
    std::optional<std::string> PickOpenFile(const std::string& title, const platform::FileFilter& filter,
                                            const std::string& folder) override
    {
        picks.push_back({title, filter.text, folder});
        return script_.PickOpenFile(title, filter, folder);
    }
    std::optional<std::string> PickSaveFile(const std::string& title, const platform::FileFilter& filter,
                                            const std::string& folder, const std::string& ext) override
    {
        picks.push_back({title, filter.text, folder});
        return script_.PickSaveFile(title, filter, folder, ext);
    }
    std::optional<std::string> PickFolder(const std::string& title, const std::string& folder) override
    {
        return script_.PickFolder(title, folder);
    }
    std::optional<std::int32_t> PickColour(std::int32_t current) override
    {
        lastColourOffered = current;
        return std::exchange(nextColour, std::nullopt);
    }
    std::optional<platform::FontChoice> PickFont(const platform::FontChoice&) override
    {
        return std::exchange(nextFont, std::nullopt);
    }

private:
    ScriptedUserInterface& script_;
    platform::Services previous_;
};

// The user leaves a field with the Tab key.
inline void leaveField(QWidget* widget)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

// The user types text into a line edit (replacing what it held) and leaves it.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    edit->del();
    typeText(edit, text);
    leaveField(edit);
}

}  // namespace orv::test
