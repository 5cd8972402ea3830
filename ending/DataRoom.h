// The data room's reading of the clear record, and its two buttons' rules.
#pragma once
#include "ending/ClearRecord.h"
#include <QString>
#include <vector>

// The rows the room lists: the record's pairs, in the order first reached.
std::vector<RecordRow> DataRoomRows();
// The name a row shows for ending k (1..9).
QString DataRoomName(int ending);
// Eight of the nine endings open the option set.
bool OptionSetOpen(const std::vector<RecordRow> &rows);
// The erase button: asks, then deletes the whole section (record and names).
void AskToEraseRecord();
// The option set's button: the thanks.
void ThankForPlaying();
