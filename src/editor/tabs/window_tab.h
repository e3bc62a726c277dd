// The "Window" tab: the menu window's size with its size commands, caption and frame, the
// background colours and blend, and whether the medium starts the menu by itself.
#pragma once

#include <string>

#include "editor/tabs/project_tab.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class ColourButton;

class WindowTab : public ProjectTab {
    Q_OBJECT
public:
    WindowTab(const TabContext& context, QWidget* parent = nullptr);

    void applyOptions() override;

    // The menu window size after the resize mode of the menu program.
    void takeWindowSize(int width, int height);

signals:
    // CmdResizeMenuWin: size the window with the mouse in the real menu program.
    void resizeInMenuProgramRequested();

protected:
    void refresh() override;

private:
    void captionOptionClicked();
    void increase();
    void decrease();
    void fitToBackground();

    QLineEdit* width_;
    QLineEdit* height_;
    QPushButton* fit_;
    std::string fitPicture_;
    bool fitPossible_ = false;
    QCheckBox* showCaption_;
    QCheckBox* showMinimize_;
    QCheckBox* showBorder_;
    QCheckBox* socialMedia_;
    ColourButton* backColor_;
    ColourButton* backColor2_;
    QComboBox* toneDirection_;
    QLineEdit* blendDepth_;
};

}  // namespace orv::editor
