// The "Version" tab: company, product, description, version, date of the last creation and
// a comment, kept with the menu.
#pragma once

#include <QPlainTextEdit>

#include "editor/tabs/project_tab.h"

namespace orv::editor {

// tVerComments: one paragraph of at most the field length; Enter and pasted line breaks are
// swallowed.
class CommentEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CommentEdit(QWidget* parent = nullptr);
    // The text as the project keeps it (no line breaks, at most TextFieldMaxLength characters).
    static QString cleaned(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

class VersionTab : public ProjectTab {
    Q_OBJECT
public:
    VersionTab(const TabContext& context, QWidget* parent = nullptr);

private:
    CommentEdit* comments_;
};

}  // namespace orv::editor
