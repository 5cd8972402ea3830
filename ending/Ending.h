// The end of the afternoon: the gate, the confession, the epilogue and the record.
#pragma once

// 5:00 PM: stops the clock and plays the ending. Never returns to the game.
void CloseGate();
