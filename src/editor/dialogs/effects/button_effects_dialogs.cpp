#include "editor/dialogs/effects/button_effects_dialogs.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/rules/effect_rules.h"
#include "platform/widgets/qt_user_interface.h"

namespace orv::editor {

namespace {

QSlider* effectSlider(int value, const char* name, QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, 10);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setMinimumWidth(180);
    slider->setValue(std::clamp(value, 0, 10));
    return slider;
}

// The box picture of a glass colour, or a drawn swatch when the editor's Res folder has none.
QIcon glassColourIcon(int index)
{
    QPixmap picture = resPicture(GlassColourPictures[index]);
    if (picture.isNull()) {
        static const Colour colours[] = {RgbColour(255, 255, 255), RgbColour(0, 0, 0), RgbColour(255, 0, 0),
                                         RgbColour(0, 255, 0), RgbColour(0, 0, 255)};
        picture = QPixmap(16, 12);
        picture.fill(platform::ColourToQColor(colours[index]));
        QPainter painter(&picture);
        painter.setPen(Qt::gray);
        painter.drawRect(0, 0, 15, 11);
    }
    return QIcon(picture);
}

}  // namespace

DlgButEffects::DlgButEffects(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgButEffects", tr("Button Effects"), parent), buttonWidth_(ButtonWidthOf(project))
{
    auto* shadow = new QGroupBox(tr("Shadow"), this);
    useShadow_ = makeCheckBox(tr("Use &shadow effect"), "cUseShadowEffect", project.ButtonUseShadowEffect != 0, shadow);
    shadowSize_ = effectSlider(project.ButtonShadowSize, "SliderShadowSize", shadow);
    shadowIntensity_ = effectSlider(project.ButtonShadowIntensity, "SliderShadowIntensity", shadow);
    auto* shadowForm = new QFormLayout(shadow);
    shadowForm->addRow(useShadow_);
    shadowForm->addRow(tr("Size:"), shadowSize_);
    shadowForm->addRow(tr("Intensity:"), shadowIntensity_);

    auto* glass = new QGroupBox(tr("Glass"), this);
    useGlass_ = makeCheckBox(tr("Use &glass effect"), "cUseGlasEffect", project.ButtonUseGlasEffect != 0, glass);
    glassTransparency_ = effectSlider(project.ButtonGlasTransparency, "SliderGlasTransparency", glass);
    glassColour_ = new QComboBox(glass);
    glassColour_->setObjectName("ComboGlasColorX");
    for (int n = 0; n < static_cast<int>(GlassColourNames.size()); ++n)
        glassColour_->addItem(glassColourIcon(n), trText(GlassColourNames[n]));
    glassColour_->setCurrentIndex(GlassColourListIndex(project.ButtonGlasColorIndex));
    auto* glassForm = new QFormLayout(glass);
    glassForm->addRow(useGlass_);
    glassForm->addRow(tr("Transparency:"), glassTransparency_);
    glassForm->addRow(tr("Colour:"), glassColour_);

    auto* lines = new QGroupBox(tr("Horizontal lines"), this);
    useLines_ = makeCheckBox(tr("Use &horizontal effect lines"), "cUseHorizEffectLines",
                         project.ButtonUseHorizEffectLines != 0, lines);
    const int width = buttonWidth_;
    linesWidth_ = correctedEdit(qs(project.ButtonHorizEffectLinesWidth), "tHorizEffectLinesWidth",
                                [width](const QString& text) { return qs(CorrectHorizLinesWidth(ss(text), width)); });
    linesWidth_->setMaximumWidth(70);
    auto* adjust = new QPushButton(tr("&Adjust"), lines);
    adjust->setObjectName("CmdAdjust");
    adjust->setToolTip(tr("Half the button width"));
    connect(adjust, &QPushButton::clicked, this,
            [this] { linesWidth_->setText(QString::number(AdjustedHorizLinesWidth(buttonWidth_))); });
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(linesWidth_);
    widthRow->addWidget(new QLabel(tr("pixels"), lines));
    widthRow->addWidget(adjust);
    widthRow->addStretch(1);
    auto* linesForm = new QFormLayout(lines);
    linesForm->addRow(useLines_);
    linesForm->addRow(tr("Width:"), widthRow);

    auto* content = new QVBoxLayout;
    content->addWidget(shadow);
    content->addWidget(glass);
    content->addWidget(lines);
    finish(content, true);
}

void DlgButEffects::apply(MenuProject& project) const
{
    project.ButtonShadowSize = shadowSize_->value();
    project.ButtonShadowIntensity = shadowIntensity_->value();
    project.ButtonUseShadowEffect = useShadow_->isChecked() ? 1 : 0;
    project.ButtonGlasTransparency = glassTransparency_->value();
    project.ButtonUseGlasEffect = useGlass_->isChecked() ? 1 : 0;
    project.ButtonGlasColorIndex = glassColour_->currentIndex() + 1;
    project.ButtonUseHorizEffectLines = useLines_->isChecked() ? 1 : 0;
    project.ButtonHorizEffectLinesWidth = CorrectHorizLinesWidth(ss(linesWidth_->text()), buttonWidth_);
}

DlgButEffects2::DlgButEffects2(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgButEffects2", tr("Button Effects"), parent)
{
    useLight_ = makeCheckBox(tr("Use &light effect"), "cUseLightEffect", project.ButtonUseLightEffect != 0, this);
    auto* content = new QVBoxLayout;
    content->addWidget(useLight_);
    finish(content, false);
}

void DlgButEffects2::apply(MenuProject& project) const
{
    project.ButtonUseLightEffect = useLight_->isChecked() ? 1 : 0;
}

DlgButEffects3::DlgButEffects3(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgButEffects3", tr("Button Effects"), parent)
{
    useLight_ = makeCheckBox(tr("Use &light effect"), "cUseLightEffect", project.ButtonUseLightEffect != 0, this);
    rounded_ = makeCheckBox(tr("&Rounded surface"), "cRoundedSurface", project.ButtonRoundedSurface != 0, this);
    auto* content = new QVBoxLayout;
    content->addWidget(useLight_);
    content->addWidget(rounded_);
    finish(content, false);
}

void DlgButEffects3::apply(MenuProject& project) const
{
    project.ButtonUseLightEffect = useLight_->isChecked() ? 1 : 0;
    project.ButtonRoundedSurface = rounded_->isChecked() ? 1 : 0;
}

}  // namespace orv::editor
