// The campus window: clock, walks and walking times, buttons per place, the skip gesture, scenes,
// the click wait and quitting with the save question.
#include "TestSupport.h"
#include "core/Campus.h"
#include "core/Choices.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Prologue.h"
#include "core/Scene.h"
#include "platform/TextFile.h"
#include <QTest>
#include <QTimer>
#include <set>

namespace {
std::set<int> enabledButtons() {
    std::set<int> on;
    for (int i = 0; i < 7; ++i)
        if (Win<DblMain>().Command1[i]->isEnabled()) on.insert(i);
    return on;
}

// Free at a place at a minute, clock stopped so the test owns the ticks.
DblMain &standAt(int location, int minute) {
    G.Location = static_cast<Integer>(location);
    G.GameMinute = static_cast<Integer>(minute);
    G.MetFlag = {0, 1, 1, 1, 1, 1, 1};  // everyone met already: every place is empty
    G.PhoneCount = 5;                   // the friend has said all he had to say
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = ModeFree;
    RefreshChoices();
    return m;
}
} // namespace

class TestCampus : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void clockRunsFrom431To500() {
        ResetWorld(6000);  // a game minute in 10 ms
        DblMain &m = standAt(3, 1);
        StartClock();
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:31 PM"));
        QVERIFY(RunUntil([] { return G.GameMinute >= 2; }));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:32 PM"));
        QVERIFY(RunUntil([] { return G.GameMinute >= 29; }));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:59 PM"));
        // The gate's first line waits for a click: look at the clock there, then leave the game.
        QString clockAtGate;
        Integer minuteAtGate = 0;
        bool timerRunning = true;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (G.Mode != ModeEnding) return;
            clockAtGate = m.lblClock->text();
            minuteAtGate = G.GameMinute;
            timerRunning = m.Timer1->Enabled();
            watch.stop();
            LeaveGame();
        });
        watch.start(5);
        RunEnding([&] { RunUntil([] { return G.Mode == ModeEnding; }); });
        QCOMPARE(minuteAtGate, Integer(30));
        QVERIFY(!timerRunning);  // the gate stops the clock before its first wait
        QVERIFY(clockAtGate.isEmpty() || clockAtGate == QStringLiteral("5:00 PM"));
    }

    void buttonsAtEveryPlace() {
        const std::map<int, std::set<int>> expected = {{1, {1, 2, 3, 4}}, {2, {0, 3}}, {3, {0, 6}}, {4, {0, 1, 5}},
                                                       {5, {0, 6}},       {6, {3}},    {7, {2, 4}}};
        for (const auto &[place, buttons] : expected) {
            standAt(place, 1);
            QCOMPARE(enabledButtons(), buttons);
            QVERIFY(!buttons.count(place - 1));
            // Walking, talking and the ending disable all; a phone call leaves them as they are.
            for (Integer mode : {Integer(ModeWalking), Integer(ModeTalking), Integer(ModeEnding)}) {
                G.Mode = ModeFree;
                RefreshChoices();
                G.Mode = mode;
                RefreshChoices();
                QVERIFY(enabledButtons().empty());
            }
            G.Mode = ModeFree;
            RefreshChoices();
            G.Mode = ModePhone;
            RefreshChoices();
            QCOMPARE(enabledButtons(), buttons);
        }
        G.Mode = ModeFree;
        G.Location = 0;
        RefreshChoices();
        QVERIFY(enabledButtons().empty());
    }

    void everyWalkTakesItsTime() {
        for (int from = 1; from <= 7; ++from)
            for (int to = 1; to <= 7; ++to) {
                const int minutes = WalkMinutes[from][to];
                if (!minutes) continue;
                ResetWorld();
                DblMain &m = standAt(from, 10);
                QVERIFY(m.Command1[to - 1]->isEnabled());
                ClickOn(m.Command1[to - 1]);
                QCOMPARE(G.Mode, Integer(ModeWalking));
                QCOMPARE(G.ArriveMinute, Integer(10 + minutes));
                QVERIFY(enabledButtons().empty());
                for (int t = 1; t < minutes; ++t) {
                    m.Timer1_Timer();
                    QCOMPARE(G.Location, Integer(from));
                }
                m.Timer1_Timer();
                QCOMPARE(G.Location, Integer(to));
                QCOMPARE(m.Caption(), QString::fromUtf16(PlaceCaption[to - 1]));
                QCOMPARE(G.Mode, Integer(ModeFree));  // nobody is met in this build of the campus
            }
    }

    void walkingShowsCaptionPictureAndNarration() {
        DblMain &m = standAt(3, 10);
        ClickOn(m.Command1[0]);  // rooftop, 3 minutes
        QCOMPARE(m.Caption(), QStringLiteral("【移動中】 -Duskbell-"));
        QVERIFY(m.Label1->text().startsWith(QStringLiteral("校舎Ａ")));
        QVERIFY(m.Label1->text().contains(QStringLiteral("3")));
        QVERIFY(!m.Image1->pixmap().isNull());
        QCOMPARE(G.MusicFile, QStringLiteral("M00C.mid"));
        // A walk that ends at minute 28 or later worries about the gate and names no minutes.
        ResetWorld();
        DblMain &late = standAt(3, 25);
        ClickOn(late.Command1[0]);
        QCOMPARE(G.ArriveMinute, Integer(28));
        QVERIFY(late.Label1->text().contains(QStringLiteral("間に合う")));
        QVERIFY(!late.Label1->text().contains(QStringLiteral("3")));
        ResetWorld();
        DblMain &early = standAt(3, 24);
        ClickOn(early.Command1[0]);
        QVERIFY(!early.Label1->text().contains(QStringLiteral("間に合う")));
    }

    void walkingAnimationOnlyWhileWalking() {
        DblMain &m = standAt(3, 10);
        m.Timer3_Timer();
        QVERIFY(!m.Image2[0]->isVisible() && !m.Image2[1]->isVisible());
        ClickOn(m.Command1[6]);
        m.Timer3_Timer();
        const bool first = m.Image2[0]->isVisible();
        QCOMPARE(m.Image2[1]->isVisible(), !first);
        m.Timer3_Timer();
        QCOMPARE(m.Image2[0]->isVisible(), !first);
    }

    void skipGestureNeedsRightButtonWithShiftAndCtrl() {
        DblMain &m = standAt(3, 10);
        const struct {
            Qt::MouseButton button;
            Qt::KeyboardModifiers mods;
            bool skips;
        } cases[] = {
            {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, true},
            {Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, false},
            {Qt::RightButton, Qt::ShiftModifier, false},
            {Qt::RightButton, Qt::ControlModifier, false},
            {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, false},
            {Qt::RightButton, Qt::NoModifier, false},
        };
        for (const auto &c : cases) {
            const Integer before = G.GameMinute;
            PressOn(m.KaKushiDummy, c.button, c.mods);
            QTest::mouseRelease(m.KaKushiDummy, c.button, c.mods);
            QCOMPARE(G.GameMinute, Integer(before + (c.skips ? 1 : 0)));
        }
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:41 PM"));
        QVERIFY(!m.Timer1->Enabled());  // the gesture does not start or move the clock's own schedule
    }

    void showSceneKeepsPictureAndMusicForAnEmptyCode() {
        DblMain &m = standAt(3, 10);
        ShowScene(QStringLiteral("C30C"), QStringLiteral("a"), QStringLiteral("b"));
        const QImage picture = m.Image1->pixmap().toImage();
        QCOMPARE(G.MusicFile, QStringLiteral("M00C.mid"));
        ShowScene(QString(), QStringLiteral("text"), QString());
        QCOMPARE(m.Label1->text(), QStringLiteral("text"));
        QCOMPARE(m.Label2->text(), QString());
        QCOMPARE(m.Image1->pixmap().toImage(), picture);
        QCOMPARE(G.MusicFile, QStringLiteral("M00C.mid"));
    }

    void contactLensLookAndMusicSwitching() {
        standAt(3, 10);
        G.ContactLensFlag = True;
        ShowScene(QStringLiteral("C14C"), QString(), QString());
        QCOMPARE(Win<DblMain>().Image1->pixmap().toImage(), LoadPicture(QStringLiteral("C17C.DBL")).toImage());
        QCOMPARE(G.MusicRequest, QStringLiteral("M40C.mid"));
        ShowScene(QStringLiteral("C84C"), QString(), QString());
        QCOMPARE(Win<DblMain>().Image1->pixmap().toImage(), LoadPicture(QStringLiteral("C87C.DBL")).toImage());
        // The campus theme is not restarted between two empty places.
        ShowScene(QStringLiteral("C00B"), QString(), QString());
        G.MusicFile = QStringLiteral("marker");
        ShowScene(QStringLiteral("C30C"), QString(), QString());
        QCOMPARE(G.MusicFile, QStringLiteral("marker"));
        // In the ending the picture changes, the caption is the ending's, the music stays.
        G.Mode = ModeEnding;
        ShowScene(QStringLiteral("C81C"), QString(), QString());
        QCOMPARE(Win<DblMain>().Caption(), QStringLiteral("-Duskbell-"));
        QCOMPARE(G.MusicFile, QStringLiteral("marker"));
        QCOMPARE(G.MusicRequest, QStringLiteral("M00C.mid"));
        // A missing picture empties the picture area and the game goes on.
        G.Mode = ModeFree;
        ShowScene(QStringLiteral("C99Z"), QStringLiteral("x"), QString());
        QVERIFY(Win<DblMain>().Image1->pixmap().isNull());
        QCOMPARE(G.MusicRequest, QString());
    }

    void waitClickIgnoresEarlierClicksAndTakesKeys() {
        DblMain &m = standAt(3, 10);
        G.Clicked = True;  // a click made before the wait
        bool done = false;
        int clicksSeen = 0;
        Later([&] {
            clicksSeen = G.Clicked;
            QCOMPARE(m.Label3->text(), QStringLiteral("クリックしてください"));
            ClickOn(m.Label1);
        }, 20);
        WaitClick();
        done = true;
        QCOMPARE(clicksSeen, 0);
        QVERIFY(done);
        QCOMPARE(m.Label3->text(), QString());
        Later([&] { QTest::keyClick(&m, Qt::Key_Space); }, 20);
        WaitClick();
        // Buttons and the clock are no clicks.
        Later([&] { ClickOn(m.lblClock); ClickOn(m.Label2); }, 10);
        Later([&] { QCOMPARE(G.Clicked, Integer(0)); ClickOn(m.Image1); }, 60);
        WaitClick();
    }

    void ticksGoOnDuringAWait() {
        ResetWorld(600);  // a game minute in 100 ms
        standAt(3, 1);
        StartClock();
        Later([] { G.Clicked = True; }, 450);
        const Integer before = G.GameMinute;
        WaitClick();
        QVERIFY(G.GameMinute >= before + 3);
        QVERIFY(G.GameMinute < 30);
    }

    void quittingBeforeThePickIsRefused() {
        DblMain &m = standAt(3, 10);
        G.TargetGirl = 0;
        m.close();
        QCOMPARE(World().boxes.size(), size_t(1));
        QCOMPARE(World().boxes[0].text, QStringLiteral("ここではゲームの中断はできません"));
        QCOMPARE(World().boxes[0].title, QStringLiteral("Duskbell"));
        QVERIFY(IsLoaded<DblMain>() && !World().ended);
        G.TargetGirl = 2;
        G.Mode = ModeEnding;
        m.close();
        QCOMPARE(World().boxes.size(), size_t(2));
        QVERIFY(IsLoaded<DblMain>() && !World().ended && !FileExists(QStringLiteral("DblData.dat")));
    }

    void theThreeAnswersToTheSaveQuestion() {
        // Cancel: the afternoon goes on.
        DblMain &m = standAt(3, 10);
        G.TargetGirl = 2;
        World().answers = {MsgAnswer::Cancel};
        m.close();
        QVERIFY(World().boxes[0].text.startsWith(QStringLiteral("Duskbell を終了します。\r\n次回")));
        QCOMPARE(World().boxes[0].buttons, MsgButtons::YesNoCancel);
        QVERIFY(IsLoaded<DblMain>() && !World().ended);
        // No: ends without writing; an older save stays as it was.
        QVERIFY(WriteTextFile(QStringLiteral("DblData.dat"), QStringLiteral("old")));
        World().answers = {MsgAnswer::No};
        QVERIFY(RunEnding([&] { m.close(); }));
        QCOMPARE(ReadTextFile(QStringLiteral("DblData.dat")), QStringLiteral("old"));
        // Yes: the afternoon is saved, then the process ends.
        ResetWorld();
        DblMain &m2 = standAt(5, 17);
        G.TargetGirl = 4;
        World().answers = {MsgAnswer::Yes};
        QVERIFY(RunEnding([&] { m2.close(); }));
        QVERIFY(World().ended);
        QVERIFY(ReadTextFile(QStringLiteral("dbldata.dat")).endsWith(QStringLiteral(" 4 \r\n 5 \r\n")));
    }
};

QTEST_MAIN(TestCampus)
#include "test_campus.moc"
