// What every window test needs: a scratch game folder, a fresh game state, answered message boxes,
// a caught end of the process, and waiting on the event loop with a deadline.
#pragma once
#include "platform/System.h"
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

class Label;
class QWidget;

struct TestWorld {
    // Message boxes shown so far, and the answers to give, in order (default: the first button).
    std::vector<MsgBoxRequest> boxes;
    std::vector<MsgAnswer> answers;
    bool ended = false;
    std::unique_ptr<QTemporaryDir> folder;
};

// Fresh state, every window unloaded, a scratch copy of the game folder as current directory,
// settings in a scratch folder, message boxes and the end of the process caught.
TestWorld &ResetWorld(double timeScale = 1.0);
TestWorld &World();

// Pumps events until done() or the deadline (real milliseconds); returns done().
bool RunUntil(const std::function<bool()> &done, int timeoutMs = 5000);
// Runs f, which may end the process; returns true if it did.
bool RunEnding(const std::function<void()> &f);

// Leaves whatever the game is doing, as if the process ended there (RunEnding catches it).
[[noreturn]] void LeaveGame();
// Clicks as the player does (left button, inside the control).
void ClickOn(QWidget *w, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton);
// Presses a mouse button on the control and lets it go (the press is what the control acts on).
void PressOn(QWidget *w, Qt::MouseButton button, Qt::KeyboardModifiers mods);
// A key pressed while the control's window has the focus.
void KeyOn(QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// The close box of the control's window, as the window manager sends it.
void CloseBox(QWidget *w);
// Runs f once the event loop is entered again (inside whatever wait is running then).
void Later(std::function<void()> f, int ms = 0);
