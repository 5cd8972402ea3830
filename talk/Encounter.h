// Meeting the girls on their timetable.
#pragma once
#include <QString>

// The player has just arrived at Location at GameMinute: greet the girl who is there, or nobody.
void EncounterOnArrival();
// The player waits at Location: at the first minute of a slot the girl of that slot may come.
void EncounterWhileWaiting();
// Encounter code of a girl at a place: location digit, heroine digit, 'A' (arriving) or 'B' (waiting).
QString EncounterCode(int location, int heroine, QChar variant);
// The greeting of an encounter code in a time slot; empty for a code the timetable never makes.
QString GreetingOf(const QString &code, int slot);
