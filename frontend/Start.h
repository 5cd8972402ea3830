// The start screen's rules: who hosts it, a new afternoon, continuing the saved one.
#pragma once
#include <QString>

// Once the sister's ending is anywhere in the record, she hosts the start screen.
bool SisterHosts();
// "S t a r t": the title's music stops and the start screen takes the title's place.
void LeaveTitle();
// The quiet start: the music stays off for the rest of the run.
void SwitchMusicOff();
// A new afternoon for these names: kept for next time, the clock at 4:30, liking dealt 0 to 4, nobody met.
void StartNewGame(const QString &myouji, const QString &namae);
// The saved afternoon goes on where it was left; false (nothing changed) when it could not be read.
bool ContinueSavedGame();
