// The campus window: walks and walking times, buttons per place, the skip gesture, scenes,
// the click wait and quitting with the save question.
#include "TestSupport.h"
#include "core/Campus.h"
#include "core/Choices.h"
#include "core/Scene.h"
#include "platform/TextFile.h"
#include <QRegularExpression>
#include <QTest>
#include <set>

namespace {
std::set<int> enabledButtons() {
    std::set<int> on;
    for (int i = 0; i < 7; ++i)
        if (Win<DblMain>().Command1[i]->Enabled()) on.insert(i);
    return on;
}
// Free at a place with every girl met and every call made, so nothing but the campus happens.
DblMain &standAt(int location, int minute) {
    G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
    G.PhoneCount = 5;
    return StandAt(location, minute);
}
} // namespace

class TestCampus : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void buttonsFollowPlaceAndMode() {
        const std::map<int, std::set<int>> expected = {
            {1, {1, 2, 3, 4}}, {2, {0, 3}}, {3, {0, 6}}, {4, {0, 1, 5}}, {5, {0, 6}}, {6, {3}}, {7, {2, 4}}};
        for (const auto &[place, buttons] : expected) {
            standAt(place, 1);
            QCOMPARE(enabledButtons(), buttons);
            for (Integer mode :
                 {Integer(ModePhone), Integer(ModeWalking), Integer(ModeTalking), Integer(ModeEnding)}) {
                G.Mode = mode; // a call leaves them as they are
                RefreshChoices();
                QCOMPARE(enabledButtons(), mode == ModePhone ? buttons : std::set<int>());
            }
        }
    }

    // The walks both ways, "from to minutes"; every other pair has no button (above). On the way: the
    // walking caption, picture and animation, and the narration, which worries about the gate when the
    // walk ends at 28 or later (the way back here) and gives the minutes otherwise.
    void everyWalkTakesItsTimeAndIsNarrated() {
        for (const QString &walk : QStringLiteral("123 133 142 152 241 371 461 571").split(' '))
            for (auto [from, to] : {std::pair{walk[0].digitValue(), walk[1].digitValue()},
                                    {walk[1].digitValue(), walk[0].digitValue()}}) {
                const int minutes = walk[2].digitValue(), start = (from < to ? 27 : 28) - minutes;
                ResetWorld();
                DblMain &m = standAt(from, start);
                ClickOn(m.Command1[to - 1]);
                const QString said = m.Label1->Caption();
                QVERIFY(G.ArriveMinute == start + minutes && m.Caption() == "【移動中】 -Duskbell-" &&
                        Shows("C00B"));
                QVERIFY2(said.startsWith(Str(PlaceButton[to - 1])) &&
                             said.contains(QChar(u'０' + minutes)) == (from < to) &&
                             !said.contains(QRegularExpression("[0-9]")) &&
                             said.contains("間に合う") == (from > to),
                         qPrintable(said));
                m.Timer3_Timer();
                QVERIFY(m.Image2[0]->Visible() != m.Image2[1]->Visible());
                for (int t = 1; t < minutes; ++t)
                    m.Timer1_Timer();
                QCOMPARE(G.Location, Integer(from));
                m.Timer1_Timer();
                QVERIFY(G.Location == to && G.Mode == ModeFree && m.Caption() == Str(PlaceCaption[to - 1]));
            }
    }

    void skipGestureNeedsRightButtonWithExactlyShiftAndCtrl() {
        DblMain &m = standAt(3, 10);
        const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
        const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> misses[] = {
            {Qt::LeftButton, both},
            {Qt::RightButton, Qt::ShiftModifier},
            {Qt::RightButton, Qt::ControlModifier},
            {Qt::RightButton, both | Qt::AltModifier},
            {Qt::RightButton, Qt::NoModifier}};
        for (const auto &[button, mods] : misses)
            PressOn(m.KaKushiDummy, button, mods);
        QCOMPARE(G.GameMinute, Integer(10));
        PressOn(m.KaKushiDummy, Qt::RightButton, both);
        QVERIFY(G.GameMinute == 11 && m.lblClock->Caption() == "4:41 PM");
    }

    void scenesChangePictureAndMusicOnlyWhenTheyShould() {
        DblMain &m = standAt(3, 10);
        ShowScene(QStringLiteral("C30C"), QStringLiteral("a"), QStringLiteral("b"));
        QCOMPARE(G.MusicFile, QStringLiteral("M00C.mid"));
        ShowScene(QString(), QStringLiteral("text"), QString()); // an empty code keeps picture and music
        QVERIFY(m.Label2->Caption().isEmpty() && Shows("C30C"));
        G.MusicFile = QStringLiteral("marker"),
        ShowScene(QStringLiteral("C00B"), {}, {}); // same music: not restarted
        QCOMPARE(G.MusicFile, QStringLiteral("marker"));
        G.ContactLensFlag = True, ShowScene(QStringLiteral("C84C"), {}, {});
        QVERIFY(Shows("C87C") && G.MusicFile == "M40C.mid");
        G.Mode = ModeEnding,
        ShowScene(QStringLiteral("C81C"), {}, {}); // a new picture, the ending's caption, the same music
        QVERIFY(Shows("C81C") && m.Caption() == "-Duskbell-" && G.MusicFile == "M40C.mid");
        G.Mode = ModeFree,
        ShowScene(QStringLiteral("C99Z"), {}, {}); // a missing picture: the area empty, the game going
        QVERIFY(m.Image1->Picture().isNull());
    }

    void waitClickIgnoresEarlierClicksAndTakesKeys() {
        DblMain &m = standAt(3, 10);
        G.Clicked = True; // a click made before the wait
        Integer seenInWait = -1, afterThem = -1;
        // The clock and the speaker are no clicks; nor are F1 (its button on: a walk, but never over a line
        // that waits) and F8 (no eighth place).
        Later([&] {
            seenInWait = G.Clicked, ClickOn(m.lblClock), ClickOn(m.Label2);
            KeyOn(&m, Qt::Key_F1), KeyOn(&m, Qt::Key_F8), afterThem = G.Clicked;
            KeyOn(&m, Qt::Key_Space); // then the line is clicked away
        });
        WaitClick();
        QVERIFY(seenInWait == 0 && afterThem == 0 && m.Label3->Caption().isEmpty() && G.Destination == 0 &&
                G.Mode == ModeFree && m.Command1[0]->Enabled());
    }

    // Closing the window is refused before the pick and at the gate; otherwise it asks about saving: No
    // ends and leaves an older save as it was, Yes saves and ends (Cancel: test_quitting).
    void closingTheWindow() {
        const QString refused = QStringLiteral("ここではゲームの中断はできません"),
                      ask = QStringLiteral("Duskbell を終了します。\r\n次回");
        const std::tuple<int, Integer, MsgAnswer, QString, QString, bool> cases[] = {
            {0, ModeFree, MsgAnswer::Yes, refused, "old", false}, // pick, mode, answer, box, save, ends
            {2, ModeEnding, MsgAnswer::Yes, refused, "old", false},
            {4, ModeFree, MsgAnswer::No, ask, "old", true},
            {4, ModeFree, MsgAnswer::Yes, ask, " 4 \r\n 5 \r\n", true}};
        for (const auto &[target, mode, answer, box, save, ends] : cases) {
            ResetWorld();
            DblMain &m = standAt(5, 17);
            G.TargetGirl = static_cast<Integer>(target), G.Mode = mode;
            QVERIFY(WriteTextFile(QStringLiteral("DblData.dat"), QStringLiteral("old")));
            World().answers = {answer};
            QCOMPARE(RunEnding([&] { CloseBox(&m); }), ends);
            QVERIFY(World().boxes.size() == 1 && World().boxes[0].text.startsWith(box) &&
                    World().ended == ends);
            QVERIFY(IsLoaded<DblMain>() && ReadTextFile(QStringLiteral("dbldata.dat")).endsWith(save));
        }
    }
};

QTEST_MAIN(TestCampus)
#include "test_campus.moc"
