#include "editor/dialogs/create_menu_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "create/create_menu.h"
#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/dialogs/portavo_link_settings_dialog.h"
#include "editor/dialogs/select_dir_dialog.h"
#include "editor/rules/code_page_rules.h"
#include "editor/rules/shown_path.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

Colour colourValue(const QColor& c) { return RgbColour(c.red(), c.green(), c.blue()); }
QColor qtColour(Colour c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

// A form label whose mnemonic moves the focus to the field (also when the row is a layout).
QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* field(const std::string& text, const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(qs(text), parent);
    edit->setObjectName(name);
    WatchText(edit, TextKind::CodePageText);
    return edit;
}

}  // namespace

CreateMenuDialog::CreateMenuDialog(MenuProject& project, CreateDialogState& state, CreationObserver& observer,
                                   QWidget* parent)
    : QDialog(parent), project_(project), state_(state), observer_(observer)
{
    setObjectName("CreateMenu");
    setWindowTitle(trText(CreateDialogCaption(project.ProjectType)));
    const CreateDialogLayout look = CreateDialogLayoutFor(project);

    info_ = makeNote(trText(look.infoText), this);
    info_->setObjectName("labInfo");

    // Paths of the author's machine show in host form; the state keeps the Windows form.
    destination_ = field(ShownPath(state.destination), "tDestinationDir", this);
    WatchText(destination_, TextKind::Path);
    destination_->setMaxLength(250);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName("CmdSelectDirectory");
    connect(browse, &QPushButton::clicked, this, &CreateMenuDialog::selectDirectory);
    connect(destination_, &QLineEdit::textEdited, this, &CreateMenuDialog::projectModified);
    auto* destinationRow = new QHBoxLayout;
    destinationRow->addWidget(destination_, 1);
    destinationRow->addWidget(browse);

    resolution_ = new QComboBox(this);
    resolution_->setObjectName("ComboScrResDataFiles");
    for (const auto& entry : MenuDescriptionFileChoices)
        resolution_->addItem(trText(entry.text));
    resolution_->setCurrentIndex(state.descriptionFileIndex);

    copyObjects_ = new QCheckBox(tr("Copy &pictures, sounds and the menu movie to the folder"), this);
    copyObjects_->setObjectName("cCopyObjects");
    copyObjects_->setChecked(state.copyObjects);

    auto* target = new QGroupBox(tr("Menu"), this);
    auto* targetForm = new QFormLayout(target);
    targetForm->addRow(buddyLabel(tr("Create in this &folder:"), destination_, target), destinationRow);
    targetForm->addRow(buddyLabel(tr("Menu &description file:"), resolution_, target), resolution_);
    targetForm->addRow(copyObjects_);

    icon_ = field(ShownPath(state.iconSource), "tIconSource", this);
    WatchText(icon_, TextKind::Path);
    auto* selectIcon = new QPushButton(tr("Bro&wse..."), this);
    selectIcon->setObjectName("CmdSelectIcon");
    connect(selectIcon, &QPushButton::clicked, this, &CreateMenuDialog::selectIcon);
    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(icon_, 1);
    iconRow->addWidget(selectIcon);
    label_ = field(state.label, "tLabel", this);
    label_->setToolTip(tr("Labels of more than 32 characters are shown in dark red: the drive shows only the "
                          "first 32."));
    connect(label_, &QLineEdit::textChanged, this, &CreateMenuDialog::updateLabelColour);
    actionText_ = field(state.actionText, "tActionText", this);

    autorun_ = new QGroupBox(tr("AutoRun (AUTORUN.INF)"), this);
    auto* autorunForm = new QFormLayout(autorun_);
    autorunForm->addRow(buddyLabel(tr("&Icon:"), icon_, autorun_), iconRow);
    autorunForm->addRow(tr("&Label:"), label_);
    autorunForm->addRow(tr("&Action text:"), actionText_);
    autorun_->setEnabled(look.autorunFieldsEnabled);

    portavo_ = new QGroupBox(tr("AutoRun on USB flash drives (Portavo)"), this);
    portavo_->setObjectName("frPortavoLink");
    auto* usbPicture = new QLabel(portavo_);
    usbPicture->setPixmap(resPicture("App2.bmp"));
    coOperate_ = new QCheckBox(tr("Co-opera&te with Portavo"), portavo_);
    coOperate_->setObjectName("cCoOperateWithPortavoLink");
    coOperate_->setChecked(state.coOperateWithPortavoLink);
    usbSettings_ = new QPushButton(tr("&Settings..."), portavo_);
    usbSettings_->setObjectName("CmdUSBsettings");
    connect(usbSettings_, &QPushButton::clicked, this, &CreateMenuDialog::usbSettings);
    auto* portavoRow = new QHBoxLayout(portavo_);
    portavoRow->addWidget(usbPicture);
    portavoRow->addWidget(coOperate_, 1);
    portavoRow->addWidget(usbSettings_);
    portavo_->setVisible(look.siblingProductControlsVisible);

    auto* buttons = new QDialogButtonBox(this);
    create_ = buttons->addButton(tr("&Create"), QDialogButtonBox::AcceptRole);
    create_->setObjectName("CmdCreate");
    create_->setDefault(true);
    auto* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName("CmdCancel");
    auto* helpButton = buttons->addButton(QDialogButtonBox::Help);
    helpButton->setObjectName("CmdHelp");
    connect(create_, &QPushButton::clicked, this, &CreateMenuDialog::createMenu);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::CreateMenu); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info_);
    layout->addWidget(target);
    layout->addWidget(autorun_);
    layout->addWidget(portavo_);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(560);
    updateLabelColour();
}

void CreateMenuDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    destination_->setFocus();
}

void CreateMenuDialog::updateLabelColour()
{
    const QColor normal = QPalette().color(QPalette::Text);
    const Colour wanted = LabelTextColour(ss(label_->text()), colourValue(normal));
    // Active and inactive only: a disabled field keeps the disabled colour.
    QPalette p = label_->palette();
    p.setColor(QPalette::Active, QPalette::Text, qtColour(wanted));
    p.setColor(QPalette::Inactive, QPalette::Text, qtColour(wanted));
    label_->setPalette(p);
}

void CreateMenuDialog::storeState()
{
    state_.destination = StoredPathOf(ss(destination_->text()), state_.destination);
    state_.iconSource = StoredPathOf(ss(icon_->text()), state_.iconSource);
    state_.label = ss(label_->text());
    state_.actionText = ss(actionText_->text());
    state_.coOperateWithPortavoLink = coOperate_->isChecked();
    state_.copyObjects = copyObjects_->isChecked();
    state_.descriptionFileIndex = std::max(0, resolution_->currentIndex());
}

bool CreateMenuDialog::createMenu()
{
    storeState();
    const std::string question = ScreenSizeOnlyQuestion(state_.descriptionFileIndex, state_.destination);
    if (!question.empty() &&
        QMessageBox::question(this, tr("Create Menu"), qs(question), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return false;
    create_->setEnabled(false);
    const bool created = CmdCreateMenu(project_, state_, observer_);
    create_->setEnabled(true);
    if (!isHidden())
        destination_->setText(shownPathText(state_.destination));
    return created;
}

void CreateMenuDialog::selectDirectory()
{
    if (auto folder = SelectDirDialog::chooseFolder(PathFromTyped(ss(destination_->text())), this);
        folder && !folder->empty() && TakeChosenPath(*folder)) {
        destination_->setText(shownPathText(*folder));
        emit projectModified();
    }
}

void CreateMenuDialog::selectIcon()
{
    auto* ui = platform::services().ui;
    if (!ui)
        return;
    if (auto file = ui->PickOpenFile(SelectIconTitle, platform::FileFilter{SelectIconFilter}, SelectIconStartFolder);
        file && !file->empty() && TakeChosenPath(*file))
        icon_->setText(shownPathText(*file));
}

void CreateMenuDialog::usbSettings()
{
    if (PortavoLinkSettingsDialog::edit(project_, this))
        emit projectModified();
}

}  // namespace orv::editor
