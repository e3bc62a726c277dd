#include "editor/rules/button_list_rules.h"

#include <algorithm>

#include <QCoreApplication>

#include "editor/project_document.h"
#include "model/button_list.h"
#include "model/editor_options.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

QString stepName(const char* name) { return QCoreApplication::translate("orv::editor::ButtonListOperations", name); }

int ask(const std::string& text, const std::string& title)
{
    return platform::services().ui->Message(text, platform::MsgYesNo + platform::MsgQuestion, title);
}

void inform(const std::string& text, const std::string& title)
{
    platform::services().ui->Message(text, platform::MsgOk + platform::MsgInformation, title);
}

constexpr const char* ButtonListFull = "The button list is full! You can't add more buttons!";

const MenuButton& rowOf(const MenuProject& project, int row) { return project.Buttons[static_cast<size_t>(row)]; }

void takeTitleFont(MenuProject& p, const TitleValues& v)
{
    p.ButtonTitle_FontName = v.fontName;
    p.ButtonTitle_FontSize = static_cast<std::int16_t>(v.fontSize);
    p.ButtonTitle_FontBold = v.bold;
    p.ButtonTitle_FontItalic = v.italic;
    p.ButtonTitle_TextColor = v.colour;
}

}  // namespace

MoveDialogTexts MoveDialogTextsFor(const MenuProject& project, int row)
{
    MoveDialogTexts t;
    const MenuButton& moved = rowOf(project, row);
    const std::string number = std::to_string(row + 1);
    if (moved.isTitleRow()) {
        t.caption = "Move Title";
        t.headingLabel = "Title to move:";
        t.heading = "''" + TitleOfRow(moved) + "''      (object no: " + number + ")";
        t.instruction = "Select the row in the list below where you want to move the title and press then OK.";
    } else {
        t.caption = "Move Button";
        t.headingLabel = "Button to move:";
        t.heading = "''" + moved.Text + "''      (button no: " + number + ")";
        t.instruction = "Select the row in the list below where you want to move the button and press then OK.";
    }
    const bool anyTitle = std::any_of(project.Buttons.begin(), project.Buttons.end(),
                                      [](const MenuButton& b) { return b.isTitleRow(); });
    t.listCaption = anyTitle ? "&Current objects and their positions" : "&Current buttons and their positions";
    for (size_t i = 0; i < project.Buttons.size(); ++i)
        if (static_cast<int>(i) != row)
            t.lines.push_back("''" + project.Buttons[i].Text + "''");
    t.lines.push_back("< Insert Last >");
    return t;
}

TitleValues TitleValuesOf(const MenuProject& p, const std::string& title)
{
    return {title, p.ButtonTitle_FontName, p.ButtonTitle_FontSize, p.ButtonTitle_FontBold, p.ButtonTitle_FontItalic,
            p.ButtonTitle_TextColor};
}

std::array<std::string, 4> ButtonListMenuCaptions(const MenuProject& project, int row)
{
    const bool title = row >= 0 && row < static_cast<int>(project.Buttons.size()) && rowOf(project, row).isTitleRow();
    if (title)
        return {"&Edit Title...", "&Delete Title...", "&Move Title...", "&Copy Title..."};
    return {"&Edit Button...", "&Delete Button...", "&Move Button...", "&Copy Button..."};
}

int MoveLineForDrop(int rowCount, int from, int destination)
{
    if (destination < 0 || destination > rowCount)
        destination = rowCount;
    if (destination == from || destination == from + 1)
        return 0;
    if (destination == rowCount)
        return rowCount;  // "< Insert Last >"
    // The dialog's lines skip the moved row.
    return destination < from ? destination + 1 : destination;
}

ButtonListOperations::ButtonListOperations(ProjectDocument& document, ButtonListDialogs dialogs)
    : document_(document), dialogs_(std::move(dialogs))
{
}

bool ButtonListOperations::selected(int row) const
{
    return row >= 0 && row < static_cast<int>(document_.project().Buttons.size());
}

