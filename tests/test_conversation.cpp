// The exchange with a girl: five distinct replies with the surname put in, the response and liking
// change of the reply clicked, the departures at the five-minute boundary, and missing data stopping
// the game with a message that names the file.
#include "TalkSupport.h"
#include "core/Choices.h"
#include "core/Scene.h"
#include "talk/Conversation.h"
#include "talk/TalkFiles.h"
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <set>

using namespace talktest;

namespace {
DblMain &standAt(int location, int minute) {
    G.Location = static_cast<Integer>(location);
    G.GameMinute = static_cast<Integer>(minute);
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = ModeFree;
    RefreshChoices();
    return m;
}

bool anyDestinationEnabled() {
    for (Button *b : Win<DblMain>().Command1)
        if (b->isEnabled()) return true;
    return false;
}

// One record whose ten replies show the placeholder at the start, twice, or not at all.
void writePlaceholderFiles() {
    WriteOwnFile(QStringLiteral("DblKCode.dat"),
                 QStringLiteral("# 記録\r\n14A,201,202,203,204,205,206,207,208,209,210\r\n"));
    WriteOwnFile(QStringLiteral("DblKaiwa.dat"), QStringLiteral("201ＸＸＸです、よろしく。\r\n"
                                                                "202ＸＸＸとＸＸＸ、二回。\r\n"
                                                                "203いい天気だね。\r\n"
                                                                "204ぼくはＸＸＸっていうんだ。\r\n"
                                                                "205五番\r\n206六番\r\n207七番\r\n208八番\r\n"
                                                                "209九番\r\n210十番\r\n"));
}

const std::map<int, QString> PlaceholderCaptions = {{201, QStringLiteral("山田です、よろしく。")},
                                                    {202, QStringLiteral("山田とＸＸＸ、二回。")},
                                                    {203, QStringLiteral("いい天気だね。")},
                                                    {204, QStringLiteral("ぼくは山田っていうんだ。")},
                                                    {205, QStringLiteral("五番")},
                                                    {206, QStringLiteral("六番")},
                                                    {207, QStringLiteral("七番")},
                                                    {208, QStringLiteral("八番")},
                                                    {209, QStringLiteral("九番")},
                                                    {210, QStringLiteral("十番")}};

// Runs f, which must stop the game with one critical box naming the file and the missing thing.
void expectDataError(const std::function<void()> &f, const QString &file, const QString &what) {
    World().boxes.clear();
    QVERIFY(RunEnding(f));
    QCOMPARE(World().boxes.size(), size_t(1));
    const MsgBoxRequest &box = World().boxes[0];
    QCOMPARE(box.icon, MsgIcon::Critical);
    QVERIFY2(box.text.contains(file), qPrintable(box.text));
    QVERIFY2(box.text.contains(what), qPrintable(box.text));
}
} // namespace

