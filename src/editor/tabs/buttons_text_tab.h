// The "Buttons (text)" tab: the project's button list, one row per button or title row in
// menu order, with room beside it for the list's commands.
#pragma once

#include "editor/tabs/project_tab.h"

class QTableView;
class QVBoxLayout;

namespace orv::editor {

class ButtonListModel;

class ButtonsTextTab : public ProjectTab {
    Q_OBJECT
public:
    ButtonsTextTab(const TabContext& context, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    ButtonListModel* model() const { return model_; }

protected:
    void refresh() override;
    void showEvent(QShowEvent* event) override;

private:
    void updateColumns();

    ButtonListModel* model_;
    QTableView* list_;
    QVBoxLayout* listCommands_;
};

}  // namespace orv::editor