std::optional<int> ButtonListOperations::add()
{
    const MenuProject& project = document_.project();
    if (!ButtonListHasRoom(project)) {
        inform(ButtonListFull, "Info");
        return std::nullopt;
    }
    const int rowNumber = static_cast<int>(project.Buttons.size()) + 1;
    const ButtonEditRequest request{project, NewButtonEntry(project, Options().CopyLinkedButtonFiles), true, rowNumber};
    return applyEdit(dialogs_.editButton(request), static_cast<int>(AddInsertPosition(project.Buttons)), true,
                     QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Add Button"));
}

std::optional<int> ButtonListOperations::edit(int row)
{
    if (!selected(row))
        return std::nullopt;
    const MenuProject& project = document_.project();
    const MenuButton& entry = rowOf(project, row);
    if (entry.isTitleRow())
        return editTitle(row);
    if (!project.isUsbProject() && entry.Cmd == StickGuardCommand) {
        inform("Can't edit this button! This button can only be edited if project type is set to USB flash drive.",
               "Can't Edit");
        return std::nullopt;
    }
    const ButtonEditRequest request{project, entry, false, row + 1};
    return applyEdit(dialogs_.editButton(request), row, false,
                     QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Edit Button"));
}

std::optional<int> ButtonListOperations::applyEdit(const ButtonEditOutcome& outcome, int row, bool isNew,
                                                   const char* name)
{
    if (!outcome.confirmed) {
        // The gallery settings belong to the project: a confirmed options dialog keeps them
        // even when the button editor was cancelled.
        if (outcome.gallery)
            document_.edit(stepName(QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Picture Gallery Options")),
                           [&](MenuProject& p) { CopyPictureGallerySettings(*outcome.gallery, p); });
        return std::nullopt;
    }
    const ChangeScope scope = outcome.gallery ? ChangeScope::Everything : ChangeScope::Buttons;
    document_.edit(stepName(name), [&](MenuProject& p) {
        auto at = p.Buttons.begin() + row;
        if (isNew)
            p.Buttons.insert(at, outcome.entry);
        else
            *at = outcome.entry;
        if (outcome.applyPositionTypeToAll)
            for (MenuButton& b : p.Buttons)
                b.DeltaType = outcome.entry.DeltaType;
        if (outcome.gallery)
            CopyPictureGallerySettings(*outcome.gallery, p);
    }, scope);
    RememberButtonPictureFolder(outcome.entry);
    return row;
}

std::optional<int> ButtonListOperations::remove(int row)
{
    if (!selected(row))
        return std::nullopt;
    const bool title = rowOf(document_.project(), row).isTitleRow();
    const int answer = title ? ask("Do you want to remove the selected title from the list?", "Delete Title")
                             : ask("Do you want to remove the selected button from the list?", "Delete Button");
    if (answer != platform::AnswerYes)
        return std::nullopt;
    document_.edit(stepName(title ? QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Delete Title")
                                  : QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Delete Button")),
                   [&](MenuProject& p) { p.Buttons.erase(p.Buttons.begin() + row); }, ChangeScope::Buttons);
    const int remaining = static_cast<int>(document_.project().Buttons.size());
    return std::min(row, remaining - 1);
}

std::optional<int> ButtonListOperations::copy(int row)
{
    if (!selected(row))
        return std::nullopt;
    const MenuProject& project = document_.project();
    const MenuButton entry = rowOf(project, row);
    const bool title = entry.isTitleRow();
    if (!ButtonListHasRoom(project)) {
        inform(title ? "The list is full! You can't add more titles!" : ButtonListFull, "Info");
        return std::nullopt;
    }
    const std::string kind = title ? "title" : "button";
    const std::string question = Options().UseUnicodeEncoding
                                     ? "Do you want to create a copy of the " + kind + "?"
                                     : "Do you want to create a copy of the " + kind + " '" + TitleOfRow(entry) + "'?";
    if (ask(question, title ? "Copy Title" : "Copy Button") != platform::AnswerYes)
        return std::nullopt;
    document_.edit(stepName(title ? QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Copy Title")
                                  : QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Copy Button")),
                   [&](MenuProject& p) { p.Buttons.push_back(entry); }, ChangeScope::Buttons);
    return static_cast<int>(document_.project().Buttons.size()) - 1;
}

std::optional<int> ButtonListOperations::move(int row)
{
    if (!selected(row) || document_.project().Buttons.size() < 2)
        return std::nullopt;
    const std::optional<int> line = dialogs_.chooseMoveLine(MoveDialogTextsFor(document_.project(), row));
    if (!line)
        return std::nullopt;
    return moveToLine(row, *line);
}

std::optional<int> ButtonListOperations::moveToLine(int row, int line)
{
    const int count = static_cast<int>(document_.project().Buttons.size());
    if (!selected(row) || count < 2 || line < 1 || line > count)
        return std::nullopt;
    const bool title = rowOf(document_.project(), row).isTitleRow();
    size_t landed = static_cast<size_t>(row);
    document_.edit(stepName(title ? QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Move Title")
                                  : QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Move Button")),
                   [&](MenuProject& p) { landed = MoveButtonRow(p.Buttons, static_cast<size_t>(row), line); },
                   ChangeScope::Buttons);
    return static_cast<int>(landed);
}

std::optional<int> ButtonListOperations::insertTitle(int row)
{
    const MenuProject& project = document_.project();
    if (!ButtonListHasRoom(project)) {
        inform("The list is full! You can't add more objects to the list!", "Info");
        return std::nullopt;
    }
    const std::optional<TitleValues> values = dialogs_.editTitle(TitleValuesOf(project, {}), false);
    if (!values)
        return std::nullopt;
    const int at = selected(row) ? row : static_cast<int>(project.Buttons.size());
    document_.edit(stepName(QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Insert Title")),
                   [&](MenuProject& p) {
                       takeTitleFont(p, *values);
                       p.Buttons.insert(p.Buttons.begin() + at, MakeTitleRow(values->title));
                   },
                   ChangeScope::Everything);
    return at;
}

std::optional<int> ButtonListOperations::editTitle(int row)
{
    if (!selected(row) || !rowOf(document_.project(), row).isTitleRow())
        return std::nullopt;
    const std::optional<TitleValues> values =
        dialogs_.editTitle(TitleValuesOf(document_.project(), TitleOfRow(rowOf(document_.project(), row))), true);
    if (!values)
        return std::nullopt;
    document_.edit(stepName(QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Edit Title")),
                   [&](MenuProject& p) {
                       takeTitleFont(p, *values);
                       p.Buttons[static_cast<size_t>(row)] = MakeTitleRow(values->title);
                   },
                   ChangeScope::Everything);
    return row;
}

bool ButtonListOperations::clear()
{
    const auto& rows = document_.project().Buttons;
    if (rows.empty())
        return false;
    const bool anyTitle = std::any_of(rows.begin(), rows.end(), [](const MenuButton& b) { return b.isTitleRow(); });
    const int answer = anyTitle ? ask("Do you want to remove all items from the button list?", "Remove Items")
                                : ask("Do you want to remove all buttons from the button list?", "Remove Buttons");
    if (answer != platform::AnswerYes)
        return false;
    document_.edit(stepName(anyTitle ? QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Remove All Items")
                                     : QT_TRANSLATE_NOOP("orv::editor::ButtonListOperations", "Remove All Buttons")),
                   [](MenuProject& p) { ClearButtonList(p); }, ChangeScope::Buttons);
    return true;
}

}  // namespace orv::editor
