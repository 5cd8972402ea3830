// The one saved afternoon: 17 lines of code page 932 text beside the program.
#pragma once
#include "core/GameState.h"
#include <QString>

inline constexpr const char *SaveFileName = "DblData.dat";

// Writes the afternoon atomically (a crash leaves the old file or the new one) and tells the player
// when it could not; then the afternoon goes on.
bool WriteSaveFile();
// The same without a word: for ending at the desktop's request, when nobody can answer a box.
bool StoreSaveFile();
// Loads the afternoon into the game state and deletes the file. A missing or damaged file is refused
// with a message and left in place; then nothing is changed and false is returned.
bool LoadSaveFile();
// True when there is a saved afternoon to continue.
bool SaveFileExists();
// Deletes the saved afternoon, every spelling of its name (an ending was reached).
void DeleteSaveFile();
// The 17 lines of an afternoon, CR LF after each.
QString SaveText(const GameState &g = G);
// Removes temporary files of saves that a killed process never finished.
void CleanSaveLeftovers();

// What keeps the saved game from carrying a name as it was typed.
enum class NameFault { None, Empty, Quote, Control, Unwritable };
struct NameCheck {
    NameFault fault = NameFault::None;
    QString character; // the character at fault, for Unwritable
};
NameCheck CheckName(const QString &name);
