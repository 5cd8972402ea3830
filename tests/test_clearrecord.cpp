// The clear record: one pair of ending character and level per ending, in the order first reached, levels OR-ed in place, damaged records never lost.
#include "EndingSupport.h"
#include "ending/ClearRecord.h"
#include "ending/Ending.h"
#include "platform/Settings.h"
#include <QTest>

namespace {
QString pair(int ending, char level) { return EndingChar(ending) + QString(QChar(level)); }

// The afternoon's last step, the staff roll and the record, to the end of the process; then the record.
QString reach(int ending, int target, bool contactLens = false) {
    UnloadAllForms();
    G.EndingNo = static_cast<Integer>(ending);
    G.TargetGirl = static_cast<Integer>(target);
    G.ContactLensFlag = contactLens ? True : False;
    World().ended = false;
    return RunEnding([] { RecordEnding(); }) && World().ended ? ReadClearRecord() : QStringLiteral("(not ended)");
}
} // namespace

class TestClearRecord : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(1000);  // a staff-roll step in 3 ms
        UseCodedPictures();
    }

    void theWorkedExample() {
        QCOMPARE(QString::fromUtf16(EndingTable), QStringLiteral("鶴鷹鳩鴨雁鳳椿楓蘭"));
        QCOMPARE(reach(5, 5), pair(5, '2'));
        QCOMPARE(reach(5, 1), pair(5, '3'));
        QCOMPARE(reach(9, 2), pair(5, '3') + pair(9, '1'));
        QCOMPARE(reach(2, 2), pair(5, '3') + pair(9, '1') + pair(2, '2'));
        // Stored under the one key, read back under any case of it.
        QCOMPARE(GetSetting("Velmor", "Duskwatch", "Cstring"), pair(5, '3') + pair(9, '1') + pair(2, '2'));
    }

    void levelsCombineInPlaceAndDamageIsKept() {
        reach(3, 0);
        QCOMPARE(reach(1, 4), pair(3, '1') + pair(1, '1'));
        QCOMPARE(reach(3, 3), pair(3, '3') + pair(1, '1'));  // level 1, then 2: 3
        QCOMPARE(reach(3, 6), pair(3, '3') + pair(1, '1'));
        // The contact-lens ending has a pair of its own and leaves ending 4's alone.
        QCOMPARE(reach(4, 0), pair(3, '3') + pair(1, '1') + pair(4, '1'));
        QCOMPARE(reach(4, 4, true), pair(3, '3') + pair(1, '1') + pair(4, '1') + pair(7, '2'));
        // Only the first occurrence is updated.
        WriteClearRecord(pair(3, '1') + pair(1, '2') + pair(3, '1'));
        QCOMPARE(reach(3, 3), pair(3, '3') + pair(1, '2') + pair(3, '1'));
        // A damaged record is repaired or kept, never lost.
        const QString one = EndingChar(1);
        const struct { QString before; int ending, level; QString after; } cases[] = {
            {one + pair(2, '1'), 1, 1, pair(1, '1') + pair(2, '1')},  // a level given, the neighbour kept
            {pair(6, 'x'), 6, 1, pair(6, '1')},                       // no digit: no level
            {"z" + pair(2, '1') + "✿", 2, 2, "z" + pair(2, '3') + "✿"},  // foreign text stays
            {pair(2, '1'), 10, 2, pair(2, '1')},                      // no such ending
        };
        for (const auto &c : cases) QCOMPARE(AddClear(c.before, c.ending, c.level), c.after);
        WriteClearRecord("？" + one);
        QCOMPARE(reach(1, 0), "？" + pair(1, '1'));
    }
};

QTEST_MAIN(TestClearRecord)
#include "test_clearrecord.moc"
