#include "editor/tabs/buttons_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "editor/project_document.h"
#include "editor/rules/enabling_rules.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/dialog_launcher.h"
#include "editor/tabs/font_field.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

ButtonsTab::ButtonsTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    auto* left = new QVBoxLayout;
    left->addWidget(makeLookGroup());
    left->addWidget(makeTextGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(makeColourGroup());
    right->addWidget(makeTitleRowGroup());
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    binder_.addLoader([this] {
        font_->show(project());
        titleFont_->show(project());
        titleColour_->setColour(project().ButtonTitle_TextColor);
    });
}

QWidget* ButtonsTab::makeLookGroup()
{
    QGroupBox* group = formGroup(tr("Look of the Buttons"));
    auto* look = static_cast<QFormLayout*>(group->layout());
    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("ComboButStyle"));
    style_->setMaxVisibleItems(30);
    for (const std::string& entry : ButtonStyleListEntries())
        style_->addItem(tr(entry.c_str()));
    // Group headings are shown as headings and cannot be picked.
    if (auto* items = qobject_cast<QStandardItemModel*>(style_->model())) {
        for (int i = 0; i < style_->count(); ++i) {
            if (!IsButtonStyleHeading(ButtonStyleOfIndex(i)))
                continue;
            QStandardItem* item = items->item(i);
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
    }
    binder_.bindIndex(style_, &MenuProject::ButtonStyle, 1);
    style_->installEventFilter(this);
    look->addRow(tr("&Style:"), style_);

    QLineEdit* width = numberEdit("tButtonWidth", &MenuProject::ButtonWidth, NumericField::ButtonWidth);
    QLineEdit* height = numberEdit("tButtonHeight", &MenuProject::ButtonHeight, NumericField::ButtonHeight);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(width);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), this));
    sizeRow->addWidget(height);
    sizeRow->addWidget(new QLabel(tr("pixels"), this));
    sizeRow->addStretch();
    look->addRow(tr("Si&ze:"), sizeRow);
    static_cast<QLabel*>(look->labelForField(sizeRow))->setBuddy(width);
    auto* autoSize = new QCheckBox(tr("Automat&ic size"), this);
    autoSize->setObjectName(QStringLiteral("cButtonAutoSize"));
    binder_.bindCheck(autoSize, &MenuProject::ButtonAutoSize);
    look->addRow(QString(), autoSize);

    look->addRow(tr("Placement:"), choiceRow(&MenuProject::ButtonAlignment,
                                             {{1, tr("&Left")}, {2, tr("Cente&r")}, {3, tr("Ri&ght")},
                                              {4, tr("&Double columns")}},
                                             "ButtonAlignment"));
    auto* more = new QHBoxLayout;
    more->addWidget(context_.dialogs.makeButton(ProjectDialog::ButtonEffects, tr("B&utton Effects..."), this));
    more->addWidget(context_.dialogs.makeButton(ProjectDialog::ActiveFrame, tr("Acti&ve Frame..."), this));
    more->addStretch();
    look->addRow(more);
    return group;
}

QWidget* ButtonsTab::makeTextGroup()
{
    QGroupBox* group = formGroup(tr("Button Text"));
    auto* text = static_cast<QFormLayout*>(group->layout());
    font_ = new FontField({&MenuProject::ButtonFontName, &MenuProject::ButtonFontSize, &MenuProject::ButtonFontBold,
                           &MenuProject::ButtonFontItalic},
                          tr("F&ont..."), this);
    font_->button()->setObjectName(QStringLiteral("CmdButtonFont"));
    text->addRow(tr("Font:"), font_);
    connect(font_, &FontField::clicked, this, [this] { chooseFont(font_, tr("Button Font")); });
    text->addRow(tr("Alignment:"), choiceRow(&MenuProject::ButtonTextAlignment,
                                             {{1, tr("Left")}, {2, tr("Center")}, {3, tr("Right")}},
                                             "ButtonTextAlignment"));
    return group;
}

