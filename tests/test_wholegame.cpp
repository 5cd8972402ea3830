// The whole program from Main to the end through the real windows: demo, title, start, names, prologue, album, an afternoon with replies, 5:00 PM, confession, epilogue, staff roll and the clear record; and a quit with a save that a second run continues and finishes.
#include "FrontendSupport.h"
#include "TestSupport.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Main.h"
#include "ending/ClearRecord.h"
#include "ending/DblEnding.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include <QTest>

namespace {
constexpr double Scale = 600;  // a game minute in 100 ms

// What was seen on the way, sampled as the game runs.
struct Sightings : QObject {
    bool demo = false, album = false, staffRoll = false, ending = false;
    int lastMinute = 0;
    QTimer timer;
    Sightings() {
        connect(&timer, &QTimer::timeout, this, [this] {
            demo = demo || (IsLoaded<Demoform>() && Win<Demoform>().isVisible());
            album = album || IsLoaded<DblAlbum>();
            staffRoll = staffRoll || IsLoaded<DblEnding>();
            ending = ending || G.Mode == ModeEnding;
            lastMinute = std::max<int>(lastMinute, G.GameMinute);
        });
        timer.start(1);
    }
};

// From Main to the start screen's menu, as the player clicks; the title must be up when Main returns.
DblStart *throughTitle() {
    Main();
    if (IsLoaded<Demoform>() || !IsLoaded<DblTitle>() || !Win<DblTitle>().isVisible()) return nullptr;
    ClickOn(Win<DblTitle>().Label2);
    return IsLoaded<DblStart>() ? &Win<DblStart>() : nullptr;
}

// Stands free until a destination is open, then walks once, so that the afternoon has a walk.
void walkOnce() {
    QVERIFY(RunUntil([] { return G.Mode == ModeFree; }, 5000));
    DblMain &m = Win<DblMain>();
    for (Button *b : m.Command1)
        if (b->isEnabled()) {
            ClickOn(b);
            break;
        }
    QCOMPARE(G.Mode, Integer(ModeWalking));
}

// Lets the afternoon run to its end; true when the program ended.
bool playToTheEnd() {
    return RunEnding([] { RunUntil([] { return false; }, 60000); });
}
} // namespace

class TestWholeGame : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(Scale); }

    void fromMainToTheEnd() {
        Sightings seen;
        Player player(0, 0);
        DblStart *start = throughTitle();
        QVERIFY(start && seen.demo);
        QVERIFY(!IsLoaded<DblTitle>());
        DblStart &s = *start;
        ClickOn(s.Label1[0]);
        s.Text1->setText(QStringLiteral("山田"));
        s.Text2->setText(QStringLiteral("太郎"));
        ClickOn(s.OKBUTTON);  // the prologue and the album run inside
        QVERIFY(seen.album);
        QCOMPARE(G.TargetGirl, Integer(1));
        QCOMPARE(G.GameMinute, Integer(1));
        QVERIFY(!IsLoaded<DblStart>());
        walkOnce();
        QVERIFY(playToTheEnd());
        QVERIFY(World().ended);
        QVERIFY(seen.ending && seen.staffRoll);
        QVERIFY(seen.lastMinute >= 30);
        QVERIFY2(player.replies > 0, "no girl was answered all afternoon");
        // The record holds this one ending, at the level its pick gives.
        const QString record = ReadClearRecord();
        QCOMPARE(record.size(), 2);
        const int ending = EndingOfChar(record[0]);
        QVERIFY(ending >= 1 && ending <= 9);
        QCOMPARE(ending, int(G.EndingNo));
        QCOMPARE(ClearLevel(record, ending), ending == G.TargetGirl ? LevelMutual : LevelConfessed);
        QCOMPARE(GetSetting(QStringLiteral("Velmor"), QStringLiteral("Duskwatch"), QStringLiteral("SavedMyouji")),
                 QStringLiteral("山田"));
        QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
    }

    void quitWithASaveThenContinueAndFinish() {
        Player player(3, 0);
        {
            DblStart *start = throughTitle();
            QVERIFY(start);
            DblStart &s = *start;
            ClickOn(s.Label1[0]);
            s.Text1->setText(QStringLiteral("鈴木"));
            s.Text2->setText(QStringLiteral("次郎"));
            ClickOn(s.OKBUTTON);
        }
        QCOMPARE(G.TargetGirl, Integer(4));
        QVERIFY(RunUntil([] { return G.GameMinute >= 8 && G.Mode == ModeFree; }, 20000));
        player.enabled = false;
        // Quit, saving.
        World().answers = {MsgAnswer::Yes};
        const Integer minute = G.GameMinute;
        QVERIFY(RunEnding([] { Win<DblMain>().close(); }));
        QVERIFY(FileExists(QStringLiteral("DblData.dat")));
        const GameState saved = G;

        // A new run in the same folder with the same settings.
        UnloadAllForms();
        ResetGameState();
        World().ended = false;
        World().boxes.clear();
        player.enabled = true;
        Sightings seen;
        DblStart *start = throughTitle();
        QVERIFY(start && seen.demo);
        DblStart &s = *start;
        // The last names are offered, though this run continues.
        s.Label1_Click(0);
        QCOMPARE(s.Text1->text(), QStringLiteral("鈴木"));
        QCOMPARE(s.Text2->text(), QStringLiteral("次郎"));
        UnloadAllForms();
        DblStart &again = Win<DblStart>();
        again.Show();
        ClickOn(again.Label1[1]);
        QVERIFY(again.LOADOK->isVisible());
        ClickOn(again.LOADOK);
        QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
        QVERIFY(!seen.album);  // no prologue on a continued afternoon
        QCOMPARE(G.Myouji, QStringLiteral("鈴木"));
        QCOMPARE(G.GameMinute, minute);
        QCOMPARE(G.TargetGirl, Integer(4));
        QCOMPARE(G.Location, saved.Location);
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(G.Affection[k], saved.Affection[k]);
            QCOMPARE(G.MetFlag[k], saved.MetFlag[k]);
        }
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(playToTheEnd());
        QVERIFY(seen.staffRoll);
        QCOMPARE(ReadClearRecord().size(), 2);
        QCOMPARE(EndingOfChar(ReadClearRecord()[0]), int(G.EndingNo));
    }
};

QTEST_MAIN(TestWholeGame)
#include "test_wholegame.moc"
