#include "editor/dialogs/menu_created_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/rules/desktop_open.h"
#include "create/usb_cooperation.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/dialogs/portavo_info_dialogs.h"
#include "editor/rules/shown_path.h"
#include "model/sibling_products.h"
#include "platform/services.h"
#include "platform/shell.h"

namespace orv::editor {

namespace {
// The information boxes follow the report after this delay, so the report is seen first.
constexpr int InformationDelayMs = 700;
}  // namespace

MenuCreatedDialog::MenuCreatedDialog(const CreationReport& report, const MenuProject& project, QWidget* parent)
    : QDialog(parent), report_(report), project_(project)
{
    setObjectName("MenuIsCreated");
    setWindowTitle(tr("The Menu Has Been Created"));

    list_ = new QListWidget(this);
    list_->setObjectName("ListCopiedFiles");
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    for (const std::string& line : report.lines)
        list_->addItem(qs(ShownPathsInText(line)));
    // Wide enough for the longest line (the copied files' paths), within the screen; the
    // dialog can be made larger still.
    const int widest = list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24;
    list_->setMinimumSize(std::clamp(widest, 560, 1000), 280);
    setSizeGripEnabled(true);

    auto* buttons = new QDialogButtonBox(this);
    explore_ = buttons->addButton(tr("&Explore Folder"), QDialogButtonBox::ActionRole);
    explore_->setObjectName("CmdExploreCreatFolder");
    explore_->setToolTip(tr("Opens the created menu's folder in the file manager"));
    auto* ok = buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Help);
    ok->setDefault(true);
    connect(explore_, &QPushButton::clicked, this, &MenuCreatedDialog::exploreCreatedFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::CreationReport); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(tr("The menu has been created."), this));
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    productTimer_ = new QTimer(this);
    productTimer_->setObjectName("TimerShowPTVProductPageInfo");
    productTimer_->setSingleShot(true);
    productTimer_->setInterval(InformationDelayMs);
    connect(productTimer_, &QTimer::timeout, this, &MenuCreatedDialog::productPageTimerFired);
    infoTimer_ = new QTimer(this);
    infoTimer_->setObjectName("TimerShowInfoBox");
    infoTimer_->setSingleShot(true);
    infoTimer_->setInterval(InformationDelayMs);
    connect(infoTimer_, &QTimer::timeout, this, &MenuCreatedDialog::stickGuardTimerFired);
}

void MenuCreatedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    list_->scrollToTop();
    if (report_.enableProductPageInfoTimer)
        productTimer_->start();
    if (report_.enableStickGuardInfoTimer)
        infoTimer_->start();
}

void MenuCreatedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_I && event->modifiers() == Qt::ControlModifier) {
        if (Siblings().PortavoInstalled)
            showStickGuardInformation();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MenuCreatedDialog::exploreCreatedFolder()
{
    if (report_.destination.empty())
        return;
    ExploreFolderOrReport(report_.destination);
}

void MenuCreatedDialog::placeBeside(QDialog& box) const
{
    box.adjustSize();
    box.move(geometry().topLeft() + QPoint(48, 48));
}

void MenuCreatedDialog::showStickGuardInformation()
{
    StickGuardInformationDialog box(StickGuardInformationFor(project_), this);
    placeBeside(box);
    box.exec();
}

void MenuCreatedDialog::productPageTimerFired()
{
    productTimer_->stop();
    if (!ProductPageInformationWanted(project_))
        return;
    PortavoProductDialog box(this);
    placeBeside(box);
    box.exec();
}

void MenuCreatedDialog::stickGuardTimerFired()
{
    infoTimer_->stop();
    if (StickGuardInformationWanted())
        showStickGuardInformation();
}

void MenuCreatedDialog::showReport(const CreationReport& report, const MenuProject& project, QWidget* parent)
{
    MenuCreatedDialog dialog(report, project, parent);
    dialog.exec();
}

}  // namespace orv::editor
