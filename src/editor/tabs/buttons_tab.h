// The "Buttons" tab: the button list of the project and the look all buttons share (style,
// size, placement), with the button effect and active frame dialogs.
#pragma once

#include "editor/tabs/project_tab.h"

class QComboBox;
class QTableView;
class QVBoxLayout;

namespace orv::editor {

class ButtonListModel;

class ButtonsTab : public ProjectTab {
    Q_OBJECT
public:
    ButtonsTab(const TabContext& context, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    ButtonListModel* model() const { return model_; }
    QComboBox* styleList() const { return style_; }
    // Room beside the list for the list's commands (add, edit, delete, move, copy).
    QVBoxLayout* listCommands() const { return listCommands_; }

    // ComboButStyle_AssureItsAStyle: a selected group heading gives way to the style after it.
    void assureItsAStyle();

protected:
    void refresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateColumns();

    ButtonListModel* model_;
    QTableView* list_;
    QComboBox* style_;
    QVBoxLayout* listCommands_;
};

}  // namespace orv::editor
