// The record of cleared endings: pairs of an ending's character and its level digit, kept in the
// settings store. The functions over the text are pure so that every screen reads it the same way.
#pragma once
#include <QString>
#include <vector>

// Character k (1-based) stands for ending k.
inline constexpr const char16_t *EndingTable = u"鶴鷹鳩鴨雁鳳椿楓蘭";

// Level bits: reached while she was not the album pick, and while she was.
enum : int { LevelConfessed = 1, LevelMutual = 2 };

// The table character of ending 1..9, or a null character for any other number.
QChar EndingChar(int ending);
// The ending 1..9 that a character stands for, or 0.
int EndingOfChar(QChar c);

// The level of the ending in the record: the digit behind its first character, 0 when the ending
// is not there or nothing readable stands behind it.
int ClearLevel(const QString &record, int ending);
// The record with the ending added at the level (OR-ed into the first pair of that ending, or a new
// pair at the end). Whatever else the record holds is kept as it is.
QString AddClear(const QString &record, int ending, int level);
// One pair of the record as the data room lists it: the ending (0 for a character that names none)
// and its level.
struct RecordRow {
    int ending = 0, level = 0;
};
// Every pair of the record, in the order first reached.
std::vector<RecordRow> RecordRows(const QString &record);
