// The afternoon's main loop and the player's walks: what one game minute does, in its order.
#pragma once
#include <QString>

// One game minute (the campus clock's tick).
void ClockTick();
// The player sets off for destination 1..7 from where he stands.
void StartWalk(int destination);
// The hidden gesture: one minute at once, never after the gate has closed.
void SkipMinute();
// Starts the clock with the player free at Location (the end of a new or resumed afternoon's start).
void StartClock();
// "4:31 PM" ... "5:00 PM" for a game minute.
QString ClockText(int minute);
// The player closes the campus window: refused, asked about saving, or the program ends. False
// when the window stays.
bool CloseCampusRequested();
