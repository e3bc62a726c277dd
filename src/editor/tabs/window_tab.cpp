#include "editor/tabs/window_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/project_document.h"
#include "editor/rules/enabling_rules.h"
#include "editor/rules/window_size.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/dialog_launcher.h"
#include "model/editor_options.h"

namespace orv::editor {

WindowTab::WindowTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    // Size
    QGroupBox* sizeGroup = formGroup(tr("Menu Window Size"));
    auto* sizeForm = static_cast<QFormLayout*>(sizeGroup->layout());
    width_ = numberEdit("tMainWidth", &MenuProject::Width, NumericField::MainWidth);
    height_ = numberEdit("tMainHeight", &MenuProject::Height, NumericField::MainHeight);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(width_);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), this));
    sizeRow->addWidget(height_);
    sizeRow->addWidget(new QLabel(tr("pixels"), this));
    sizeRow->addStretch();
    sizeForm->addRow(tr("&Width × height:"), sizeRow);
    static_cast<QLabel*>(sizeForm->labelForField(sizeRow))->setBuddy(width_);

    auto* increase = new QPushButton(tr("Larger (+1 %)"), this);
    increase->setObjectName(QStringLiteral("CmdIncreaseWinSize"));
    auto* decrease = new QPushButton(tr("Smaller (−1 %)"), this);
    decrease->setObjectName(QStringLiteral("CmdDecreaseWinSize"));
    fit_ = new QPushButton(tr("Fit to &Background Picture"), this);
    fit_->setObjectName(QStringLiteral("CmdAdjustMenuSize"));
    fit_->setToolTip(tr("Sizes the menu window so that the background picture (a bitmap or JPEG) fills it exactly"));
    auto* resize = new QPushButton(tr("Si&ze with the Mouse..."), this);
    resize->setObjectName(QStringLiteral("CmdResizeMenuWin"));
    resize->setToolTip(tr("Opens the menu in a test run where you drag the window to the size you want"));
    auto* sizeButtons = new QGridLayout;
    sizeButtons->addWidget(increase, 0, 0);
    sizeButtons->addWidget(decrease, 0, 1);
    sizeButtons->addWidget(fit_, 1, 0);
    sizeButtons->addWidget(resize, 1, 1);
    sizeForm->addRow(sizeButtons);
    connect(increase, &QPushButton::clicked, this, &WindowTab::increase);
    connect(decrease, &QPushButton::clicked, this, &WindowTab::decrease);
    connect(fit_, &QPushButton::clicked, this, &WindowTab::fitToBackground);
    connect(resize, &QPushButton::clicked, this, &WindowTab::resizeInMenuProgramRequested);

    // Caption and frame
    QGroupBox* captionGroup = formGroup(tr("Caption and Frame"));
    auto* captionForm = static_cast<QFormLayout*>(captionGroup->layout());
    QLineEdit* caption = lineEdit("tCaptionText");
    binder_.bindText(caption, &MenuProject::CaptionText);
    captionForm->addRow(tr("&Caption:"), caption);
    showCaption_ = new QCheckBox(tr("Sh&ow caption"), this);
    showCaption_->setObjectName(QStringLiteral("cShowCaption"));
    showMinimize_ = new QCheckBox(tr("Show mi&nimize button"), this);
    showMinimize_->setObjectName(QStringLiteral("cShowMinimizeButton"));
    showBorder_ = new QCheckBox(tr("Show bo&rder"), this);
    showBorder_->setObjectName(QStringLiteral("cShowBorder"));
    auto* topmost = new QCheckBox(tr("Alwa&ys on top"), this);
    topmost->setObjectName(QStringLiteral("cWindowAlwaysTopmost"));
    socialMedia_ = new QCheckBox(tr("Include &social media logos"), this);
    socialMedia_->setObjectName(QStringLiteral("cIncludeSocialMediaLogos"));
    for (QCheckBox* box : {showCaption_, showMinimize_, showBorder_, topmost, socialMedia_})
        captionForm->addRow(box);
    connect(showCaption_, &QCheckBox::clicked, this, &WindowTab::captionOptionClicked);
    connect(showMinimize_, &QCheckBox::clicked, this, &WindowTab::captionOptionClicked);
    binder_.bindCheck(showBorder_, &MenuProject::ShowBorder);
    binder_.bindCheck(topmost, &MenuProject::WindowAlwaysTopmost);
    binder_.bindCheck(socialMedia_, &MenuProject::IncludeSocialMediaLogos);
    binder_.addLoader([this] {
        showCaption_->setChecked(project().ShowCaption != 0);
        showMinimize_->setChecked(project().ShowMinimizeButton != 0);
    });

    // Background colours
    QGroupBox* colourGroup = formGroup(tr("Background Color"));
    auto* colourForm = static_cast<QFormLayout*>(colourGroup->layout());
    backColor_ = new ColourButton(tr("Color &1..."), this);
    backColor_->setObjectName(QStringLiteral("CmdBackColor"));
    backColor2_ = new ColourButton(tr("Color &2..."), this);
    backColor2_->setObjectName(QStringLiteral("CmdBackColor2"));
    auto* colours = new QHBoxLayout;
    colours->addWidget(backColor_);
    colours->addWidget(backColor2_);
    colours->addStretch();
    colourForm->addRow(tr("Colors:"), colours);
    connect(backColor_, &QPushButton::clicked, this,
            [this] { pickColour(backColor_, &MenuProject::BackColor, tr("Background Color 1")); });
    connect(backColor2_, &QPushButton::clicked, this,
            [this] { pickColour(backColor2_, &MenuProject::BackColor2, tr("Background Color 2")); });
    binder_.addLoader([this] {
        backColor_->setColour(project().BackColor);
        backColor2_->setColour(project().BackColor2);
    });

    toneDirection_ = new QComboBox(this);
    toneDirection_->setObjectName(QStringLiteral("ComboToneDirection"));
    for (const std::string& entry : ToneDirectionListEntries())
        toneDirection_->addItem(tr(entry.c_str()));
    binder_.bindIndex(toneDirection_, &MenuProject::ToneDirection, 0);
    colourForm->addRow(tr("B&lend:"), toneDirection_);
    blendDepth_ = numberEdit("tBlendDepth", &MenuProject::BlendDepth, NumericField::BlendDepth);
    blendDepth_->setPlaceholderText(QStringLiteral("100"));
    auto* depthRow = new QHBoxLayout;
    depthRow->addWidget(blendDepth_);
    depthRow->addWidget(new QLabel(QStringLiteral("%"), this));
    depthRow->addStretch();
    colourForm->addRow(tr("Blend de&pth:"), depthRow);
    static_cast<QLabel*>(colourForm->labelForField(depthRow))->setBuddy(blendDepth_);

    // The medium
    QGroupBox* mediumGroup = formGroup(tr("Medium"));
    auto* mediumForm = static_cast<QFormLayout*>(mediumGroup->layout());
    auto* autorun = new QCheckBox(tr("Start the menu &automatically (create AUTORUN.INF)"), this);
    autorun->setObjectName(QStringLiteral("cUseAutorun"));
    binder_.bindCheck(autorun, &MenuProject::UseAutorun);
    mediumForm->addRow(autorun);
    auto* more = new QHBoxLayout;
    more->addWidget(context.dialogs.makeButton(ProjectDialog::WindowEffects, tr("Win&dow Effects..."), this));
    more->addWidget(context.dialogs.makeButton(ProjectDialog::StartCondition, tr("Start Cond&ition..."), this));
    more->addStretch();
    mediumForm->addRow(more);

    auto* left = new QVBoxLayout;
    left->addWidget(sizeGroup);
    left->addWidget(colourGroup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(captionGroup);
    right->addWidget(mediumGroup);
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

void WindowTab::applyOptions()
{
    socialMedia_->setVisible(Options().OfferSocialMedia);
}

void WindowTab::refresh()
{
    const MenuProject& p = project();
    const CaptionOptions shown = CaptionOptionsShown(p.ShowCaption != 0, p.ShowMinimizeButton != 0, p.ShowBorder != 0);
    showMinimize_->setEnabled(shown.minimizeEnabled);
    showBorder_->setEnabled(shown.borderEnabled);
    // Only a bitmap or JPEG of a usable size can be fitted; the header is read once per file.
    if (p.BackgroundPictureSrc != fitPicture_) {
        fitPicture_ = p.BackgroundPictureSrc;
        fitPossible_ = FitToBackground(fitPicture_, WindowFrame::None).has_value();
    }
    fit_->setEnabled(fitPossible_);
    blendDepth_->setEnabled(p.ToneDirection != 0);
    backColor2_->setEnabled(p.ToneDirection != 0);
}

void WindowTab::captionOptionClicked()
{
    const bool caption = showCaption_->isChecked();
    const bool minimize = showMinimize_->isChecked();
    const CaptionOptions o = ClickCaptionOption(caption, minimize, showBorder_->isChecked());
    showCaption_->setChecked(o.caption);
    showMinimize_->setChecked(o.minimize);
    showMinimize_->setEnabled(o.minimizeEnabled);
    showBorder_->setChecked(o.border);
    showBorder_->setEnabled(o.borderEnabled);
    edit(tr("Caption Options"), [&](MenuProject& p) { ApplyCaptionClick(p, caption, minimize); }, ChangeScope::Shown);
}

void WindowTab::increase()
{
    binder_.commitFocusedField();
    if (const auto size = IncreasedWindowSize(ProjectWindowSize(project())))
        takeWindowSize(size->width, size->height);
}

void WindowTab::decrease()
{
    binder_.commitFocusedField();
    if (const auto size = DecreasedWindowSize(ProjectWindowSize(project())))
        takeWindowSize(size->width, size->height);
}

void WindowTab::fitToBackground()
{
    if (const auto size = FitToBackground(project().BackgroundPictureSrc, FrameOf(project())))
        takeWindowSize(size->width, size->height);
}

void WindowTab::takeWindowSize(int width, int height)
{
    edit(tr("Menu Window Size"), [&](MenuProject& p) { SetProjectWindowSize(p, {width, height}); });
}

}  // namespace orv::editor
