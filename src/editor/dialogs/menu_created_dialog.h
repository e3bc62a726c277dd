// MenuIsCreated, the creation report: the list of everything the creation copied, a button
// that opens the created folder in the file manager, and the two timers that show Portavo's
// information boxes shortly after the report appears (Ctrl+I shows the StickGuard box at
// once while Portavo is installed).
#pragma once

#include <QDialog>

#include "create/creation_observer.h"
#include "model/menu_project.h"

class QListWidget;
class QPushButton;
class QTimer;

namespace orv::editor {

class MenuCreatedDialog : public QDialog {
    Q_OBJECT
public:
    MenuCreatedDialog(const CreationReport& report, const MenuProject& project, QWidget* parent = nullptr);

    // CmdExploreCreatFolder: opens the destination in the file manager.
    void exploreCreatedFolder();
    // The StickGuard information box (DlgPTVInformation or DlgPTVInformation2).
    void showStickGuardInformation();

    static void showReport(const CreationReport& report, const MenuProject& project, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void productPageTimerFired();
    void stickGuardTimerFired();
    void placeBeside(QDialog& box) const;

    CreationReport report_;
    const MenuProject& project_;
    QListWidget* list_ = nullptr;
    QPushButton* explore_ = nullptr;
    QTimer* productTimer_ = nullptr;
    QTimer* infoTimer_ = nullptr;
};

}  // namespace orv::editor
