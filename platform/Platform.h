// Start-up of the platform layer: fonts, current directory.
#pragma once

// Registers the Japanese font names' substitutes (the IPA fonts).
void InitFonts();
// Decides the layout and makes the game's data folder the current directory (the program's own
// folder when portable, as a desktop shortcut does).
void EnterProgramFolder();
