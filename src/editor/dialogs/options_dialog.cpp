#include "editor/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/dialogs/options_button_texts_dialog.h"
#include "editor/dialogs/select_dir_dialog.h"
#include "editor/dialogs/social_media_dialogs.h"
#include "editor/project_document.h"
#include "editor/rules/shown_path.h"
#include "model/menu_project.h"
#include "model/project_folders.h"

namespace orv::editor {

namespace {

QLineEdit* lineEdit(const std::string& text, const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(qs(text), parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

OptionsDialog::OptionsDialog(const EditorOptions& options, const MenuProject& project, QWidget* parent)
    : QDialog(parent), initial_(ReadOptionsDialogValues(options, project))
{
    setObjectName("DlgOptions");
    setWindowTitle(tr("Options"));
    socialMedia_ = initial_.SocialMedia;
    okText_ = qs(initial_.ButtonOK_Text);
    closeText_ = qs(initial_.ButtonClose_Text);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("OptionTab");
    tabs_->addTab(makeEditorTab(initial_), tr("Editor"));
    tabs_->addTab(makeProjectTab(initial_), tr("Project"));
    tabs_->addTab(makeDocumentsTab(initial_), tr("Documents"));
    tabs_->addTab(makePdfTab(initial_), tr("PDF Reader"));
    tabs_->addTab(makeSocialMediaTab(initial_), tr("Social Media"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::Options); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
}

QWidget* OptionsDialog::makeEditorTab(const OptionsDialogValues& v)
{
    auto* page = new QWidget(this);

    auto* fontFrame = new QGroupBox(tr("Font - Editor"), page);
    auto* fontLayout = new QVBoxLayout(fontFrame);
    for (int n = 0; n < static_cast<int>(fonts_.size()); ++n) {
        fonts_[n] = new QRadioButton(trText(EditorFontCaptions[n]), fontFrame);
        fonts_[n]->setObjectName(QString("oFont_%1").arg(n));
        fonts_[n]->setChecked(n == v.SelectedFont);
        fontLayout->addWidget(fonts_[n]);
    }

    dontShowStartWindow_ = makeCheckBox(tr("Don't show start window when Orvanto starts"), "cDontShowStartWindow",
                                    v.DontShowStartWindow, page);
    showCDFolders_ = makeCheckBox(tr("Show the \"Folder\" text boxes in the editor (contain folder paths to files on "
                                 "CDs/DVDs/USB flash drives)"),
                              "cShowCDFolders", v.ShowCDFolders, page);
    dontAskProjectType_ = makeCheckBox(tr("Don't ask for project type when I choose a new project"),
                                   "cDontAskProjectType", v.DontAskProjectType, page);
    addArrowToButton_ = makeCheckBox(tr("If the button opens another menu, add a graphical arrow to the button"),
                                 "cAddArrowToButton", v.AddArrowToButton, page);
    useButtonNrAsDefault_ = makeCheckBox(tr("The path for a file linked to a button should be based on the button number"),
                                     "cUseButtonNrAsDefault", v.UseButtonNrAsDefault, page);
    copyLinkedButtonFiles_ = makeCheckBox(tr("Copy files linked to buttons when a menu is created (sets default option)"),
                                      "cCopyLinkedButtonFiles", v.CopyLinkedButtonFiles, page);
    runMenusUnderWine_ = makeCheckBox(tr("Run Created Menu starts the menu's Windows program under Wine (when Wine "
                                     "is installed)"),
                                  "cRunMenusUnderWine", v.RunMenusUnderWine, page);
    for (QCheckBox* box : {dontShowStartWindow_, showCDFolders_, dontAskProjectType_, addArrowToButton_,
                           useButtonNrAsDefault_, copyLinkedButtonFiles_, runMenusUnderWine_})
        box->setToolTip(box->text());

    auto* general = new QGroupBox(tr("General"), page);
    auto* generalLayout = new QVBoxLayout(general);
    for (QCheckBox* box : {dontShowStartWindow_, showCDFolders_, dontAskProjectType_, addArrowToButton_,
                           useButtonNrAsDefault_, copyLinkedButtonFiles_, runMenusUnderWine_})
        generalLayout->addWidget(box);

    cdExeFileName_ = lineEdit(v.CDExeFileName, "tFilenameMenuShellApp", page);
    usbExeFileName_ = lineEdit(v.USBStickExeFileName, "tFilenameMenuShellApp_USBsticks", page);
    userProjectFolder_ = lineEdit(ShownPath(v.UserProjectDir), "tUserProjectFolder", page);
    auto* browse = new QPushButton(tr("&Browse..."), page);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browseProjectFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(userProjectFolder_, 1);
    folderRow->addWidget(browse);

    auto* files = new QGroupBox(tr("Files and folders"), page);
    auto* form = new QFormLayout(files);
    form->addRow(tr("Filename for menu interface program (on a CD/DVD):"), cdExeFileName_);
    form->addRow(tr("Filename for menu interface program (on a USB flash drive):"), usbExeFileName_);
    form->addRow(tr("Project folder:"), folderRow);

    auto* top = new QHBoxLayout;
    top->addWidget(fontFrame);
    top->addWidget(general, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(files);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::makeProjectTab(const OptionsDialogValues& v)
{
    auto* page = new QWidget(this);

    projectType_ = new QComboBox(page);
    projectType_->setObjectName("ComboProjectType");
    for (const char* caption : ProjectTypeCaptions)
        projectType_->addItem(trText(caption));
    projectType_->setCurrentIndex(v.ProjectTypeIndex);

    appIcon_ = new QComboBox(page);
    appIcon_->setObjectName("ComboAppIcon");
    for (int n = 0; n < static_cast<int>(AppIconCaptions.size()); ++n)
        appIcon_->addItem(resPicture(QString("App%1.bmp").arg(n + 1)), trText(AppIconCaptions[n]));
    appIcon_->setIconSize(QSize(24, 24));
    appIcon_->setCurrentIndex(v.AppIconListIndex);

    auto* form = new QFormLayout;
    form->addRow(tr("Project type:"), projectType_);
    form->addRow(tr("Menu window icon:"), appIcon_);

    useUnicode_ = makeCheckBox(tr("Use Unicode encoding for all characters in a menu"), "cUseUnicodeEncoding",
                           v.UseUnicode, page);
    // A text typed in a dialog opened from here may turn Unicode on: OK must keep it.
    if (CodePageGuard* guard = CodePageGuard::of(this))
        connect(guard, &CodePageGuard::unicodeTurnedOn, useUnicode_, [box = useUnicode_] { box->setChecked(true); });
    addPrintSupport_ = makeCheckBox(tr("Add support for printing of RTF documents"), "cAddPrintSupportForRTFDocuments",
                                v.AddPrintSupportForRTFDocuments, page);
    auto* buttonTexts = new QPushButton(tr("Button &Texts..."), page);
    buttonTexts->setObjectName("CmdButtonTexts");
    connect(buttonTexts, &QPushButton::clicked, this, &OptionsDialog::editButtonTexts);

    auto* frame = new QGroupBox(tr("This project"), page);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(form);
    frameLayout->addWidget(useUnicode_);
    frameLayout->addWidget(addPrintSupport_);
    auto* textsRow = new QHBoxLayout;
    textsRow->addWidget(new QLabel(tr("Texts of the buttons in the menu's own dialog boxes:"), frame), 1);
    textsRow->addWidget(buttonTexts);
    frameLayout->addLayout(textsRow);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::makeDocumentsTab(const OptionsDialogValues& v)
{
    auto* page = new QWidget(this);

    auto* info = new QGroupBox(tr("Information Text"), page);
    auto* grid = new QGridLayout(info);
    grid->addWidget(makeNote(tr("The menu shows this message when no program on the computer can open a "
                                "document with the extension:"),
                             info),
                    0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Ext- ension"), info), 1, 0);
    grid->addWidget(new QLabel(tr("Title"), info), 1, 1);
    grid->addWidget(new QLabel(tr("Text"), info), 1, 2);
    for (int n = 0; n < DocErrorGroups; ++n) {
        fileExt_[n] = lineEdit(v.DocErr_FileExt[n], qPrintable(QString("tFileExt%1").arg(n + 1)), info);
        fileExt_[n]->setMaxLength(10);
        fileExt_[n]->setMaximumWidth(fileExt_[n]->fontMetrics().horizontalAdvance("M") * 7);
        title_[n] = lineEdit(v.DocErr_Title[n], qPrintable(QString("tTitle%1").arg(n + 1)), info);
        text_[n] = lineEdit(v.DocErr_Text[n], qPrintable(QString("tText%1").arg(n + 1)), info);
        grid->addWidget(fileExt_[n], n + 2, 0);
        grid->addWidget(title_[n], n + 2, 1);
        grid->addWidget(text_[n], n + 2, 2);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(info);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::makePdfTab(const OptionsDialogValues& v)
{
    auto* page = new QWidget(this);
    pdfTitle_ = lineEdit(v.PDFTitle, "tPDFTitle", page);
    pdfText_ = new QPlainTextEdit(qs(v.PDFText), page);
    pdfText_->setObjectName("tPDFText");
    pdfText_->setTabChangesFocus(true);
    pdfText_->setMaximumHeight(pdfText_->fontMetrics().lineSpacing() * 5 + 12);
    pdfUrl_ = lineEdit(v.PDFURL, "tPDFURL", page);
    pdfUrlText_ = lineEdit(v.PDFURLText, "tPDFURLtext", page);

    auto* pdf = new QGroupBox(tr("Information Dialog Box Properties"), page);
    auto* form = new QFormLayout(pdf);
    form->addRow(makeNote(tr("Shown by the menu when a PDF document is to be opened and no PDF reader is "
                             "installed."),
                          pdf));
    form->addRow(tr("Title:"), pdfTitle_);
    form->addRow(tr("Text:"), pdfText_);
    form->addRow(tr("Download link (URL):"), pdfUrl_);
    form->addRow(tr("Button text for download link:"), pdfUrlText_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pdf);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::makeSocialMediaTab(const OptionsDialogValues& v)
{
    auto* page = new QWidget(this);
    auto* frame = new QGroupBox(tr("Logotypes with hyperlinks"), page);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (int n = 0; n < SocialNetworksOnOptionsDialog; ++n) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 8);
        socialRows_[n] = new SocialMediaRow(n, v.SocialMedia[n], frame, grid, row);
        row += 2;
    }
    socialRows_[0]->showLogoBox()->setObjectName("cAddFacebookLogo");
    socialRows_[1]->showLogoBox()->setObjectName("cAddTwitterLogo");
    socialRows_[2]->showLogoBox()->setObjectName("cAddGooglePlusLogo");

    auto* more = new QPushButton(tr("&More Social Media..."), page);
    more->setObjectName("CmdMoreSocialMedia");
    connect(more, &QPushButton::clicked, this, &OptionsDialog::editMoreSocialMedia);
    auto* moreRow = new QHBoxLayout;
    moreRow->addStretch(1);
    moreRow->addWidget(more);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addLayout(moreRow);
    layout->addStretch(1);
    return page;
}

void OptionsDialog::browseProjectFolder()
{
    std::string start = PathFromTyped(ss(userProjectFolder_->text()));
    if (start.empty())
        start = Folders().ProjectFolder;
    // The editor's own chooser, as in the create dialog: host paths and "New Folder".
    if (auto folder = SelectDirDialog::chooseFolder(start, this); folder && !folder->empty())
        userProjectFolder_->setText(shownPathText(*folder));
}

void OptionsDialog::editButtonTexts()
{
    OptionsButtonTextsDialog dialog(okText_, closeText_, this);
    if (dialog.exec() == QDialog::Accepted) {
        okText_ = dialog.okText();
        closeText_ = dialog.closeText();
    }
}

void OptionsDialog::editMoreSocialMedia()
{
    MoreSocialMediaDialog dialog(socialMedia_, this);
    if (dialog.exec() == QDialog::Accepted) {
        auto more = dialog.values();
        for (int n = SocialNetworksOnOptionsDialog; n < SocialNetworks; ++n)
            socialMedia_[n] = more[n];
    }
}

OptionsDialogValues OptionsDialog::values() const
{
    OptionsDialogValues v = initial_;
    for (int n = 0; n < static_cast<int>(fonts_.size()); ++n)
        if (fonts_[n]->isChecked())
            v.SelectedFont = n;
    v.DontShowStartWindow = dontShowStartWindow_->isChecked();
    v.ShowCDFolders = showCDFolders_->isChecked();
    v.DontAskProjectType = dontAskProjectType_->isChecked();
    v.AddArrowToButton = addArrowToButton_->isChecked();
    v.UseButtonNrAsDefault = useButtonNrAsDefault_->isChecked();
    v.CopyLinkedButtonFiles = copyLinkedButtonFiles_->isChecked();
    v.RunMenusUnderWine = runMenusUnderWine_->isChecked();
    v.CDExeFileName = ss(cdExeFileName_->text());
    v.USBStickExeFileName = ss(usbExeFileName_->text());
    v.UserProjectDir = StoredPathOf(ss(userProjectFolder_->text()), initial_.UserProjectDir);

    v.ProjectTypeIndex = projectType_->currentIndex() == 1 ? 1 : 0;
    v.AppIconListIndex = std::max(0, appIcon_->currentIndex());
    v.UseUnicode = useUnicode_->isChecked();
    v.AddPrintSupportForRTFDocuments = addPrintSupport_->isChecked();
    for (int n = 0; n < DocErrorGroups; ++n) {
        v.DocErr_FileExt[n] = ss(fileExt_[n]->text().trimmed());
        v.DocErr_Title[n] = ss(title_[n]->text());
        v.DocErr_Text[n] = ss(text_[n]->text());
    }
    v.PDFTitle = ss(pdfTitle_->text());
    // The menu shows the text in one message; line breaks typed here become blanks.
    v.PDFText = ss(pdfText_->toPlainText().replace('\n', ' '));
    v.PDFURL = ss(pdfUrl_->text().trimmed());
    v.PDFURLText = ss(pdfUrlText_->text());
    v.SocialMedia = socialMedia_;
    for (int n = 0; n < SocialNetworksOnOptionsDialog; ++n)
        v.SocialMedia[n] = socialRows_[n]->value();
    v.ButtonOK_Text = ss(okText_);
    v.ButtonClose_Text = ss(closeText_);
    return v;
}

bool OptionsDialog::edit(EditorOptions& options, ProjectDocument& document, QWidget* parent)
{
    OptionsDialog dialog(options, document.project(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const OptionsDialogValues values = dialog.values();
    document.edit(tr("Options"), [&](MenuProject& project) { ApplyOptionsDialogValues(values, options, project); },
                  ChangeScope::Everything);
    Folders().ProjectFolder = ProjectFolderRule();
    return true;
}

}  // namespace orv::editor
