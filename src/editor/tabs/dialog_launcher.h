// The settings dialogs that the tabs open with their buttons (window effects, subtitle,
// underline, button effects, picture and movie options ...). Each dialog registers an
// opener here; a tab's button for a dialog without an opener stays hidden, so the tabs keep
// their place for dialogs that are added later.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QObject>
#include <QPushButton>

#include "editor/rules/button_edit_request.h"

class QWidget;

namespace orv::editor {

enum class ProjectDialog {
    WindowEffects,        // CmdWinEffects
    StartCondition,       // CmdTab1Advanced
    SubTitle,             // CmdSubTitle
    Underline,            // CmdUnderline
    TitleEffects,         // CmdTitleBkgEffects
    ButtonEffects,        // CmdButtonEffects
    ActiveFrame,          // CmdActiveFrame
    BackgroundOptions,    // CmdSetBackPictureOptions
    LogotypeOptions,      // CmdLogotypeOptions
    MovieOptions,         // CmdMovieMoreOptions
};

class DialogLauncher : public QObject {
    Q_OBJECT
public:
    // Opens the dialog over parent; true when the user confirmed. The dialog changes the
    // project through ProjectDocument::edit, which tells the views.
    using Opener = std::function<bool(QWidget* parent)>;

    explicit DialogLauncher(QObject* parent = nullptr) : QObject(parent) {}

    void setOpener(ProjectDialog dialog, Opener opener);
    bool hasOpener(ProjectDialog dialog) const;

    // A push button that opens the dialog; visible only while the dialog has an opener.
    QPushButton* makeButton(ProjectDialog dialog, const QString& text, QWidget* parent);

    // Opens a dialog; false when it has no opener or was cancelled.
    bool open(ProjectDialog dialog, QWidget* parent);

    // The picture viewer for a double-click on a picture label (Windows-form path). Without
    // one the desktop's program for the file shows it.
    using PictureViewer = std::function<void(const std::string& file, QWidget* parent)>;
    void setPictureViewer(PictureViewer viewer) { pictureViewer_ = std::move(viewer); }
    void showPicture(const std::string& file, QWidget* parent);

    // The button editor for the button list's Add and Edit; without one they do nothing.
    using ButtonEditor = std::function<ButtonEditOutcome(const ButtonEditRequest&, QWidget* parent)>;
    void setButtonEditor(ButtonEditor editor) { buttonEditor_ = std::move(editor); }
    bool hasButtonEditor() const { return bool(buttonEditor_); }
    ButtonEditOutcome editButton(const ButtonEditRequest& request, QWidget* parent) const
    {
        return buttonEditor_ ? buttonEditor_(request, parent) : ButtonEditOutcome{};
    }

    // The button options that the button editor's "Options..." opens; empty when cancelled.
    using ButtonOptionsEditor =
        std::function<std::optional<ButtonOptionsOutcome>(const ButtonEditRequest&, QWidget* parent)>;
    void setButtonOptionsEditor(ButtonOptionsEditor editor) { buttonOptions_ = std::move(editor); }
    const ButtonOptionsEditor& buttonOptionsEditor() const { return buttonOptions_; }

    // Runs the menu test with a project that the dialog made (its Test button); the open
    // project stays as it is.
    using TestRunner = std::function<void(const MenuProject& project)>;
    void setTestRunner(TestRunner runner) { testRunner_ = std::move(runner); }
    void testRun(const MenuProject& project) const
    {
        if (testRunner_)
            testRunner_(project);
    }

signals:
    void openersChanged();

private:
    std::map<ProjectDialog, Opener> openers_;
    PictureViewer pictureViewer_;
    ButtonEditor buttonEditor_;
    ButtonOptionsEditor buttonOptions_;
    TestRunner testRunner_;
};

}  // namespace orv::editor
