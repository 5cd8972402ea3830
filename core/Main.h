// Start-up of the game.
#pragma once

// Runs the windows of one process in their order; returns with the first window shown.
void Main();
// The desktop asks the game to end: keeps what a player closing the window would keep, then ends.
void EndAtDesktopRequest();
