// Any text as the clear record: every reader copes, and adding an ending keeps the rest as it was.
#include "FuzzSupport.h"
#include "ending/ClearRecord.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const int ending = data[0] % 11; // 0 and 10 are no endings at all
    const int level = 1 + data[1] % 2;
    const QString record =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(size - 2));
    for (int e = 0; e <= 10; ++e)
        (void)ClearLevel(record, e);
    const QString after = AddClear(record, ending, level);
    if (ending < 1 || ending > 9) {
        if (after != record) std::abort();
        return 0;
    }
    // At most one pair more, the record's own characters all kept in order, and the level there.
    if (after.size() < record.size() || after.size() > record.size() + 2) std::abort();
    if ((ClearLevel(after, ending) & level) == 0 && after.indexOf(EndingChar(ending)) + 1 < after.size() &&
        after.at(after.indexOf(EndingChar(ending)) + 1).isDigit())
        std::abort();
    return 0;
}
