// The rules that enable, disable or check the tabs' dependent options, and the two fixed
// lists of the tabs (button styles, blend directions).
#pragma once

#include <string>
#include <vector>

#include "model/menu_project.h"

namespace orv::editor {

// --- Caption options of the "Window" tab -------------------------------------------------

struct CaptionOptions {
    bool caption = false;
    bool minimize = false;
    bool border = false;
    bool minimizeEnabled = true;
    bool borderEnabled = true;
};

// A click on the caption or minimize check box: both dependants are enabled first; a checked
// caption or minimize button checks and disables the border; an unchecked caption clears and
// disables the minimize button.
CaptionOptions ClickCaptionOption(bool caption, bool minimize, bool border);

// The enabling that a project shows when it is loaded (the values are left as they are).
CaptionOptions CaptionOptionsShown(bool caption, bool minimize, bool border);

// Writes a click's outcome into the project.
void ApplyCaptionClick(MenuProject& project, bool caption, bool minimize);

// --- Movie options -----------------------------------------------------------------------

// "Maximize" has no meaning for a full-screen movie.
inline bool MaximizeMovieEnabled(bool fullScreen) { return !fullScreen; }

// --- Menu picture size ---------------------------------------------------------------------

// The width and height of the menu picture matter once a picture is chosen and it is either
// stretched or a metafile (which has no pixel size of its own).
bool MenuPictureSizeEnabled(const MenuProject& project);

// --- Button style list ("ComboButStyle") ---------------------------------------------------

// The entries by index: group headings as they are, styles with three leading blanks.
std::vector<std::string> ButtonStyleListEntries();

// ButtonStyle (1-based position) and list index (0-based) convert by one.
inline int StyleListIndex(int buttonStyle) { return buttonStyle - 1; }
inline int ButtonStyleOfIndex(int index) { return index + 1; }

// A group heading is never left selected: the entry after it is taken. An index outside the
// list becomes the project's default style.
int AssureItsAStyle(int listIndex);

// The blend direction list ("ComboToneDirection").
std::vector<std::string> ToneDirectionListEntries();

// --- Colour buttons ------------------------------------------------------------------------

// A new button text colour: it is stored; from the list index 4 ("Windows Button") on the
// frame keeps a colour of its own (SeparateFrameAndCharColor is set); while the frame has no
// colour of its own it follows the text colour.
void ChooseButtonTextColour(MenuProject& project, Colour colour);

// The Bitmap column of the button list is shown only for the picture styles.
bool ButtonStyleUsesPictures(int buttonStyle);

}  // namespace orv::editor
