// Whole afternoons played through the real windows, walking, answering and clicking as a player does, to each kind of ending and into the clear record.
#include "EndingSupport.h"
#include "core/Prologue.h"
#include "ending/ClearRecord.h"
#include <QTest>

class TestAfternoons : public QObject {
    Q_OBJECT
  private slots:
    void eachKindOfEnding() {
        const struct { const char *what; int target; std::array<int, 7> liking; bool answers;
                       int ending, scriptLines; const char *greeting, *record; } afternoons[] = {
            {"her ending, mutual", 2, {0, 0, 20, 0, 0, 0, 0}, true, 2, 8, "鳴海君…", "鷹2"},
            {"her ending, surprised", 4, {0, 0, 20, 0, 0, 0, 0}, true, 2, 11, "鳴海君…", "鷹3"},
            // Every girl met and left unanswered loses 3: 7 becomes 4, the rest go below zero.
            {"the classmate", 4, {0, 0, 0, 0, 7, 0, 0}, false, 8, 15, "鳴海君…", "鷹3楓1"},
            {"the sister", 1, {0, -20, -20, -20, -20, -20, -20}, true, 9, 11, "鳴海先輩…", "鷹3楓1蘭1"},
        };
        QString record;  // carried from one afternoon to the next, as on one player's machine
        for (const auto &a : afternoons) {
            ResetWorld(0.01);  // no clock of its own: the player keeps it
            UseCodedPictures();
            WriteClearRecord(record);
            // A continued afternoon at 4:31 PM on the schoolyard.
            G.Myouji = QStringLiteral("鳴海");
            G.TargetGirl = static_cast<Integer>(a.target);
            G.Location = 3;
            G.GameMinute = 1;
            for (int k = 1; k <= 6; ++k) G.Affection[k] = static_cast<Integer>(a.liking[k]);
            // Schoolyard to the rooftop (a three-minute walk with the friend's call), the gymnasium,
            // the court, back to the gymnasium and on to the music room to wait out the afternoon.
            Player player(-1, a.answers ? 0 : -1, {0, 3, 5, 3, 1});
            player.drivesClock = true;
            std::vector<Shown> gate;
            WriteDown(player, gate, true);
            const auto afternoon = [] { BeginAfternoon(true); RunUntil([] { return false; }, 60000); };
            QVERIFY2(RunEnding(afternoon), a.what);
            QVERIFY2(a.answers ? player.replies >= 3 : player.replies == 0, a.what);
            QVERIFY2(G.MetFlag[2] != 0 && G.MetFlag[4] != 0, a.what);  // the rooftop and the music room
            QCOMPARE(G.EndingNo, Integer(a.ending));
            QCOMPARE(gate[2].text, QString::fromUtf8(a.greeting));
            QCOMPARE(gate[3].code, QStringLiteral("C8%1C").arg(a.ending));
            // Lines of the script: from its first to the epilogue's.
            QCOMPARE(std::find_if(gate.begin() + 3, gate.end(), [](auto &l) { return l.code == "C80D"; }) - gate.begin() - 3,
                     a.scriptLines);
            QCOMPARE(record = ReadClearRecord(), QString::fromUtf8(a.record));
        }
    }
};

QTEST_MAIN(TestAfternoons)
#include "test_afternoons.moc"
