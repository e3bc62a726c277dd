#include "model/button_list.h"

#include <algorithm>

#include "model/session_state.h"
#include "model/text_helpers.h"

namespace orv {

namespace {

bool styleIsBitmapButton(const MenuProject& project)
{
    return ButtonStyleName(project.ButtonStyle) == "Bitmap Button";
}

// The remembered picture folder as the next new row may use it.
const std::string& rememberedFolderFor(const MenuProject& project)
{
    std::string& folder = Session().rememberedButtonPictureFolder;
    if (!styleIsBitmapButton(project))
        folder.clear();
    return folder;
}

bool allRowsHaveDeltaType(const std::vector<MenuButton>& rows, const char* type)
{
    return !rows.empty() && std::all_of(rows.begin(), rows.end(), [&](const MenuButton& b) { return b.DeltaType == type; });
}

bool someOtherRowLacksDeltaType(const std::vector<MenuButton>& rows, int rowNumber, const char* type)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (static_cast<int>(i) + 1 != rowNumber && rows[i].DeltaType != type)
            return true;
    return false;
}

}  // namespace

bool ButtonListHasRoom(const MenuProject& project)
{
    return project.Buttons.size() < static_cast<std::size_t>(ButtonListLimit);
}

MenuButton NewButtonEntry(const MenuProject& project, bool copyLinkedFiles)
{
    MenuButton b;
    b.Cmd = "Run Program";
    b.BmpFolder = rememberedFolderFor(project);
    b.DeltaX = "0";
    b.DeltaY = "0";
    b.DeltaType = "1";
    b.UseBmpSize = "0";
    b.BmpTransType = "1";
    b.Hide = "0";
    b.CSF = copyLinkedFiles ? "2" : "1";
    b.BC1 = std::to_string(project.ButtonForeColor);
    b.BC2 = b.BC1;
    b.BC3 = std::to_string(project.ButtonFrameColor);
    b.BC4 = std::to_string(project.ButtonBackColor);
    b.UseMediaPlayer = "0";
    b.ShowDialogBoxes = "1";
    b.PswProtect = "0";
    b.PswAsterisk = "0";
    b.PswEncrypt = "0";
    b.PswDlgTitle = "Enter password";
    b.PswDlgText = "Before you can open the file you must enter a password:";
    b.PswIsWrongTitle = "Invalid password";
    b.PswIsWrongText = "The password you entered is not correct. Try again.";
    b.RunAsAdministrator = "0";
    b.RunProgramMaximized = "0";
    return b;
}

void RememberButtonPictureFolder(const MenuButton& entry)
{
    Session().rememberedButtonPictureFolder = entry.BmpFolder;
}

MenuButton DefaultListButton(const MenuProject& project, std::string_view text, std::string_view command)
{
    MenuButton b = NewButtonEntry(project, true);
    b.Text = std::string(text);
    b.Cmd = std::string(command);
    return b;
}

void ClearButtonList(MenuProject& project) { project.Buttons.clear(); }

void AppendDefaultButton(MenuProject& project, std::string_view text, std::string_view command)
{
    project.Buttons.push_back(DefaultListButton(project, text, command));
}

void AppendExitButton(MenuProject& project)
{
    MenuButton b = DefaultListButton(project, "Exit", ExitCommand);
    b.CSF = "1";
    project.Buttons.push_back(b);
}

bool ListHasExitButton(const MenuProject& project)
{
    return std::any_of(project.Buttons.begin(), project.Buttons.end(),
                       [](const MenuButton& b) { return b.Cmd == ExitCommand; });
}

std::size_t AddInsertPosition(const std::vector<MenuButton>& rows)
{
    std::size_t position = rows.size();
    if (!rows.empty() && rows.back().Cmd == ExitCommand) {
        position = rows.size() - 1;
        if (position > 0 && rows[position - 1].Cmd == StickGuardCommand)
            --position;
    }
    return position;
}

std::size_t MoveButtonRow(std::vector<MenuButton>& rows, std::size_t from, int chosenLine)
{
    if (from >= rows.size() || chosenLine < 1)
        return from;
    MenuButton moved = std::move(rows[from]);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(from));
    const std::size_t target = std::min(static_cast<std::size_t>(chosenLine - 1), rows.size());
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(target), std::move(moved));
    return target;
}

std::string TitleOfRow(const MenuButton& row) { return RemoveDashSpacing(row.Text, true); }

bool AllOtherButtonsHave_NoDistanceOption_On(const std::vector<MenuButton>& rows)
{
    return allRowsHaveDeltaType(rows, "5");
}

bool AllOtherButtonsHave_NextFreePosOption_On(const std::vector<MenuButton>& rows)
{
    return allRowsHaveDeltaType(rows, "4");
}

bool SomeButtonsDontHave_NoDistanceOption_On(const std::vector<MenuButton>& rows, int rowNumber)
{
    return someOtherRowLacksDeltaType(rows, rowNumber, "5");
}

bool SomeButtonsDontHave_NextFreePosOption_On(const std::vector<MenuButton>& rows, int rowNumber)
{
    return someOtherRowLacksDeltaType(rows, rowNumber, "4");
}

}  // namespace orv
