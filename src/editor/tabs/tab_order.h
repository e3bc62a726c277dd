// The Tab key reads a page as its layouts show it: down the first column, then down the
// next, instead of in the order the widgets were made.
#pragma once

#include <QList>

class QWidget;

namespace orv::editor {

// The widgets of page that can take the focus, in reading order: a horizontal row left to
// right (so columns side by side come one after the other, and a field keeps its "..."
// button), a vertical column and a form top to bottom, a grid of fields or push buttons row
// by row and a grid of check boxes or boxes column by column. Widgets outside the page's layouts are left out.
QList<QWidget*> TabStopsByColumn(QWidget* page);

// Makes the Tab key follow TabStopsByColumn; the pages of tab widgets on page get their
// own order. Hidden widgets keep their place for when they are shown.
void OrderTabStopsByColumn(QWidget* page);

}  // namespace orv::editor
