// The start screen seen from the rest of the game.
#pragma once

// Unloads the start screen if it is open.
void CloseStartScreen();
