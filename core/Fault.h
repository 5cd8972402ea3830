// A game file that the afternoon cannot do without is missing or damaged.
#pragma once
#include <QString>

// Keeps the afternoon where a close would offer to save it, stops the music, tells the player what
// is wrong and how to mend it, and ends the program.
[[noreturn]] void StopOnDamagedData(const QString &what);
