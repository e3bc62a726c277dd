// "Choose Type of Project": CD/DVD or USB flash drive, asked when a new project starts.
#pragma once

#include <cstdint>
#include <optional>

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace orv::editor {

class ProjectTypeDialog : public QDialog {
    Q_OBJECT
public:
    // fromTemplate: the new project is made from a basic style (the confirm button then
    // reads "Continue  >").
    explicit ProjectTypeDialog(bool fromTemplate, QWidget* parent = nullptr);

    bool usbChosen() const;
    QPushButton* confirmButton() const { return confirm_; }
    QRadioButton* cdOption() const { return cd_; }
    QRadioButton* usbOption() const { return usb_; }

    // The project type of a new project: 1 without asking when the option says so, else the
    // answer (1 or 2); empty for Cancel, which abandons the new project.
    static std::optional<std::int16_t> chooseNewProjectType(bool fromTemplate, QWidget* parent = nullptr);

private:
    QRadioButton* cd_ = nullptr;
    QRadioButton* usb_ = nullptr;
    QPushButton* confirm_ = nullptr;
};

}  // namespace orv::editor
