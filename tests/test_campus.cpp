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

// Free at a place with every girl met and every call made, so nothing but the campus happens.
DblMain &standAt(int location, int minute) {
    G.Location = static_cast<Integer>(location);
    G.GameMinute = static_cast<Integer>(minute);
    G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
    G.PhoneCount = 5;
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = ModeFree;
    RefreshChoices();
    return m;
}

QImage pictureOf(const QString &code) { return LoadPicture(code + ".DBL").toImage(); }
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
        QVERIFY(RunUntil([] { return G.GameMinute >= 29; }));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:59 PM"));
        // At the gate's first wait: the clock has stopped at 30; then leave the game.
        Integer minuteAtGate = 0;
        bool timerRunning = true;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (G.Mode != ModeEnding) return;
            minuteAtGate = G.GameMinute;
            timerRunning = m.Timer1->Enabled();
            LeaveGame();
        });
        watch.start(5);
        RunEnding([&] { RunUntil([] { return false; }); });
        QCOMPARE(minuteAtGate, Integer(30));
        QVERIFY(!timerRunning);
    }

    void buttonsFollowPlaceAndMode() {
        const std::map<int, std::set<int>> expected = {{1, {1, 2, 3, 4}}, {2, {0, 3}}, {3, {0, 6}}, {4, {0, 1, 5}},
                                                       {5, {0, 6}},       {6, {3}},    {7, {2, 4}}};
        for (const auto &[place, buttons] : expected) {
            standAt(place, 1);
            QCOMPARE(enabledButtons(), buttons);
            G.Mode = ModePhone;  // a call leaves them as they are
            RefreshChoices();
            QCOMPARE(enabledButtons(), buttons);
            for (Integer mode : {Integer(ModeWalking), Integer(ModeTalking), Integer(ModeEnding)}) {
                G.Mode = mode;
                RefreshChoices();
                QVERIFY(enabledButtons().empty());
            }
        }
    }

    void everyWalkTakesItsTime() {
        for (int from = 1; from <= 7; ++from)
            for (int to = 1; to <= 7; ++to) {
                const int minutes = WalkMinutes[from][to];
                if (!minutes) continue;
                ResetWorld();
                DblMain &m = standAt(from, 10);
                ClickOn(m.Command1[to - 1]);
                QCOMPARE(G.ArriveMinute, Integer(10 + minutes));
                for (int t = 1; t < minutes; ++t) m.Timer1_Timer();
                QCOMPARE(G.Location, Integer(from));
                m.Timer1_Timer();
                QCOMPARE(G.Location, Integer(to));
                QCOMPARE(m.Caption(), QString::fromUtf16(PlaceCaption[to - 1]));
                QCOMPARE(G.Mode, Integer(ModeFree));
            }
    }

    void walkingShowsCaptionPictureAndNarration() {
        for (int start : {24, 25}) {  // arriving at 27, then at 28: the late one worries about the gate
            ResetWorld();
            DblMain &m = standAt(3, start);
            ClickOn(m.Command1[0]);  // the rooftop, three minutes
            QCOMPARE(m.Caption(), QStringLiteral("【移動中】 -Duskbell-"));
            QCOMPARE(m.Image1->pixmap().toImage(), pictureOf(QStringLiteral("C00B")));
            QVERIFY(m.Label1->text().startsWith(QStringLiteral("校舎Ａ")));
            QCOMPARE(m.Label1->text().contains(QStringLiteral("3")), start == 24);
            QCOMPARE(m.Label1->text().contains(QStringLiteral("間に合う")), start == 25);
            m.Timer3_Timer();
            QVERIFY(m.Image2[0]->isVisible() != m.Image2[1]->isVisible());
        }
    }

    void skipGestureNeedsRightButtonWithExactlyShiftAndCtrl() {
        DblMain &m = standAt(3, 10);
        const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
        const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> misses[] = {
            {Qt::LeftButton, both}, {Qt::RightButton, Qt::ShiftModifier}, {Qt::RightButton, Qt::ControlModifier},
            {Qt::RightButton, both | Qt::AltModifier}, {Qt::RightButton, Qt::NoModifier}};
        for (const auto &[button, mods] : misses) PressOn(m.KaKushiDummy, button, mods);
        QCOMPARE(G.GameMinute, Integer(10));
        PressOn(m.KaKushiDummy, Qt::RightButton, both);
        QCOMPARE(G.GameMinute, Integer(11));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:41 PM"));
    }

    void scenesChangePictureAndMusicOnlyWhenTheyShould() {
        DblMain &m = standAt(3, 10);
        ShowScene(QStringLiteral("C30C"), QStringLiteral("a"), QStringLiteral("b"));
        QCOMPARE(G.MusicFile, QStringLiteral("M00C.mid"));
        ShowScene(QString(), QStringLiteral("text"), QString());  // an empty code keeps picture and music
        QCOMPARE(m.Label2->text(), QString());
        QCOMPARE(m.Image1->pixmap().toImage(), pictureOf(QStringLiteral("C30C")));
        G.MusicFile = QStringLiteral("marker");
        ShowScene(QStringLiteral("C00B"), QString(), QString());  // same music: not restarted
        QCOMPARE(G.MusicFile, QStringLiteral("marker"));
        G.ContactLensFlag = True;
        ShowScene(QStringLiteral("C84C"), QString(), QString());
        QCOMPARE(m.Image1->pixmap().toImage(), pictureOf(QStringLiteral("C87C")));
        QCOMPARE(G.MusicFile, QStringLiteral("M40C.mid"));
        G.Mode = ModeEnding;  // a new picture, the ending's caption, the same music
        ShowScene(QStringLiteral("C81C"), QString(), QString());
        QCOMPARE(m.Image1->pixmap().toImage(), pictureOf(QStringLiteral("C81C")));
        QCOMPARE(m.Caption(), QStringLiteral("-Duskbell-"));
        QCOMPARE(G.MusicFile, QStringLiteral("M40C.mid"));
        G.Mode = ModeFree;  // a missing picture leaves the area empty and the game going
        ShowScene(QStringLiteral("C99Z"), QString(), QString());
        QVERIFY(m.Image1->pixmap().isNull());
    }

    void waitClickIgnoresEarlierClicksAndTakesKeys() {
        DblMain &m = standAt(3, 10);
        G.Clicked = True;  // a click made before the wait
        Integer seenInWait = -1;
        Later([&] {
            seenInWait = G.Clicked;
            ClickOn(m.lblClock);  // the clock and the speaker are no clicks
            ClickOn(m.Label2);
        }, 10);
        Later([&] { QTest::keyClick(&m, Qt::Key_Space); }, 60);
        WaitClick();
        QCOMPARE(seenInWait, Integer(0));
        QCOMPARE(m.Label3->text(), QString());
    }

    void ticksGoOnDuringAWait() {
        ResetWorld(600);  // a game minute in 100 ms
        standAt(3, 1);
        StartClock();
        Later([] { G.Clicked = True; }, 450);
        WaitClick();
        QVERIFY(G.GameMinute >= 4 && G.GameMinute < 30);
    }

    void quittingIsRefusedBeforeThePickAndAtTheGate() {
        DblMain &m = standAt(3, 10);
        for (Integer mode : {Integer(ModeFree), Integer(ModeEnding)}) {
            G.TargetGirl = mode == ModeFree ? 0 : 2;
            G.Mode = mode;
            m.close();
        }
        QCOMPARE(World().boxes.size(), size_t(2));
        QCOMPARE(World().boxes[1].text, QStringLiteral("ここではゲームの中断はできません"));
        QVERIFY(IsLoaded<DblMain>() && !World().ended && !FileExists(QStringLiteral("DblData.dat")));
    }

    void theThreeAnswersToTheSaveQuestion() {
        DblMain &m = standAt(5, 17);
        G.TargetGirl = 4;
        World().answers = {MsgAnswer::Cancel};
        m.close();
        QVERIFY(World().boxes[0].text.startsWith(QStringLiteral("Duskbell を終了します。\r\n次回")));
        QVERIFY(IsLoaded<DblMain>() && !World().ended);
        QVERIFY(WriteTextFile(QStringLiteral("DblData.dat"), QStringLiteral("old")));
        World().answers = {MsgAnswer::No};  // ends, and an older save stays as it was
        QVERIFY(RunEnding([&] { m.close(); }));
        QCOMPARE(ReadTextFile(QStringLiteral("DblData.dat")), QStringLiteral("old"));
        ResetWorld();  // the process ended: the next answer is another run
        DblMain &again = standAt(5, 17);
        G.TargetGirl = 4;
        World().answers = {MsgAnswer::Yes};
        QVERIFY(RunEnding([&] { again.close(); }));
        QVERIFY(ReadTextFile(QStringLiteral("dbldata.dat")).endsWith(QStringLiteral(" 4 \r\n 5 \r\n")));
    }
};

QTEST_MAIN(TestCampus)
#include "test_campus.moc"
