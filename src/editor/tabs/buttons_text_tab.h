// The "Buttons (text)" tab: the project's button list, one row per button or title row in
// menu order, with Add, Edit, Delete, Copy and Move beside it, a context menu whose captions
// follow the selected row, the standard keys and drag and drop of a row. Every command is a
// rule of ButtonListOperations; the tab only picks the row and selects the result.
#pragma once

#include <memory>
#include <optional>

#include "editor/tabs/project_tab.h"

class QAction;
class QMenu;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace orv::editor {

class ButtonListModel;
class ButtonListOperations;

class ButtonsTextTab : public ProjectTab {
    Q_OBJECT
public:
    ButtonsTextTab(const TabContext& context, QWidget* parent = nullptr);
    ~ButtonsTextTab() override;

    QTableView* list() const { return list_; }
    ButtonListModel* model() const { return model_; }
    // The list's context menu, its captions set for the selected row.
    QMenu* contextMenu() const { return contextMenu_; }
    // The selected row (0-based), -1 for none.
    int selectedRow() const;
    // Selects the first row with that command (the StickGuard button that the creation
    // added, for the author to edit); nothing when there is none.
    void selectRowWithCommand(const std::string& command);

protected:
    void refresh() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateColumns();
    // Enabling of the commands and the context menu's captions for the selection.
    void updateCommands();
    void select(std::optional<int> row);
    QPushButton* commandButton(const QString& text, const char* name, void (ButtonsTextTab::*slot)());

    void addButton();
    void editRow();
    void deleteRow();
    void copyRow();
    void moveRow();
    void moveBy(int delta);
    void insertTitle();
    void clearList();

    ButtonListModel* model_;
    QTableView* list_;
    QVBoxLayout* listCommands_;
    std::unique_ptr<ButtonListOperations> operations_;
    QPushButton* editButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* moveButton_ = nullptr;
    QMenu* contextMenu_;
    QAction* editAction_;
    QAction* deleteAction_;
    QAction* moveAction_;
    QAction* copyAction_;
};

}  // namespace orv::editor
