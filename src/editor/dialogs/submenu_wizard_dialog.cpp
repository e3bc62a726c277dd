#include "editor/dialogs/submenu_wizard_dialog.h"

#include <utility>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWizard>
#include <QWizardPage>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/select_dir_dialog.h"
#include "editor/project_document.h"
#include "editor/rules/code_page_rules.h"
#include "editor/rules/desktop_open.h"
#include "editor/rules/shown_path.h"
#include "model/menu_project.h"
#include "model/path_helpers.h"
#include "model/project_file.h"
#include "model/text_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "templates/submenu_wizard.h"

namespace orv::editor {

namespace {

// What the pages ask and what the creation needs.
struct WizardState {
    int count = 1;
    std::string folder;
    bool withInformation = true;
    bool created = false;
};

QWizardPage* textPage(const QString& title, const QString& text)
{
    auto* page = new QWizardPage;
    page->setTitle(title);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeNote(text, page));
    return page;
}

class CountPage : public QWizardPage {
public:
    explicit CountPage(WizardState& state) : state_(state)
    {
        setTitle(QCoreApplication::translate("SubMenuWizard", "Number of Sub Menus"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QCoreApplication::translate("SubMenuWizard", "How many sub menus do you want to create?"), this));
        count_ = new QComboBox(this);
        count_->setObjectName(QStringLiteral("cbNumberOfSubItems"));
        for (int n = 1; n <= SubMenuLimit; ++n)
            count_->addItem(n == 1 ? QCoreApplication::translate("SubMenuWizard", "1 sub menu")
                                   : QCoreApplication::translate("SubMenuWizard", "%1 sub menus").arg(n));
        layout->addWidget(count_);
        layout->addStretch();
    }
    bool validatePage() override
    {
        state_.count = count_->currentIndex() + 1;
        return true;
    }

private:
    WizardState& state_;
    QComboBox* count_;
};

class FolderPage : public QWizardPage {
public:
    FolderPage(WizardState& state, const std::string& destination) : state_(state), destination_(destination)
    {
        setTitle(QCoreApplication::translate("SubMenuWizard", "Folder of the Menu Structure"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(makeNote(QCoreApplication::translate(
                                       "SubMenuWizard",
                                       "In which folder do you want to store the menu structure? The main menu is "
                                       "created in this folder and each sub menu in a folder of its own inside it."),
                                   this));
        auto* row = new QHBoxLayout;
        folder_ = new QLineEdit(shownPathText(destination), this);
        folder_->setObjectName(QStringLiteral("tFolder"));
        WatchText(folder_, TextKind::Path);
        auto* browse = new QPushButton(QCoreApplication::translate("SubMenuWizard", "&Browse..."), this);
        browse->setObjectName(QStringLiteral("CmdSelectDirectory"));
        connect(browse, &QPushButton::clicked, this, [this] {
            if (const auto chosen = SelectDirDialog::chooseFolder(PathFromTyped(ss(folder_->text())), this);
                chosen && !chosen->empty() && TakeChosenPath(*chosen))
                folder_->setText(shownPathText(*chosen));
        });
        row->addWidget(folder_, 1);
        row->addWidget(browse);
        layout->addLayout(row);
        layout->addStretch();
    }
    bool validatePage() override
    {
        const std::string folder = StoredPathOf(ss(folder_->text()), destination_);
        if (folder.empty()) {
            QMessageBox::information(this, QCoreApplication::translate("SubMenuWizard", "Folder Is Missing"),
                                     QCoreApplication::translate("SubMenuWizard",
                                                                 "You have not specified a folder! You must specify a "
                                                                 "folder path before you can continue."));
            return false;
        }
        state_.folder = folder;
        return true;
    }

private:
    WizardState& state_;
    std::string destination_;
    QLineEdit* folder_;
};

class OptionsPage : public QWizardPage {
public:
    explicit OptionsPage(WizardState& state) : state_(state)
    {
        setTitle(QCoreApplication::translate("SubMenuWizard", "The Menu Structure"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(makeNote(
            QCoreApplication::translate("SubMenuWizard",
                                        "Each sub menu gets a button that returns to the main menu, and the main menu "
                                        "gets a button for each sub menu. Every project is saved and every menu is "
                                        "created in its folder when you press Create."),
            this));
        example_ = makeCheckBox(QCoreApplication::translate("SubMenuWizard",
                                                            "&Add an example button (Information) to each sub menu"),
                                "cAddExampleButton", true, this);
        layout->addWidget(example_);
        layout->addStretch();
        // Create starts the work: there is no way back from here.
        setCommitPage(true);
        setButtonText(QWizard::CommitButton, QCoreApplication::translate("SubMenuWizard", "&Create"));
    }
    bool validatePage() override
    {
        state_.withInformation = example_->isChecked();
        return true;
    }

private:
    WizardState& state_;
    QCheckBox* example_;
};

// Starts the editor itself as a batch build of a project into a folder, not waiting for it.
void startBatchBuild(const std::string& project, const std::string& folder)
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            {qs(project), QStringLiteral("/BUILD"), QStringLiteral("/BUILDFOLDER:") + qs(folder)});
}

class CreatingPage : public QWizardPage {
public:
    CreatingPage(WizardState& state, ProjectDocument& document) : state_(state), document_(document)
    {
        setTitle(QCoreApplication::translate("SubMenuWizard", "Creating"));
        auto* layout = new QVBoxLayout(this);
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("ListStatus"));
        layout->addWidget(list_);
    }
    void initializePage() override
    {
        list_->clear();
        QTimer::singleShot(0, this, [this] { create(); });
    }
    bool isComplete() const override { return state_.created; }

private:
    void create()
    {
        std::vector<std::pair<std::string, std::string>> builds;
        SubMenuCreation c;
        c.count = state_.count;
        c.withInformation = state_.withInformation;
        c.creationFolder = state_.folder;
        c.programFolder = platform::services().folders->ProgramFolder();
        c.progress = [this](const std::string& line) {
            list_->addItem(qs(line));
            list_->scrollToBottom();
            QCoreApplication::processEvents();
        };
        c.startBuild = [&](const std::string& project, const std::string& folder) { builds.emplace_back(project, folder); };
        c.saveMain = [](MenuProject&) { return true; };  // the document saves it below, as one with its history
        bool ok = false;
        document_.edit(QCoreApplication::translate("SubMenuWizard", "Create Sub Menus"),
                       [&](MenuProject& p) {
                           p.CreateDestDir = state_.folder;
                           RemoveSampleButtons(p);
                           ok = CreateSubMenus(p, c);
                       },
                       ChangeScope::Everything);
        if (ok && !document_.save([](MenuProject& p) { return SaveProjectFile(p); })) {
            c.progress("The main menu's project could not be saved.");
            ok = false;
        }
        for (const auto& [project, folder] : builds)
            if (ok || project != document_.project().ProjectFilePath)
                startBatchBuild(project, folder);
        state_.created = ok;
        emit completeChanged();
    }

    WizardState& state_;
    ProjectDocument& document_;
    QListWidget* list_;
};

class ReadyPage : public QWizardPage {
public:
    ReadyPage(WizardState& state, const ProjectDocument& document, const SubMenuWizardHooks& hooks)
        : state_(state), document_(document)
    {
        setTitle(QCoreApplication::translate("SubMenuWizard", "The Menus Are Being Created"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(makeNote(QCoreApplication::translate(
                                       "SubMenuWizard",
                                       "The sub menus and the main menu are being created, each by a build of its own. "
                                       "The main menu's project now holds the buttons that open the sub menus."),
                                   this));
        creation_ = makeSecondary(QString(), this);
        project_ = makeSecondary(QString(), this);
        layout->addWidget(creation_);
        layout->addWidget(project_);
        auto* buttons = new QHBoxLayout;
        auto add = [&](const QString& text, const char* name, std::function<void()> act) {
            auto* b = new QPushButton(text, this);
            b->setObjectName(QString::fromLatin1(name));
            connect(b, &QPushButton::clicked, this, std::move(act));
            buttons->addWidget(b);
        };
        add(QCoreApplication::translate("SubMenuWizard", "&Preview"), "CmdPreview", [hooks] {
            if (hooks.preview)
                hooks.preview();
        });
        add(QCoreApplication::translate("SubMenuWizard", "Open P&roject Folder"), "CmdOpenProjectFolder", [this] {
            ExploreFolderOrReport(PathDirectoryPart(document_.project().ProjectFilePath));
        });
        add(QCoreApplication::translate("SubMenuWizard", "Open &Creation Folder"), "CmdOpenCreationFolder",
            [this] { ExploreFolderOrReport(state_.folder); });
        buttons->addStretch();
        layout->addLayout(buttons);
        layout->addStretch();
    }
    void initializePage() override
    {
        creation_->setText(QCoreApplication::translate("SubMenuWizard", "Creation folder: %1").arg(shownPathText(state_.folder)));
        project_->setText(QCoreApplication::translate("SubMenuWizard", "Project folder: %1")
                              .arg(shownPathText(PathDirectoryPart(document_.project().ProjectFilePath))));
    }

private:
    WizardState& state_;
    const ProjectDocument& document_;
    QLabel* creation_;
    QLabel* project_;
};

}  // namespace

void RunSubMenuWizard(ProjectDocument& document, const SubMenuWizardHooks& hooks, QWidget* parent)
{
    const std::string file = document.project().ProjectFilePath;
    if (file.empty() || file == NoProjectFile) {
        QMessageBox::information(parent, QCoreApplication::translate("SubMenuWizard", "Information"),
                                 QCoreApplication::translate("SubMenuWizard",
                                                             "You must save your project on the hard disk before you can "
                                                             "use this function."));
        return;
    }
    WizardState state;
    QWizard wizard(parent);
    wizard.setObjectName(QStringLiteral("CreateSubMenuWizard"));
    wizard.setWindowTitle(QCoreApplication::translate("SubMenuWizard", "Create Sub Menus"));
    wizard.setOption(QWizard::NoBackButtonOnLastPage);
    wizard.setOption(QWizard::NoCancelButtonOnLastPage);
    wizard.addPage(textPage(QCoreApplication::translate("SubMenuWizard", "Create Sub Menus"),
                            QCoreApplication::translate(
                                "SubMenuWizard",
                                "Via this wizard you can add sub menus to your current menu project. Your current project "
                                "will be used as the main menu. The sub menus will have the same visual style as your main "
                                "menu, so you should first design your main menu, before you create the sub menus.")));
    wizard.addPage(new CountPage(state));
    wizard.addPage(new FolderPage(state, document.project().CreateDestDir));
    wizard.addPage(new OptionsPage(state));
    wizard.addPage(new CreatingPage(state, document));
    wizard.addPage(new ReadyPage(state, document, hooks));
    wizard.resize(560, 400);
    wizard.exec();
}

}  // namespace orv::editor
