// Where the main window stood when it was last closed: its size, position and the tab in
// front, kept beside the options file (orvnedit-window.ini), so the editor opens as the
// author left it.
#pragma once

class QMainWindow;
class QTabWidget;

namespace orv::editor {

void RestoreMainWindowState(QMainWindow& window, QTabWidget& tabs);
void SaveMainWindowState(const QMainWindow& window, const QTabWidget& tabs);

}  // namespace orv::editor
