// The settings dialogs that the tabs open with their buttons (window effects, subtitle,
// underline, button effects, picture and movie options ...). Each dialog registers an
// opener here; a tab's button for a dialog without an opener stays hidden, so the tabs keep
// their place for dialogs that are added later.
#pragma once

#include <functional>
#include <map>
#include <string>

#include <QObject>
#include <QPushButton>

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

signals:
    void openersChanged();

private:
    std::map<ProjectDialog, Opener> openers_;
    PictureViewer pictureViewer_;
};

}  // namespace orv::editor
