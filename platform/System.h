// Small seams to the machine that tests replace: time scale, random numbers, the hour, ending the
// process and message boxes.
#pragma once
#include <QString>
#include <functional>

// Pumps window events (timer ticks included) until done() is true, sleeping while nothing happens.
void PumpUntil(const std::function<bool()> &done);
// Pumps what is pending now, without waiting.
void DoEvents();
// Every timer interval is divided by this (1 in the game; tests speed the clock up).
void SetTimeScale(double scale);
double TimeScale();

// The one random generator: seeded once from the clock; Rnd() is uniform in [0, 1).
void Randomize();
void Randomize(unsigned seed);
double Rnd();

// Hour of the day, 0..23; tests can pin it.
int CurrentHour();
void SetHourSource(std::function<int()> source); // empty restores the system clock

// Ends the process at once: no further handlers run. A hook, where one is set, runs first and may
// leave by throwing; if it returns, the process ends.
[[noreturn]] void EndProcess();
void SetEndProcessHook(std::function<void()> hook);

// Calls handler on the user-interface thread, from the event loop, when the desktop asks the process
// to end (SIGTERM at logout or kill, SIGHUP, SIGINT from Ctrl+C).
void OnQuitSignals(std::function<void()> handler);

// Calls handler when the desktop goes away under the game: the session manager says die, or the
// process is ending by exit() without EndProcess (the toolkit does that when the X server ends, the
// session library when the session manager's connection breaks). Then nobody can answer a box:
// message boxes are not shown, and return their default button. The handler is to end the process;
// if it returns, the process ends all the same.
void OnDesktopGone(std::function<void()> handler);

// Modal message box with the texts as given. Returns the button pressed.
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgAnswer { Ok, Yes, No, Cancel };
struct MsgBoxRequest {
    QString text, title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultButton = MsgAnswer::Ok; // first button unless given
};
MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title,
                 MsgAnswer defaultButton);
MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title);
// Tests answer message boxes through this; empty restores the real box.
void SetMsgBoxHook(std::function<MsgAnswer(const MsgBoxRequest &)> hook);

// "（保存先：<folder>）": the line under a message that tells the player where a file lives.
QString PlaceNote(const QString &path);

// Shows a damaged-installation message in the game's style and ends the process.
[[noreturn]] void FatalDataError(const QString &text);
