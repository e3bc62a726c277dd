#include "editor/dialogs/select_dir_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/rules/new_folder.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

const platform::FileSystem* files() { return platform::services().files; }

// How long the model takes to sort a folder it has just read.
constexpr int SettleMs = 150;

QString driveRoot(QChar letter) { return QString(letter) + ":\\"; }

// The host folder of a drive letter's root; empty when the letter is not mapped.
QString hostRootOf(QChar letter)
{
    if (!files())
        return {};
    auto host = files()->hostPath(driveRoot(letter).toStdString());
    std::error_code ec;
    if (host.empty() || !std::filesystem::is_directory(host, ec))
        return {};
    return QString::fromStdString(host.string());
}

}  // namespace

SelectDirDialog::SelectDirDialog(const std::string& startFolder, QWidget* parent) : QDialog(parent)
{
    setObjectName("SelectDir");
    setWindowTitle(trText(SelectDirCaption));

    drives_ = new QComboBox(this);
    drives_->setObjectName("driveList");
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    tree_ = new QTreeView(this);
    tree_->setObjectName("folderTree");
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setMinimumSize(360, 300);
    current_ = new QLabel(this);
    current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    current_->setWordWrap(true);

    const SelectDirButton order[] = {SelectDirButton::RootFolder, SelectDirButton::MyDocuments,
                                     SelectDirButton::MyMenus, SelectDirButton::UsbDrive};
    auto* side = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QPushButton(trText(SelectDirButtonCaption(order[i])), this);
        connect(buttons_[i], &QPushButton::clicked, this, [this, which = order[i]] { press(which); });
        side->addWidget(buttons_[i]);
    }
    side->addStretch(1);
    newFolder_ = new QPushButton(tr("&New Folder..."), this);
    newFolder_->setObjectName("CmdNewFolder");
    newFolder_->setToolTip(tr("Makes a folder inside the selected one"));
    connect(newFolder_, &QPushButton::clicked, this, &SelectDirDialog::askNewFolder);
    side->addWidget(newFolder_);

    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(new QLabel(tr("D&rive:"), this));
    driveRow->addWidget(drives_, 1);
    qobject_cast<QLabel*>(driveRow->itemAt(0)->widget())->setBuddy(drives_);

    auto* main = new QVBoxLayout;
    main->addLayout(driveRow);
    main->addWidget(tree_, 1);
    main->addWidget(current_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(main, 1);
    columns->addLayout(side);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::SelectFolder); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(box);

    fillDrives();
    connect(drives_, &QComboBox::activated, this, &SelectDirDialog::driveChosen);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &SelectDirDialog::updateCurrent);
    // The model reads and sorts folders in the background: keep the chosen folder in view
    // once they have arrived.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this] {
        QTimer::singleShot(SettleMs, this, &SelectDirDialog::keepCurrentInView);
    });

    std::string start = startFolder;
    if (start.empty() || !files() || !files()->DirExists(start))
        start = platform::services().folders ? platform::services().folders->GetMyDocumentsDir() : std::string();
    if (!showFolder(start) && drives_->count() > 0)
        driveChosen(0);
}

void SelectDirDialog::fillDrives()
{
    drives_->clear();
    for (char c = 'A'; c <= 'Z'; ++c) {
        QString root = hostRootOf(QChar(c));
        if (root.isEmpty())
            continue;
        // The host folder is what the author knows; the letter is what the project stores.
        drives_->addItem(root, QString(QChar(c)));
        drives_->setItemData(drives_->count() - 1, driveRoot(QChar(c)), Qt::ToolTipRole);
    }
}

void SelectDirDialog::driveChosen(int index)
{
    if (index < 0)
        return;
    const QChar letter = drives_->itemData(index).toString().at(0);
    const QString root = hostRootOf(letter);
    if (root.isEmpty())
        return;
    tree_->setRootIndex(model_->setRootPath(root));
    tree_->setCurrentIndex(model_->index(root));
    updateCurrent();
}

bool SelectDirDialog::showFolder(const std::string& folder)
{
    if (folder.size() < 2 || folder[1] != ':' || !files())
        return false;
    const QChar letter = QChar(folder[0]).toUpper();
    const int index = drives_->findData(QString(letter));
    const QString root = hostRootOf(letter);
    const QString host = hostPathText(folder);
    if (index < 0 || root.isEmpty() || host.isEmpty())
        return false;
    drives_->setCurrentIndex(index);
    tree_->setRootIndex(model_->setRootPath(root));
    QModelIndex target = model_->index(host);
    if (!target.isValid())
        target = model_->index(root);
    tree_->setCurrentIndex(target);
    tree_->scrollTo(target);
    tree_->expand(target);
    updateCurrent();
    return true;
}

void SelectDirDialog::press(SelectDirButton which)
{
    if (auto target = SelectDirTarget(which, folder()); target && !target->empty())
        showFolder(*target);
}

QPushButton* SelectDirDialog::button(SelectDirButton which) const { return buttons_[static_cast<int>(which)]; }

std::string SelectDirDialog::folder() const
{
    QModelIndex current = tree_->currentIndex();
    if (!current.isValid() || !files())
        return {};
    return files()->windowsPath(std::filesystem::path(model_->filePath(current).toStdString()));
}

void SelectDirDialog::keepCurrentInView()
{
    if (tree_->currentIndex().isValid())
        tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void SelectDirDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &SelectDirDialog::keepCurrentInView);
}

void SelectDirDialog::updateCurrent() { current_->setText(shownPathText(folder())); }

void SelectDirDialog::askNewFolder()
{
    QInputDialog ask(this);
    ask.setObjectName("NewFolderName");
    ask.setWindowTitle(tr("New Folder"));
    ask.setLabelText(tr("Name of the new folder in %1:").arg(shownPathText(folder())));
    ask.setTextValue(trText(NewFolderDefaultName));
    while (ask.exec() == QDialog::Accepted) {
        if (newFolder(ask.textValue()))
            return;
    }
}

bool SelectDirDialog::newFolder(const QString& name)
{
    const NewFolderResult made = CreateNewFolder(folder(), ss(name));
    if (!made.problem.empty()) {
        if (auto* ui = platform::services().ui)
            ui->Message(made.problem, platform::MsgWarning, ss(tr("New Folder")));
        return false;
    }
    showFolder(made.folder);
    // The model files a new entry last and sorts only when asked for another column.
    model_->sort(1);
    model_->sort(0);
    keepCurrentInView();
    return true;
}

std::optional<std::string> SelectDirDialog::chooseFolder(const std::string& startFolder, QWidget* parent)
{
    SelectDirDialog dialog(startFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.folder();
}

}  // namespace orv::editor
