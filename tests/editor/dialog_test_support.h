// Helpers for the dialog and start-up tests: one QApplication on the offscreen platform for
// the whole suite, and a way to answer a modal dialog that a function under test opens.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "support/scripted_user_interface.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace orv::test {

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "editor_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// A left click at pos (widget coordinates), delivered as press and release.
inline void leftClick(QWidget* widget, QPoint pos)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

inline void keyClick(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// Types text into the focused-or-not widget, one key event per character.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// The messages shown so far as "title|style|text", so that one comparison checks all three.
inline std::vector<std::string> shown(const ScriptedUserInterface& ui)
{
    std::vector<std::string> out;
    for (const RecordedMessage& m : ui.messages())
        out.push_back(m.title + "|" + std::to_string(m.style) + "|" + m.text);
    return out;
}

// The named child of a widget, reported when missing.
template <typename T>
T* namedChild(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Waits (in the event loop of the modal dialog about to open) for a modal dialog of type T
// and hands it to act, which must close it (accept, reject or a button click).
template <typename T>
void whenModalOpens(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

}  // namespace orv::test
