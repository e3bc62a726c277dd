#include "editor/tabs/buttons_text_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/rules/enabling_rules.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/font_field.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

ButtonsTextTab::ButtonsTextTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    QGroupBox* textGroup = formGroup(tr("Button Text"));
    auto* text = static_cast<QFormLayout*>(textGroup->layout());
    font_ = new FontField({&MenuProject::ButtonFontName, &MenuProject::ButtonFontSize, &MenuProject::ButtonFontBold,
                           &MenuProject::ButtonFontItalic},
                          tr("&Font..."), this);
    font_->button()->setObjectName(QStringLiteral("CmdButtonFont"));
    text->addRow(tr("Font:"), font_);
    connect(font_, &FontField::clicked, this, [this] {
        if (font_->choose(project()))
            markModified();
    });
    text->addRow(tr("Alignment:"), choiceRow(&MenuProject::ButtonTextAlignment,
                                             {{1, tr("&Left")}, {2, tr("C&enter")}, {3, tr("&Right")}},
                                             "ButtonTextAlignment"));

    QGroupBox* colourGroup = formGroup(tr("Button Colors"));
    auto* colours = static_cast<QFormLayout*>(colourGroup->layout());
    textColour_ = new ColourButton(tr("&Text Color..."), this);
    textColour_->setObjectName(QStringLiteral("CmdButtonColor"));
    frameColour_ = new ColourButton(tr("F&rame Color..."), this);
    frameColour_->setObjectName(QStringLiteral("CmdButtonFrameColor"));
    backColour_ = new ColourButton(tr("&Background Color..."), this);
    backColour_->setObjectName(QStringLiteral("CmdButtonBackColor"));
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(textColour_);
    colourRow->addWidget(frameColour_);
    colourRow->addWidget(backColour_);
    colourRow->addStretch();
    colours->addRow(colourRow);
    separateFrame_ = new QCheckBox(tr("The frame has a color of its &own (it does not follow the text color)"), this);
    separateFrame_->setObjectName(QStringLiteral("cSeparateFrameAndCharColor"));
    binder_.bindFlag(separateFrame_, &MenuProject::SeparateFrameAndCharColor);
    colours->addRow(separateFrame_);
    connect(textColour_, &QPushButton::clicked, this, &ButtonsTextTab::chooseTextColour);
    connect(frameColour_, &QPushButton::clicked, this,
            [this] { pickColour(frameColour_, &MenuProject::ButtonFrameColor); });
    connect(backColour_, &QPushButton::clicked, this,
            [this] { pickColour(backColour_, &MenuProject::ButtonBackColor); });

    QGroupBox* titleGroup = formGroup(tr("Title Rows of the Button List"));
    auto* titles = static_cast<QFormLayout*>(titleGroup->layout());
    titleFont_ = new FontField({&MenuProject::ButtonTitle_FontName, &MenuProject::ButtonTitle_FontSize,
                                &MenuProject::ButtonTitle_FontBold, &MenuProject::ButtonTitle_FontItalic},
                               tr("F&ont..."), this);
    titles->addRow(tr("Font:"), titleFont_);
    connect(titleFont_, &FontField::clicked, this, [this] {
        if (titleFont_->choose(project()))
            markModified();
    });
    titleColour_ = new ColourButton(tr("Text &Color..."), this);
    auto* titleColourRow = new QHBoxLayout;
    titleColourRow->addWidget(titleColour_);
    titleColourRow->addStretch();
    titles->addRow(tr("Color:"), titleColourRow);
    connect(titleColour_, &QPushButton::clicked, this,
            [this] { pickColour(titleColour_, &MenuProject::ButtonTitle_TextColor); });

    binder_.addLoader([this] {
        font_->show(project());
        titleFont_->show(project());
        titleColour_->setColour(project().ButtonTitle_TextColor);
    });

    auto* column = new QVBoxLayout(this);
    column->addWidget(textGroup);
    column->addWidget(colourGroup);
    column->addWidget(titleGroup);
    column->addStretch();
}

void ButtonsTextTab::refresh()
{
    textColour_->setColour(project().ButtonForeColor);
    frameColour_->setColour(project().ButtonFrameColor);
    backColour_->setColour(project().ButtonBackColor);
    separateFrame_->setChecked(project().SeparateFrameAndCharColor);
}

void ButtonsTextTab::chooseTextColour()
{
    const std::optional<std::int32_t> chosen = platform::services().ui->PickColour(project().ButtonForeColor);
    if (!chosen)
        return;
    ChooseButtonTextColour(project(), *chosen);
    markModified();
    refresh();
}

}  // namespace orv::editor
