// What the game keeps in the player's settings store: the clear record and the last names entered.
// Every key is spelled here and nowhere else.
#pragma once
#include <QString>

// The record as stored ("" when there is none) and storing it; false when the store could not keep it.
QString ReadClearRecord();
bool WriteClearRecord(const QString &record);
// The names last entered on the start screen ("" when none).
QString LastMyouji();
QString LastNamae();
// False when the store could not keep them.
bool SaveLastNames(const QString &myouji, const QString &namae);
// The data room's erase: the whole section goes, record and names; false when it could not be written.
bool EraseStore();
// Starts the windows at the scale the player chose last, or at the one that fits the screen, and keeps
// each change he makes, in a section of its own that the erase leaves alone.
void UseChosenScale();
// Held for the life of the process: false when another copy of the game already holds the store.
bool ClaimStoreForThisCopy();
// The player's own voice, remembered in a section of its own (the data room's erase leaves it).
bool SelfVoicingChosen();
bool StoreSelfVoicing(bool on);
// The slower clock's real seconds per game minute (0: the afternoon's own clock), beside the voice.
int SlowClockChosen();
bool StoreSlowClock(int seconds);
// The store's file, for telling the player where it should be.
QString StoreFile();
