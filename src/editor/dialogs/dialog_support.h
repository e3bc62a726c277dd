// Small helpers shared by the editor's dialogs: text conversion, help, pictures of the
// editor's Res folder and the common look of headings and notes.
#pragma once

#include <string>

#include <QPixmap>
#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

namespace orv::editor {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string ss(const QString& text) { return text.toStdString(); }

// A text computed by the plain rules, passed through the translation table.
QString trText(const std::string& text);

// Opens the bundled help at the context number (help_topics.h).
void showHelpTopic(int contextNumber);

// The host path of a file of the editor's "Res" folder ("tab1.bmp"); empty when the program
// folder is not known.
QString resFilePath(const QString& fileName);

// A picture from the editor's "Res" folder ("start_new.png"); null when missing. With a
// logical size it is scaled to that size in device pixels, so it stays sharp on high-density
// screens.
QPixmap resPicture(const QString& fileName, int logicalSize = 0);

// The host path of a Windows-form path, for Qt's file access; empty when it has none.
QString hostPathText(const std::string& windowsPath);
// A path of the author's machine as the interface shows it (ShownPath of
// rules/shown_path.h: a path with no host form comes back as it is).
QString shownPathText(const std::string& windowsPath);

// A bold heading and a wrapped note, styled alike in every dialog.
QLabel* makeHeading(const QString& text, QWidget* parent = nullptr);
QLabel* makeNote(const QString& text, QWidget* parent = nullptr);
// A label of lesser importance (paths, counts), shown in a softer colour.
QLabel* makeSecondary(const QString& text, QWidget* parent = nullptr);

// A check box with an object name (for accessibility and tests), checked or not.
QCheckBox* makeCheckBox(const QString& text, const char* name, bool checked, QWidget* parent);

// Sizes a message-like dialog to its wrapped texts: as wide as width, as high as they need.
void fitToText(QWidget* dialog, int width);

}  // namespace orv::editor
