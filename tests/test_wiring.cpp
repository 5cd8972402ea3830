// Every timer of the game has its interval and, left to run, reaches its handler: the clock moves the
// afternoon, the keep-alives bring music back, the walker steps, the title's covers, the roll and the
// demo move. Nothing here calls a handler; the timers run at a time scale.
#include "TestSupport.h"
#include "ending/DblEnding.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "sound/Music.h"

class TestWiring : public QObject {
    Q_OBJECT
  private slots:
    void everyTimerHasItsIntervalAndReachesItsHandler() {
        ResetWorld(100); // a game minute in 0.6 s, a keep-alive in 10 ms
        StartMusicSystem();
        G.Myouji = QStringLiteral("佐藤"), G.TargetGirl = 1, G.PhoneCount = 5,
        G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
        DblMain &m = StandAt(3, 5);
        StartClock();
        QCOMPARE(m.Timer1->Interval(), 60000);
        QCOMPARE(m.Timer2->Interval(), 1000);
        QCOMPARE(m.Timer3->Interval(), 500);
        QVERIFY2(RunUntil([] { return G.GameMinute == 6; }), "the clock never ticked");
        QCOMPARE(m.lblClock->Caption(), QStringLiteral("4:36 PM"));
        // The campus keep-alive restarts the piece of the place once nothing plays.
        G.MusicFile = QStringLiteral("M00C.mid"), StopMidi();
        QVERIFY2(RunUntil(MidiIsPlaying), "the campus keep-alive never brought the music back");
        // The walker shows one frame, then the other, only while walking.
        G.Mode = ModeWalking;
        QVERIFY(RunUntil([&] { return m.Image2[0]->Visible() != m.Image2[1]->Visible(); }));
        const bool first = m.Image2[0]->Visible();
        QVERIFY2(RunUntil([&] { return m.Image2[0]->Visible() != first; }), "the walker never stepped");
        G.Mode = ModeFree;
        UnloadAllForms(), StopMidi();

        DblStart &start = Win<DblStart>();
        QCOMPARE(start.Timer1->Interval(), 1000);
        StopMidi();
        QVERIFY2(RunUntil(MidiIsPlaying), "the start screen's keep-alive never started its music");
        QCOMPARE(G.MusicFile, QStringLiteral("M91C.mid"));
        UnloadAllForms(), StopMidi();

        DblTitle &title = Win<DblTitle>();
        QCOMPARE(title.Timer1->Interval(), 250);
        QVERIFY2(RunUntil([&] { return title.WipeStep > 0; }), "the title's covers never moved");
        UnloadAllForms();

        DblEnding &roll = Win<DblEnding>();
        QCOMPARE(roll.Timer1->Interval(), 3000);
        QVERIFY2(RunUntil([&] { return roll.Step >= 2; }), "the staff roll never stepped");
        UnloadAllForms();

        Demoform &demo = Win<Demoform>();
        demo.Show();
        QCOMPARE(demo.Timer1->Interval(), 200);
        QVERIFY2(RunUntil([&] { return demo.DemoTick >= 3; }), "the demo's schedule never ran");
        UnloadAllForms(), StopMidi();
    }
};

QTEST_MAIN(TestWiring)
#include "test_wiring.moc"
