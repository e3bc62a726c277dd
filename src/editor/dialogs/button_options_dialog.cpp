#include "editor/dialogs/button_options_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/active_frame_dialog.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/password_text_dialog.h"
#include "editor/dialogs/picture_gallery_options_dialog.h"
#include "editor/project_document.h"
#include "editor/rules/code_page_rules.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/dialog_launcher.h"
#include "model/editor_options.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

QLineEdit* lineEdit(const std::string& text, const char* name, QWidget* parent, int maxLength = 199)
{
    auto* edit = new QLineEdit(qs(text), parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* numberEdit(const std::string& text, const char* name, QWidget* parent)
{
    QLineEdit* edit = lineEdit(text, name, parent, 6);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("0") * 8 + 12);
    return edit;
}

// A tab page: its explanation on top, then the given widgets, then space.
QWidget* page(QWidget* parent, const QString& note, std::initializer_list<QWidget*> widgets)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    if (!note.isEmpty())
        layout->addWidget(makeNote(note, page));
    for (QWidget* widget : widgets) {
        widget->setParent(page);
        layout->addWidget(widget);
    }
    layout->addStretch(1);
    return page;
}

void showMessage(const OptionsMessage& message)
{
    platform::services().ui->Message(message.text, message.style, message.title);
}

}  // namespace

