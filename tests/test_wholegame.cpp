// Whole afternoons through the real windows to each kind of ending and into the clear record; the album's
// pick (her −2, the lens gesture) and the prologue before 4:31 PM. From the title to the staff roll by the
// keys alone: test_players.
#include "EndingSupport.h"
#include "core/Prologue.h"
#include "core/PrologueLines.h"
#include "ending/ClearRecord.h"
#include "talk/Album.h"
#include "talk/AlbumLines.h"

namespace {
const auto album = []() -> DblAlbum & { return Win<DblAlbum>(); };
const auto thought = [] { return Win<DblAlbum>().Label1->Caption(); };
} // namespace

class TestWholeGame : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(600); } // a game minute in 100 ms

    // Boys' photos do nothing, a quick second click picks nobody; lenses, unless another girl is picked.
    void pickingAGirl() {
        const std::tuple<Qt::KeyboardModifiers, int, int, bool> cases[] = {{Qt::NoModifier, 3, 2, false},
                                                                           {Qt::ShiftModifier, 5, 3, true},
                                                                           {Qt::ControlModifier, 7, 3, true},
                                                                           {Qt::AltModifier, 3, 3, true},
                                                                           {Qt::ShiftModifier, 3, 1, false}};
        for (const auto &[mods, photo, pick, lenses] : cases) {
            ResetWorld();
            Win<DblMain>().Show();
            G.Clicked = True; // the last line of the prologue has just been clicked away
            QString picked;
            Label *boy = album().Image1[7], *gestured = album().Image1[photo], *girl = album().Image1[pick];
            const Qt::KeyboardModifiers held = mods;
            Later([&] { PressOn(gestured, Qt::RightButton, held), ClickOn(boy), ClickOn(album().Image1[6]); },
                  5);
            Later([&] { picked = thought(), ClickOn(girl); }, 10); // then a wait
            Later([&] { picked += thought(), ClickOn(boy); }, 15);
            Later([&] { picked += QString::number(G.TargetGirl), ClickOn(girl), ClickOn(album().Image1[0]); },
                  20);
            PickInAlbum();
            QCOMPARE(picked, Str(lenses ? AlbumPickedLenses : AlbumPicked) + "0");
            QVERIFY(!IsLoaded<DblAlbum>() && G.TargetGirl == pick + 1 && (G.ContactLensFlag != 0) == lenses);
            QVERIFY(G.Affection[pick + 1] == -2 &&
                    std::count(G.Affection.begin(), G.Affection.end(), 0) == 6);
        }
    }
    // The prologue's seven waits, the album's pick (her −2), then 4:31 PM (a continued afternoon, below, has
    // neither).
    void thePrologueOpensTheAlbumAndStartsTheClock() {
        ResetWorld();
        G.Affection = {0, 2, 2, 2, 2, 2, 2};
        DblMain &m = Win<DblMain>();
        QStringList lines; // the seven lines, each waited for, nobody speaking, no way to go
        Player player(4);  // picks heroine 5
        player.BeforeClick = [&] {
            if (IsLoaded<DblAlbum>()) return;
            lines << m.Label2->Caption() + m.Label1->Caption() + (m.Command1[6]->Enabled() ? "!" : "");
            if (lines.size() == 3) CloseBox(&m); // quitting is refused until the pick
        };
        BeginAfternoon(false);
        QVERIFY(lines.size() == 7 && IsLoaded<DblMain>() && World().boxes.size() == 1);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(lines[i], Str(PrologueLines[i]));
        QVERIFY(player.picks == 1 && !IsLoaded<DblAlbum>() && G.TargetGirl == 5 && G.Affection[5] == 0);
        QVERIFY(m.Label1->Caption() == Str(AfterAlbumLine) && m.Label3->Caption().isEmpty());
        QVERIFY(G.Location == 3 && G.Mode == ModeFree && m.Timer1->Enabled() && m.Command1[6]->Enabled() &&
                m.lblClock->Caption() == "4:31 PM");
    }

    // Whole afternoons walking, answering and clicking as a player does, to each kind of ending and into
    // the clear record.
    void eachKindOfEnding() {
        // what, pick, liking, answers, ending, record (the gate's lines, script by script: test_ending)
        const std::tuple<const char *, int, std::array<int, 7>, bool, int, const char *> afternoons[] = {
            {"her ending, mutual", 2, {0, 0, 20, 0, 0, 0, 0}, true, 2, "鷹2"},
            {"her ending, surprised", 4, {0, 0, 20, 0, 0, 0, 0}, true, 2, "鷹3"},
            // Every girl met and left unanswered loses 3: 7 becomes 4, the rest go below zero.
            {"the classmate", 4, {0, 0, 0, 0, 7, 0, 0}, false, 8, "鷹3楓1"},
            {"the sister", 1, {0, -20, -20, -20, -20, -20, -20}, true, 9, "鷹3楓1蘭1"},
        };
        QString record; // carried from one afternoon to the next, as on one player's machine
        for (const auto &[what, target, liking, answers, ending, after] : afternoons) {
            ResetWorld(0.01); // no clock of its own: the player keeps it
            WriteClearRecord(record);
            // A continued afternoon at 4:31 PM on the schoolyard.
            G.Myouji = QStringLiteral("鳴海"), G.TargetGirl = static_cast<Integer>(target), G.Location = 3,
            G.GameMinute = 1;
            for (int k = 1; k <= 6; ++k)
                G.Affection[k] = static_cast<Integer>(liking[k]);
            // Schoolyard to the rooftop (a three-minute walk with the friend's call), the gymnasium,
            // the court, back to the gymnasium and on to the music room to wait out the afternoon.
            Player player(-1, answers ? 0 : -1, {0, 3, 5, 3, 1});
            player.drivesClock = true;
            QVERIFY2(RunEnding([] { BeginAfternoon(true), RunUntil([] { return false; }, 60000); }), what);
            // Answered or not; met on the rooftop and in the music room.
            QVERIFY2((answers ? player.replies >= 3 : player.replies == 0) && G.MetFlag[2] != 0 &&
                         G.MetFlag[4] != 0 && G.EndingNo == ending,
                     what);
            QCOMPARE(record = ReadClearRecord(), QString::fromUtf8(after));
        }
    }
};

QTEST_MAIN(TestWholeGame)
#include "test_wholegame.moc"
