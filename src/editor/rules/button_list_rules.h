// The operations of the button list: Add, Edit, Delete, Copy, Move, Insert title, Edit title
// and Clear. Each checks the limit, asks its questions through the platform's user interface,
// opens its dialog through a seam and makes its change as one named step of the document, so
// undo brings back exactly what the step changed. The widgets only pick the row and call.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/rules/button_edit_request.h"
#include "model/menu_project.h"

namespace orv::editor {

class ProjectDocument;

// What the move dialog shows for one row.
struct MoveDialogTexts {
    std::string caption;       // "Move Button" or "Move Title"
    std::string headingLabel;  // "Button to move:" or "Title to move:"
    std::string heading;       // "''Text''      (button no: 2)"
    std::string instruction;
    std::string listCaption;   // "&Current objects and their positions" when titles are present
    std::vector<std::string> lines;  // every other row, then "< Insert Last >"
};
MoveDialogTexts MoveDialogTextsFor(const MenuProject& project, int row);

// The title dialog's values: the title text and the font shared by all title rows.
struct TitleValues {
    std::string title;
    std::string fontName;
    int fontSize = 10;
    bool bold = false;
    bool italic = false;
    Colour colour = 0;
};
TitleValues TitleValuesOf(const MenuProject& project, const std::string& title);

// The first four captions of the list's context menu for the selected row (-1: none).
std::array<std::string, 4> ButtonListMenuCaptions(const MenuProject& project, int row);

// The dialog line of the move dialog that drops row `from` before row `destination` (0-based;
// the row count means the end); 0 when the row would stay where it is.
int MoveLineForDrop(int rowCount, int from, int destination);

// The dialogs the operations open; an empty answer is a cancel.
struct ButtonListDialogs {
    std::function<ButtonEditOutcome(const ButtonEditRequest&)> editButton;
    std::function<std::optional<int>(const MoveDialogTexts&)> chooseMoveLine;  // 1-based line
    std::function<std::optional<TitleValues>(const TitleValues&, bool editing)> editTitle;
};

// Each operation takes the selected row (0-based, -1 for none) and returns the row to select
// afterwards when the list changed.
class ButtonListOperations {
public:
    ButtonListOperations(ProjectDocument& document, ButtonListDialogs dialogs);

    std::optional<int> add();
    std::optional<int> edit(int row);
    std::optional<int> remove(int row);
    std::optional<int> copy(int row);
    std::optional<int> move(int row);
    // Moves as the move dialog's line would (Ctrl+Up/Down, drag and drop).
    std::optional<int> moveToLine(int row, int line);
    std::optional<int> insertTitle(int row);
    std::optional<int> editTitle(int row);
    bool clear();

private:
    bool selected(int row) const;
    // Applies a confirmed button editor answer to row (inserted there when isNew).
    std::optional<int> applyEdit(const ButtonEditOutcome& outcome, int row, bool isNew, const char* stepName);

    ProjectDocument& document_;
    ButtonListDialogs dialogs_;
};

}  // namespace orv::editor
