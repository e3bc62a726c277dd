#include "editor/dialogs/start_window.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/clickable_label.h"
#include "editor/dialogs/dialog_support.h"
#include "model/my_documents_path.h"
#include "model/recent_list.h"

namespace orv::editor {

namespace {
constexpr int EntryRole = Qt::UserRole + 1;
}

StartWindow::StartWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("StartWindow");
    setWindowTitle(tr("Choose Project"));

    struct Action {
        int code;
        QString text;
        const char* picture;
    };
    const Action actionList[] = {
        {StartNewProject, tr("Create a new project"), "start_new.png"},
        {StartNewProjectFromTemplate, tr("Create a new project from a basic style..."), "start_template.png"},
        {StartOpenProject, tr("Open an existing project..."), "start_open.png"},
        {StartUserGuide, tr("Read the user's guide"), "start_guide.png"},
        {StartHelpContents, tr("Show the help contents"), "start_help.png"},
    };

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const Action& a : actionList) {
        if (a.code == StartUserGuide) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 2);
        }
        auto* icon = new QLabel(this);
        icon->setPixmap(resPicture(a.picture, 32));
        auto* label = new ClickableLabel(a.text, this);
        label->setProperty("startCode", a.code);
        connect(label, &ClickableLabel::clicked, this, [this, code = a.code] { choose(code); });
        actions_.push_back(label);
        grid->addWidget(icon, row, 0);
        grid->addWidget(label, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(makeHeading(tr("What do you want to do?"), this));
    left->addSpacing(6);
    left->addLayout(grid);

    recent_ = new QListWidget(this);
    recent_->setObjectName("recentProjects");
    recent_->setContextMenuPolicy(Qt::CustomContextMenu);
    recent_->setMinimumWidth(240);
    recent_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(recent_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(StartOpenRecentProject, item->data(EntryRole).toInt()); });
    connect(recent_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(StartOpenRecentProject, item->data(EntryRole).toInt()); });
    connect(recent_, &QListWidget::customContextMenuRequested, this, &StartWindow::showContextMenu);

    auto* right = new QVBoxLayout;
    right->addWidget(makeHeading(tr("Recent projects"), this));
    right->addSpacing(6);
    right->addWidget(recent_, 1);
    auto* hint = makeSecondary(tr("Click a project to open it; right-click for more."), this);
    right->addWidget(hint);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    fillRecentList();
}

ClickableLabel* StartWindow::actionLabel(int code) const
{
    for (auto* label : actions_)
        if (label->property("startCode").toInt() == code)
            return label;
    return nullptr;
}

void StartWindow::choose(int code, int entry)
{
    choice_ = {code, entry};
    accept();
}

void StartWindow::fillRecentList()
{
    recent_->clear();
    RecentList files = RecentFilesList();
    for (const RecentProjectLine& line : StartWindowRecentProjects()) {
        auto* item = new QListWidgetItem(resPicture("App3.bmp"), qs(line.name), recent_);
        item->setData(EntryRole, line.entry);
        item->setToolTip(shownPathText(files.target(line.entry)));
    }
    if (recent_->count() == 0) {
        auto* item = new QListWidgetItem(tr("No recent projects"), recent_);
        item->setFlags(Qt::NoItemFlags);
    }
}

QMenu* StartWindow::contextMenuFor(QListWidgetItem* item)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const int entry = item->data(EntryRole).toInt();
    menu->addAction(tr("open"), this, [this, entry] { choose(StartOpenRecentProject, entry); });
    menu->addAction(tr("remove"), this, [this, item] { removeRecent(item); });
    return menu;
}

void StartWindow::removeRecent(QListWidgetItem* item)
{
    const int entry = item->data(EntryRole).toInt();
    if (entry < 1)
        return;
    RemoveFileFromRecentFileList(entry);
    fillRecentList();
    emit recentFilesChanged();
}

void StartWindow::showContextMenu(const QPoint& position)
{
    QListWidgetItem* item = recent_->itemAt(position);
    if (!item || item->data(EntryRole).toInt() < 1)
        return;
    contextMenuFor(item)->popup(recent_->viewport()->mapToGlobal(position));
}

StartChoice StartWindow::chooseProject(QWidget* parent)
{
    StartWindow window(parent);
    window.exec();
    return window.choice();
}

}  // namespace orv::editor
