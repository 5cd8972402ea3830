// The opening demo hides at 4.8 s, unloaded by Main before the title shows; only a modifier key silences its jingle.
#include "FrontendSupport.h"
#include "core/GameState.h"
#include "core/Main.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "sound/Music.h"

class TestDemo : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartMusicSystem(), WaitSoundfontReady(60000); }
    void init() {
        ResetWorld(20);  // a 200 ms step in 10 ms
        // A three-second jingle that outlasts the demo; no cut-off sound, so a cut leaves silence.
        PutGameFile("KVDEMO.WAV", TinyWav(3000));
        PutGameFile("Dummy.wav", {});
        PlayWav("none.wav");  // silence whatever an earlier test left playing
    }

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
        const std::pair<int, Qt::KeyboardModifiers> presses[] = {{Qt::Key_A, {}}, {Qt::Key_S, Qt::ShiftModifier},
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
};

QTEST_MAIN(TestDemo)
#include "test_demo.moc"
