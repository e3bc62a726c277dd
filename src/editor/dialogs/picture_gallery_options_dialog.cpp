#include "editor/dialogs/picture_gallery_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/picture_size_dialog.h"

namespace orv::editor {

namespace {

QRadioButton* option(const QString& text, const char* name, bool checked, QWidget* parent)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setChecked(checked);
    return button;
}

QLineEdit* lineEdit(const std::string& text, const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(qs(text), parent);
    edit->setObjectName(name);
    WatchText(edit, TextKind::CodePageText);
    return edit;
}

}  // namespace

PictureGalleryOptionsDialog::PictureGalleryOptionsDialog(const PictureGalleryMoreOptions& options, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgPictureGalleryOptions");
    setWindowTitle(tr("Picture Gallery Options - More Options"));

    tabs_ = new QTabWidget(this);
    tabs_->addTab(makeClickTab(options), tr("Click Handling"));
    tabs_->addTab(makeSizeTab(options), tr("Picture Size"));
    tabs_->addTab(makePreviewTab(options), tr("Preview Window"));
    tabs_->setCurrentIndex(0);
    updateEnabling();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
}

QWidget* PictureGalleryOptionsDialog::makeClickTab(const PictureGalleryMoreOptions& o)
{
    auto* page = new QWidget(this);
    auto* click = new QGroupBox(tr("On Click On Picture"), page);
    const QString captions[] = {tr("Show picture in &built-in window"), tr("Open picture with &external program"),
                                tr("Open file with the following filename e&xtension:")};
    auto* clickLayout = new QVBoxLayout(click);
    for (int n = 0; n < 3; ++n) {
        onClick_[n] = option(captions[n], qPrintable(QString("oOnClick_%1").arg(n)), o.onClick == n + 1, click);
        connect(onClick_[n], &QRadioButton::toggled, this, &PictureGalleryOptionsDialog::updateEnabling);
        clickLayout->addWidget(onClick_[n]);
    }
    extension_ = lineEdit(o.onClickExtension, "tOnClickExtension", click);
    extension_->setMaxLength(10);
    auto* extensionRow = new QHBoxLayout;
    extensionRow->addSpacing(24);
    extensionRow->addWidget(extension_);
    extensionRow->addStretch(1);
    clickLayout->addLayout(extensionRow);

    auto* close = new QGroupBox(tr("Close Handling"), page);
    showButton_ = option(tr("Show butto&n"), "oShowCloseButton", o.showCloseButton, close);
    showLabel_ = option(tr("Show clickable text labe&l"), "oShowCloseLabel", !o.showCloseButton, close);
    closeText_ = lineEdit(o.closeButtonText, "tCloseButtonText", close);
    auto* closeLayout = new QVBoxLayout(close);
    closeLayout->addWidget(showButton_);
    closeLayout->addWidget(showLabel_);
    auto* closeForm = new QFormLayout;
    closeForm->addRow(tr("B&utton/label text:"), closeText_);
    closeLayout->addLayout(closeForm);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(click);
    layout->addWidget(close);
    layout->addStretch(1);
    return page;
}

QWidget* PictureGalleryOptionsDialog::makeSizeTab(const PictureGalleryMoreOptions& o)
{
    auto* page = new QWidget(this);
    auto* frame = new QGroupBox(tr("Picture Size"), page);
    sizeAuto_ = option(tr("Let the program decide the size of the pictures in the gallery"), "oSizeAuto",
                       !o.pictureSizeManual, frame);
    sizeManual_ = option(tr("Use this height for the pictures in the gallery (width is set automatically):"),
                         "oSizeManual", o.pictureSizeManual, frame);
    connect(sizeManual_, &QRadioButton::toggled, this, &PictureGalleryOptionsDialog::updateEnabling);
    height_ = lineEdit(o.pictureSizeHeight, "tPictureHeight", frame);
    height_->setMaxLength(6);
    height_->setMaximumWidth(height_->fontMetrics().horizontalAdvance("0") * 8 + 12);
    changeSize_ = new QPushButton(tr("&Change Size..."), frame);
    changeSize_->setObjectName("CmdChangeSize");
    connect(changeSize_, &QPushButton::clicked, this, &PictureGalleryOptionsDialog::changeSize);

    auto* heightRow = new QHBoxLayout;
    heightRow->addSpacing(24);
    heightRow->addWidget(height_);
    heightRow->addWidget(changeSize_);
    heightRow->addStretch(1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(sizeAuto_);
    frameLayout->addWidget(sizeManual_);
    frameLayout->addLayout(heightRow);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* PictureGalleryOptionsDialog::makePreviewTab(const PictureGalleryMoreOptions& o)
{
    auto* page = new QWidget(this);
    auto* browse = new QGroupBox(tr("Browse"), page);
    allowBrowse_ = option(tr("Allow browse to the next or previous picture"), "oAllowBrowse", o.allowBrowse, browse);
    noBrowse_ = option(tr("Do not allow browse to the next or previous picture"), "oNoBrowse", !o.allowBrowse, browse);
    auto* browseLayout = new QVBoxLayout(browse);
    browseLayout->addWidget(allowBrowse_);
    browseLayout->addWidget(noBrowse_);

    auto* labels = new QGroupBox(tr("Label Text"), page);
    previousText_ = lineEdit(o.previousText, "tPreviousText", labels);
    nextText_ = lineEdit(o.nextText, "tNextText", labels);
    auto* form = new QFormLayout(labels);
    form->addRow(tr("Label text - 'Previous Picture':"), previousText_);
    form->addRow(tr("Label text - 'Next Picture':"), nextText_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(browse);
    layout->addWidget(labels);
    layout->addStretch(1);
    return page;
}

void PictureGalleryOptionsDialog::updateEnabling()
{
    extension_->setEnabled(onClick_[2]->isChecked());
    height_->setEnabled(sizeManual_->isChecked());
    changeSize_->setEnabled(sizeManual_->isChecked());
}

void PictureGalleryOptionsDialog::changeSize()
{
    if (height_->text().isEmpty())
        height_->setText(QString::number(PictureHeightStart));
    PictureSizeDialog dialog(PictureSizeSliderStart(ss(height_->text())), this);
    if (dialog.exec() == QDialog::Accepted)
        height_->setText(qs(dialog.heightText()));
}

PictureGalleryMoreOptions PictureGalleryOptionsDialog::values() const
{
    PictureGalleryMoreOptions o;
    for (int n = 0; n < 3; ++n)
        if (onClick_[n]->isChecked())
            o.onClick = n + 1;
    o.onClickExtension = ss(extension_->text());
    o.showCloseButton = showButton_->isChecked();
    o.closeButtonText = ss(closeText_->text());
    o.pictureSizeManual = sizeManual_->isChecked();
    o.pictureSizeHeight = ss(height_->text());
    o.allowBrowse = allowBrowse_->isChecked();
    o.previousText = ss(previousText_->text());
    o.nextText = ss(nextText_->text());
    return o;
}

void PictureGalleryOptionsDialog::accept()
{
    PictureGalleryMoreOptions o = values();
    ConfirmPictureGalleryMoreOptions(o);
    extension_->setText(qs(o.onClickExtension));
    height_->setText(qs(o.pictureSizeHeight));
    QDialog::accept();
}

}  // namespace orv::editor
