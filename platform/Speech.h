// Speaking what appears: to a screen reader over the accessibility bus, and in the program's own voice.
#pragma once
#include <QString>

class QWidget;

// A line as it is spoken: who says it first, then what is said.
inline QString SpokenLine(const QString &speaker, const QString &text) {
    return speaker.isEmpty() ? text : speaker + QStringLiteral("「") + text + QStringLiteral("」");
}
// Announces text on behalf of a window, once, as it appears: a screen reader speaks it (as the new
// name of the window that has the keys), and so does the own voice while it is on.
void Announce(QWidget *window, const QString &text);
// A window about to open and take the keys says text as it opens, before its controls: the line on
// screen when it came, which a screen reader busy with its arrival would otherwise pass over.
void SayAsItOpens(QWidget *window, const QString &text);
// The own voice, off until turned on. With no speech service on the desktop it stays silent.
void SetSelfVoicing(bool on);
bool SelfVoicing();
// Says text in the own voice while it is on, cutting off what it was saying (or after it, when not
// interrupting); never waits for the speech service.
void Speak(const QString &text, bool interrupt = true);
// Says the control that has just taken the keys in the own voice, after what is being said.
void SpeakFocus(QWidget *control);
// What the own voice was last asked to say, for checking the seam without a speech service.
QString LastSpoken();
