// Options of the pictures: where the background picture is placed (DlgBackPictureOptions,
// with DlgBackPictureAdvancedOptions for a position of the author's), and the logotype's
// transparency, link and tip (DlgLogotypeOptions, with WMFLogoSize for a metafile's size).
#pragma once

#include <string>

#include "editor/dialogs/effects/effect_dialog.h"
#include "editor/rules/effect_rules.h"

class QCheckBox;
class QRadioButton;

namespace orv::editor {

class DlgBackPictureOptions : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgBackPictureOptions(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Background Options"); }

    // The placement the controls and the advanced options hold now.
    BackPicturePlacement placement() const;
    // Opens the advanced options over this dialog.
    void editAdvancedOptions();

private:
    void showPlacement(const BackPicturePlacement& placement);

    QCheckBox* pattern_;
    QCheckBox* stretch_;
    QCheckBox* behindTitle_;
    bool userCoordinates_ = false;
    int userX_ = 0;
    int userY_ = 0;
};

// A position of the author's for the background picture. Not a step of its own: the
// background options take its values on their OK.
class DlgBackPictureAdvancedOptions : public QDialog {
    Q_OBJECT
public:
    DlgBackPictureAdvancedOptions(bool userCoordinates, int x, int y, QWidget* parent = nullptr);
    bool userCoordinates() const;
    int x() const;
    int y() const;

private:
    QCheckBox* userCoordinates_;
    QLineEdit* x_;
    QLineEdit* y_;
};

class DlgLogotypeOptions : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgLogotypeOptions(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Logotype Options"); }

private:
    void editMetafileSize();

    int windowWidth_ = 0;
    int windowHeight_ = 0;
    std::string width_;
    std::string height_;
    QCheckBox* transparent_;
    QRadioButton* black_;
    QRadioButton* white_;
    QLineEdit* url_;
    QLineEdit* tipText_;
};

// The size a metafile logotype is drawn at, each bounded by the menu window's size.
class WMFLogoSize : public QDialog {
    Q_OBJECT
public:
    WMFLogoSize(const std::string& width, const std::string& height, int windowWidth, int windowHeight,
                QWidget* parent = nullptr);
    std::string width() const;
    std::string height() const;

private:
    int windowWidth_;
    int windowHeight_;
    QLineEdit* width_;
    QLineEdit* height_;
};

}  // namespace orv::editor
