// Input as the desktop delivers it: to the window on screen, so that Qt's mouse grab, modal blocking
// and nested loops behave as they do for a player.
#pragma once
#include <QTest>
#include <QWidget>
#include <QMouseEvent>
#include <QWindow>

// The desktop's window of a control and the control's centre in it, when that window is on screen.
inline QWindow *WindowOf(QWidget *w, QPoint &at) {
    QWidget *top = w->window();
    if (!top->isVisible() || !top->windowHandle()) return nullptr;
    at = w->mapTo(top, w->rect().center());
    return top->windowHandle();
}

// One mouse event handed to the desktop's window, which routes it to a control as it routes the
// desktop's own: implicit grab from press to release, blocked under a modal window.
inline void MouseToWindow(QWindow *win, QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons held, Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, at, win->mapToGlobal(at), button, held, mods);
    QCoreApplication::sendEvent(win, &e);
}

inline void ClickThroughWindow(QWidget *w, Qt::KeyboardModifiers mods = Qt::NoModifier,
                               Qt::MouseButton button = Qt::LeftButton) {
    QPoint at;
    if (QWindow *win = WindowOf(w, at)) {
        MouseToWindow(win, QEvent::MouseButtonPress, at, button, button, mods);
        MouseToWindow(win, QEvent::MouseButtonRelease, at, button, Qt::NoButton, mods);
    } else {
        QTest::mouseClick(w, button, mods, w->rect().center());
    }
}
