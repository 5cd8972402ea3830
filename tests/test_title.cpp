// The opening: the demo hides at 4.8 s, unloaded by Main before the title shows, and only a modifier key
// silences its jingle; the title's 63-tick cycle of covers, and a start with a modifier held silences the run.
#include "TestSupport.h"
#include "core/Main.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "sound/Music.h"
#include <QApplication>

class TestTitle : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartMusicSystem(), WaitSoundfontReady(60000); }
    void init() {
        ResetWorld(20);  // a 200 ms demo step in 10 ms, the start screen's keep-alive every 50 ms
        // A three-second jingle that outlasts the demo; no cut-off sound, so a cut leaves silence.
        PutGameFile("KVDEMO.WAV", TinyWav(3000));
        PutGameFile("Dummy.wav", {});
        PlayWav("none.wav");  // silence whatever an earlier test left playing
        for (const char *piece : {"M00C.mid", "M90C.mid", "M91C.mid"}) PutGameFile(piece, TinyMidi(2));
    }
    void cleanup() { StopMidi(); }

    void mainUnloadsTheDemoBeforeTheTitleShows() {
        struct Watch : QObject {
            int demoTickAtHide = -1, titleShows = 0, demoLoadedAtTitle = 0;
            bool eventFilter(QObject *o, QEvent *e) override {
                if (auto *demo = dynamic_cast<Demoform *>(o); demo && e->type() == QEvent::Hide)
                    demoTickAtHide = demo->DemoTick;
                if (dynamic_cast<DblTitle *>(o) && e->type() == QEvent::Show)
                    ++titleShows, demoLoadedAtTitle += IsLoaded<Demoform>();
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch);
        G.CrLf.clear();
        Main();
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.demoTickAtHide, 23);  // the 24th tick of 200 ms: 4.8 s
        QVERIFY(watch.titleShows == 1 && watch.demoLoadedAtTitle == 0 && !IsLoaded<Demoform>());
        QCOMPARE(G.CrLf, QStringLiteral("\r\n"));
    }

    void onlyAModifierBeforeTheJingleKeepsItSilent() {
        // A modifier alone (some desktops report it among the held modifiers, some not) or held with a key.
        const std::pair<Qt::Key, Qt::KeyboardModifiers> presses[] = {{Qt::Key_A, {}}, {Qt::Key_S, Qt::ShiftModifier},
            {Qt::Key_Shift, {}}, {Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_Control, {}},
            {Qt::Key_Control, Qt::ControlModifier}, {Qt::Key_Alt, {}}, {Qt::Key_Alt, Qt::AltModifier}};
        for (auto [key, mods] : presses) {
            init();
            Demoform &d = Win<Demoform>();
            d.Show();
            QVERIFY(d.DemoTick == 0 && d.Timer1->Interval() == 200);  // 24 ticks: 4.8 s
            QKeyEvent press(QEvent::KeyPress, key, mods);
            QApplication::sendEvent(&d, &press);
            QVERIFY(RunUntil([&] { return !d.isVisible(); }, 10000));
            // The jingle, had it started at 0.4 s, would outlast the demo.
            QVERIFY2(WavIsPlaying() == (key == Qt::Key_A), QByteArray::number(key | int(mods), 16).constData());
            QVERIFY(d.DemoTick == 24 && !d.Label1->isHidden() && !d.Line1[19]->isHidden());  // the animation runs on
        }
    }

    // Cover B slides off to the right in ten steps, closes again at tick 31 to meet cover A, then ten
    // steps open the middle, cover A shrinking to exactly 0; the cycle starts over after 63 ticks.
    void coverCycle() {
        DblTitle &t = Win<DblTitle>();
        t.Timer1->SetEnabled(false);  // the test runs the ticks itself
        QCOMPARE(t.Shape1[1]->geometry(), QRect(0, 0, 370, 145));  // the logotype starts fully covered
        const std::map<int, std::pair<int, int>> at = {{1, {555, 0}}, {10, {5550, 0}}, {31, {2760, 2760}},
                                                       {36, {4140, 1380}}, {41, {5520, 0}}, {62, {5520, 0}}};
        for (int tick = 1; tick <= 2 * 63; ++tick) {
            t.Timer1_Timer();
            if (const auto it = at.find((tick - 1) % 63 + 1); it != at.end())
                QVERIFY2(t.CoverLeft(1) == it->second.first && (tick % 63 <= 31 || t.CoverWidth(0) == it->second.second),
                         qPrintable(QString::number(tick)));
            QCOMPARE(t.WipeStep == 0, tick % 63 == 0);
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