ButtonOptionsDialog::ButtonOptionsDialog(const ButtonEditRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), held_(ReadButtonOptionsValues(request.entry, request.project))
{
    setObjectName("DlgButOptions");
    setWindowTitle(tr("Button Options"));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("ButtonOptionsTab");
    tabs_->setUsesScrollButtons(false);  // all ten captions in view
    tabs_->addTab(makeSoundTab(), tr("Sound"));
    tabs_->addTab(makePositionTab(), tr("Position"));
    tabs_->addTab(makeColoursTab(), tr("Colors"));
    tabs_->addTab(makeAfterClickTab(), tr("After Button Click"));
    tabs_->addTab(makeCreationTab(), tr("At Menu Creation"));
    tabs_->addTab(makeFlashTab(), tr("Flash"));
    tabs_->addTab(makePasswordTab(), tr("Password"));
    tabs_->addTab(makeAdministratorTab(), tr("Administrator"));
    tabs_->addTab(makeSpecialTab(), tr("Special"));
    tabs_->addTab(makeGalleryTab(), tr("Picture Gallery"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    help->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { showHelpTopic(ButtonOptionsHelpTopics[static_cast<size_t>(std::max(0, tabs_->currentIndex()))]); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);

    showColourButtons(held_.colourButtons);
    updateDeltaFields();
    updatePasswordFields();
    resize(sizeHint());
}

QWidget* ButtonOptionsDialog::makeSoundTab()
{
    auto* frame = new QGroupBox(tr("Sound When The Mouse Is Over The Button"));
    soundFile_ = new QLineEdit(frame);
    WatchText(soundFile_, TextKind::Path);
    soundFile_->setObjectName("tHoverSound");
    soundFile_->setReadOnly(true);
    auto* browse = new QPushButton(tr("&Browse..."), frame);
    browse->setObjectName("CmdBrowseSound");
    connect(browse, &QPushButton::clicked, this, &ButtonOptionsDialog::browseSound);
    auto* remove = new QPushButton(tr("&Remove Sound File"), frame);
    remove->setObjectName("CmdRemoveSound");
    connect(remove, &QPushButton::clicked, this, [this] {
        held_.hoverSound.clear();
        soundFolder_->clear();
        showSound();
    });
    soundFolderLabel_ = new QLabel(tr("Folder:"), frame);
    soundFolder_ = lineEdit(held_.hoverSoundFolder, "tHoverSoundFolder", frame);
    WatchText(soundFolder_, TextKind::Path);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("Sound file:"), frame), 0, 0);
    grid->addWidget(soundFile_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(soundFolderLabel_, 1, 0);
    grid->addWidget(soundFolder_, 1, 1);
    grid->addWidget(remove, 2, 1, 1, 2, Qt::AlignRight);
    const bool showFolder = Options().ShowCDFolders;
    soundFolderLabel_->setVisible(showFolder);
    soundFolder_->setVisible(showFolder);
    showSound();
    return page(this, tr("The sound is played by the menu when the mouse pointer moves over the button."), {frame});
}

QWidget* ButtonOptionsDialog::makePositionTab()
{
    auto* frame = new QGroupBox(tr("Position"));
    auto* frameLayout = new QVBoxLayout(frame);
    for (int n = 0; n < 5; ++n) {
        position_[n] = new QRadioButton(trText(PositionOptionCaptions[n]), frame);
        position_[n]->setObjectName(qPrintable(QString("oPosition_%1").arg(n + 1)));
        position_[n]->setChecked(held_.deltaType == n + 1);
        connect(position_[n], &QRadioButton::toggled, this, &ButtonOptionsDialog::updateDeltaFields);
        frameLayout->addWidget(position_[n]);
    }
    connect(position_[PositionNextFree - 1], &QRadioButton::clicked, this, [this] { clicks_.nextFree = true; });
    connect(position_[PositionNoDistance - 1], &QRadioButton::clicked, this, [this] { clicks_.noDistance = true; });

    auto* fine = new QGroupBox(tr("Fine tune"));
    deltaX_ = numberEdit(held_.deltaX, "tDeltaX", fine);
    deltaY_ = numberEdit(held_.deltaY, "tDeltaY", fine);
    for (QLineEdit* delta : {deltaX_, deltaY_})
        connect(delta, &QLineEdit::editingFinished, this, [delta] { delta->setText(qs(CorrectDelta(ss(delta->text())))); });
    deltaXLabel_ = new QLabel(tr("Delta X:"), fine);
    deltaYLabel_ = new QLabel(tr("Delta Y:"), fine);
    auto* fineLayout = new QHBoxLayout(fine);
    fineLayout->addWidget(deltaXLabel_);
    fineLayout->addWidget(deltaX_);
    fineLayout->addSpacing(16);
    fineLayout->addWidget(deltaYLabel_);
    fineLayout->addWidget(deltaY_);
    fineLayout->addStretch(1);

    hide_ = makeCheckBox(tr("Hide this button"), "cHide", held_.hide, this);
    return page(this,
                tr("The menu places the buttons one after the other. Here you can move this button from the place "
                   "it would get, or let it follow the previous button."),
                {frame, fine, hide_});
}

QWidget* ButtonOptionsDialog::makeColoursTab()
{
    auto* frame = new QGroupBox(tr("Colors"));
    useColours_ = makeCheckBox(tr("Use individual colors for this button"), "cBCUse", held_.colourButtons.useColours, frame);
    connect(useColours_, &QCheckBox::clicked, this, [this](bool on) {
        ColourButtonsState state = held_.colourButtons;
        state.useColours = on;
        showColourButtons(HideShowColorButtons(state, request_.project.ButtonStyle));
    });
    const QString captions[] = {tr("Text Color..."), tr("Tip Text Color..."), tr("Border Color..."),
                                tr("Background Color...")};
    auto* grid = new QGridLayout(frame);
    grid->addWidget(useColours_, 0, 0, 1, 2);
    for (int n = 0; n < 4; ++n) {
        colourButtons_[n] = new ColourButton(captions[n], frame);
        colourButtons_[n]->setObjectName(qPrintable(QString("CmdBC%1").arg(n + 1)));
        colourButtons_[n]->setColour(held_.colours[n]);
        connect(colourButtons_[n], &QPushButton::clicked, this, [this, n] { pickColour(colourButtons_[n]); });
        grid->addWidget(colourButtons_[n], 1 + n / 2, n % 2);
    }
    return page(this,
                tr("A button can have colors of its own instead of the colors of the Buttons tab. Which colors the "
                   "button style uses decides which buttons below can be used."),
                {frame});
}

QWidget* ButtonOptionsDialog::makeAfterClickTab()
{
    auto* program = new QGroupBox(tr("When a Program Starts"));
    noHourGlass_ = makeCheckBox(tr("Don't show an hour glass when the program linked to the button starts"), "cNoHG",
                            held_.noHourGlass, program);
    (new QVBoxLayout(program))->addWidget(noHourGlass_);

    auto* info = new QGroupBox(tr("Information Text"));
    waitInfoText_ = lineEdit(held_.waitInfoText, "tWaitInfoText", info);
    WatchText(waitInfoText_, TextKind::Text);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(new QLabel(tr("Show this text for 5 seconds when the button has been clicked:"), info));
    infoLayout->addWidget(waitInfoText_);
    return page(this,
                tr("Some programs and documents take a while to open. The menu can tell the user that something is "
                   "happening."),
                {program, info});
}

QWidget* ButtonOptionsDialog::makeCreationTab()
{
    auto* frame = new QGroupBox(tr("Source File"));
    const QString captions[] = {tr("Don't copy the source file"), tr("Copy the source file"),
                                tr("Copy the entire folder (where the source file is)")};
    auto* layout = new QVBoxLayout(frame);
    for (int n = 0; n < 3; ++n) {
        copyOption_[n] = new QRadioButton(captions[n], frame);
        copyOption_[n]->setObjectName(qPrintable(QString("oCSF_%1").arg(n + 1)));
        copyOption_[n]->setChecked(held_.copyOption == n + 1);
        layout->addWidget(copyOption_[n]);
    }
    return page(this,
                tr("When the menu is created, the file linked to the button can be copied from its source file on "
                   "your computer into the menu folder, alone or with every file of its folder."),
                {frame});
}

QWidget* ButtonOptionsDialog::makeFlashTab()
{
    auto* size = new QGroupBox(tr("Flash Window - Base Dimensions"));
    winWidth_ = numberEdit(held_.winWidth, "tWinWidth", size);
    winHeight_ = numberEdit(held_.winHeight, "tWinHeight", size);
    for (QLineEdit* field : {winWidth_, winHeight_})
        connect(field, &QLineEdit::editingFinished, this,
                [field] { field->setText(qs(CorrectFlashSize(ss(field->text())))); });
    auto* sizeLayout = new QHBoxLayout(size);
    sizeLayout->addWidget(new QLabel(tr("Width:"), size));
    sizeLayout->addWidget(winWidth_);
    sizeLayout->addSpacing(16);
    sizeLayout->addWidget(new QLabel(tr("Height:"), size));
    sizeLayout->addWidget(winHeight_);
    sizeLayout->addStretch(1);

    auto* options = new QGroupBox(tr("Options"));
    showDialogBoxes_ = makeCheckBox(tr("Dialog boxes (including error messages) can be shown"), "cShowDialogBoxes",
                                held_.showDialogBoxes, options);
    (new QVBoxLayout(options))->addWidget(showDialogBoxes_);
    return page(this,
                tr("A Flash animation is played in a window of its own. Empty fields let the player use the "
                   "animation's own size (32 to 2000 pixels)."),
                {size, options});
}

QWidget* ButtonOptionsDialog::makePasswordTab()
{
    passwordProtect_ = makeCheckBox(tr("Password protect this button"), "cPswProtect", held_.passwordProtect, this);
    connect(passwordProtect_, &QCheckBox::toggled, this, &ButtonOptionsDialog::updatePasswordFields);

    auto* settings = new QGroupBox(tr("Settings"));
    passwordSettings_ = settings;
    password_ = lineEdit(held_.password, "tPsw", settings, 32767);
    WatchText(password_, TextKind::Password);
    acceptedPassword_ = password_->text();
    password_->installEventFilter(this);
    connect(password_, &QLineEdit::textEdited, this, &ButtonOptionsDialog::passwordEdited);
    passwordAsterisk_ = makeCheckBox(tr("Replace entered text with asterisk"), "cPswAsterisk", held_.passwordAsterisk, settings);
    passwordEncrypt_ = makeCheckBox(tr("Encrypt the file linked to the button"), "cPswEncrypt", held_.passwordEncrypt, settings);
    auto* texts = new QPushButton(tr("Dialog Text..."), settings);
    texts->setObjectName("CmdDialogText");
    connect(texts, &QPushButton::clicked, this, &ButtonOptionsDialog::editPasswordTexts);

    auto* form = new QFormLayout;
    form->addRow(tr("Password:"), password_);
    auto* layout = new QVBoxLayout(settings);
    layout->addLayout(form);
    layout->addWidget(passwordAsterisk_);
    layout->addWidget(passwordEncrypt_);
    layout->addWidget(texts, 0, Qt::AlignLeft);
    return page(this,
                tr("The menu asks for the password before it opens the file linked to the button. Without "
                   "encryption the password only hides the file; an encrypted file can only be opened with it."),
                {passwordProtect_, settings});
}

QWidget* ButtonOptionsDialog::makeAdministratorTab()
{
    runAsAdministrator_ = makeCheckBox(tr("Run as administrator"), "cRunAsAdministrator", held_.runAsAdministrator, this);
    return page(this,
                tr("If you want that the program linked to the button will be run with administrator privileges you "
                   "can check the option below. This function is only used with Windows Vista and newer (including "
                   "Windows 10)."),
                {runAsAdministrator_});
}

QWidget* ButtonOptionsDialog::makeSpecialTab()
{
    runMaximized_ =
        makeCheckBox(tr("Show program's window maximized at start"), "cRunProgramMaximized", held_.runMaximized, this);
    return page(this,
                tr("When Orvanto starts a program linked to a button, or a program associated to a file type, the "
                   "current size and position of the program window will be used. If you want the program to be "
                   "shown maximized instead, you can select the option below."),
                {runMaximized_});
}

QWidget* ButtonOptionsDialog::makeGalleryTab()
{
    auto* general = new QWidget;
    galleryTitle_ = lineEdit(held_.galleryTitle, "tPGTitle", general);
    WatchText(galleryTitle_, TextKind::CodePageText);
    galleryExtension_ = lineEdit(held_.galleryExtension, "tPGExtension", general, 10);
    WatchText(galleryExtension_, TextKind::CodePageText);
    galleryExtension_->setMaximumWidth(galleryExtension_->fontMetrics().horizontalAdvance("M") * 8);
    auto* form = new QFormLayout(general);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Title:"), galleryTitle_);
    form->addRow(tr("Filename extension:"), galleryExtension_);

    auto* size = new QGroupBox(tr("Window Size"));
    galleryWidth_ = numberEdit(held_.galleryWidth, "tPGWidth", size);
    galleryHeight_ = numberEdit(held_.galleryHeight, "tPGHeight", size);
    auto* sizeLayout = new QHBoxLayout(size);
    sizeLayout->addWidget(new QLabel(tr("Width:"), size));
    sizeLayout->addWidget(galleryWidth_);
    sizeLayout->addSpacing(16);
    sizeLayout->addWidget(new QLabel(tr("Height:"), size));
    sizeLayout->addWidget(galleryHeight_);
    sizeLayout->addStretch(1);

    auto* colours = new QGroupBox(tr("Colors"));
    galleryAlsoForSubWindows_ =
        makeCheckBox(tr("Also for sub windows"), "cPGAlsoForSubWindows", held_.galleryAlsoForSubWindows, colours);
    galleryBackColour_ = new ColourButton(tr("Background Color..."), colours);
    galleryBackColour_->setObjectName("CmdPGBackColor");
    galleryBackColour_->setColour(held_.galleryBackColour);
    galleryTextColour_ = new ColourButton(tr("Text Color..."), colours);
    galleryTextColour_->setObjectName("CmdPGTextColor");
    galleryTextColour_->setColour(held_.galleryTextColour);
    for (ColourButton* button : {galleryBackColour_, galleryTextColour_})
        connect(button, &QPushButton::clicked, this, [this, button] { pickColour(button); });
    auto* coloursLayout = new QHBoxLayout(colours);
    coloursLayout->addWidget(galleryBackColour_);
    coloursLayout->addWidget(galleryTextColour_);
    coloursLayout->addWidget(galleryAlsoForSubWindows_);
    coloursLayout->addStretch(1);

    galleryShowFileNames_ =
        makeCheckBox(tr("Show filename below pictures"), "cPGShowTextLabels", held_.galleryShowFileNames, this);
    auto* more = new QPushButton(tr("More Options..."));
    more->setObjectName("CmdPGMoreOptions");
    connect(more, &QPushButton::clicked, this, &ButtonOptionsDialog::editGalleryMoreOptions);
    auto* moreRow = new QWidget;
    auto* moreLayout = new QHBoxLayout(moreRow);
    moreLayout->setContentsMargins(0, 0, 0, 0);
    moreLayout->addWidget(galleryShowFileNames_, 1);
    more->setParent(moreRow);
    moreLayout->addWidget(more);
    return page(this,
                tr("These settings are the same for every button that opens a picture gallery in this menu. Empty "
                   "size fields let the gallery choose its size; an empty extension shows every picture."),
                {general, size, colours, moreRow});
}

void ButtonOptionsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // Only the user's clicks from now on count for the position questions.
    clicks_ = {};
    updateDeltaFields();
    updatePasswordFields();
}

