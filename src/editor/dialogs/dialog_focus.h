// Dialogs hand the keyboard back: when a dialog closes (OK, Cancel, Escape, its close box),
// the window that was active when it opened is active again, with the focus on the widget
// that had it. A window manager alone may leave no window active, above all after dialogs
// without a parent such as message boxes. The editor's own dialogs also get the Tab order
// of their layouts (down each column) when they are first shown.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace orv::editor {

class DialogFocus : public QObject {
    Q_OBJECT
public:
    // Watches every dialog of the application from now on; once per application.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    // What a window's focus goes back to: the widget given, while it can take the focus,
    // else the first field of the page shown or of the window.
    static QWidget* focusTarget(QWidget* window, QWidget* previous);
    void opened(QWidget* dialog);
    void closed(QWidget* dialog);
    void forget(QObject* dialog) { returns_.remove(dialog); }

    struct Return {
        QPointer<QWidget> window;
        QPointer<QWidget> focus;
    };
    QHash<QObject*, Return> returns_;
};

}  // namespace orv::editor
