// Start-up of the game.
#pragma once

// Runs the windows of one process in their order; returns with the first window shown.
void Main();