bool ButtonOptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the password field after typing in it (not merely another window coming to the
    // front) checks it once; OK refuses it again if it is still wrong.
    if (watched == password_ && event->type() == QEvent::FocusOut && passwordTyped_ &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        passwordTyped_ = false;
        if (passwordProtect_->isChecked())
            if (auto refusal = TypedPasswordRefusal(ss(password_->text()), passwordEncrypt_->isChecked()))
                showMessage(*refusal);
    }
    return QDialog::eventFilter(watched, event);
}

void ButtonOptionsDialog::showSound()
{
    soundFile_->setText(shownPathText(held_.hoverSound));
    soundFile_->setToolTip(soundFile_->text());
}

void ButtonOptionsDialog::browseSound()
{
    EditorOptions& options = Options();
    const std::optional<std::string> file =
        platform::services().ui->PickOpenFile(ss(tr("Select Sound")), {SoundFilter}, options.LastSoundDir);
    if (!file || file->empty() || !TakeChosenPath(*file))
        return;
    ApplyChosenHoverSound(held_, options.LastSoundDir, *file);
    soundFolder_->setText(qs(held_.hoverSoundFolder));
    showSound();
}

void ButtonOptionsDialog::updateDeltaFields()
{
    int type = 1;
    for (int n = 0; n < 5; ++n)
        if (position_[n]->isChecked())
            type = n + 1;
    const bool enabled = DeltaFieldsEnabled(type);
    for (QWidget* widget : std::initializer_list<QWidget*>{deltaXLabel_, deltaX_, deltaYLabel_, deltaY_})
        widget->setEnabled(enabled);
}

