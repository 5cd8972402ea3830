// Meeting the girls on their timetable.
#pragma once

// The player has just arrived at Location at GameMinute: greet the girl who is there, or nobody.
void EncounterOnArrival();
// The player waits at Location: at the first minute of a slot the girl of that slot may come.
void EncounterWhileWaiting();
