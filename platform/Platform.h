// Start-up of the platform layer: fonts, current directory.
#pragma once

// Registers the Japanese font names' substitutes (the IPA fonts).
void InitFonts();
// Makes the folder of the running program the current directory, as a desktop shortcut does.
void EnterProgramFolder();
