// The button list's own rules, shared by the editor, the templates and the sub-menu wizard:
// the defaults of a new entry, the primitives that fill a list, where Add puts a new row,
// where Move puts a row, and the position-type tests of the button editor and its options.
// The list holds at most ButtonListLimit rows, buttons and title rows together.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_project.h"

namespace orv {

inline constexpr const char* ExitCommand = "Exit";
inline constexpr const char* StickGuardCommand = "Install StickGuard";

// True while another row fits ("< 44" before every operation that adds a row).
bool ButtonListHasRoom(const MenuProject& project);

// The entry that the button editor starts from for Add: "Run Program", the project's
// button colours, the default password texts, CSF 2 when linked files are copied (else 1),
// and the picture folder remembered from the last confirmed Add or Edit. That folder is
// kept only while the style is "Bitmap Button"; with any other style it is forgotten first.
MenuButton NewButtonEntry(const MenuProject& project, bool copyLinkedFiles);

// Remembers the picture folder of a confirmed entry for the next new entry.
void RememberButtonPictureFolder(const MenuButton& entry);

// The row that templates and the wizard append: the new-entry defaults with CSF "2" and
// BCUse, NoHG, WinWidth and WinHeight empty.
MenuButton DefaultListButton(const MenuProject& project, std::string_view text, std::string_view command);

void ClearButtonList(MenuProject& project);
void AppendDefaultButton(MenuProject& project, std::string_view text, std::string_view command);
// "Exit" with the command "Exit" and CSF "1".
void AppendExitButton(MenuProject& project);
bool ListHasExitButton(const MenuProject& project);

// Where Add inserts a new row (0-based): before a final "Exit", and before an "Install
// StickGuard" that directly precedes it; otherwise at the end.
std::size_t AddInsertPosition(const std::vector<MenuButton>& rows);

// Moves row `from` (0-based) as the move dialog asks: chosenLine is the 1-based line of the
// dialog's list, which holds every other row in order and then "< Insert Last >". The row
// lands directly before the row on that line, or last. Returns the row's new index.
std::size_t MoveButtonRow(std::vector<MenuButton>& rows, std::size_t from, int chosenLine);

// A title row's title: its text without every "- " and then every " -".
std::string TitleOfRow(const MenuButton& row);

// True when the list is not empty and every row's DeltaType is "5" (no distance from the
// previous button), respectively "4" (next free position). Title rows make both false.
bool AllOtherButtonsHave_NoDistanceOption_On(const std::vector<MenuButton>& rows);
bool AllOtherButtonsHave_NextFreePosOption_On(const std::vector<MenuButton>& rows);

// True when some row other than rowNumber (1-based; title rows count) has a DeltaType other
// than "5", respectively "4".
bool SomeButtonsDontHave_NoDistanceOption_On(const std::vector<MenuButton>& rows, int rowNumber);
bool SomeButtonsDontHave_NextFreePosOption_On(const std::vector<MenuButton>& rows, int rowNumber);

}  // namespace orv
