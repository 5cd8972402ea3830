// Whole afternoons played through the real windows, walking, answering and clicking as a player does, to each kind of ending and into the clear record.
#include "EndingSupport.h"
#include "Player.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Prologue.h"
#include "ending/ClearRecord.h"
#include "talk/DblSerif.h"
#include <QTest>

using namespace ending_test;

namespace {
// Schoolyard to the rooftop (a three-minute walk with the friend's call), the gymnasium, the court,
// back to the gymnasium and on to the music room, where he waits for the rest of the afternoon.
const std::vector<int> Route = {0, 3, 5, 3, 1};

struct Afternoon {
    bool ended = false;
    std::vector<Shown> gate;
    int replies = 0;
};

// A continued afternoon at 4:31 PM on the schoolyard, with the liking given, played to its end.
Afternoon play(int target, std::array<int, 7> liking, bool answers, const QString &recordBefore) {
    ResetWorld(2000);  // a game minute in 30 ms
    UseCodedPictures();
    WriteClearRecord(recordBefore);
    G.Myouji = QStringLiteral("鳴海");
    G.Namae = QStringLiteral("湊斗");
    G.TargetGirl = static_cast<Integer>(target);
    G.Location = 3;
    G.GameMinute = 1;
    for (int k = 1; k <= 6; ++k) G.Affection[k] = static_cast<Integer>(liking[k]);
    Afternoon a;
    // He walks the route, answers each girl with the first reply (or leaves her unanswered) and
    // clicks through every line; what is said at the gate is written down.
    Player player(-1, answers ? 0 : -1, Route);
    player.BeforeClick = [&a] {
        const DblMain &m = Win<DblMain>();
        if (G.Mode == ModeEnding) a.gate.push_back({CodeOn(m.Image1->pixmap()), m.Label1->text(), m.Label2->text()});
    };
    a.ended = RunEnding([] {
        BeginAfternoon(true);
        RunUntil([] { return false; }, 60000);
    });
    a.replies = player.replies;
    return a;
}

int scriptLines(const Afternoon &a) {
    // Gate, voice, greeting before the script; the epilogue from its "C80D" line on.
    for (size_t i = 3; i < a.gate.size(); ++i)
        if (a.gate[i].code == QStringLiteral("C80D")) return static_cast<int>(i) - 3;
    return -1;
}
} // namespace

class TestAfternoons : public QObject {
    Q_OBJECT
    QString record_;  // carried from one afternoon to the next, as on one player's machine

  private slots:
    void herEndingWhenSheIsThePick() {
        const Afternoon a = play(2, {0, 0, 20, 0, 0, 0, 0}, true, record_);
        QVERIFY(a.ended);
        QVERIFY(a.replies >= 3);
        QVERIFY(G.MetFlag[2] != 0 && G.MetFlag[4] != 0);  // the rooftop and the music room
        QCOMPARE(G.EndingNo, Integer(2));
        QCOMPARE(a.gate[3].code, QStringLiteral("C82C"));
        QCOMPARE(a.gate[3].speaker, QString());
        QCOMPARE(scriptLines(a), 8);  // mutual
        record_ = ReadClearRecord();
        QCOMPARE(record_, QStringLiteral("鷹2"));
    }

    void herEndingAsASurprise() {
        const Afternoon a = play(4, {0, 0, 20, 0, 0, 0, 0}, true, record_);
        QVERIFY(a.ended);
        QCOMPARE(G.EndingNo, Integer(2));
        QCOMPARE(scriptLines(a), 11);  // surprised
        record_ = ReadClearRecord();
        QCOMPARE(record_, QStringLiteral("鷹3"));
    }

    void theClassmate() {
        // Every girl met and left without an answer loses 3: 7 becomes 4, the rest go below zero.
        const Afternoon a = play(4, {0, 0, 0, 0, 7, 0, 0}, false, record_);
        QVERIFY(a.ended);
        QCOMPARE(a.replies, 0);
        QCOMPARE(G.Affection[4], Integer(4));
        QCOMPARE(G.EndingNo, Integer(8));
        QCOMPARE(a.gate[2].text, QStringLiteral("鳴海君…"));
        QCOMPARE(a.gate[3].code, QStringLiteral("C88C"));
        QCOMPARE(scriptLines(a), 15);
        QCOMPARE(int(a.gate.size()) - 3 - 15, 1 + 6);
        record_ = ReadClearRecord();
        QCOMPARE(record_, QStringLiteral("鷹3楓1"));
    }

    void theSister() {
        const Afternoon a = play(1, {0, -20, -20, -20, -20, -20, -20}, true, record_);
        QVERIFY(a.ended);
        QVERIFY(a.replies >= 3);
        QCOMPARE(G.EndingNo, Integer(9));
        QCOMPARE(a.gate[2].text, QStringLiteral("鳴海先輩…"));
        QCOMPARE(a.gate[3].code, QStringLiteral("C89C"));
        QCOMPARE(scriptLines(a), 11);
        record_ = ReadClearRecord();
        QCOMPARE(record_, QStringLiteral("鷹3楓1蘭1"));
    }
};

QTEST_MAIN(TestAfternoons)
#include "test_afternoons.moc"
