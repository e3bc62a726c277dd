#include "editor/dialogs/effects/picture_option_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/rules/field_rules.h"

namespace orv::editor {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// A short number field whose text is corrected when it is left.
QLineEdit* numberEdit(const QString& text, const char* name, QWidget* parent,
                      std::function<QString(const QString&)> correct)
{
    QLineEdit* edit = makeCorrectedEdit(text, name, parent, std::move(correct));
    edit->setMaximumWidth(60);
    return edit;
}

}  // namespace

DlgBackPictureOptions::DlgBackPictureOptions(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgBackPictureOptions", tr("Background Picture Options"), parent),
      userCoordinates_(project.BkPic_UseUserCoordinates != 0),
      userX_(project.BkPic_UserPosX),
      userY_(project.BkPic_UserPosY)
{
    pattern_ = new QCheckBox(tr("Use the picture as a &pattern (tiled)"), this);
    pattern_->setObjectName("cUseBackPictureAsPattern");
    stretch_ = new QCheckBox(tr("&Stretch the picture to the window size"), this);
    stretch_->setObjectName("cStretchBackPicture");
    behindTitle_ = new QCheckBox(tr("Place the picture behind the &title only"), this);
    behindTitle_->setObjectName("cPlaceBackPictureBehindTitleOnly");
    pattern_->setChecked(project.UseBackgroundPictureAsPattern != 0);
    stretch_->setChecked(project.StretchBackPicture != 0);
    behindTitle_->setChecked(project.PlaceBackPictureBehindTitle != 0);

    const std::pair<QCheckBox*, BackPictureChoice> boxes[] = {{pattern_, BackPictureChoice::Pattern},
                                                              {stretch_, BackPictureChoice::Stretch},
                                                              {behindTitle_, BackPictureChoice::BehindTitleOnly}};
    for (const auto& [box, choice] : boxes)
        connect(box, &QCheckBox::clicked, this, [this, choice](bool checked) {
            if (checked)
                showPlacement(ChooseBackPicture(placement(), choice));
        });

    auto* advanced = new QPushButton(tr("&Advanced Options..."), this);
    advanced->setObjectName("CmdAdvancedOptions");
    advanced->setAutoDefault(false);
    connect(advanced, &QPushButton::clicked, this, &DlgBackPictureOptions::editAdvancedOptions);
    auto* advancedRow = new QHBoxLayout;
    advancedRow->addStretch(1);
    advancedRow->addWidget(advanced);

    auto* box = new QGroupBox(tr("Placement"), this);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(pattern_);
    boxLayout->addWidget(stretch_);
    boxLayout->addWidget(behindTitle_);
    auto* content = new QVBoxLayout;
    content->addWidget(box);
    content->addLayout(advancedRow);
    finish(content, false);
}

BackPicturePlacement DlgBackPictureOptions::placement() const
{
    return {pattern_->isChecked(), stretch_->isChecked(), behindTitle_->isChecked(), userCoordinates_};
}

void DlgBackPictureOptions::showPlacement(const BackPicturePlacement& placement)
{
    pattern_->setChecked(placement.pattern);
    stretch_->setChecked(placement.stretch);
    behindTitle_->setChecked(placement.behindTitleOnly);
    userCoordinates_ = placement.userCoordinates;
}

void DlgBackPictureOptions::editAdvancedOptions()
{
    DlgBackPictureAdvancedOptions dialog(userCoordinates_, userX_, userY_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    userX_ = dialog.x();
    userY_ = dialog.y();
    BackPicturePlacement now = placement();
    now.userCoordinates = dialog.userCoordinates();
    showPlacement(now.userCoordinates ? ChooseBackPicture(now, BackPictureChoice::UserCoordinates) : now);
}

void DlgBackPictureOptions::apply(MenuProject& project) const
{
    const BackPicturePlacement p = placement();
    project.UseBackgroundPictureAsPattern = p.pattern ? 1 : 0;
    project.StretchBackPicture = p.stretch ? 1 : 0;
    project.PlaceBackPictureBehindTitle = p.behindTitleOnly ? 1 : 0;
    project.BkPic_UseUserCoordinates = p.userCoordinates ? 1 : 0;
    project.BkPic_UserPosX = static_cast<std::int16_t>(userX_);
    project.BkPic_UserPosY = static_cast<std::int16_t>(userY_);
}

DlgBackPictureAdvancedOptions::DlgBackPictureAdvancedOptions(bool userCoordinates, int x, int y, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgBackPictureAdvancedOptions");
    setWindowTitle(tr("Advanced Options"));
    userCoordinates_ = new QCheckBox(tr("Place the picture at &these coordinates:"), this);
    userCoordinates_->setObjectName("cUserCoordinates");
    userCoordinates_->setChecked(userCoordinates);
    const auto correct = [](const QString& text) { return QString::number(CorrectBackPicturePosition(ss(text))); };
    x_ = numberEdit(QString::number(CorrectBackPicturePosition(std::to_string(x))), "tXpos", this, correct);
    y_ = numberEdit(QString::number(CorrectBackPicturePosition(std::to_string(y))), "tYpos", this, correct);
    const auto enable = [this](bool on) {
        x_->setEnabled(on);
        y_->setEnabled(on);
    };
    enable(userCoordinates);
    connect(userCoordinates_, &QCheckBox::toggled, this, enable);

    auto* form = new QFormLayout;
    form->addRow(userCoordinates_);
    form->addRow(tr("X (pixels from the left):"), x_);
    form->addRow(tr("Y (pixels from the top):"), y_);
    form->addRow(makeNote(tr("0 to 2000. Choosing a position clears the other placement options."), this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool DlgBackPictureAdvancedOptions::userCoordinates() const { return userCoordinates_->isChecked(); }
int DlgBackPictureAdvancedOptions::x() const { return CorrectBackPicturePosition(ss(x_->text())); }
int DlgBackPictureAdvancedOptions::y() const { return CorrectBackPicturePosition(ss(y_->text())); }

DlgLogotypeOptions::DlgLogotypeOptions(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgLogotypeOptions", tr("Logotype Options"), parent),
      windowWidth_(ProjectWindowWidth(project)),
      windowHeight_(ProjectWindowHeight(project)),
      width_(project.LogotypeWMFWidth),
      height_(project.LogotypeWMFHeight)
{
    auto* transparency = new QGroupBox(tr("Transparency"), this);
    transparent_ = new QCheckBox(tr("Draw the logotype &transparent"), transparency);
    transparent_->setObjectName("cUseTransparentLogotype");
    transparent_->setChecked(project.DrawTransparentLogotype);
    black_ = new QRadioButton(tr("&Black is transparent"), transparency);
    black_->setObjectName("oBlackTransColor");
    white_ = new QRadioButton(tr("&White is transparent"), transparency);
    white_->setObjectName("oWhiteTransColor");
    (project.TransparentColorI ? white_ : black_)->setChecked(true);
    const auto enable = [this](bool on) {
        black_->setEnabled(on);
        white_->setEnabled(on);
    };
    enable(transparent_->isChecked());
    connect(transparent_, &QCheckBox::toggled, this, enable);
    auto* transparencyLayout = new QVBoxLayout(transparency);
    transparencyLayout->addWidget(transparent_);
    transparencyLayout->addWidget(black_);
    transparencyLayout->addWidget(white_);

    auto* link = new QGroupBox(tr("Link"), this);
    url_ = new QLineEdit(qs(project.LogotypeURL), link);
    WatchText(url_, TextKind::CodePageText);
    url_->setObjectName("tURL");
    url_->setMinimumWidth(280);
    tipText_ = new QLineEdit(qs(project.LogotypeTipText), link);
    WatchText(tipText_, TextKind::Text);
    tipText_->setObjectName("tTipText");
    auto* linkForm = new QFormLayout(link);
    linkForm->addRow(tr("Web address (URL):"), url_);
    linkForm->addRow(tr("Tip text:"), tipText_);

    auto* size = new QPushButton(tr("Metafile &Size..."), this);
    size->setObjectName("CmdWMFSize");
    size->setAutoDefault(false);
    size->setVisible(ShowsLogotypeSizeButton(project.LogotypePictureSrc));
    connect(size, &QPushButton::clicked, this, &DlgLogotypeOptions::editMetafileSize);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addStretch(1);
    sizeRow->addWidget(size);

    auto* content = new QVBoxLayout;
    content->addWidget(transparency);
    content->addWidget(link);
    content->addLayout(sizeRow);
    finish(content, false);
}

void DlgLogotypeOptions::editMetafileSize()
{
    WMFLogoSize dialog(width_, height_, windowWidth_, windowHeight_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    width_ = dialog.width();
    height_ = dialog.height();
}

void DlgLogotypeOptions::apply(MenuProject& project) const
{
    project.DrawTransparentLogotype = transparent_->isChecked();
    project.TransparentColorI = white_->isChecked();
    project.LogotypeURL = ss(url_->text().trimmed());
    project.LogotypeTipText = ss(tipText_->text());
    project.LogotypeWMFWidth = width_;
    project.LogotypeWMFHeight = height_;
}

WMFLogoSize::WMFLogoSize(const std::string& width, const std::string& height, int windowWidth, int windowHeight,
                         QWidget* parent)
    : QDialog(parent), windowWidth_(windowWidth), windowHeight_(windowHeight)
{
    setObjectName("WMFLogoSize");
    setWindowTitle(tr("Logotype Size"));
    width_ = numberEdit(qs(width), "tWMFLogoWidth", this,
                        [this](const QString& text) { return qs(CorrectLogotypeSize(ss(text), windowWidth_)); });
    height_ = numberEdit(qs(height), "tWMFLogoHeight", this,
                         [this](const QString& text) { return qs(CorrectLogotypeSize(ss(text), windowHeight_)); });
    auto* form = new QFormLayout;
    form->addRow(makeNote(tr("The size at which the metafile logotype is drawn, in pixels."), this));
    form->addRow(tr("Width:"), width_);
    form->addRow(tr("Height:"), height_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string WMFLogoSize::width() const { return CorrectLogotypeSize(ss(width_->text()), windowWidth_); }
std::string WMFLogoSize::height() const { return CorrectLogotypeSize(ss(height_->text()), windowHeight_); }

}  // namespace orv::editor
