// The whole program from Main to the end through the real windows: demo, title, start, names, prologue,
// album, an afternoon with replies, 5:00 PM, confession, epilogue, staff roll and the clear record; and a
// quit with a save that a second run continues and finishes.
#include "Player.h"
#include "TestSupport.h"
#include "core/Main.h"
#include "ending/ClearRecord.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"

namespace {
// From Main to the start screen as the player clicks; the title must be up, alone, when Main returns.
// With names, on into a new game until the prologue and the album have handed over.
DblStart *throughTitle(const QString &myouji = {}, const QString &namae = {}) {
    Main();
    if (IsLoaded<Demoform>() || !IsLoaded<DblTitle>() || !Win<DblTitle>().isVisible()) return nullptr;
    ClickOn(Win<DblTitle>().Label2);
    if (!IsLoaded<DblStart>() || IsLoaded<DblTitle>()) return nullptr;
    DblStart &s = Win<DblStart>();
    if (myouji.isEmpty()) return &s;
    ClickOn(s.Label1[0]);
    s.Text1->setText(myouji), s.Text2->setText(namae);
    ClickOn(s.OKBUTTON);
    return IsLoaded<DblStart>() ? nullptr : &s;
}

// Lets the afternoon run to the end of the process; then whether the record holds the one ending
// just reached, at the level its pick gives.
bool finishedAndRecorded() {
    if (!RunEnding([] { RunUntil([] { return false; }, 60000); })) return false;
    const QString r = ReadClearRecord();
    const int ending = r.size() == 2 ? EndingOfChar(r[0]) : 0;
    return ending == G.EndingNo && ClearLevel(r, ending) == (ending == G.TargetGirl ? LevelMutual : LevelConfessed);
}
} // namespace

class TestWholeGame : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(600); }  // a game minute in 100 ms

    void fromMainToTheEnd() {
        Player player(0, 0, {0});  // picks the first girl, answers everyone, walks once
        QVERIFY(throughTitle(QStringLiteral("山田"), QStringLiteral("太郎")) && player.picks == 1);
        QVERIFY(G.TargetGirl == 1 && G.GameMinute == 1);
        QVERIFY(finishedAndRecorded() && player.walks == 1 && player.replies > 0);
    }

    void quitWithASaveThenContinueAndFinish() {
        Player player(3, 0);
        QVERIFY(throughTitle(QStringLiteral("鈴木"), QStringLiteral("次郎")) && G.TargetGirl == 4);
        QVERIFY(RunUntil([] { return G.GameMinute >= 8 && G.Mode == ModeFree; }, 20000));
        player.Pause(true);
        World().answers = {MsgAnswer::Yes};  // quit, saving
        QVERIFY(RunEnding([] { CloseBox(&Win<DblMain>()); }) && FileExists(QStringLiteral("DblData.dat")));
        const GameState saved = G;
        // A new run in the same folder with the same settings.
        UnloadAllForms(), ResetGameState(), player.Pause(false);
        World().ended = false;
        DblStart *start = throughTitle();
        QVERIFY(start);
        ClickOn(start->Label1[1]);
        ClickOn(start->LOADOK);
        QVERIFY(player.picks == 1 && !FileExists(QStringLiteral("DblData.dat")));  // no album again; the save used up
        QVERIFY(G.Myouji == "鈴木" && G.GameMinute == saved.GameMinute && G.TargetGirl == 4 && G.Location == saved.Location);
        QVERIFY(G.Affection == saved.Affection && G.MetFlag == saved.MetFlag && G.Mode == ModeFree);
        QVERIFY(finishedAndRecorded());
    }
};

QTEST_MAIN(TestWholeGame)
#include "test_wholegame.moc"
