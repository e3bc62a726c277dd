#include "editor/tabs/title_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/tabs/colour_button.h"
#include "editor/tabs/dialog_launcher.h"
#include "editor/tabs/font_field.h"

namespace orv::editor {

TitleTab::TitleTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    QGroupBox* group = formGroup(tr("Title"));
    auto* form = static_cast<QFormLayout*>(group->layout());

    QLineEdit* text = lineEdit("tTitleText");
    binder_.bindText(text, &MenuProject::TitleText);
    form->addRow(tr("Te&xt:"), text);

    form->addRow(tr("Alignment:"), choiceRow(&MenuProject::TitleAlignment,
                                             {{1, tr("&Left")}, {2, tr("Ce&nter")}, {3, tr("&Right")}},
                                             "TitleAlignment"));

    font_ = new FontField({&MenuProject::TitleFontName, &MenuProject::TitleFontSize, &MenuProject::TitleFontBold,
                           &MenuProject::TitleFontItalic},
                          tr("F&ont..."), this);
    font_->button()->setObjectName(QStringLiteral("CmdTitleFont"));
    form->addRow(tr("Font:"), font_);
    connect(font_, &FontField::clicked, this, [this] { chooseFont(font_, tr("Title Font")); });

    colour_ = new ColourButton(tr("&Color..."), this);
    colour_->setObjectName(QStringLiteral("CmdTitleColor"));
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colour_);
    auto* shadow = new QCheckBox(tr("&Shadow"), this);
    shadow->setObjectName(QStringLiteral("cTitleShadow"));
    binder_.bindCheck(shadow, &MenuProject::TitleShadow);
    colourRow->addSpacing(12);
    colourRow->addWidget(shadow);
    colourRow->addStretch();
    form->addRow(tr("Color:"), colourRow);
    connect(colour_, &QPushButton::clicked, this,
            [this] { pickColour(colour_, &MenuProject::TitleForeColor, tr("Title Color")); });

    spacing_ = numberEdit("tTitleCharInterSpace", &MenuProject::TitleCharInterSpace, NumericField::TitleCharInterSpace);
    auto* less = new QToolButton(this);
    less->setObjectName(QStringLiteral("DecCharInterSpace"));
    less->setText(QStringLiteral("−"));
    less->setToolTip(tr("Less space between the characters"));
    auto* more = new QToolButton(this);
    more->setObjectName(QStringLiteral("IncCharInterSpace"));
    more->setText(QStringLiteral("+"));
    more->setToolTip(tr("More space between the characters"));
    auto* spacingRow = new QHBoxLayout;
    spacingRow->addWidget(spacing_);
    spacingRow->addWidget(less);
    spacingRow->addWidget(more);
    spacingRow->addStretch();
    form->addRow(tr("Character s&pacing:"), spacingRow);
    static_cast<QLabel*>(form->labelForField(spacingRow))->setBuddy(spacing_);
    connect(less, &QToolButton::clicked, this, [this] { stepSpacing(-1); });
    connect(more, &QToolButton::clicked, this, [this] { stepSpacing(1); });

    binder_.addLoader([this] {
        font_->show(project());
        colour_->setColour(project().TitleForeColor);
    });

    QGroupBox* effects = new QGroupBox(tr("Subtitle and Effects"), this);
    auto* effectRow = new QHBoxLayout(effects);
    effectRow->addWidget(context.dialogs.makeButton(ProjectDialog::SubTitle, tr("S&ubtitle..."), this));
    effectRow->addWidget(context.dialogs.makeButton(ProjectDialog::Underline, tr("Underl&ine..."), this));
    effectRow->addWidget(context.dialogs.makeButton(ProjectDialog::TitleEffects, tr("&Background Effects..."), this));
    effectRow->addStretch();
    auto updateEffects = [this, effects] {
        effects->setVisible(context_.dialogs.hasOpener(ProjectDialog::SubTitle) ||
                            context_.dialogs.hasOpener(ProjectDialog::Underline) ||
                            context_.dialogs.hasOpener(ProjectDialog::TitleEffects));
    };
    updateEffects();
    connect(&context.dialogs, &DialogLauncher::openersChanged, this, updateEffects);

    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    column->addWidget(effects);
    column->addStretch();
}

void TitleTab::stepSpacing(int step)
{
    const std::string next = StepCharInterSpace(spacing_->text().toStdString(), step);
    spacing_->setText(QString::fromStdString(next));
    edit(tr("Character Spacing"), [&](MenuProject& p) { p.TitleCharInterSpace = next; }, ChangeScope::Shown);
}

}  // namespace orv::editor
