// Who confesses at 5:00 PM: the best liking among the girls met, strictly greater wins, 5 or more her ending, 3 to 4 the classmate, less the sister.
#include "EndingSupport.h"
#include "core/GameState.h"
#include "ending/Ending.h"
#include <QTest>

using namespace ending_test;

namespace {
struct Girl {
    int no, points;
    bool met;
};

// Plays the gate with the girls as given and tells who confessed and how she greeted him.
Play decide(const std::vector<Girl> &girls, int target = 0) {
    return PlayGate([&] {
        G.Myouji = QStringLiteral("鳴海");
        G.Namae = QStringLiteral("湊斗");
        G.Location = 3;
        G.GameMinute = 30;
        G.TargetGirl = static_cast<Integer>(target);
        for (const Girl &g : girls) {
            G.Affection[g.no] = static_cast<Integer>(g.points);
            G.MetFlag[g.no] = g.met ? 1 : 0;
        }
    });
}
} // namespace

class TestDecision : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(300); }

    void aTieGoesToTheLowerNumberedGirl() {
        const Play p = decide({{5, 7, true}, {2, 7, true}, {6, 7, true}});
        QVERIFY(p.ended);
        QCOMPARE(G.EndingNo, Integer(2));
        QCOMPARE(p.lines[3].code, QStringLiteral("C82C"));
    }

    void aGirlNeverMetIsIgnored() {
        const Play p = decide({{1, 30, false}, {3, 6, true}, {4, 9, false}});
        QCOMPARE(G.EndingNo, Integer(3));
        // Met girls only, even when the one never met is the only one liking him enough.
        decide({{1, 30, false}, {2, 4, true}});
        QCOMPARE(G.EndingNo, Integer(8));
        QVERIFY(p.ended);
    }

    void theThresholds() {
        const struct {
            int points, ending;
            const char *greeting;
        } cases[] = {{5, 4, "君…"}, {4, 8, "君…"}, {3, 8, "君…"}, {2, 9, "先輩…"}, {32767, 4, "君…"}};
        for (const auto &c : cases) {
            const Play p = decide({{4, c.points, true}, {1, 1, true}});
            QVERIFY(p.ended);
            QCOMPARE(G.EndingNo, Integer(c.ending));
            QCOMPARE(p.lines[2].text, QStringLiteral("鳴海") + QString::fromUtf8(c.greeting));
            QCOMPARE(p.lines[2].speaker, QStringLiteral("女の子の声"));
        }
    }

    void nobodyMetGivesTheSister() {
        const Play p = decide({{1, 10, false}, {2, 10, false}, {3, 10, false}, {4, 10, false}, {5, 10, false},
                               {6, 10, false}});
        QCOMPARE(G.EndingNo, Integer(9));
        QCOMPARE(p.lines[2].text, QStringLiteral("鳴海先輩…"));
        QCOMPARE(p.lines[3].code, QStringLiteral("C89C"));
    }

    void pointsOfZeroOrBelowNeverWin() {
        const Play p = decide({{1, 0, true}, {2, -3, true}, {3, -32768, true}, {4, 0, true}, {5, -1, true},
                               {6, -9, true}});
        QVERIFY(p.ended);
        QCOMPARE(G.EndingNo, Integer(9));
    }

    void noAlbumPickGivesTheSurprisedBranch() {
        // Script 3: six opening lines, four mutual or five surprised.
        const Play none = decide({{3, 8, true}}, 0);
        QCOMPARE(G.EndingNo, Integer(3));
        const Play picked = decide({{3, 8, true}}, 3);
        QCOMPARE(int(none.lines.size()) - int(picked.lines.size()), 1);
        QVERIFY(none.lines[3 + 6].text != picked.lines[3 + 6].text);
        const Play other = decide({{3, 8, true}}, 5);
        QCOMPARE(other.lines.size(), none.lines.size());
        QCOMPARE(other.lines[3 + 6].text, none.lines[3 + 6].text);
    }
};

QTEST_MAIN(TestDecision)
#include "test_decision.moc"
