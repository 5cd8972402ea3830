// Who confesses at 5:00 PM: the best liking among the girls met, strictly greater wins, 5 or more her ending, 3 to 4 the classmate, less the sister.
#include "TestSupport.h"
#include "ending/Ending.h"
#include <QTest>

class TestDecision : public QObject {
    Q_OBJECT
  private slots:
    void theDecision() {
        const struct { std::vector<std::array<int, 3>> girls; int ending; } cases[] = {  // girl, points, met
            {{{5, 7, 1}, {2, 7, 1}, {6, 7, 1}}, 2},  // a tie goes to the lower-numbered girl
            {{{1, 30, 0}, {3, 6, 1}}, 3},            // a girl never met is ignored...
            {{{1, 30, 0}, {2, 4, 1}}, 8},            // ...even when she alone likes him enough
            {{{4, 5, 1}, {1, 1, 1}}, 4}, {{{4, 4, 1}}, 8}, {{{4, 3, 1}}, 8}, {{{4, 2, 1}}, 9}, {{{4, 32767, 1}}, 4},
            {{{1, 10, 0}, {2, 10, 0}, {3, 10, 0}, {4, 10, 0}, {5, 10, 0}, {6, 10, 0}}, 9},
            {{{1, 0, 1}, {2, -3, 1}, {3, -32768, 1}, {4, 0, 1}, {5, -1, 1}, {6, -9, 1}}, 9},
        };
        for (const auto &c : cases) {
            ResetWorld();
            for (auto [girl, points, met] : c.girls) {
                G.Affection[girl] = static_cast<Integer>(points);
                G.MetFlag[girl] = static_cast<Integer>(met);
            }
            QCOMPARE(DecideEnding(), Integer(c.ending));
        }
    }
};

QTEST_MAIN(TestDecision)
#include "test_decision.moc"
