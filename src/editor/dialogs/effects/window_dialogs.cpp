#include "editor/dialogs/effects/window_dialogs.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/rules/effect_rules.h"

namespace orv::editor {

DlgWinEffects::DlgWinEffects(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgWinEffects", tr("Window Effects"), parent)
{
    useEffects_ = new QCheckBox(tr("&Use effects on menu window"), this);
    useEffects_->setObjectName("cUseWinEffects");
    useEffects_->setChecked(project.UseWinEffects != 0);

    auto* fading = new QGroupBox(tr("Fading in"), this);
    speed_ = new QComboBox(fading);
    speed_->setObjectName("cSpeed");
    for (const char* name : FadingSpeedNames)
        speed_->addItem(trText(name));
    speed_->setCurrentIndex(FadingSpeedListIndex(project.WinFadingSpeed));
    auto* fadingForm = new QFormLayout(fading);
    fadingForm->addRow(tr("Speed:"), speed_);

    auto* transparency = new QGroupBox(tr("Transparency"), this);
    transparency_ = new QSlider(Qt::Horizontal, transparency);
    transparency_->setObjectName("SliderTransparencyLevel");
    transparency_->setRange(0, MaxWinTransparency);
    transparency_->setPageStep(10);
    transparency_->setTickInterval(10);
    transparency_->setTickPosition(QSlider::TicksBelow);
    transparency_->setMinimumWidth(240);
    transparency_->setValue(std::clamp<int>(project.WinTransparencyLevel, 0, MaxWinTransparency));
    transparencyCaption_ = new QLabel(trText(TransparencyCaption(transparency_->value())), transparency);
    transparencyCaption_->setObjectName("sTransparency");
    connect(transparency_, &QSlider::valueChanged, this,
            [this](int value) { transparencyCaption_->setText(trText(TransparencyCaption(value))); });
    auto* grid = new QGridLayout(transparency);
    grid->addWidget(transparencyCaption_, 0, 0, 1, 3);
    grid->addWidget(transparency_, 1, 0, 1, 3);
    const QString ticks[][2] = {{tr("0%"), tr("Nothing")}, {tr("50%"), tr("Middle")}, {tr("90%"), tr("Big")}};
    const Qt::Alignment align[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int n = 0; n < 3; ++n) {
        auto* tick = new QLabel(ticks[n][0] + "\n" + ticks[n][1], transparency);
        tick->setAlignment(align[n] | Qt::AlignTop);
        grid->addWidget(tick, 2, n);
    }

    auto* content = new QVBoxLayout;
    content->addWidget(useEffects_);
    content->addWidget(fading);
    content->addWidget(transparency);
    finish(content, true);
}

void DlgWinEffects::apply(MenuProject& project) const
{
    project.UseWinEffects = useEffects_->isChecked() ? 1 : 0;
    project.WinFadingSpeed = static_cast<std::int16_t>(speed_->currentIndex());
    project.WinTransparencyLevel = static_cast<std::int16_t>(transparency_->value());
}

DlgTab1Adv::DlgTab1Adv(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgTab1Adv", tr("Start Condition"), parent)
{
    rootKey_ = new QComboBox(this);
    rootKey_->setObjectName("ComboHKEY");
    for (const char* name : RegistryRootNames)
        rootKey_->addItem(QString::fromLatin1(name));
    rootKey_->setCurrentIndex(rootKey_->findText(qs(project.Registry_HKEY), Qt::MatchFixedString));
    useCurrentUserInVista_ = new QCheckBox(tr("Always use HKEY_CURRENT_USER in Windows Vista and later"), this);
    useCurrentUserInVista_->setObjectName("cAlwaysUseHKCUInVista");
    useCurrentUserInVista_->setChecked(project.Registry_UseHKCUInVista);
    subKey_ = correctedEdit(qs(project.Registry_SubKey), "tSubKey",
                            [](const QString& text) { return qs(WithoutLeadingBackslash(ss(text))); });
    valueName_ = new QLineEdit(qs(project.Registry_ValueName), this);
    WatchText(valueName_, TextKind::CodePageText);
    valueName_->setObjectName("tValueName");
    value_ = new QLineEdit(qs(project.Registry_Value), this);
    WatchText(value_, TextKind::CodePageText);
    value_->setObjectName("tValue");
    subKey_->setMinimumWidth(320);

    auto* box = new QGroupBox(tr("Don't show the menu when this registry value is set"), this);
    auto* form = new QFormLayout(box);
    form->addRow(makeNote(tr("An application installed from the disc can set a registry value, so that the menu "
                             "does not open every time the disc is used as its data source."),
                          box));
    form->addRow(tr("Root key:"), rootKey_);
    form->addRow(useCurrentUserInVista_);
    form->addRow(tr("Sub key:"), subKey_);
    form->addRow(tr("Value name:"), valueName_);
    form->addRow(tr("Value:"), value_);

    auto* content = new QVBoxLayout;
    content->addWidget(box);
    finish(content, false);
}

void DlgTab1Adv::apply(MenuProject& project) const
{
    // A root name that is none of the list's (an edited file) stays until one is chosen.
    if (rootKey_->currentIndex() >= 0)
        project.Registry_HKEY = ss(rootKey_->currentText());
    project.Registry_UseHKCUInVista = useCurrentUserInVista_->isChecked();
    project.Registry_SubKey = WithoutLeadingBackslash(ss(subKey_->text()));
    project.Registry_ValueName = ss(valueName_->text());
    project.Registry_Value = ss(value_->text());
}

}  // namespace orv::editor