QWidget* ButtonsTab::makeColourGroup()
{
    QGroupBox* group = formGroup(tr("Button Colors"));
    auto* colours = static_cast<QFormLayout*>(group->layout());
    textColour_ = new ColourButton(tr("Te&xt..."), this);
    textColour_->setObjectName(QStringLiteral("CmdButtonColor"));
    frameColour_ = new ColourButton(tr("Fr&ame..."), this);
    frameColour_->setObjectName(QStringLiteral("CmdButtonFrameColor"));
    backColour_ = new ColourButton(tr("&Background..."), this);
    backColour_->setObjectName(QStringLiteral("CmdButtonBackColor"));
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(textColour_);
    colourRow->addWidget(frameColour_);
    colourRow->addWidget(backColour_);
    colourRow->addStretch();
    colours->addRow(colourRow);
    separateFrame_ = new QCheckBox(tr("The frame has a color of its o&wn"), this);
    separateFrame_->setObjectName(QStringLiteral("cSeparateFrameAndCharColor"));
    separateFrame_->setToolTip(tr("Without it the frame always takes the text color"));
    binder_.bindFlag(separateFrame_, &MenuProject::SeparateFrameAndCharColor);
    colours->addRow(separateFrame_);
    connect(textColour_, &QPushButton::clicked, this, &ButtonsTab::chooseTextColour);
    connect(frameColour_, &QPushButton::clicked, this,
            [this] { pickColour(frameColour_, &MenuProject::ButtonFrameColor, tr("Button Frame Color")); });
    connect(backColour_, &QPushButton::clicked, this,
            [this] { pickColour(backColour_, &MenuProject::ButtonBackColor, tr("Button Background Color")); });
    return group;
}

QWidget* ButtonsTab::makeTitleRowGroup()
{
    QGroupBox* group = formGroup(tr("Title Rows of the Button List"));
    auto* titles = static_cast<QFormLayout*>(group->layout());
    titleFont_ = new FontField({&MenuProject::ButtonTitle_FontName, &MenuProject::ButtonTitle_FontSize,
                                &MenuProject::ButtonTitle_FontBold, &MenuProject::ButtonTitle_FontItalic},
                               tr("Fo&nt..."), this);
    titleFont_->button()->setObjectName(QStringLiteral("CmdButtonTitleFont"));
    titles->addRow(tr("Font:"), titleFont_);
    connect(titleFont_, &FontField::clicked, this, [this] { chooseFont(titleFont_, tr("Title Row Font")); });
    titleColour_ = new ColourButton(tr("Text &Color..."), this);
    titleColour_->setObjectName(QStringLiteral("CmdButtonTitleColor"));
    auto* row = new QHBoxLayout;
    row->addWidget(titleColour_);
    row->addStretch();
    titles->addRow(tr("Color:"), row);
    connect(titleColour_, &QPushButton::clicked, this,
            [this] { pickColour(titleColour_, &MenuProject::ButtonTitle_TextColor, tr("Title Row Color")); });
    return group;
}

void ButtonsTab::refresh()
{
    textColour_->setColour(project().ButtonForeColor);
    frameColour_->setColour(project().ButtonFrameColor);
    backColour_->setColour(project().ButtonBackColor);
    separateFrame_->setChecked(project().SeparateFrameAndCharColor);
}

void ButtonsTab::chooseTextColour()
{
    const std::optional<std::int32_t> chosen = platform::services().ui->PickColour(project().ButtonForeColor);
    if (!chosen)
        return;
    edit(tr("Button Text Color"), [&](MenuProject& p) { ChooseButtonTextColour(p, *chosen); });
}

bool ButtonsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == style_ && event->type() == QEvent::FocusOut)
        assureItsAStyle();
    return ProjectTab::eventFilter(watched, event);
}

void ButtonsTab::assureItsAStyle()
{
    const int index = AssureItsAStyle(style_->currentIndex());
    if (index == style_->currentIndex() && ButtonStyleOfIndex(index) == project().ButtonStyle)
        return;
    style_->setCurrentIndex(index);
    const auto style = static_cast<std::int16_t>(ButtonStyleOfIndex(index));
    edit(tr("Button Style"), [&](MenuProject& p) { p.ButtonStyle = style; }, ChangeScope::Shown);
}

}  // namespace orv::editor
