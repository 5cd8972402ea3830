// What every window test needs: a scratch game folder, a fresh game state, answered message boxes,
// a caught end of the process, input through the desktop's window, waiting with a deadline, and
// game files of the test's own.
#pragma once
#include "Leaving.h"
#include "core/Clock.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "core/Store.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

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
// Runs f once the event loop is entered again (inside whatever wait is running then).
void Later(std::function<void()> f, int ms = 0);

// Input as the desktop delivers it, through the control's window on screen (WindowInput.h).
// Clicks as the player does (inside the control).
void ClickOn(QWidget *w, Qt::KeyboardModifiers mods = Qt::NoModifier,
             Qt::MouseButton button = Qt::LeftButton);
// Presses a mouse button on the control and lets it go (the press is what the control acts on).
void PressOn(QWidget *w, Qt::MouseButton button, Qt::KeyboardModifiers mods);
// A key pressed while the control's window has the focus.
void KeyOn(QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// The close box of the control's window, as the window manager sends it.
void CloseBox(QWidget *w);
// The same for the seam's controls and windows (whatever has a Widget()), through their widgets.
template <class C, class... A> auto ClickOn(const C *c, A... a) -> decltype(void(c->Widget())) {
    ClickOn(c->Widget(), a...);
}
template <class C, class... A> auto PressOn(const C *c, A... a) -> decltype(void(c->Widget())) {
    PressOn(c->Widget(), a...);
}
template <class C, class... A> auto KeyOn(const C *c, A... a) -> decltype(void(c->Widget())) {
    KeyOn(c->Widget(), a...);
}
template <class C> auto CloseBox(const C *c) -> decltype(void(c->Widget())) {
    CloseBox(c->Widget());
}

// Replaces the game's file of that name in the scratch folder (removes it when bytes is empty);
// the game's own files are links into the built game folder, never written through.
void PutGameFile(const QString &name, const QByteArray &bytes);
// The same for a text file, in code page 932.
void PutTextFile(const QString &name, const QString &text);
// A mono 16-bit WAV of a soft tone lasting ms milliseconds.
QByteArray TinyWav(int ms);
// A one-note standard MIDI file: the note lasts quarters quarter notes at 120 beats per minute.
QByteArray TinyMidi(int quarters);
// Talk files for every encounter code, "14A" first: code i offers talks 101+10i..110+10i; talk t replies
// "ＸＸＸ返事tＸＸＸ", answers "答えt" and changes liking by t % 7 - 3.
void WriteSynthTalkFiles();

// The player at a place at a game minute, the campus window up and its buttons set for the mode.
DblMain &StandAt(int location, int minute, Integer mode = ModeFree);
// The campus window shows the game's picture of this code.
bool Shows(const QString &code);
