#include "editor/dialogs/effects/title_effect_dialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/rules/effect_rules.h"
#include "editor/rules/field_rules.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/font_field.h"

namespace orv::editor {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

DlgUnderline::DlgUnderline(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgUnderline", tr("Underline"), parent)
{
    auto* typeBox = new QGroupBox(tr("Type"), this);
    auto* typeLayout = new QVBoxLayout(typeBox);
    const QString captions[] = {tr("&No underline"), tr("&Simple"), tr("&Misty"), tr("&Blend")};
    const char* names[] = {"oNoUnderline", "oSimpleUnderline", "oMistyUnderline", "oBlendUnderline"};
    for (int n = 0; n < 4; ++n) {
        types_[n] = new QRadioButton(captions[n], typeBox);
        types_[n]->setObjectName(names[n]);
        typeLayout->addWidget(types_[n]);
        // A type chosen by the author sets its own height.
        connect(types_[n], &QRadioButton::clicked, this, [this, n] {
            if (const std::optional<int> height = UnderlineHeightForType(n))
                height_->setText(QString::number(*height));
        });
    }

    colour1_ = colourButton(tr("Colour &1..."), "CmdColor1", project.UnderlineColor1);
    colour2_ = colourButton(tr("Colour &2..."), "CmdColor2", project.UnderlineColor2);
    height_ = correctedEdit(QString::number(project.UnderlineHeight), "tUnderlineHeight", [this](const QString& text) {
        return qs(CorrectUnderlineHeight(ss(text), GetUnderlineTypeNr()));
    });
    height_->setMaximumWidth(50);
    up_ = arrowButton(Qt::UpArrow, "UpDownArrUp", this);
    down_ = arrowButton(Qt::DownArrow, "UpDownArrDown", this);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    auto* heightRow = new QHBoxLayout;
    heightRow->setSpacing(2);
    heightRow->addWidget(height_);
    heightRow->addWidget(up_);
    heightRow->addWidget(down_);
    heightRow->addWidget(new QLabel(tr("pixels"), this));
    heightRow->addStretch(1);
    textOnly_ = new QCheckBox(tr("Underline the &text only"), this);
    textOnly_->setObjectName("cUnderlineTextOnly");
    textOnly_->setChecked(project.UnderlineTextOnly != 0);

    auto* look = new QGroupBox(tr("Look"), this);
    auto* form = new QFormLayout(look);
    form->addRow(colour1_);
    form->addRow(colour2_);
    form->addRow(tr("Height:"), heightRow);
    form->addRow(textOnly_);

    auto* content = new QHBoxLayout;
    content->addWidget(typeBox);
    content->addWidget(look, 1);
    SetUnderlineTypeNr(project.UnderlineType);
    finish(content, true);
}

int DlgUnderline::GetUnderlineTypeNr() const
{
    for (int n = 0; n < 4; ++n)
        if (types_[n]->isChecked())
            return n;
    return UnderlineNone;
}

void DlgUnderline::SetUnderlineTypeNr(int type) { types_[UnderlineOptionFor(type)]->setChecked(true); }

void DlgUnderline::step(int by)
{
    const int type = GetUnderlineTypeNr();
    const int now = std::stoi(CorrectUnderlineHeight(ss(height_->text()), type));
    height_->setText(qs(CorrectUnderlineHeight(std::to_string(now + by), type)));
}

void DlgUnderline::apply(MenuProject& project) const
{
    const int type = GetUnderlineTypeNr();
    project.UnderlineType = static_cast<std::int16_t>(type);
    project.UnderlineColor1 = colour1_->colour();
    project.UnderlineColor2 = colour2_->colour();
    project.UnderlineHeight = static_cast<std::int16_t>(std::stoi(CorrectUnderlineHeight(ss(height_->text()), type)));
    project.UnderlineTextOnly = textOnly_->isChecked() ? 1 : 0;
}

DlgTitleEffects::DlgTitleEffects(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgTitleEffects", tr("Title Background Effects"), parent)
{
    auto* effectBox = new QGroupBox(tr("Effect"), this);
    none_ = new QRadioButton(tr("&No effect"), effectBox);
    none_->setObjectName("oNoEffect");
    lines_ = new QRadioButton(tr("Draw background &lines"), effectBox);
    lines_->setObjectName("oDrawBkgLines");
    metalPlate_ = new QRadioButton(tr("Draw a &metal plate"), effectBox);
    metalPlate_->setObjectName("oDrawMetalPlate");
    switch (TitleEffectOf(project)) {
    case TitleEffect::None: none_->setChecked(true); break;
    case TitleEffect::Lines: lines_->setChecked(true); break;
    case TitleEffect::MetalPlate: metalPlate_->setChecked(true); break;
    }
    auto* effectLayout = new QVBoxLayout(effectBox);
    effectLayout->addWidget(none_);
    effectLayout->addWidget(lines_);
    effectLayout->addWidget(metalPlate_);

    linesColour_ = colourButton(tr("Lines &Colour..."), "CmdSetLinesColor", project.TitleBkgLinesColor);
    heightAdjust_ = correctedEdit(QString::number(project.TitleBkgLinesAdjust), "tHeightAdjust",
                                  [](const QString& text) { return qs(CorrectTitleLinesAdjust(ss(text))); });
    heightAdjust_->setMaximumWidth(50);
    auto* adjustRow = new QHBoxLayout;
    adjustRow->addWidget(heightAdjust_);
    adjustRow->addWidget(new QLabel(tr("pixels (-20 to 30)"), this));
    adjustRow->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(linesColour_);
    form->addRow(tr("Height adjustment:"), adjustRow);

    auto* content = new QVBoxLayout;
    content->addWidget(effectBox);
    content->addLayout(form);
    finish(content, false);
}

void DlgTitleEffects::apply(MenuProject& project) const
{
    const TitleEffect effect = lines_->isChecked()        ? TitleEffect::Lines
                               : metalPlate_->isChecked() ? TitleEffect::MetalPlate
                                                          : TitleEffect::None;
    ApplyTitleEffect(project, effect, linesColour_->colour(), std::stoi(CorrectTitleLinesAdjust(ss(heightAdjust_->text()))));
}

SubTitle::SubTitle(const MenuProject& project, QWidget* parent)
    : EffectDialog("SubTitle", tr("Subtitle"), parent), font_(project)
{
    text_ = new QLineEdit(qs(project.SubTitleText), this);
    WatchText(text_, TextKind::Text);
    text_->setObjectName("tSubTitleText");
    text_->setMinimumWidth(300);

    fontField_ = new FontField({&MenuProject::SubTitleFontName, &MenuProject::SubTitleFontSize,
                                &MenuProject::SubTitleFontBold, &MenuProject::SubTitleFontItalic},
                               tr("&Font..."), this);
    fontField_->setObjectName("sSubTitleFont");
    fontField_->button()->setObjectName("CmdSubTitleFont");
    fontField_->show(font_);
    connect(fontField_, &FontField::clicked, this, [this] {
        if (const auto chosen = fontField_->choose(font_)) {
            fontField_->store(*chosen, font_);
            fontField_->show(font_);
        }
    });

    colour_ = colourButton(tr("&Colour..."), "CmdSubTitleColor", project.SubTitleColor);

    spacing_ = correctedEdit(QString::number(project.SubTitleCharInterSpace), "tSubTitleCharInterSpace",
                             [](const QString& text) { return qs(CorrectSubTitleCharInterSpace(ss(text))); });
    spacing_->setMaximumWidth(50);
    auto* inc = new QToolButton(this);
    inc->setObjectName("IncCharInterSpace");
    inc->setText("+");
    auto* dec = new QToolButton(this);
    dec->setObjectName("DecCharInterSpace");
    dec->setText("-");
    connect(inc, &QToolButton::clicked, this, [this] { spacing_->setText(qs(StepCharInterSpace(ss(spacing_->text()), 1))); });
    connect(dec, &QToolButton::clicked, this, [this] { spacing_->setText(qs(StepCharInterSpace(ss(spacing_->text()), -1))); });
    auto* spacingRow = new QHBoxLayout;
    spacingRow->setSpacing(2);
    spacingRow->addWidget(spacing_);
    spacingRow->addWidget(dec);
    spacingRow->addWidget(inc);
    spacingRow->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(tr("Subtitle:"), text_);
    form->addRow(tr("Font:"), fontField_);
    form->addRow(tr("Colour:"), colour_);
    form->addRow(tr("Character spacing:"), spacingRow);
    finish(form, true);
}

void SubTitle::apply(MenuProject& project) const
{
    project.SubTitleText = ss(text_->text());
    project.SubTitleFontName = font_.SubTitleFontName;
    project.SubTitleFontSize = font_.SubTitleFontSize;
    project.SubTitleFontBold = font_.SubTitleFontBold;
    project.SubTitleFontItalic = font_.SubTitleFontItalic;
    project.SubTitleColor = colour_->colour();
    project.SubTitleCharInterSpace = std::stoi(CorrectSubTitleCharInterSpace(ss(spacing_->text())));
}

}  // namespace orv::editor
