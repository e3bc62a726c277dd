// DlgButOptions: everything of a button that the button editor does not show (hover sound,
// position, own colours, behaviour after a click, copy rule, Flash window, password,
// administrator and maximized flags) and the project's picture gallery settings, on ten tabs.
// It works on a copy; OK checks the password, may ask whether the position type goes to every
// row, and hands back the entry and the gallery settings.
//
//     if (auto outcome = ButtonOptionsDialog::edit(request, this))
//         entry = outcome->entry;
#pragma once

#include <array>
#include <optional>

#include <QDialog>

#include "editor/rules/button_options_rules.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace orv::editor {

class ColourButton;
class DialogLauncher;
class ProjectDocument;

// The help page of each tab, in tab order.
inline constexpr std::array<int, 10> ButtonOptionsHelpTopics = {60, 80, 85, 87, 83, 91, 93, 95, 130, 131};

class ButtonOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ButtonOptionsDialog(const ButtonEditRequest& request, QWidget* parent = nullptr);

    // The values as the controls hold them.
    ButtonOptionsValues values() const;
    QTabWidget* tabs() const { return tabs_; }
    // Set by a confirmed OK.
    const std::optional<ButtonOptionsOutcome>& outcome() const { return outcome_; }

    void accept() override;

    // Shows the dialog for the entry; the outcome when it was confirmed.
    static std::optional<ButtonOptionsOutcome> edit(const ButtonEditRequest& request, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeSoundTab();
    QWidget* makePositionTab();
    QWidget* makeColoursTab();
    QWidget* makeAfterClickTab();
    QWidget* makeCreationTab();
    QWidget* makeFlashTab();
    QWidget* makePasswordTab();
    QWidget* makeAdministratorTab();
    QWidget* makeSpecialTab();
    QWidget* makeGalleryTab();

    void showSound();
    void browseSound();
    void updateDeltaFields();
    void showColourButtons(const ColourButtonsState& state);
    void pickColour(ColourButton* button);
    void updatePasswordFields();
    void passwordEdited(const QString& text);
    void editPasswordTexts();
    void editGalleryMoreOptions();

    const ButtonEditRequest request_;
    ButtonOptionsValues held_;  // the values that have no control of their own
    PositionClicks clicks_;
    std::optional<ButtonOptionsOutcome> outcome_;
    bool shown_ = false;

    QTabWidget* tabs_ = nullptr;
    QLineEdit* soundFile_ = nullptr;
    QLabel* soundFolderLabel_ = nullptr;
    QLineEdit* soundFolder_ = nullptr;
    std::array<QRadioButton*, 5> position_{};
    QLabel* deltaXLabel_ = nullptr;
    QLabel* deltaYLabel_ = nullptr;
    QLineEdit* deltaX_ = nullptr;
    QLineEdit* deltaY_ = nullptr;
    QCheckBox* hide_ = nullptr;
    QCheckBox* useColours_ = nullptr;
    std::array<ColourButton*, 4> colourButtons_{};
    std::array<QString, 4> colourTips_;
    QCheckBox* noHourGlass_ = nullptr;
    QLineEdit* waitInfoText_ = nullptr;
    std::array<QRadioButton*, 3> copyOption_{};
    QLineEdit* winWidth_ = nullptr;
    QLineEdit* winHeight_ = nullptr;
    QCheckBox* showDialogBoxes_ = nullptr;
    QCheckBox* passwordProtect_ = nullptr;
    QWidget* passwordSettings_ = nullptr;
    QLineEdit* password_ = nullptr;
    QString acceptedPassword_;  // the text before the last keystroke, for a refused one
    bool passwordTyped_ = false;  // typed in since the field was last left
    QCheckBox* passwordAsterisk_ = nullptr;
    QCheckBox* passwordEncrypt_ = nullptr;
    QCheckBox* runAsAdministrator_ = nullptr;
    QCheckBox* runMaximized_ = nullptr;
    QLineEdit* galleryTitle_ = nullptr;
    QLineEdit* galleryExtension_ = nullptr;
    QLineEdit* galleryWidth_ = nullptr;
    QLineEdit* galleryHeight_ = nullptr;
    QCheckBox* galleryAlsoForSubWindows_ = nullptr;
    ColourButton* galleryBackColour_ = nullptr;
    ColourButton* galleryTextColour_ = nullptr;
    QCheckBox* galleryShowFileNames_ = nullptr;
};

// Gives the launcher the button options (for the button editor's "Options...") and the
// active frame dialog of the Buttons tab.
void RegisterButtonOptionDialogs(DialogLauncher& dialogs, ProjectDocument& document);

}  // namespace orv::editor
