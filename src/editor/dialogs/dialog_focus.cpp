#include "editor/dialogs/dialog_focus.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTabWidget>

#include "editor/tabs/tab_order.h"

namespace orv::editor {
namespace {

const char* const TabOrderSet = "orvTabOrderByColumn";

// Qt's own dialogs (message boxes, file, colour and font choosers) keep their order.
bool isEditorDialog(const QWidget* dialog)
{
    return QByteArray(dialog->metaObject()->className()).startsWith("orv::");
}

bool canTakeFocus(const QWidget* w)
{
    return w && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
}

QWidget* firstField(QWidget* area)
{
    for (QWidget* w = area->nextInFocusChain(); w != area; w = w->nextInFocusChain())
        if (canTakeFocus(w) && area->isAncestorOf(w))
            return w;
    return nullptr;
}

}  // namespace

void DialogFocus::install()
{
    auto* app = QApplication::instance();
    if (!app || app->findChild<DialogFocus*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app->installEventFilter(new DialogFocus(app));
}

QWidget* DialogFocus::focusTarget(QWidget* window, QWidget* previous)
{
    if (!window)
        return nullptr;
    if (canTakeFocus(previous) && previous->window() == window)
        return previous;
    // The widget is gone or hidden (another tab came to the front): the first field of the
    // page shown, else of the window.
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        if (tabs->isVisible() && tabs->currentWidget())
            if (QWidget* first = firstField(tabs->currentWidget()))
                return first;
    return firstField(window);
}

bool DialogFocus::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide) || event->spontaneous() || !watched->isWidgetType())
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow())
        return false;
    if (type == QEvent::Show)
        opened(dialog);
    else
        closed(dialog);
    return false;
}

void DialogFocus::opened(QWidget* dialog)
{
    if (isEditorDialog(dialog) && !dialog->property(TabOrderSet).toBool()) {
        dialog->setProperty(TabOrderSet, true);
        OrderTabStopsByColumn(dialog);
    }
    QWidget* window = QApplication::activeWindow();
    if (!window || window == dialog)
        window = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (!window)
        return;
    connect(dialog, &QObject::destroyed, this, &DialogFocus::forget, Qt::UniqueConnection);
    returns_.insert(dialog, {window, window->focusWidget()});
}

void DialogFocus::closed(QWidget* dialog)
{
    const Return back = returns_.value(dialog);
    returns_.remove(dialog);
    QWidget* window = back.window;
    if (!window || !window->isVisible())
        return;
    // The user may have gone to another window meanwhile; that one keeps the keyboard.
    QWidget* active = QApplication::activeWindow();
    if (active && active != dialog && active != window)
        return;
    window->activateWindow();
    if (QWidget* focus = focusTarget(window, back.focus))
        focus->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace orv::editor
