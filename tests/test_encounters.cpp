// Each girl is met where the timetable puts her, once, arriving (A) or waiting (B), with her greeting;
// five distinct replies, the clicked one's response and liking change, departures, missing data named;
// and the friend's calls on long walks, with a hint at the girl picked, holding 5:00 back.
#include "Player.h"
#include "TestSupport.h"
#include "core/Campus.h"
#include "core/Lines.h"
#include "core/Prologue.h"
#include "talk/Conversation.h"
#include "talk/Encounter.h"
#include "talk/EncounterLines.h"
#include "talk/Phone.h"
#include "talk/TalkFiles.h"
#include "talk/Timetable.h"
#include <set>

class TestEncounters : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(300); // a game minute in a fifth of a second, once the clock runs
        WriteSynthTalkFiles();
        G.Myouji = QStringLiteral("山田");
    }
    // Every cell, arriving and waiting: nobody once she has been met, else her greeting, picture and code.
    void everyCellOfTheTimetable() {
        int met = 0;
        for (int minute = 1; minute <= 29; ++minute)
            for (int place = 1; place <= 7; ++place)
                for (char v : {'A', 'B'})
                    for (Integer before : {1, 0}) {
                        const bool due = v == 'A' ? IsEncounterMinute(minute) : minute % 5 == 1 && minute > 5;
                        const int slot = SlotOfMinute(minute), girl = due ? Timetable[slot][place] : 0;
                        const QString pair = QStringLiteral("%1%2").arg(place).arg(girl);
                        Unload<DblSerif>(), G.TalkCode.clear(), G.MetFlag.fill(before);
                        StandAt(place, minute, v == 'A' ? ModeWalking : ModeFree);
                        v == 'A' ? EncounterOnArrival() : EncounterWhileWaiting();
                        const bool meets = girl != 0 && !before;
                        met += meets;
                        const QString greeting = Win<DblMain>().Label1->Caption(),
                                      picture =
                                          pair + (QStringList{"21", "35", "72"}.contains(pair) ? v : 'C');
                        // Waiting, she says the words she has for a player already there; arriving, others.
                        const auto entry =
                            std::find_if(Encounters.begin(), Encounters.end(), [&](const EncounterEntry &e) {
                                return e.location == place && e.heroine == girl;
                            });
                        const bool waitingWords =
                            entry != Encounters.end() && greeting == Str(entry->greetingB);
                        QVERIFY2(
                            G.TalkCode == (meets ? pair + v : QString()) && IsLoaded<DblSerif>() == meets &&
                                (!meets ||
                                 (waitingWords == (v == 'B') && greeting == GreetingOf(G.TalkCode, slot) &&
                                  !greeting.isEmpty() && CanEncodeCp932(greeting) && Shows('C' + picture) &&
                                  G.MetFlag[girl] == 1 && G.Mode == ModeTalking)),
                            qPrintable(QStringLiteral("4:%1 %2%3").arg(minute + 30).arg(picture).arg(v)));
                    }
        // Girls by slot: 1, 4, 6, 6, 5, 2. Met arriving on every minute of a slot, waiting on its first.
        QCOMPARE(met, 2 * 1 + 3 * (4 + 6 + 6 + 5 + 2) + (4 + 6 + 6 + 5 + 2));
        G.ContactLensFlag = True, StandAt(1, 3, ModeWalking), EncounterOnArrival(); // heroine 4's other look
        QVERIFY(G.TalkCode == "14A" && Shows(QStringLiteral("C17C")));
    }
    // Five distinct talks, first placeholder only filled, window at SerifTop; button k answers talk k+1.
    void fiveDistinctRepliesEachAnsweringItsOwnSlot() {
        std::set<int> first, last; // every talk can come first, and last
        for (unsigned seed = 1; seed <= 100; ++seed) {
            Randomize(seed);
            DblMain &m = StandAt(5, 6);
            G.Affection = {0, 0, 3, 0, 0, 0, 0}, OpenConversation(QStringLiteral("52A"));
            DblSerif &s = Win<DblSerif>();
            QVERIFY(G.Mode == ModeTalking && !m.Command1[0]->Enabled() &&
                    std::abs(s.Top() - G.SerifTop) < 15 &&
                    std::set<int>(G.OfferedTalk.begin() + 1, G.OfferedTalk.end()).size() == 5);
            for (int k = 1; k <= 5; ++k)
                QVERIFY(G.OfferedTalk[k] > 300 && G.OfferedTalk[k] <= 310 &&
                        s.Reply(k - 1) == QStringLiteral("山田返事%1ＸＸＸ").arg(G.OfferedTalk[k]));
            first.insert(G.OfferedTalk[1]), last.insert(G.OfferedTalk[5]);
            const int k = seed % 5, talk = G.OfferedTalk[k + 1];
            ClickOn(s.Command1[k]);
            QVERIFY(!IsLoaded<DblSerif>() && m.Label1->Caption() == QStringLiteral("答え%1").arg(talk) &&
                    G.Mode == ModeFree &&
                    G.Affection == (std::array<Integer, 7>{0, 0, Integer(talk % 7), 0, 0, 0, 0}) &&
                    m.Command1[0]->Enabled());
        }
        QVERIFY(first.size() == 10 && last.size() == 10);
    }
    // At 4:40 an ignored girl leaves hurt (-3), an answered one remembers an errand of her own (no cost).
    void departuresAtTheFiveMinuteBoundary() {
        // Each girl leaves in her own way, told by her surname; a code naming no girl gets a neutral line.
        const QStringList surnames = QStringLiteral("白石 春日 桐島 水瀬 朝倉 西園寺").split(' ');
        for (int girl = 0; girl <= 7; ++girl)
            for (const QString line : {Str(ErrandLineOf(girl)), Str(IgnoredLineOf(girl))})
                for (int other = 1; other <= 6; ++other)
                    QVERIFY(line.contains(surnames[other - 1]) == (girl == other));
        for (int answer : {-1, 2}) {
            DblMain &m = StandAt(2, 8);
            G.Affection[1] = 2, OpenConversation(QStringLiteral("21A"));
            CloseBox(&Win<DblSerif>()),
                m.Timer1_Timer(); // closing the reply window does not send her away; 4:39
            QVERIFY(G.Mode == ModeTalking && IsLoaded<DblSerif>());
            if (answer >= 0) ClickOn(Win<DblSerif>().Command1[answer]);
            const int expected = answer < 0 ? -1 : 2 + G.OfferedTalk[answer + 1] % 7 - 3;
            m.Timer1_Timer(); // 4:40
            QVERIFY(G.Affection[1] == expected && !IsLoaded<DblSerif>() && G.TalkCode.isEmpty() &&
                    G.Mode == ModeFree && m.Command1[0]->Enabled() && m.Label2->Caption().isEmpty() &&
                    m.Label1->Caption().contains(QStringLiteral("白石さん")) &&
                    m.Label1->Caption().contains(QStringLiteral("ご挨拶")) == (answer >= 0));
        }
    }
    void missingDataStopsTheGameWithAMessage() {
        // file, its text (nullptr: missing), what reads it, what the message names
        const std::tuple<const char *, const char *, std::function<void()>, const char *> cases[] = {
            {"DblKCode.dat", nullptr, [] { OpenConversation("52A"); }, "見つかりません"},
            {"DblKCode.dat", "52a,1,2,3,4,5,6,7,8,9,10\r\n", [] { ReadCandidates("52A"); }, "52A"},
            {"DblKCode.dat", "52A,101,102,103\r\n", [] { ReadCandidates("52A"); }, "途中で終わって"},
            {"DblKaiwa.dat", "101いち\r\n102に", [] { ReadReplyText(103); }, "103"},
            {"DblResp.dat", "52B\r\n101はい+1\r\n", [] { ReadResponseLine("52A", 101); }, "52A"},
            {"DblResp.dat", "52A\r\n101はい+1\r\n", [] { ReadResponseLine("52A", 102); }, "102"},
            {"DblKCode.dat", "52A,101", [] { ReadCandidates("52A"); }, "壊れて"}};
        for (const auto &[file, content, read, named] : cases) {
            if (QByteArray(named) == "壊れて") // half a two-byte character at the end
                PutGameFile(file, QByteArray(content) + char(0x82));
            else
                content ? PutTextFile(file, content) : KillFile(file);
            World().boxes.clear();
            QVERIFY(RunEnding(read) && World().boxes.size() == 1);
            const MsgBoxRequest &box = World().boxes[0];
            QVERIFY2(box.icon == MsgIcon::Critical && box.text.contains(file) && box.text.contains(named),
                     qPrintable(box.text));
        }
        // After the album pick the afternoon is kept before the game stops: the resumed save is gone by then.
        G.TargetGirl = 2, G.Location = 5, G.GameMinute = 6, G.Mode = ModeFree, KillFile("DblKCode.dat");
        QVERIFY(!FileExists("DBLDATA.DAT") && RunEnding([] { OpenConversation("52A"); }));
        QVERIFY(FileExists("DBLDATA.DAT") &&
                World().boxes.back().text.contains(QStringLiteral("セーブしてあります")));
    }
    // The friend's first call: ringing, hello, the hint at the girl picked (or hello again), question,
    // goodbye; then the closing on the hang-up picture. Nobody is left to meet on the walks.
    void theFriendsCalls() {
        const QStringList family = {"", "白石", "春日", "桐島", "水瀬", "朝倉", "西園寺"};
        const QString kenji = QStringLiteral("滝本　健二");
        for (int girl = 0; girl <= 6; ++girl) {
            G.MetFlag.fill(1);
            DblMain &m = StandAt(3, 2, ModeWalking);
            G.TargetGirl = Integer(girl), G.PhoneCount = 0;
            QStringList speakers, lines;
            Player player;
            player.BeforeClick = [&] {
                speakers << m.Label2->Caption(), lines << m.Label1->Caption();
                QVERIFY(G.Mode == ModePhone && Shows("C00A"));
            };
            PhoneCall();
            QVERIFY(speakers == QStringList({"", kenji, kenji, "", kenji}) && lines[1].contains("山田") &&
                    (girl != 0 || lines[2] == lines[1]) && G.Mode == ModeWalking && Shows("C00B") &&
                    m.Label3->Caption().isEmpty());
            for (int other = 1; other <= 6; ++other)
                QCOMPARE(lines[2].contains(family[other]), other == girl);
        }
        // It calls on the first, second and fourth long walk, without delaying it.
        init(), G.MetFlag.fill(1);
        DblMain &m = StandAt(3, 1);
        // The player keeps the clock: a minute passes only when no line waits for him, however slow the
        // machine.
        SetTimeScale(1e-3), StartClock();
        Player player; // schoolyard, rooftop, music room, rooftop, schoolyard: four walks of three minutes
        player.drivesClock = true;
        const int buttons[] = {0, 1, 0, 2}, places[] = {1, 2, 1, 3}, waits[] = {5, 5, 0, 3};
        for (int n = 0; n < 4; ++n) {
            const int clicksBefore = player.clicks, start = G.GameMinute;
            ClickOn(m.Command1[buttons[n]]);
            QVERIFY(RunUntil([&] { return G.Location == places[n] && G.Mode == ModeFree; }));
            QVERIFY(player.clicks - clicksBefore == waits[n] && G.GameMinute == start + 3 &&
                    G.PhoneCount == n + 1);
        }
    }
    // The call runs past five: the walk waits for it, then the five-o'clock line, only then the gate.
    void aCallPastFiveHoldsTheGateBack() {
        G.MetFlag.fill(1);
        DblMain &m = StandAt(3, 27);
        StartClock(),
            G.TalkCode = QStringLiteral("35A"); // a girl he walked away from: no errand line in the call
        Player player;
        QStringList lines;
        player.BeforeClick = [&] {
            if (lines.isEmpty()) { // he lets the ringing run on past five; the walk waits for the call
                player.Pause(true);
                QVERIFY(RunUntil([] { return G.GameMinute >= 31; }));
                QVERIFY(m.lblClock->Caption() == "5:00 PM" && G.Mode == ModePhone && G.Location == 3);
                m.Timer1->SetEnabled(false), player.Pause(false); // the test takes over the clock
            }
            lines << m.Label1->Caption();
        };
        ClickOn(m.Command1[0]); // to the rooftop: due at 5:00 PM
        QVERIFY(RunUntil([] { return G.PhoneCount == 1 && G.Mode == ModeWalking; }, 15000));
        QVERIFY(G.TalkCode == "35A" && lines.size() == 6 && lines[5].contains("五時") && Shows("C00A"));
        bool endingSeen = false;
        player.BeforeClick = [&] { endingSeen |= G.Mode == ModeEnding; };
        QVERIFY(RunEnding([&] { m.Timer1_Timer(); }) && endingSeen);
    }
};

QTEST_MAIN(TestEncounters)
#include "test_encounters.moc"
