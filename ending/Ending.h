// The end of the afternoon: the gate, the confession, the epilogue and the record.
#pragma once
#include "core/GameState.h"

// 5:00 PM: stops the clock and plays the ending. Never returns to the game.
void CloseGate();
// Who confesses, from the liking of the girls met this afternoon: 1..6, 8 or 9.
Integer DecideEnding();
// How things went on; then RecordEnding. Never returns.
void Epilogue();
// The staff roll, then the ending written into the clear record; ends the program.
void RecordEnding();
// Adds the ending just reached to the clear record, once; false when the store could not keep it.
bool StoreEnding();
// True from the moment the ending is decided until it is in the record.
bool EndingRecordPending();
