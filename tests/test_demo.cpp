// The opening demo runs its fixed 24-tick schedule, hides at 4.8 s, and only a modifier key silences its jingle; Main unloads it before the title shows.
#include "FrontendSupport.h"
#include "TestSupport.h"
#include "core/GameState.h"
#include "core/Main.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "sound/Music.h"
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {
bool shown(QWidget *w) { return !w->isHidden(); }

// Shows the demo and notes whether any sound played while it ran, until it hides itself.
bool runDemoListening(Demoform &d, const std::function<void()> &atStart = {}) {
    bool heard = false;
    QTimer ear;
    QObject::connect(&ear, &QTimer::timeout, [&] { heard = heard || WavIsPlaying(); });
    ear.start(1);
    d.Show();
    if (atStart) atStart();
    RunUntil([&] { return !d.isVisible(); }, 10000);
    // The jingle may start on the last ticks' heels; give it a moment to be heard.
    RunUntil([&] { return heard; }, 200);
    return heard;
}
void fresh() {
    ResetWorld(20);  // a 200 ms step in 10 ms
    // A jingle of the test's own, long enough to outlast the demo; no cut-off sound, so a cut
    // leaves silence.
    PutGameFile(QStringLiteral("KVDEMO.WAV"), TinyWav(3000));
    PutGameFile(QStringLiteral("Dummy.wav"), {});
}
} // namespace

class TestDemo : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        StartMusicSystem();
        WaitSoundfontReady(60000);
    }
    void init() { fresh(); }
    void cleanup() { PlayWav(QStringLiteral("none.wav")); }

    void scheduleStepByStep() {
        Demoform &d = Win<Demoform>();
        d.Timer1->SetEnabled(false);  // the test runs the ticks itself
        d.Show();
        QCOMPARE(d.Caption(), QStringLiteral("Velmor"));
        QVERIFY(!shown(d.Label1) && !shown(d.Image1));
        for (int i = 1; i <= 19; ++i) QVERIFY(!shown(d.Line1[i]));
        QCOMPARE(d.SpriteTop(), 800);
        QCOMPARE(d.Image1->pixmap().toImage(), d.Image2->pixmap().toImage());

        struct Expect {
            int tick, groups, left, top;
            Label *frame;
        };
        const Expect expected[] = {
            {4, 1, 50, 800, d.Image3},  {5, 2, 120, 800, d.Image2}, {6, 3, 120, 50, d.Image4},
            {7, 4, 120, 800, d.Image2}, {8, 5, 120, 50, d.Image4},  {9, 6, 140, 50, d.Image5},
        };
        int groupsShown = 0;
        for (int v = 0; v <= 23; ++v) {
            QCOMPARE(d.DemoTick, v);
            d.Timer1_Timer();
            for (const Expect &e : expected)
                if (e.tick == v) {
                    groupsShown = e.groups;
                    QCOMPARE(d.SpriteLeft(), e.left);
                    QCOMPARE(d.SpriteTop(), e.top);
                    QCOMPARE(d.Image1->pixmap().toImage(), e.frame->pixmap().toImage());
                    QCOMPARE(d.Image1->size(), e.frame->pixmap().size());  // the sprite takes the frame's size
                }
            QCOMPARE(shown(d.Image1), v >= 4);
            for (int g = 0; g < 6; ++g)
                for (int i = DemoGroups[g].first; i <= DemoGroups[g].last; ++i) {
                    QCOMPARE(shown(d.Line1[i]), g < groupsShown);
                    QCOMPARE(d.Line1[i]->BorderColor, DemoGroups[g].colour);
                }
            QCOMPARE(shown(d.Label1), v >= 13);
            QCOMPARE(d.isVisible(), v < 23);
        }
        QCOMPARE(d.Timer1->Interval(), 0);
        QVERIFY(!d.Image2->pixmap().isNull() && !d.Image5->pixmap().isNull());
        for (Label *frame : {d.Image2, d.Image3, d.Image4, d.Image5}) QVERIFY(!shown(frame));
    }

    void hidesItselfAfterItsLastTick() {
        Demoform &d = Win<Demoform>();
        d.Show();
        QVERIFY(RunUntil([&] { return !d.isVisible(); }, 10000));
        // Hidden by the tick of value 23, not before, and no tick after it.
        QCOMPARE(d.DemoTick, 24);
        RunUntil([] { return false; }, 100);
        QCOMPARE(d.DemoTick, 24);
    }

    void mainUnloadsTheDemoBeforeTheTitleShows() {
        struct Watch : QObject {
            int titleShows = 0, demoLoadedAtTitle = 0, demoTickAtHide = -1;
            bool eventFilter(QObject *o, QEvent *e) override {
                if (e->type() == QEvent::Show && qobject_cast<QWidget *>(o) && dynamic_cast<DblTitle *>(o)) {
                    ++titleShows;
                    if (IsLoaded<Demoform>()) ++demoLoadedAtTitle;
                }
                if (e->type() == QEvent::Hide && dynamic_cast<Demoform *>(o))
                    demoTickAtHide = static_cast<Demoform *>(o)->DemoTick;
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch);
        G.CrLf.clear();
        Main();
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.demoTickAtHide, 23);  // the tick of value 23 hid it
        QCOMPARE(watch.titleShows, 1);
        QCOMPARE(watch.demoLoadedAtTitle, 0);
        QVERIFY(!IsLoaded<Demoform>());
        QVERIFY(IsLoaded<DblTitle>() && Win<DblTitle>().isVisible());
        QCOMPARE(G.CrLf, QStringLiteral("\r\n"));
    }

    void jinglePlaysWithoutAModifier() {
        // A plain letter key and a click change nothing.
        QVERIFY(runDemoListening(Win<Demoform>(), [] {
            QTest::keyClick(&Win<Demoform>(), Qt::Key_A);
            ClickOn(&Win<Demoform>());
        }));
        QVERIFY(!Win<Demoform>().JingleStopped);
    }

    void modifierBeforeTheJingleKeepsItSilent() {
        for (auto key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
            fresh();
            Demoform &d = Win<Demoform>();
            QPointer<Demoform> keep(&d);
            const bool heard = runDemoListening(d, [&] {
                QCOMPARE(d.DemoTick, 0);
                // A modifier pressed alone; some desktops report it among the held modifiers, some not.
                QTest::keyPress(&d, key);
                QTest::keyRelease(&d, key);
            });
            QVERIFY2(!heard, qPrintable(QString::number(key, 16)));
            // The animation runs on to its end regardless.
            QCOMPARE(d.DemoTick, 24);
            QVERIFY(shown(d.Label1) && shown(d.Line1[19]));
        }
    }

    void modifierLaterCutsTheJingleOff() {
        Demoform &d = Win<Demoform>();
        d.Show();
        QVERIFY(RunUntil([&] { return WavIsPlaying(); }, 5000));
        QTest::keyClick(&d, Qt::Key_S, Qt::ShiftModifier);
        QVERIFY(!WavIsPlaying());
        QVERIFY(d.JingleStopped);
        QVERIFY(RunUntil([&] { return !d.isVisible(); }, 10000));
        QCOMPARE(d.DemoTick, 24);
    }
};

QTEST_MAIN(TestDemo)
#include "test_demo.moc"
