// The exchange with a girl: five distinct replies with the surname put in, the response and liking
// change of the reply clicked, the departures at the five-minute boundary, and missing data stopping
// the game with a message that names the file.
#include "TalkSupport.h"
#include "core/Scene.h"
#include "talk/Conversation.h"
#include "talk/TalkFiles.h"
#include <QGuiApplication>
#include <QScreen>
#include <set>

class TestConversation : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld();
        WriteSynthTalkFiles();
        G.Myouji = QStringLiteral("山田");
    }

    void fiveDistinctRepliesWithTheSurname() {
        WriteOwnFile("DblKCode.dat", "14A,201,202,203,204,205,206,207,208,209,210\r\n");
        WriteOwnFile("DblKaiwa.dat", "201ＸＸＸです。\r\n202ＸＸＸとＸＸＸ\r\n203ぼくはＸＸＸだ\r\n204四\r\n205五\r\n"
                                     "206六\r\n207七\r\n208八\r\n209九\r\n210十\r\n");
        const QStringList shown = {"山田です。", "山田とＸＸＸ", "ぼくは山田だ", "四", "五", "六", "七", "八", "九", "十"};
        std::set<int> seenFirst, seenLast;
        for (unsigned seed = 1; seed <= 100; ++seed) {
            CloseReplyWindow();
            Randomize(seed);
            DblMain &m = StandAt(1, 4);
            OpenConversation(QStringLiteral("14A"));
            QVERIFY(G.Mode == ModeTalking && !m.Command1[0]->isEnabled() && Win<DblSerif>().isVisible());
            std::set<int> offered;
            for (int k = 1; k <= 5; ++k) {
                QVERIFY(G.OfferedTalk[k] >= 201 && G.OfferedTalk[k] <= 210);
                offered.insert(G.OfferedTalk[k]);
                QCOMPARE(Win<DblSerif>().Reply(k - 1), shown[G.OfferedTalk[k] - 201]);
            }
            QCOMPARE(offered.size(), size_t(5));
            seenFirst.insert(G.OfferedTalk[1]);
            seenLast.insert(G.OfferedTalk[5]);
        }
        QVERIFY(seenFirst.size() == 10 && seenLast.size() == 10); // every slot can come first, and last
    }

    void talkNumbersMatchByValueAcrossLines() {
        WriteOwnFile("DblKCode.dat", "16A,1,2,3,4,5,6,7,8,9,10\r\n16B\r\n 301\r\n+302\r\n303,304,305\r\n306,307,"
                                     "308,309\r\n310\r\n");
        const std::array<int, 10> expected = {301, 302, 303, 304, 305, 306, 307, 308, 309, 310};
        QCOMPARE(ReadCandidates(QStringLiteral("16B")), expected);
        WriteOwnFile("DblKaiwa.dat", "12Ａいちに\r\n012ゼロいちに\r\n");
        QCOMPARE(ReadReplyText(12), QStringLiteral("いちに")); // the first line with the number wins
    }

    void eachButtonAnswersItsOwnSlot() {
        for (int k = 0; k < 5; ++k) {
            Randomize(100u + k);
            DblMain &m = StandAt(5, 6);
            ShowScene(QStringLiteral("C52C"), QStringLiteral("挨拶"), QStringLiteral("春日　ひなた"));
            G.Affection = {0, 0, 3, 0, 0, 0, 0};
            OpenConversation(QStringLiteral("52A"));
            const int talk = G.OfferedTalk[k + 1];
            QCOMPARE(Win<DblSerif>().Reply(k), SynthReply(talk));
            ClickOn(Win<DblSerif>().Command1[k]);
            QVERIFY(!IsLoaded<DblSerif>());
            QCOMPARE(m.Label1->text(), SynthResponse(talk));
            QCOMPARE(G.Affection, (std::array<Integer, 7>{0, 0, Integer(3 + SynthChange(talk)), 0, 0, 0, 0}));
            QVERIFY(G.Mode == ModeFree && m.Command1[0]->isEnabled() && m.Label2->text() == "春日　ひなた");
        }
    }

    void theResponseLineAndItsLastTwoCharacters() {
        WriteOwnFile("DblResp.dat", "14A\r\n012違う区画-9\r\n52A\r\n012ＸＸＸ君-3\r\n013+5\r\n014うれしい10\r\n"
                                    "015ふふ05\r\n016ふつう00\r\n052見出しと同じ番号+1\r\n53B\r\n017後ろの区画+2\r\n");
        const std::vector<std::tuple<int, const char *, int>> cases = {
            {12, "ＸＸＸ君", -3}, {13, "", 5},  {14, "うれしい", 10},       {15, "ふふ", 5},
            {16, "ふつう", 0},    {52, "見出しと同じ番号", 1}, {17, "後ろの区画", 2}};
        for (const auto &[talk, text, change] : cases) {
            DblMain &m = StandAt(5, 7, ModeTalking);
            G.TalkCode = QStringLiteral("52A");
            G.OfferedTalk[3] = static_cast<Integer>(talk);
            G.Affection[2] = 4;
            AnswerReply(3);
            QCOMPARE(m.Label1->text(), QString::fromUtf8(text));
            QCOMPARE(G.Affection[2], Integer(4 + change));
        }
    }

    void theReplyWindowSitsUnderTheCampusWindow() {
        StandAt(1, 4);
        OpenConversation(QStringLiteral("14A"));
        DblSerif &s = Win<DblSerif>();
        const int screen = Tw(QGuiApplication::primaryScreen()->geometry().width());
        QVERIFY(std::abs(s.Top() - G.SerifTop) < 15 && std::abs(s.Left() - (screen - 7515) / 2) < 15);
        s.close(); // closing it does not send the question away
        QVERIFY(IsLoaded<DblSerif>() && G.Mode == ModeTalking);
    }

    void departuresAtTheFiveMinuteBoundary() {
        for (int answer : {-1, 2}) {
            DblMain &m = StandAt(2, 8);
            G.Affection[1] = 2;
            OpenConversation(QStringLiteral("21A"));
            m.Timer1_Timer(); // 4:39: she still waits for his reply
            QVERIFY(G.Mode == ModeTalking && IsLoaded<DblSerif>());
            if (answer >= 0) ClickOn(Win<DblSerif>().Command1[answer]);
            const int expected = answer < 0 ? -1 : 2 + SynthChange(G.OfferedTalk[answer + 1]);
            m.Timer1_Timer(); // 4:40: ignored she leaves hurt, answered she remembers an errand
            QCOMPARE(G.Affection[1], Integer(expected));
            QVERIFY(!IsLoaded<DblSerif>() && G.TalkCode.isEmpty() && G.Mode == ModeFree);
            QVERIFY(m.Command1[0]->isEnabled() && m.Label2->text().isEmpty());
            QCOMPARE(m.Label1->text().contains("用事"), answer >= 0);
        }
    }

    void missingDataStopsTheGameWithAMessage() {
        G.CrLf = QStringLiteral("\r\n");
        const struct {
            const char *file, *text; // text nullptr: the file is missing
            std::function<void()> read;
            const char *named;
        } cases[] = {
            {"DblKCode.dat", nullptr, [] { OpenConversation("52A"); }, "見つかりません"},
            {"DblKCode.dat", "52a,1,2,3,4,5,6,7,8,9,10\r\n", [] { OpenConversation("52A"); }, "52A"},
            {"DblKCode.dat", "52A,101,102,103\r\n", [] { ReadCandidates("52A"); }, "途中で終わって"},
            {"DblKaiwa.dat", nullptr, [] { ReadReplyText(101); }, "見つかりません"},
            {"DblKaiwa.dat", "101いち\r\n102に", [] { ReadReplyText(103); }, "103"},
            {"DblResp.dat", nullptr, [] { ReadResponseLine("52A", 101); }, "見つかりません"},
            {"DblResp.dat", "52B\r\n101はい+1\r\n", [] { ReadResponseLine("52A", 101); }, "52A"},
            {"DblResp.dat", "52A\r\n101はい+1\r\n", [] { ReadResponseLine("52A", 102); }, "102"},
            {"DblResp.dat", "52A\r\n101+\r\n", [] { ReadResponseLine("52A", 101); }, "短すぎ"},
        };
        for (const auto &c : cases) {
            WriteSynthTalkFiles();
            StandAt(5, 6);
            c.text ? WriteOwnFile(c.file, c.text) : void(KillFile(c.file));
            World().boxes.clear();
            QVERIFY(RunEnding(c.read));
            QCOMPARE(World().boxes.size(), size_t(1));
            const QString text = World().boxes[0].text;
            QVERIFY2(World().boxes[0].icon == MsgIcon::Critical && text.contains(c.file) && text.contains(c.named),
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(TestConversation)
#include "test_conversation.moc"
