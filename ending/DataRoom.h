// The data room's reading of the clear record, and its two buttons' rules.
#pragma once
#include "ending/ClearRecord.h"
#include <QString>
#include <vector>

// The rows the room lists: the record's pairs, in the order first reached.
std::vector<RecordRow> DataRoomRows();
// The name a row shows for ending k (1..9).
QString DataRoomName(int ending);
// What a row's two pictures show, as a screen reader says it: whose ending (a row with none, "空き"),
// and the mark of how it was cleared.
QString DataRoomPortraitName(const RecordRow &row);
QString DataRoomMarkName(const RecordRow &row);
// Eight of the nine endings open the option set.
bool OptionSetOpen(const std::vector<RecordRow> &rows);
// The erase button: asks, then deletes the whole section (record and names).
void AskToEraseRecord();
// The option set's button: the thanks.
void ThankForPlaying();
