// DlgOptionsButtonTexts: the captions of the OK and Close buttons in the menu program's own
// dialog boxes (ButtonOK_Text, ButtonClose_Text), e.g. for a menu in another language.
#pragma once

#include <QDialog>

class QLineEdit;

namespace orv::editor {

class OptionsButtonTextsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsButtonTextsDialog(const QString& okText, const QString& closeText, QWidget* parent = nullptr);

    QString okText() const;
    QString closeText() const;

private:
    QLineEdit* ok_ = nullptr;
    QLineEdit* close_ = nullptr;
};

}  // namespace orv::editor
