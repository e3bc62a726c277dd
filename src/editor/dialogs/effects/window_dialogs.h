// The menu window's effect dialog (DlgWinEffects: fading in and transparency) and the start
// condition read from the registry (DlgTab1Adv).
#pragma once

#include "editor/dialogs/effects/effect_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace orv::editor {

class DlgWinEffects : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgWinEffects(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Window Effects"); }

private:
    QCheckBox* useEffects_;
    QComboBox* speed_;
    QSlider* transparency_;
    QLabel* transparencyCaption_;
};

class DlgTab1Adv : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgTab1Adv(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Start Condition"); }

private:
    QComboBox* rootKey_;
    QCheckBox* useCurrentUserInVista_;
    QLineEdit* subKey_;
    QLineEdit* valueName_;
    QLineEdit* value_;
};

}  // namespace orv::editor
