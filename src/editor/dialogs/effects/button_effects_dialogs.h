// The button effects, by button style: shadow, glass and horizontal lines for the plain
// styles (DlgButEffects), the light effect for the blended, 3-dimensional and metallic
// styles (DlgButEffects2), light and rounded surface for the plastic style (DlgButEffects3).
#pragma once

#include "editor/dialogs/effects/effect_dialog.h"

class QCheckBox;
class QComboBox;
class QSlider;

namespace orv::editor {

class DlgButEffects : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgButEffects(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Button Effects"); }

private:
    int buttonWidth_ = 0;
    QSlider* shadowSize_;
    QSlider* shadowIntensity_;
    QCheckBox* useShadow_;
    QSlider* glassTransparency_;
    QCheckBox* useGlass_;
    QComboBox* glassColour_;
    QCheckBox* useLines_;
    QLineEdit* linesWidth_;
};

class DlgButEffects2 : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgButEffects2(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Button Effects"); }

private:
    QCheckBox* useLight_;
};

class DlgButEffects3 : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgButEffects3(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Button Effects"); }

private:
    QCheckBox* useLight_;
    QCheckBox* rounded_;
};

}  // namespace orv::editor
