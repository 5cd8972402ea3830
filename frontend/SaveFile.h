// The one saved afternoon: 17 lines of code page 932 text beside the program.
#pragma once
#include <QString>

inline constexpr const char *SaveFileName = "DblData.dat";

// Writes the afternoon (atomically: a crash leaves the old file or the new one).
bool WriteSaveFile();
// Loads the afternoon into the game state and deletes the file. A damaged file is refused with a
// message and left in place; then nothing is changed and false is returned.
bool LoadSaveFile();
// LoadSaveFile, then the afternoon goes on from the loaded place.
void ReadSaveFile();
// The 17 lines of the current afternoon, CR LF after each.
QString SaveText();
