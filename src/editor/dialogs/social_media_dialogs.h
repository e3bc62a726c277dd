// The small dialogs of the options dialog's social-media settings: the tip text of one
// network's logo (DlgOptionsSocialMedia) and the four further networks
// (DlgOptionsMoreSocialMedia).
#pragma once

#include <array>
#include <optional>
#include <string>

#include <QDialog>
#include <QWidget>

#include "model/editor_options.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace orv::editor {

// DlgOptionsSocialMedia: the tip text shown on a network's logo in the menu.
class SocialMediaTipDialog : public QDialog {
    Q_OBJECT
public:
    SocialMediaTipDialog(int network, const QString& tipText, QWidget* parent = nullptr);

    QString tipText() const;
    QLineEdit* tipTextField() const { return tipText_; }
    // CmdDefaultText: the network's default tip text.
    void restoreDefaultText();

    // Shows the dialog; the new text on OK, nothing on Cancel.
    static std::optional<QString> editTipText(int network, const QString& tipText, QWidget* parent = nullptr);

private:
    int network_;
    QLineEdit* tipText_ = nullptr;
};

// One network's row: "Add ... logotype and hyperlink to the menu", its address and the button
// that edits its tip text. Keeps the network's values while the dialog is open.
class SocialMediaRow : public QObject {
    Q_OBJECT
public:
    SocialMediaRow(int network, const SocialMediaOption& value, QWidget* parent, QGridLayout* grid, int row);

    SocialMediaOption value() const;
    QCheckBox* showLogoBox() const { return showLogo_; }
    QLineEdit* urlField() const { return url_; }

private:
    void updateEnabling();

    int network_;
    QWidget* parentWidget_;
    QString tipText_;
    QCheckBox* showLogo_ = nullptr;
    QLineEdit* url_ = nullptr;
    QPushButton* tip_ = nullptr;
};

// DlgOptionsMoreSocialMedia: YouTube, LinkedIn, Pinterest and Instagram.
class MoreSocialMediaDialog : public QDialog {
    Q_OBJECT
public:
    using Values = std::array<SocialMediaOption, SocialNetworks>;

    // values: all seven networks; the dialog edits the last four.
    explicit MoreSocialMediaDialog(const Values& values, QWidget* parent = nullptr);

    // The seven networks with the dialog's values for the last four.
    Values values() const;
    SocialMediaRow* row(int network) const;

private:
    Values values_;
    std::array<SocialMediaRow*, SocialNetworks> rows_{};
};

}  // namespace orv::editor
