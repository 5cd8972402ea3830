// The title screen: the 63-tick cycle of its covers, and the start with a modifier held that silences the run.
#include "FrontendSupport.h"
#include "core/GameState.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "sound/Music.h"

class TestTitle : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartMusicSystem(), WaitSoundfontReady(60000); }
    void init() {
        ResetWorld(100);  // the start screen's keep-alive every 10 ms
        for (const char *piece : {"M00C.mid", "M90C.mid", "M91C.mid"}) PutGameFile(piece, TinyMidi(2));
    }
    void cleanup() { StopMidi(); }

    void coverCycle() {
        DblTitle &t = Win<DblTitle>();
        t.Timer1->SetEnabled(false);  // the test runs the ticks itself
        QCOMPARE(t.Shape1[1]->geometry(), QRect(0, 0, 370, 145));  // the logotype starts fully covered
        for (int cycle = 0; cycle < 2; ++cycle)
            for (int tick = 1; tick <= 63; ++tick) {
                t.Timer1_Timer();
                if (tick <= 10) QCOMPARE(t.CoverLeft(1), 555 * tick);  // cover B slides off to the right
                if (tick == 31) QCOMPARE(t.CoverLeft(1), 2760);      // and closes again, meeting cover A
                // Ten steps open the middle: cover A reaches exactly 0 and stays there.
                if (tick > 31) QCOMPARE(t.CoverWidth(0), std::max(0, 2760 - 276 * (tick - 31)));
                if (tick > 31) QCOMPARE(t.CoverLeft(1), std::min(5520, 2760 + 276 * (tick - 31)));
                QCOMPARE(t.WipeStep == 0, tick == 63);  // the cycle starts over after 63 ticks
            }
    }

    void startWithAModifierSilencesTheWholeRun() {
        for (auto mod : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            init();
            Win<DblTitle>().Show();
            ClickOn(Win<DblTitle>().Label2, mod);
            QVERIFY(!IsLoaded<DblTitle>() && IsLoaded<DblStart>() && Win<DblStart>().isVisible() && !World().ended);
            QCOMPARE(G.MusicOff, mod ? True : False);
            // The start screen's keep-alive brings its music, and later windows ask for theirs.
            QCOMPARE(RunUntil(MidiIsPlaying, 500), !mod);
            PlayMidi("M00C.mid");
            KeepMidiPlaying();
            QCOMPARE(MidiIsPlaying(), !mod);
        }
    }
};

QTEST_MAIN(TestTitle)
#include "test_title.moc"
