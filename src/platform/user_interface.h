// Talking to the user. Core code never opens a window: it asks through this interface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orv::platform {

// Message styles, combinable as in Windows message boxes.
enum MessageStyle : int {
    MsgOk = 0,
    MsgOkCancel = 1,
    MsgYesNoCancel = 3,
    MsgYesNo = 4,
    MsgError = 16,
    MsgQuestion = 32,
    MsgWarning = 48,
    MsgInformation = 64,
};

// Answers, with the numbers Windows gives them.
enum MessageAnswer : int {
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerYes = 6,
    AnswerNo = 7,
};

struct FileFilter {
    std::string text;  // "Project Files (*.mnp)|*.mnp", alternating description and patterns
};

struct FontChoice {
    std::string name;
    int size = 10;
    bool bold = false;
    bool italic = false;
};

// The font a chooser's answer stands for. A chooser shows a family that is not installed as
// a stand-in of its own; when the author confirms that stand-in (chooses no other family) the
// stored name stays, and so do the stored bold and italic while the style is left as the
// chooser showed it. The size is always taken. shown is what the chooser showed when it
// opened with stored; chosen what it answered.
FontChoice ResolveFontChoice(const FontChoice& stored, const FontChoice& shown, const FontChoice& chosen);

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Shows text with a style (MessageStyle values added together) and a title; returns
    // the answer (a MessageAnswer value).
    virtual int Message(const std::string& text, int style, const std::string& title) = 0;
    // File, folder, colour and font pickers. An empty optional means cancelled.
    virtual std::optional<std::string> PickOpenFile(const std::string& title, const FileFilter& filter,
                                                    const std::string& startFolder) = 0;
    virtual std::optional<std::string> PickSaveFile(const std::string& title, const FileFilter& filter,
                                                    const std::string& startFolder,
                                                    const std::string& defaultExtension) = 0;
    virtual std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) = 0;
    virtual std::optional<std::int32_t> PickColour(std::int32_t current) = 0;
    virtual std::optional<FontChoice> PickFont(const FontChoice& current) = 0;
};

}  // namespace orv::platform
