// DlgOptions: editor-wide options and settings of the open project on the tabs of one
// dialog, with the small dialogs for the button texts and the social-media logos. OK writes
// everything back (options_rules.h) and corrects the menu program names silently.
//
//     if (orv::editor::OptionsDialog::edit(orv::Options(), document, this))
//         ... apply the editor font
#pragma once

#include <array>

#include <QDialog>

#include "editor/rules/options_rules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;

namespace orv::editor {

class ProjectDocument;
class SocialMediaRow;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(const EditorOptions& options, const MenuProject& project, QWidget* parent = nullptr);

    // The values the controls hold now (the menu program names as typed).
    OptionsDialogValues values() const;
    QTabWidget* tabs() const { return tabs_; }

    // Shows the dialog; on OK writes the values into options and, as one step, into the
    // project, puts the project folder rule in force again and returns true.
    static bool edit(EditorOptions& options, ProjectDocument& document, QWidget* parent = nullptr);

private:
    QWidget* makeEditorTab(const OptionsDialogValues& v);
    QWidget* makeProjectTab(const OptionsDialogValues& v);
    QWidget* makeDocumentsTab(const OptionsDialogValues& v);
    QWidget* makePdfTab(const OptionsDialogValues& v);
    QWidget* makeSocialMediaTab(const OptionsDialogValues& v);
    void browseProjectFolder();
    void editButtonTexts();
    void editMoreSocialMedia();

    OptionsDialogValues initial_;
    QTabWidget* tabs_ = nullptr;
    std::array<QRadioButton*, 4> fonts_{};
    QCheckBox* dontShowStartWindow_ = nullptr;
    QCheckBox* showCDFolders_ = nullptr;
    QCheckBox* dontAskProjectType_ = nullptr;
    QCheckBox* addArrowToButton_ = nullptr;
    QCheckBox* useButtonNrAsDefault_ = nullptr;
    QCheckBox* copyLinkedButtonFiles_ = nullptr;
    QCheckBox* runMenusUnderWine_ = nullptr;
    QLineEdit* cdExeFileName_ = nullptr;
    QLineEdit* usbExeFileName_ = nullptr;
    QLineEdit* userProjectFolder_ = nullptr;
    QComboBox* projectType_ = nullptr;
    QComboBox* appIcon_ = nullptr;
    QCheckBox* useUnicode_ = nullptr;
    QCheckBox* addPrintSupport_ = nullptr;
    std::array<QLineEdit*, DocErrorGroups> fileExt_{}, title_{}, text_{};
    QLineEdit* pdfTitle_ = nullptr;
    QPlainTextEdit* pdfText_ = nullptr;
    QLineEdit* pdfUrl_ = nullptr;
    QLineEdit* pdfUrlText_ = nullptr;
    std::array<SocialMediaRow*, SocialNetworksOnOptionsDialog> socialRows_{};
    // The four further networks, kept until OK (edited by the "more" dialog).
    std::array<SocialMediaOption, SocialNetworks> socialMedia_{};
    QString okText_, closeText_;
};

}  // namespace orv::editor
