#include "ending/ClearRecord.h"

#include "platform/TextFile.h"

namespace {

QString table() {
    return Str(EndingTable);
}

// A level digit reads as a decimal digit; anything else counts as no level at all.
int digitValue(QChar c) {
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
}
} // namespace

QChar EndingChar(int ending) {
    if (ending < 1 || ending > 9) return {};
    return table().at(ending - 1);
}

int EndingOfChar(QChar c) {
    const qsizetype k = table().indexOf(c);
    return k < 0 ? 0 : static_cast<int>(k) + 1;
}

int ClearLevel(const QString &record, int ending) {
    const QChar c = EndingChar(ending);
    if (c.isNull()) return 0;
    const qsizetype p = record.indexOf(c);
    if (p < 0 || p + 1 >= record.size()) return 0;
    return digitValue(record.at(p + 1));
}

QString AddClear(const QString &record, int ending, int level) {
    const QChar c = EndingChar(ending);
    if (c.isNull()) return record;
    QString out = record;
    const qsizetype p = out.indexOf(c);
    if (p < 0) return out + c + QString::number(level, 16).toUpper();
    const bool hasLevel = p + 1 < out.size();
    const int old = hasLevel ? digitValue(out.at(p + 1)) : 0;
    const QString digit = QString::number(static_cast<qint16>(old | level), 16).toUpper();
    // A character with no level behind it (at the end, or straight before another ending's
    // character) is given one rather than having a neighbour overwritten.
    if (!hasLevel || EndingOfChar(out.at(p + 1)) != 0)
        out.insert(p + 1, digit);
    else
        out.replace(p + 1, 1, digit);
    return out;
}

std::vector<RecordRow> RecordRows(const QString &record) {
    std::vector<RecordRow> rows;
    for (qsizetype i = 0; i < record.size(); i += 2) {
        RecordRow row;
        row.ending = EndingOfChar(record[i]);
        // A pair that names no ending uses up its row and shows nothing.
        if (row.ending >= 1 && i + 1 < record.size()) row.level = digitValue(record[i + 1]);
        rows.push_back(row);
    }
    return rows;
}
