// The clear record: one pair of ending character and level per ending, in the order first reached, levels OR-ed in place, damaged records never lost.
#include "EndingSupport.h"
#include "ending/ClearRecord.h"
#include "platform/Settings.h"
#include <QTest>

using namespace ending_test;

namespace {
QString pair(int ending, const char *level) { return QString(EndingChar(ending)) + QString::fromLatin1(level); }

// The last step of an afternoon: the staff roll, the record written, the process ended.
bool reach(int ending, int target, bool contactLens = false) {
    UnloadAllForms();
    G.EndingNo = static_cast<Integer>(ending);
    G.TargetGirl = static_cast<Integer>(target);
    G.ContactLensFlag = contactLens ? True : False;
    World().ended = false;
    return RunEnding([] { RecordEnding(); }) && World().ended;
}
} // namespace

class TestClearRecord : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(1000);  // a staff-roll step in 3 ms
        UseCodedPictures();
    }

    void theWorkedExampleThroughTheGame() {
        QCOMPARE(QString::fromUtf16(EndingTable), QStringLiteral("鶴鷹鳩鴨雁鳳椿楓蘭"));
        const struct { int ending, target; QString record; } steps[] = {
            {5, 5, pair(5, "2")}, {5, 1, pair(5, "3")}, {9, 2, pair(5, "3") + pair(9, "1")},
            {2, 2, pair(5, "3") + pair(9, "1") + pair(2, "2")}};
        for (const auto &s : steps) {
            QVERIFY(reach(s.ending, s.target));
            QCOMPARE(ReadClearRecord(), s.record);
        }
        // Stored under the one key, read back under any case of it.
        QCOMPARE(GetSetting(QStringLiteral("Velmor"), QStringLiteral("Duskwatch"), QStringLiteral("Cstring")),
                 steps[3].record);
    }

    void levelOneThenTwoGivesThreeInPlace() {
        QVERIFY(reach(3, 0));
        QVERIFY(reach(1, 4));
        QVERIFY(reach(3, 3));
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "1"));
        QVERIFY(reach(3, 6));  // level 3 stays 3
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "1"));
    }

    void theContactLensEndingHasAPairOfItsOwn() {
        QVERIFY(reach(4, 4));
        QVERIFY(reach(4, 4, true));
        QCOMPARE(G.EndingNo, Integer(7));
        QCOMPARE(ReadClearRecord(), pair(4, "2") + pair(7, "2"));
        QVERIFY(reach(4, 0));
        QCOMPARE(ReadClearRecord(), pair(4, "3") + pair(7, "2"));
    }

    void onlyTheFirstOccurrenceIsUpdated() {
        WriteClearRecord(pair(3, "1") + pair(1, "2") + pair(3, "1"));
        QVERIFY(reach(3, 3));
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "2") + pair(3, "1"));
    }

    void damagedRecordsAreKeptOrRepaired() {
        const struct { QString before; int ending, level; QString after; } cases[] = {
            {QString(EndingChar(1)), 1, 2, pair(1, "2")},  // a character with no level gets one,
            {QString(EndingChar(1)) + pair(2, "1"), 1, 1, pair(1, "1") + pair(2, "1")},  // not its neighbour's
            {pair(6, "x"), 6, 1, pair(6, "1")},  // a level that is no digit counts as nothing
            {QStringLiteral("abc"), 2, 1, QStringLiteral("abc") + pair(2, "1")},  // foreign text stays
            {QStringLiteral("z") + pair(2, "1") + QStringLiteral("✿"), 2, 2, QStringLiteral("z") + pair(2, "3") + QStringLiteral("✿")},
            {pair(2, "1"), 10, 2, pair(2, "1")},  // no such ending
        };
        for (const auto &c : cases) QCOMPARE(AddClear(c.before, c.ending, c.level), c.after);
        // Through the game: a damaged stored record survives the next ending.
        WriteClearRecord(QStringLiteral("？") + QString(EndingChar(5)));
        QVERIFY(reach(5, 0));
        QCOMPARE(ReadClearRecord(), QStringLiteral("？") + pair(5, "1"));
    }
};

QTEST_MAIN(TestClearRecord)
#include "test_clearrecord.moc"
