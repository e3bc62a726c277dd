#include "editor/dialogs/button_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/rules/shown_path.h"
#include "editor/tabs/dialog_launcher.h"

namespace orv::editor {

namespace {

QLineEdit* lineEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

// A caption whose text follows the command; its mnemonic focuses the field.
QLabel* caption(QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

ButtonEditorDialog::ButtonEditorDialog(const ButtonEditRequest& request, const DialogLauncher& dialogs,
                                       QWidget* parent)
    : QDialog(parent), request_(request), dialogs_(dialogs), rules_(request)
{
    setObjectName("AddButtonData");
    setWindowTitle(trText(rules_.caption()));

    text_ = lineEdit("tText", this);
    WatchText(text_, TextKind::Text);
    command_ = new QComboBox(this);
    command_->setObjectName("cmbCommand");
    command_->setIconSize(QSize(16, 16));
    command_->setMaxVisibleItems(rules_.catalogue().count());
    for (const ButtonCommandRow& row : rules_.catalogue().rows()) {
        const QPixmap picture = row.heading ? QPixmap() : resPicture(qs(row.pictureFile), 16);
        command_->addItem(picture.isNull() ? QIcon() : QIcon(picture), trText(row.text));
    }

    target_ = lineEdit("tLink", this);
    WatchText(target_, TextKind::Path);
    targetLabel_ = caption(target_, this);
    browse_ = new QPushButton(tr("..."), this);
    const int browseWidth = browse_->fontMetrics().horizontalAdvance(browse_->text()) + 24;
    browse_->setFixedWidth(browseWidth);
    browse_->setObjectName("cmdBrowse");
    browse_->setToolTip(tr("Select File"));
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(target_, 1);
    targetRow->addWidget(browse_);

    parameters_ = lineEdit("tAppParam", this);
    WatchText(parameters_, TextKind::CodePageText);
    parametersLabel_ = caption(parameters_, this);
    word_ = makeCheckBox(tr("Open document with Microsoft &Word"), "chkWord", false, this);
    mediaPlayer_ = makeCheckBox(tr("Play movie in &Windows Media Player"), "chkUseMediaPlayer", false, this);

    source_ = lineEdit("tSourceFile", this);
    WatchText(source_, TextKind::Path);
    source_->setReadOnly(true);
    sourceLabel_ = caption(source_, this);
    tip_ = lineEdit("tTip", this);
    WatchText(tip_, TextKind::Text);

    auto* form = new QFormLayout;
    form->addRow(tr("&Text:"), text_);
    form->addRow(tr("&Command:"), command_);
    form->addRow(targetLabel_, targetRow);
    form->addRow(parametersLabel_, parameters_);
    form->addRow(QString(), word_);
    form->addRow(QString(), mediaPlayer_);
    form->addRow(sourceLabel_, source_);
    form->addRow(tr("T&ip:"), tip_);

    pictureFrame_ = new QGroupBox(tr("Bitmap Button"), this);
    pictureFrame_->setObjectName("fraBitmap");
    picture_ = lineEdit("tBmp", pictureFrame_);
    WatchText(picture_, TextKind::Path);
    auto* browsePicture = new QPushButton(tr("..."), pictureFrame_);
    browsePicture->setObjectName("cmdBrowseBmp");
    browsePicture->setFixedWidth(browseWidth);
    browsePicture->setToolTip(tr("Select Bitmap"));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(picture_, 1);
    pictureRow->addWidget(browsePicture);
    folder_ = lineEdit("tBmpFolder", pictureFrame_);
    WatchText(folder_, TextKind::Path);
    folderLabel_ = caption(folder_, pictureFrame_);
    folderLabel_->setText(tr("Folde&r (CD):"));
    auto* pictureForm = new QFormLayout(pictureFrame_);
    auto* pictureLabel = caption(picture_, pictureFrame_);
    pictureLabel->setText(tr("&Bitmap:"));
    pictureForm->addRow(pictureLabel, pictureRow);
    pictureForm->addRow(folderLabel_, folder_);

    pictureOptions_ = new QGroupBox(tr("Bitmap Button Options"), this);
    pictureOptions_->setObjectName("fraBitmapOptions");
    transparency_ = new QComboBox(pictureOptions_);
    transparency_->setObjectName("cmbTransType");
    transparency_->addItems({tr("No transparency"), tr("Black transparent color"), tr("White transparent color")});
    useBmpSize_ = makeCheckBox(tr("&Adjust button size after bitmap size"), "chkUseBmpSize", false, pictureOptions_);
    auto* optionsLayout = new QVBoxLayout(pictureOptions_);
    optionsLayout->addWidget(transparency_);
    optionsLayout->addWidget(useBmpSize_);

    options_ = new QPushButton(tr("&Options..."), this);
    options_->setObjectName("cmdOptions");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    options_->setVisible(bool(dialogs_.buttonOptionsEditor()));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ButtonEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { showHelpTopic(rules_.isNew() ? help::AddButton : help::EditButton); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(pictureFrame_);
    layout->addWidget(pictureOptions_);
    layout->addStretch(1);
    layout->addSpacing(6);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(options_);
    bottom->addWidget(buttons, 1);
    layout->addLayout(bottom);

    connect(text_, &QLineEdit::textEdited, this, &ButtonEditorDialog::textEdited);
    connect(command_, &QComboBox::activated, this, &ButtonEditorDialog::commandChosen);
    connect(target_, &QLineEdit::editingFinished, this, &ButtonEditorDialog::targetLeft);
    connect(folder_, &QLineEdit::editingFinished, this, &ButtonEditorDialog::folderLeft);
    connect(browse_, &QPushButton::clicked, this, &ButtonEditorDialog::browseTarget);
    connect(browsePicture, &QPushButton::clicked, this, &ButtonEditorDialog::browsePicture);
    connect(options_, &QPushButton::clicked, this, &ButtonEditorDialog::openOptions);

    showState();
    setMinimumWidth(520);
    text_->setFocus();
}

ButtonEditOutcome ButtonEditorDialog::edit(const ButtonEditRequest& request, const DialogLauncher& dialogs,
                                           QWidget* parent)
{
    ButtonEditorDialog dialog(request, dialogs, parent);
    dialog.exec();
    return dialog.outcome();
}

ButtonEditOutcome ButtonEditorDialog::outcome() const
{
    ButtonEditOutcome out;
    out.confirmed = rules_.confirmed();
    if (out.confirmed) {
        out.entry = rules_.result();
        out.applyPositionTypeToAll = applyPositionTypeToAll_;
    }
    out.gallery = gallery_;
    return out;
}

void ButtonEditorDialog::showState()
{
    const MenuButton& b = rules_.state.entry;
    text_->setText(qs(b.Text));
    target_->setText(qs(b.Link));
    parameters_->setText(qs(b.AppParam));
    source_->setText(shownPathText(b.SourceFile));
    tip_->setText(qs(b.Tip));
    picture_->setText(shownPathText(b.Bmp));
    folder_->setText(qs(b.BmpFolder));
    word_->setChecked(rules_.state.wordChecked);
    mediaPlayer_->setChecked(b.UseMediaPlayer == "1");
    transparency_->setCurrentIndex(std::stoi(b.BmpTransType) - 1);
    useBmpSize_->setChecked(b.UseBmpSize == "1");
    applyLayout();
}

void ButtonEditorDialog::readControls()
{
    MenuButton& b = rules_.state.entry;
    b.Text = ss(text_->text());
    b.Link = ss(target_->text());
    b.AppParam = ss(parameters_->text());
    b.Tip = ss(tip_->text());
    b.Bmp = StoredPathOf(ss(picture_->text()), b.Bmp);
    b.BmpFolder = ss(folder_->text());
    rules_.state.wordChecked = word_->isChecked();
    b.UseMediaPlayer = mediaPlayer_->isChecked() ? "1" : "0";
    b.BmpTransType = std::to_string(transparency_->currentIndex() + 1);
    b.UseBmpSize = useBmpSize_->isChecked() ? "1" : "0";
}

void ButtonEditorDialog::applyLayout()
{
    const ButtonEditorLayout l = rules_.layout();
    command_->setCurrentIndex(rules_.state.row - 1);
    targetLabel_->setText(trText(l.targetCaption));
    target_->setEnabled(l.targetEnabled);
    targetLabel_->setEnabled(l.targetEnabled);
    browse_->setEnabled(l.browseEnabled);
    source_->setEnabled(l.browseEnabled);
    sourceLabel_->setEnabled(l.browseEnabled);
    sourceLabel_->setText(trText(l.sourceFileCaption));
    parametersLabel_->setText(trText(l.parametersCaption));
    parameters_->setEnabled(l.parametersEnabled);
    parametersLabel_->setEnabled(l.parametersEnabled);
    parameters_->setVisible(l.parametersVisible);
    parametersLabel_->setVisible(l.parametersVisible);
    word_->setVisible(l.wordBoxVisible);
    mediaPlayer_->setVisible(l.mediaPlayerVisible);
    pictureFrame_->setVisible(l.pictureFrameVisible);
    folder_->setVisible(l.pictureFolderVisible);
    folderLabel_->setVisible(l.pictureFolderVisible);
    pictureOptions_->setVisible(l.pictureOptionsVisible);
}

void ButtonEditorDialog::commandChosen(int index)
{
    readControls();
    rules_.selectRow(index + 1);
    applyLayout();
}

void ButtonEditorDialog::textEdited()
{
    readControls();
    rules_.textChanged();
    applyLayout();
}

void ButtonEditorDialog::targetLeft()
{
    if (inFieldLeft_)
        return;
    inFieldLeft_ = true;
    readControls();
    rules_.targetLeft();
    showState();
    inFieldLeft_ = false;
}

void ButtonEditorDialog::folderLeft()
{
    if (inFieldLeft_)
        return;
    inFieldLeft_ = true;
    readControls();
    rules_.folderLeft();
    showState();
    inFieldLeft_ = false;
}

void ButtonEditorDialog::browseTarget()
{
    readControls();
    if (rules_.browseTarget())
        showState();
}

void ButtonEditorDialog::browsePicture()
{
    readControls();
    if (rules_.browsePicture())
        showState();
}

void ButtonEditorDialog::openOptions()
{
    const auto& optionsEditor = dialogs_.buttonOptionsEditor();
    if (!optionsEditor)
        return;
    readControls();
    // A second visit shows the gallery settings chosen in the first.
    MenuProject project = request_.project;
    if (gallery_)
        CopyPictureGallerySettings(*gallery_, project);
    const ButtonEditRequest request{project, rules_.result(), request_.isNew, request_.rowNumber};
    std::optional<ButtonOptionsOutcome> answer = optionsEditor(request, this);
    if (!answer)
        return;
    rules_.takeOptions(*answer);
    applyPositionTypeToAll_ = answer->applyPositionTypeToAll;
    gallery_ = answer->gallery;
    showState();
}

void ButtonEditorDialog::accept()
{
    readControls();
    bool focusTarget = false;
    const bool ok = rules_.accept(&focusTarget);
    showState();
    if (!ok) {
        if (focusTarget)
            target_->setFocus();
        return;
    }
    QDialog::accept();
}

void RegisterButtonEditor(DialogLauncher& dialogs)
{
    dialogs.setButtonEditor([&dialogs](const ButtonEditRequest& request, QWidget* parent) {
        return ButtonEditorDialog::edit(request, dialogs, parent);
    });
}

}  // namespace orv::editor
