// The title's effect dialogs: its underline (DlgUnderline), the lines or metal plate behind
// it (DlgTitleEffects) and the subtitle below it (SubTitle).
#pragma once

#include <array>

#include "editor/dialogs/effects/effect_dialog.h"

class QCheckBox;
class QRadioButton;
class QToolButton;

namespace orv::editor {

class FontField;

class DlgUnderline : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgUnderline(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Underline"); }

    // The stored number of the checked type (0 none, 1 simple, 2 misty, 3 blend), and the
    // other way; a number outside 0..3 checks none. Neither changes the height.
    int GetUnderlineTypeNr() const;
    void SetUnderlineTypeNr(int type);

private:
    void step(int by);

    std::array<QRadioButton*, 4> types_{};
    ColourButton* colour1_;
    ColourButton* colour2_;
    QLineEdit* height_;
    QToolButton* up_;
    QToolButton* down_;
    QCheckBox* textOnly_;
};

class DlgTitleEffects : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgTitleEffects(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Title Background Effects"); }

private:
    QRadioButton* none_;
    QRadioButton* lines_;
    QRadioButton* metalPlate_;
    ColourButton* linesColour_;
    QLineEdit* heightAdjust_;
};

class SubTitle : public EffectDialog {
    Q_OBJECT
public:
    explicit SubTitle(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Subtitle"); }

private:
    // Holds the font chosen so far, in the project's subtitle font fields.
    MenuProject font_;
    QLineEdit* text_;
    FontField* fontField_;
    ColourButton* colour_;
    QLineEdit* spacing_;
};

}  // namespace orv::editor
