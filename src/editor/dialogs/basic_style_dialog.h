// "Choose Basic Style For Menu": a tab per colour family with a preview of each layout, and
// the entry to a new project made from a basic style (with the placement dialog after it).
#pragma once

#include <cstdint>
#include <vector>

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QTabWidget;

namespace orv::editor {

class PreviewOption;

class BasicStyleDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the tab of color and the option of layout (1..8; 0 selects nothing).
    BasicStyleDialog(std::int16_t projectType, std::int16_t color, std::int16_t layout, bool underlineTitle,
                     QWidget* parent = nullptr);

    // The confirmed choice: colour 1..7 and layout 1..8 (White2 7 and 8: the empty projects);
    // colour 0 when the dialog was cancelled.
    std::int16_t chosenColor() const { return color_; }
    std::int16_t chosenLayout() const { return layout_; }
    bool underlineTitle() const;

    QTabWidget* tabs() const { return tabs_; }
    PreviewOption* option(int tab, int index) const;
    // The checked option on a tab, -1 when none.
    int checkedOption(int tab) const;
    QCheckBox* underlineBox() const { return underline_; }
    QPushButton* confirmButton() const { return confirm_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void showHover(PreviewOption* hovered);
    void tabChanged(int tab);
    void moveSelection(int tab, int step);

    QTabWidget* tabs_ = nullptr;
    std::vector<std::vector<PreviewOption*>> options_;
    std::vector<QButtonGroup*> groups_;
    QCheckBox* underline_ = nullptr;
    QPushButton* confirm_ = nullptr;
    int lastOption_ = 0;
    std::int16_t color_ = 0, layout_ = 0;
};

// Shows the style dialog and then, unless an empty project was chosen, the placement dialog,
// both preselected from the choices of the last new project; keeps what the author chose.
// False when either dialog was cancelled.
bool ChooseBasicStyleAndPlacement(std::int16_t projectType, QWidget* parent = nullptr);

}  // namespace orv::editor
