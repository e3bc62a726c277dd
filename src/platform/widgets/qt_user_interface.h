// The platform's user interface for the programs with windows (the editor, the menu program
// and the companion programs): message boxes, the open and save file dialogs, the folder,
// colour and font choosers, all as Qt dialogs over the active window.
#pragma once

#include <functional>

#include <QColor>
#include <QString>

#include "platform/user_interface.h"

class QWidget;

namespace orv::platform {

class QtUserInterface final : public UserInterface {
public:
    int Message(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> PickOpenFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder) override;
    std::optional<std::string> PickSaveFile(const std::string& title, const FileFilter& filter,
                                            const std::string& startFolder,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::int32_t> PickColour(std::int32_t current) override;
    std::optional<FontChoice> PickFont(const FontChoice& current) override;

    // Applied to each message's text before it is shown (the editor shows the paths in it
    // in host form); none by default.
    void setShownText(std::function<std::string(const std::string&)> shown) { shownText_ = std::move(shown); }

private:
    std::function<std::string(const std::string&)> shownText_;
};

// "Text|*.a;*.b|Text2|*.c" as Qt's name filters: "Text (*.a *.b);;Text2 (*.c)". A description
// that already names its patterns in brackets loses them first; "*.*" becomes "*" (every file,
// with or without an extension).
QString QtNameFilters(const std::string& filter);

// A 32-bit Windows colour value (red in the low byte) and back.
QColor ColourToQColor(std::int32_t colour);
std::int32_t QColorToColour(const QColor& colour);

}  // namespace orv::platform