void ButtonOptionsDialog::showColourButtons(const ColourButtonsState& state)
{
    held_.colourButtons = state;
    {
        QSignalBlocker block(useColours_);
        useColours_->setChecked(state.useColours);
    }
    useColours_->setEnabled(state.useColoursEnabled);
    for (int n = 0; n < 4; ++n)
        colourButtons_[n]->setEnabled(state.enabled[n]);
    colourButtons_[BorderColourButton]->setText(trText(state.borderCaption));
    colourButtons_[BackColourButton]->setText(trText(state.backCaption));
    colourTips_[BorderColourButton] = state.borderTip.empty() ? QString() : trText(state.borderTip);
    colourTips_[BackColourButton] = state.backTip.empty() ? QString() : trText(state.backTip);
    for (int n : {BorderColourButton, BackColourButton})
        if (!colourTips_[n].isEmpty())
            colourButtons_[n]->setToolTip(colourTips_[n]);
}

void ButtonOptionsDialog::pickColour(ColourButton* button)
{
    const std::optional<std::int32_t> chosen = platform::services().ui->PickColour(button->colour());
    if (!chosen)
        return;
    button->setColour(*chosen);
    for (int n = 0; n < 4; ++n)
        if (button == colourButtons_[n] && !colourTips_[n].isEmpty())
            button->setToolTip(colourTips_[n]);
}

