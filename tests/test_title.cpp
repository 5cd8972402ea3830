// The title screen: the 63-tick cover cycle, the hover colours, the music played once, the quiet start with a modifier held, and closing that ends the program.
#include "FrontendSupport.h"
#include "TestSupport.h"
#include "core/GameState.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "sound/Music.h"
#include <QTest>

namespace {
QColor backOf(Label *l) { return l->palette().color(QPalette::Window); }

void fresh(double scale = 1) {
    ResetWorld(scale);
    // Short pieces of the test's own, so that "played once" and "silent" can be seen to end.
    PutGameFile(QStringLiteral("M90C.mid"), TinyMidi(1));
    PutGameFile(QStringLiteral("M91C.mid"), TinyMidi(16));
    PutGameFile(QStringLiteral("M00C.mid"), TinyMidi(16));
}
} // namespace

class TestTitle : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        StartMusicSystem();
        WaitSoundfontReady(60000);
    }
    void init() { fresh(); }
    void cleanup() { StopMidi(); }

    void coverCycle() {
        DblTitle &t = Win<DblTitle>();
        t.Timer1->SetEnabled(false);  // the test runs the ticks itself
        QCOMPARE(t.CoverLeft(1), 0);
        QCOMPARE(t.CoverWidth(1), 5550);  // the logotype starts fully covered
        QCOMPARE(t.Shape1[1]->geometry(), QRect(0, 0, 370, 145));
        for (int cycle = 0; cycle < 2; ++cycle) {
            // Ten steps of the wipe from the left.
            for (int s = 1; s <= 10; ++s) {
                t.Timer1_Timer();
                QCOMPARE(t.CoverLeft(1), 555 * s);
                QCOMPARE(t.Shape1[1]->x(), 37 * s);
            }
            // Twenty at rest.
            for (int s = 0; s < 20; ++s) {
                t.Timer1_Timer();
                QCOMPARE(t.CoverLeft(1), 5550);
                QCOMPARE(t.CoverWidth(0), cycle == 0 ? 15 : 0);
            }
            // Covered again, split in the middle.
            t.Timer1_Timer();
            QCOMPARE(t.CoverWidth(0), 2760);
            QCOMPARE(t.CoverLeft(1), 2760);
            QCOMPARE(t.WipeStep, 6000);
            // Ten steps opening from the middle; cover A ends at exactly 0.
            for (int s = 1; s <= 10; ++s) {
                t.Timer1_Timer();
                QCOMPARE(t.CoverWidth(0), 2760 - 276 * s);
                QCOMPARE(t.CoverLeft(1), 2760 + 276 * s);
            }
            QCOMPARE(t.CoverWidth(0), 0);
            QCOMPARE(t.CoverLeft(1), 5520);
            QCOMPARE(t.WipeStep, 7000);
            // Twenty-one at rest, then the reset: 63 ticks in all.
            for (int s = 0; s < 21; ++s) {
                t.Timer1_Timer();
                QCOMPARE(t.CoverWidth(0), 0);
                QCOMPARE(t.CoverLeft(1), 5520);
            }
            QCOMPARE(t.WipeStep, 7021);
            t.Timer1_Timer();
            QCOMPARE(t.WipeStep, 0);
        }
        // Covers never change height.
        QCOMPARE(t.Shape1[0]->height(), 145);
        QCOMPARE(t.Shape1[1]->height(), 145);
    }

    void startItemHoverColours() {
        DblTitle &t = Win<DblTitle>();
        t.Show();
        QCOMPARE(backOf(t.Label2), QColor(0, 128, 128));
        MoveOver(t.Label2);
        QCOMPARE(backOf(t.Label2), QColor(160, 64, 64));
        MoveOver(&t);
        QCOMPARE(backOf(t.Label2), QColor(0, 128, 128));
        QCOMPARE(t.Label2->text(), QStringLiteral("S t a r t"));
    }

    void titleMusicPlaysOnce() {
        DblTitle &t = Win<DblTitle>();
        t.Show();
        QVERIFY(MidiIsPlaying());
        QVERIFY(RunUntil([] { return !MidiIsPlaying(); }, 10000));
        // Nothing on this screen starts it again.
        RunUntil([] { return false; }, 1500);
        QVERIFY(!MidiIsPlaying());
        QVERIFY(G.MusicFile.isEmpty());
    }

    void plainStartOpensTheStartScreenWithMusic() {
        ResetWorld(100);  // the start screen's keep-alive every 10 ms
        PutGameFile(QStringLiteral("M91C.mid"), TinyMidi(16));
        DblTitle &t = Win<DblTitle>();
        t.Show();
        ClickOn(t.Label2);
        QVERIFY(!IsLoaded<DblTitle>());
        QVERIFY(IsLoaded<DblStart>() && Win<DblStart>().isVisible());
        QVERIFY(!G.MusicOff);
        QVERIFY(!World().ended);
        QVERIFY(RunUntil([] { return MidiIsPlaying(); }, 3000));
    }

    void modifierOnStartSilencesTheRun() {
        for (auto mod : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            ResetWorld(100);
            PutGameFile(QStringLiteral("M91C.mid"), TinyMidi(16));
            PutGameFile(QStringLiteral("M00C.mid"), TinyMidi(16));
            DblTitle &t = Win<DblTitle>();
            t.Show();
            ClickOn(t.Label2, mod);
            QVERIFY(IsLoaded<DblStart>());
            QCOMPARE(G.MusicOff, True);
            // The start screen's keep-alive ticks, and every later window asks for music in vain.
            RunUntil([] { return MidiIsPlaying(); }, 300);
            QVERIFY(!MidiIsPlaying());
            PlayMidi(QStringLiteral("M00C.mid"));
            KeepMidiPlaying();
            QVERIFY(!MidiIsPlaying());
        }
    }

    void closingTheTitleEndsTheProgram() {
        DblTitle &t = Win<DblTitle>();
        t.Show();
        QVERIFY(MidiIsPlaying());
        QVERIFY(RunEnding([&] { t.close(); }));
        QVERIFY(World().ended);
        QVERIFY(!MidiIsPlaying());
    }

    void theStartScreenUnloadsTheTitleQuietly() {
        Win<DblTitle>().Show();
        Win<DblStart>().Show();
        QVERIFY(!IsLoaded<DblTitle>());
        QVERIFY(!World().ended);
    }
};

QTEST_MAIN(TestTitle)
#include "test_title.moc"
