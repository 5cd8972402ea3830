// The friend calls on the first, second and fourth long walk, hints at the girl picked, and holds 5:00 back.
#include "Player.h"
#include "TestSupport.h"
#include "core/Prologue.h"
#include "talk/Phone.h"

class TestPhone : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(300); // a game minute in a fifth of a second
        G.Myouji = QStringLiteral("山田");
        G.MetFlag.fill(1); // nobody left to meet: the walks are the friend's alone
    }
    void callsOnTheFirstSecondAndFourthLongWalk() {
        DblMain &m = StandAt(3, 1);
        StartClock();
        Player player;
        // schoolyard, rooftop, music room, rooftop, schoolyard: four walks of three minutes
        const int buttons[] = {0, 1, 0, 2}, places[] = {1, 2, 1, 3}, waits[] = {5, 5, 0, 3};
        for (int n = 0; n < 4; ++n) {
            const int clicksBefore = player.clicks, start = G.GameMinute;
            ClickOn(m.Command1[buttons[n]]);
            QVERIFY(RunUntil([&] { return G.Location == places[n] && G.Mode == ModeFree; }));
            QCOMPARE(player.clicks - clicksBefore, waits[n]);
            QVERIFY(G.GameMinute == start + 3 && G.PhoneCount == n + 1); // the call does not delay the walk
        }
    }
    // Ringing, hello, the hint (or hello again), question, goodbye; then the closing on the hang-up picture.
    void theFirstCallHintsAtTheGirlPicked() {
        const QStringList family = {"", "白石", "春日", "桐島", "水瀬", "朝倉", "西園寺"};
        for (int girl = 0; girl <= 6; ++girl) {
            DblMain &m = StandAt(3, 2, ModeWalking);
            G.TargetGirl = static_cast<Integer>(girl), G.PhoneCount = 0;
            QStringList speakers, lines;
            Player player;
            player.BeforeClick = [&] {
                speakers << m.Label2->text(), lines << m.Label1->text();
                QVERIFY(G.Mode == ModePhone && Shows("C00A"));
            };
            PhoneCall();
            const QString kenji = QStringLiteral("滝本　健二");
            QVERIFY(speakers == QStringList({"", kenji, kenji, "", kenji}) && lines[1].contains("山田") &&
                    (girl != 0 || lines[2] == lines[1]));
            for (int other = 1; other <= 6; ++other)
                QCOMPARE(lines[2].contains(family[other]), other == girl);
            QVERIFY(G.Mode == ModeWalking && Shows("C00B") && m.Label3->text().isEmpty());
        }
    }
    // The call runs past five: the walk waits for it, then the five-o'clock line, only then the gate.
    void aCallPastFiveHoldsTheGateBack() {
        DblMain &m = StandAt(3, 27);
        StartClock();
        G.TalkCode = QStringLiteral("35A"); // a girl he walked away from: no errand line during the call
        Player player;
        QStringList lines;
        player.BeforeClick = [&] {
            if (lines.isEmpty()) { // he lets the ringing run on past five; the walk waits for the call
                player.Pause(true);
                QVERIFY(RunUntil([] { return G.GameMinute >= 31; }));
                QVERIFY(m.lblClock->text() == "5:00 PM" && G.Mode == ModePhone && G.Location == 3);
                m.Timer1->SetEnabled(false); // the test takes over the clock
                player.Pause(false);
            }
            lines << m.Label1->text();
        };
        ClickOn(m.Command1[0]); // to the rooftop: due at 5:00 PM
        QVERIFY(RunUntil([] { return G.PhoneCount == 1 && G.Mode == ModeWalking; }, 15000));
        QVERIFY(G.TalkCode == "35A" && lines.size() == 6 && lines[5].contains("五時") && Shows("C00A"));
        bool endingSeen = false;
        player.BeforeClick = [&] { endingSeen |= G.Mode == ModeEnding; };
        QVERIFY(RunEnding([&] { m.Timer1_Timer(); }) && endingSeen);
    }
};

QTEST_MAIN(TestPhone)
#include "test_phone.moc"
