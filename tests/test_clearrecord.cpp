// The clear record: one pair of ending character and level per ending, in the order first reached, levels OR-ed in place, damaged records never lost.
#include "EndingSupport.h"
#include "core/GameState.h"
#include "ending/ClearRecord.h"
#include "ending/Ending.h"
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

    void theTable() {
        QCOMPARE(QString::fromUtf16(EndingTable), QStringLiteral("鶴鷹鳩鴨雁鳳椿楓蘭"));
        for (int k = 1; k <= 9; ++k) QCOMPARE(EndingOfChar(EndingChar(k)), k);
        QVERIFY(EndingChar(0).isNull() && EndingChar(10).isNull());
        QCOMPARE(EndingOfChar(QChar('1')), 0);
    }

    void theWorkedExampleThroughTheGame() {
        QCOMPARE(ReadClearRecord(), QString());
        QVERIFY(reach(5, 5));
        QCOMPARE(ReadClearRecord(), pair(5, "2"));  // the first clear: two characters
        QVERIFY(reach(5, 1));
        QCOMPARE(ReadClearRecord(), pair(5, "3"));
        QVERIFY(reach(9, 2));
        QCOMPARE(ReadClearRecord(), pair(5, "3") + pair(9, "1"));
        QVERIFY(reach(2, 2));
        QCOMPARE(ReadClearRecord(), pair(5, "3") + pair(9, "1") + pair(2, "2"));
        QCOMPARE(ReadClearRecord().size(), 6);
        // Stored under the one key, read back under any case of it.
        QCOMPARE(GetSetting(QStringLiteral("Velmor"), QStringLiteral("Duskwatch"), QStringLiteral("Cstring")),
                 pair(5, "3") + pair(9, "1") + pair(2, "2"));
    }

    void levelsCombineInPlace() {
        QVERIFY(reach(3, 0));
        QVERIFY(reach(1, 4));
        QCOMPARE(ReadClearRecord(), pair(3, "1") + pair(1, "1"));
        QVERIFY(reach(3, 3));
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "1"));
        QVERIFY(reach(3, 3));  // level 3 stays 3
        QVERIFY(reach(3, 6));
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "1"));
        QVERIFY(reach(1, 4));  // the same level again changes nothing
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "1"));
        QCOMPARE(ClearLevel(ReadClearRecord(), 3), 3);
        QCOMPARE(ClearLevel(ReadClearRecord(), 1), 1);
        QCOMPARE(ClearLevel(ReadClearRecord(), 2), 0);
    }

    void theClassmateAndHerSisterOnlyConfess() {
        QVERIFY(reach(8, 0));
        QVERIFY(reach(9, 4));
        QCOMPARE(ReadClearRecord(), pair(8, "1") + pair(9, "1"));
    }

    void theContactLensEndingHasAPairOfItsOwn() {
        QVERIFY(reach(4, 4));
        QVERIFY(reach(4, 4, true));
        QCOMPARE(G.EndingNo, Integer(7));
        QCOMPARE(ReadClearRecord(), pair(4, "2") + pair(7, "2"));
        QVERIFY(reach(4, 0));  // ending 4's pair is hers alone
        QCOMPARE(ReadClearRecord(), pair(4, "3") + pair(7, "2"));
        QVERIFY(reach(4, 4, true));
        QCOMPARE(ReadClearRecord(), pair(4, "3") + pair(7, "2"));
        // Without the look, ending 4 stays 4.
        QVERIFY(reach(4, 4));
        QCOMPARE(G.EndingNo, Integer(4));
    }

    void onlyTheFirstOccurrenceIsUpdated() {
        const QString twice = pair(3, "1") + pair(1, "2") + pair(3, "1");
        QCOMPARE(AddClear(twice, 3, 2), pair(3, "3") + pair(1, "2") + pair(3, "1"));
        QCOMPARE(ClearLevel(twice, 3), 1);
        WriteClearRecord(twice);
        QVERIFY(reach(3, 3));
        QCOMPARE(ReadClearRecord(), pair(3, "3") + pair(1, "2") + pair(3, "1"));
    }

    void damagedRecordsAreKeptOrRepaired() {
        // A character with no level behind it gets one; its neighbour is never overwritten.
        QCOMPARE(AddClear(QString(EndingChar(1)), 1, 2), pair(1, "2"));
        QCOMPARE(AddClear(QString(EndingChar(1)) + pair(2, "1"), 1, 1), pair(1, "1") + pair(2, "1"));
        QCOMPARE(ClearLevel(QString(EndingChar(1)), 1), 0);
        // A level that is no decimal digit counts as nothing and is overwritten.
        QCOMPARE(AddClear(pair(6, "x"), 6, 1), pair(6, "1"));
        QCOMPARE(AddClear(pair(6, "A"), 6, 2), pair(6, "2"));
        QCOMPARE(ClearLevel(pair(6, "x"), 6), 0);
        // Foreign text stays where it is.
        QCOMPARE(AddClear(QStringLiteral("abc"), 2, 1), QStringLiteral("abc") + pair(2, "1"));
        QCOMPARE(AddClear(QStringLiteral("z") + pair(2, "1") + QStringLiteral("✿"), 2, 2),
                 QStringLiteral("z") + pair(2, "3") + QStringLiteral("✿"));
        // Numbers outside the table change nothing.
        QCOMPARE(AddClear(pair(2, "1"), 0, 1), pair(2, "1"));
        QCOMPARE(AddClear(pair(2, "1"), 10, 2), pair(2, "1"));
        // Through the game: a damaged stored record survives the next ending.
        WriteClearRecord(QStringLiteral("？") + QString(EndingChar(5)));
        QVERIFY(reach(5, 0));
        QCOMPARE(ReadClearRecord(), QStringLiteral("？") + pair(5, "1"));
    }

    void erasedRecordStartsAgain() {
        QVERIFY(reach(6, 6));
        DeleteSetting(QStringLiteral("Velmor"), QStringLiteral("Duskwatch"));
        QCOMPARE(ReadClearRecord(), QString());
        QVERIFY(reach(1, 0));
        QCOMPARE(ReadClearRecord(), pair(1, "1"));
    }
};

QTEST_MAIN(TestClearRecord)
#include "test_clearrecord.moc"