void ButtonOptionsDialog::updatePasswordFields()
{
    passwordSettings_->setEnabled(passwordProtect_->isChecked());
}

void ButtonOptionsDialog::passwordEdited(const QString& text)
{
    // Typing past what a saved project keeps is refused, not cut later.
    if (auto refusal = TypedPasswordRefusal(ss(text), false)) {
        const int cursor = std::min(password_->cursorPosition(), static_cast<int>(acceptedPassword_.size()));
        password_->setText(acceptedPassword_);
        password_->setCursorPosition(cursor);
        showMessage(*refusal);
        return;
    }
    acceptedPassword_ = text;
    passwordTyped_ = true;
}

void ButtonOptionsDialog::editPasswordTexts()
{
    PasswordTextDialog dialog(held_.passwordTexts, this);
    if (dialog.exec() == QDialog::Accepted)
        held_.passwordTexts = dialog.texts();
}

void ButtonOptionsDialog::editGalleryMoreOptions()
{
    PictureGalleryOptionsDialog dialog(held_.galleryMore, this);
    if (dialog.exec() == QDialog::Accepted)
        held_.galleryMore = dialog.values();
}

ButtonOptionsValues ButtonOptionsDialog::values() const
{
    ButtonOptionsValues v = held_;
    v.hoverSoundFolder = ss(soundFolder_->text());
    v.deltaType = 1;
    for (int n = 0; n < 5; ++n)
        if (position_[n]->isChecked())
            v.deltaType = n + 1;
    v.deltaX = ss(deltaX_->text());
    v.deltaY = ss(deltaY_->text());
    v.hide = hide_->isChecked();
    v.colourButtons.useColours = useColours_->isChecked();
    for (int n = 0; n < 4; ++n)
        v.colours[n] = colourButtons_[n]->colour();
    v.noHourGlass = noHourGlass_->isChecked();
    v.waitInfoText = ss(waitInfoText_->text());
    for (int n = 0; n < 3; ++n)
        if (copyOption_[n]->isChecked())
            v.copyOption = n + 1;
    v.winWidth = ss(winWidth_->text());
    v.winHeight = ss(winHeight_->text());
    v.showDialogBoxes = showDialogBoxes_->isChecked();
    v.passwordProtect = passwordProtect_->isChecked();
    v.password = ss(password_->text());
    v.passwordAsterisk = passwordAsterisk_->isChecked();
    v.passwordEncrypt = passwordEncrypt_->isChecked();
    v.runAsAdministrator = runAsAdministrator_->isChecked();
    v.runMaximized = runMaximized_->isChecked();
    v.galleryTitle = ss(galleryTitle_->text());
    v.galleryExtension = ss(galleryExtension_->text());
    v.galleryWidth = ss(galleryWidth_->text());
    v.galleryHeight = ss(galleryHeight_->text());
    v.galleryAlsoForSubWindows = galleryAlsoForSubWindows_->isChecked();
    v.galleryBackColour = galleryBackColour_->colour();
    v.galleryTextColour = galleryTextColour_->colour();
    v.galleryShowFileNames = galleryShowFileNames_->isChecked();
    return v;
}

void ButtonOptionsDialog::accept()
{
    ButtonOptionsValues v = values();
    outcome_ = ConfirmButtonOptions(v, request_, clicks_);
    if (outcome_)
        QDialog::accept();
}

std::optional<ButtonOptionsOutcome> ButtonOptionsDialog::edit(const ButtonEditRequest& request, QWidget* parent)
{
    ButtonOptionsDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.outcome();
}

void RegisterButtonOptionDialogs(DialogLauncher& dialogs, ProjectDocument& document)
{
    dialogs.setButtonOptionsEditor(
        [](const ButtonEditRequest& request, QWidget* parent) { return ButtonOptionsDialog::edit(request, parent); });
    dialogs.setOpener(ProjectDialog::ActiveFrame,
                      [&document](QWidget* parent) { return ActiveFrameDialog::edit(document, parent); });
}

}  // namespace orv::editor
