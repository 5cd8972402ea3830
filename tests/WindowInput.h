// Input as the desktop delivers it: to the window on screen, so that Qt's mouse grab, modal blocking
// and nested loops behave as they do for a player. Header-only: the benchmark's player uses it too.
#pragma once
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

// The desktop's window of a control and the control's centre in it, when that window is on screen.
inline QWindow *WindowOf(QWidget *w, QPoint &at) {
    QWidget *top = w->window();
    if (!top->isVisible() || !top->windowHandle()) return nullptr;
    at = w->mapTo(top, w->rect().center());
    return top->windowHandle();
}

// A press and a release handed to the desktop's window, which routes them as it routes the desktop's
// own: implicit grab from press to release, blocked under a modal window. Straight to the control
// (a click, or a press alone) when its window is not on screen.
inline void PressThroughWindow(QWidget *w, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                               bool click = true) {
    QPoint at;
    QWindow *win = WindowOf(w, at);
    if (!win)
        return click ? QTest::mouseClick(w, button, mods, w->rect().center())
                     : QTest::mousePress(w, button, mods, w->rect().center());
    for (auto [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::MouseButtons(button)},
                              std::pair{QEvent::MouseButtonRelease, Qt::MouseButtons()}}) {
        QMouseEvent e(type, at, win->mapToGlobal(at), button, held, mods);
        QCoreApplication::sendEvent(win, &e);
    }
}