class TestConversation : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void fiveDistinctRepliesWithTheSurname() {
        writePlaceholderFiles();
        G.Myouji = QStringLiteral("山田");
        std::set<int> seenFirst, seenLast;
        for (unsigned seed = 1; seed <= 150; ++seed) {
            CloseReplyWindow();
            Randomize(seed);
            standAt(1, 4);
            OpenConversation(QStringLiteral("14A"));
            QCOMPARE(G.Mode, Integer(ModeTalking));
            QCOMPARE(G.TalkCode, QStringLiteral("14A"));
            QVERIFY(!anyDestinationEnabled());
            QVERIFY(IsLoaded<DblSerif>() && Win<DblSerif>().isVisible());
            std::set<int> offered;
            for (int k = 1; k <= 5; ++k) {
                const int talk = G.OfferedTalk[k];
                QVERIFY2(PlaceholderCaptions.count(talk), qPrintable(QString::number(talk)));
                offered.insert(talk);
                QCOMPARE(Win<DblSerif>().Reply(k - 1), PlaceholderCaptions.at(talk));
            }
            QCOMPARE(offered.size(), size_t(5));
            seenFirst.insert(G.OfferedTalk[1]);
            seenLast.insert(G.OfferedTalk[5]);
        }
        // Every one of the ten slots can come first, and last.
        QCOMPARE(seenFirst.size(), size_t(10));
        QCOMPARE(seenLast.size(), size_t(10));
    }

    void anAmpersandInTheSurnameShowsAsItself() {
        writePlaceholderFiles();
        G.Myouji = QStringLiteral("A&B");
        standAt(1, 4);
        OpenConversation(QStringLiteral("14A"));
        for (int k = 1; k <= 5; ++k)
            if (G.OfferedTalk[k] == 201)
                QCOMPARE(Win<DblSerif>().Reply(k - 1), QStringLiteral("A&Bです、よろしく。"));
    }

    void talkNumbersMatchByValue() {
        WriteOwnFile(QStringLiteral("DblKaiwa.dat"), QStringLiteral("# 見出しの行\r\n"
                                                                    "12Ａいちに\r\n"
                                                                    "012ゼロいちに\r\n"
                                                                    "\" 7 なな\"\r\n"
                                                                    "033ＸＸＸ\r\n"));
        QCOMPARE(ReadReplyText(12), QStringLiteral("いちに")); // the first line with the number wins
        QCOMPARE(ReadReplyText(7), QStringLiteral("なな"));
        QCOMPARE(ReadReplyText(0), QString());                 // the empty field before the first line
        QCOMPARE(ReadReplyText(33), QStringLiteral("ＸＸＸ")); // the reader leaves the placeholder
        QCOMPARE(InsertSurname(QStringLiteral("ＸＸＸ"), QStringLiteral("佐藤")), QStringLiteral("佐藤"));
    }

    void recordsMayStandOnSeparateLines() {
        WriteOwnFile(
            QStringLiteral("DblKCode.dat"),
            QStringLiteral("16A,1,2,3,4,5,6,7,8,9,10\r\n16B\r\n 301\r\n+302\r\n303,304\r\n305,306,307,"
                           "308,309\r\n310\r\n"));
        const std::array<int, 10> expected = {301, 302, 303, 304, 305, 306, 307, 308, 309, 310};
        QCOMPARE(ReadCandidates(QStringLiteral("16B")), expected);
    }

    void eachButtonAnswersItsOwnSlot() {
        for (int k = 0; k < 5; ++k) {
            ResetWorld();
            WriteSynthTalkFiles();
            Randomize(100u + k);
            DblMain &m = standAt(5, 6);
            ShowScene(QStringLiteral("C52C"), QStringLiteral("挨拶"), QStringLiteral("春日　ひなた"));
            G.Affection[2] = 3;
            OpenConversation(QStringLiteral("52A"));
            const int talk = G.OfferedTalk[k + 1];
            QCOMPARE(Win<DblSerif>().Reply(k), SynthReply(talk));
            ClickOn(Win<DblSerif>().Command1[k]);
            QVERIFY(!IsLoaded<DblSerif>());
            QCOMPARE(m.Label1->text(), SynthResponse(talk));
            QCOMPARE(G.Affection[2], Integer(3 + SynthChange(talk)));
            QCOMPARE(m.Label2->text(), QStringLiteral("春日　ひなた")); // she is still there
            QCOMPARE(G.TalkCode, QStringLiteral("52A"));
            QCOMPARE(G.Mode, Integer(ModeFree));
            QVERIFY(m.Command1[0]->isEnabled() && m.Command1[6]->isEnabled()); // the pool's neighbours
            for (int other = 1; other <= 6; ++other)
                if (other != 2) QCOMPARE(G.Affection[other], Integer(0));
        }
    }

    void responseLinesAndTheirChanges() {
        const QString responses = QStringLiteral("14A\r\n"
                                                 "012違う区画-9\r\n"
                                                 "52A\r\n"
                                                 "012ＸＸＸ君、ありがとう-3\r\n"
                                                 "013+5\r\n"
                                                 "014うれしい10\r\n"
                                                 "015ふふ05\r\n"
                                                 "016ふつう00\r\n"
                                                 "052見出しと同じ番号+1\r\n"
                                                 "53B\r\n"
                                                 "017後ろの区画から+2\r\n");
        const struct {
            int talk;
            QString text;
            int change;
        } cases[] = {
            {12, QStringLiteral("ＸＸＸ君、ありがとう"), -3}, // no surname in responses
            {13, QString(), 5},
            {14, QStringLiteral("うれしい"), 10},
            {15, QStringLiteral("ふふ"), 5},
            {16, QStringLiteral("ふつう"), 0},
            {52, QStringLiteral("見出しと同じ番号"), 1},
            {17, QStringLiteral("後ろの区画から"), 2},
        };
        for (const auto &c : cases) {
            ResetWorld();
            WriteOwnFile(QStringLiteral("DblResp.dat"), responses);
            DblMain &m = standAt(5, 7);
            G.Myouji = QStringLiteral("山田");
            G.TalkCode = QStringLiteral("52A");
            G.Mode = ModeTalking;
            G.OfferedTalk[3] = static_cast<Integer>(c.talk);
            G.Affection[2] = 4;
            AnswerReply(3);
            QCOMPARE(m.Label1->text(), c.text);
            QCOMPARE(G.Affection[2], Integer(4 + c.change));
        }
    }

    void theReplyWindowSitsUnderTheCampusWindow() {
        WriteSynthTalkFiles();
        standAt(1, 4);
        OpenConversation(QStringLiteral("14A"));
        DblSerif &s = Win<DblSerif>();
        QCOMPARE(s.Caption(), QStringLiteral("Duskbell Serif"));
        QCOMPARE(s.Label1->text(), QStringLiteral("返事は…"));
        QCOMPARE(s.width(), 7515 / 15);
        QCOMPARE(s.height(), 2070 / 15);
        QVERIFY(std::abs(s.Top() - G.SerifTop) < 15);
        const int screen = Tw(QGuiApplication::primaryScreen()->geometry().width());
        // Placed as it loads, before the desktop has given it a frame.
        QVERIFY(std::abs(s.Left() - (screen - 7515) / 2) < 15);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(s.Command1[i]->geometry(), QRect(0, 16 + 24 * i, 505, 25));
        // Closing it does not send the question away.
        s.close();
        QVERIFY(IsLoaded<DblSerif>() && !World().ended);
        QCOMPARE(G.Mode, Integer(ModeTalking));
    }

    void ignoredSheLeavesAndCostsThreePoints() {
        WriteSynthTalkFiles();
        DblMain &m = standAt(2, 8);
        G.Affection[1] = 2;
        OpenConversation(QStringLiteral("21A"));
        m.Timer1_Timer(); // 4:39: still waiting for his reply
        QCOMPARE(G.Mode, Integer(ModeTalking));
        QVERIFY(IsLoaded<DblSerif>());
        m.Timer1_Timer(); // 4:40
        QVERIFY(!IsLoaded<DblSerif>());
        QCOMPARE(G.Affection[1], Integer(-1));
        QVERIFY(G.TalkCode.isEmpty());
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(m.Command1[0]->isEnabled() && m.Command1[3]->isEnabled());
        QVERIFY(m.Label1->text().contains(QStringLiteral("黙ったまま")));
        QCOMPARE(m.Label2->text(), QString());
    }

    void answeredSheRemembersAnErrandAtNoCost() {
        WriteSynthTalkFiles();
        DblMain &m = standAt(2, 8);
        G.Affection[1] = 2;
        OpenConversation(QStringLiteral("21A"));
        m.Timer1_Timer(); // 4:39
        ClickOn(Win<DblSerif>().Command1[2]);
        const Integer afterReply = G.Affection[1];
        QCOMPARE(afterReply, Integer(2 + SynthChange(G.OfferedTalk[3])));
        m.Timer1_Timer(); // 4:40
        QCOMPARE(G.Affection[1], afterReply);
        QVERIFY(G.TalkCode.isEmpty());
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(m.Label1->text().contains(QStringLiteral("用事")));
        QVERIFY(!m.Label1->text().contains(QStringLiteral("黙ったまま")));
    }

    void theInstalledFilesServeEveryEncounter() {
        // The game folder's own files (linked in by ResetWorld): every code, all ten replies, a response
        // each.
        QVERIFY2(FileExists(QStringLiteral("DblKCode.dat")), "the game's data files are not built");
        int checked = 0;
        const bool ended = RunEnding([&] {
            for (const QString &code : AllCodes())
                for (int talk : ReadCandidates(code)) {
                    QVERIFY(!ReadReplyText(talk).isEmpty());
                    const QString line = ReadResponseLine(code, talk);
                    QVERIFY(!ResponseText(line).isEmpty());
                    QVERIFY2(line.right(2) == QStringLiteral("00") || ResponseChange(line) != 0,
                             qPrintable(line));
                    ++checked;
                }
        });
        QVERIFY2(!ended, ended ? qPrintable(World().boxes.back().text) : "");
        QCOMPARE(checked, 340);
    }

    void missingDataStopsTheGameWithAMessage() {
        G.CrLf = QStringLiteral("\r\n");
        standAt(5, 6);
        KillFile(QStringLiteral("DblKCode.dat"));
        expectDataError([] { OpenConversation(QStringLiteral("52A")); }, QStringLiteral("DblKCode.dat"),
                        QStringLiteral("見つかりません"));

        ResetWorld();
        WriteSynthTalkFiles();
        standAt(5, 6);
        // Codes compare exactly: a record keyed "52a" is not the one of "52A".
        WriteOwnFile(QStringLiteral("DblKCode.dat"), QStringLiteral("52a,1,2,3,4,5,6,7,8,9,10\r\n"));
        expectDataError([] { OpenConversation(QStringLiteral("52A")); }, QStringLiteral("DblKCode.dat"),
                        QStringLiteral("52A"));

        WriteOwnFile(QStringLiteral("DblKCode.dat"), QStringLiteral("52A,101,102,103\r\n"));
        expectDataError([] { ReadCandidates(QStringLiteral("52A")); }, QStringLiteral("DblKCode.dat"),
                        QStringLiteral("途中で終わって"));

        KillFile(QStringLiteral("DblKaiwa.dat"));
        expectDataError([] { ReadReplyText(101); }, QStringLiteral("DblKaiwa.dat"),
                        QStringLiteral("見つかりません"));
        WriteOwnFile(QStringLiteral("DblKaiwa.dat"), QStringLiteral("101いち\r\n102に"));
        expectDataError([] { ReadReplyText(103); }, QStringLiteral("DblKaiwa.dat"), QStringLiteral("103"));

        KillFile(QStringLiteral("DblResp.dat"));
        expectDataError([] { ReadResponseLine(QStringLiteral("52A"), 101); }, QStringLiteral("DblResp.dat"),
                        QStringLiteral("見つかりません"));
        WriteOwnFile(QStringLiteral("DblResp.dat"), QStringLiteral("52B\r\n101はい+1\r\n"));
        expectDataError([] { ReadResponseLine(QStringLiteral("52A"), 101); }, QStringLiteral("DblResp.dat"),
                        QStringLiteral("52A"));
        WriteOwnFile(QStringLiteral("DblResp.dat"), QStringLiteral("52A\r\n101はい+1\r\n"));
        expectDataError([] { ReadResponseLine(QStringLiteral("52A"), 102); }, QStringLiteral("DblResp.dat"),
                        QStringLiteral("102"));
        WriteOwnFile(QStringLiteral("DblResp.dat"), QStringLiteral("52A\r\n101+\r\n"));
        expectDataError([] { ReadResponseLine(QStringLiteral("52A"), 101); }, QStringLiteral("DblResp.dat"),
                        QStringLiteral("短すぎ"));
    }
};

QTEST_MAIN(TestConversation)
#include "test_conversation.moc"
