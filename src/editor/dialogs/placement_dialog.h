// "Choose Button Placement": where the buttons stand, the title's alignment and underline,
// and whether sample buttons and a sample picture come with the new project.
#pragma once

#include <cstdint>
#include <vector>

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;

namespace orv::editor {

class PreviewOption;

class PlacementDialog : public QDialog {
    Q_OBJECT
public:
    struct Style {
        std::int16_t color = 0, layout = 0;
    };

    // placement 1..4 (anything else opens with "Buttons to the right"), titleAlignment 1 left or
    // 3 centred; style is the basic style chosen before, which decides whether the
    // sample-picture box can be used.
    PlacementDialog(std::int16_t projectType, std::int16_t placement, std::int16_t titleAlignment, bool underlineTitle,
                    Style style, QWidget* parent = nullptr);

    // 1..4 when confirmed, 0 when cancelled.
    std::int16_t chosenPlacement() const { return chosen_; }
    std::int16_t titleAlignment() const;
    bool underlineTitle() const;

    // The checked placement, 1..4.
    int checkedPlacement() const;
    PreviewOption* option(int placement) const;
    QCheckBox* centerTitleBox() const { return centerTitle_; }
    QCheckBox* underlineBox() const { return underline_; }
    QCheckBox* addButtonsBox() const { return addButtons_; }
    QCheckBox* addPictureBox() const { return addPicture_; }
    QPushButton* confirmButton() const { return confirm_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void placementChecked(int placement);
    void updateTitleSamples();

    std::vector<PreviewOption*> options_;
    QButtonGroup* group_ = nullptr;
    QCheckBox* centerTitle_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* addButtons_ = nullptr;
    QCheckBox* addPicture_ = nullptr;
    QPushButton* confirm_ = nullptr;
    Style style_;
    std::int16_t chosen_ = 0;
};

}  // namespace orv::editor
