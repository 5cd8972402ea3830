// Each confession script played at the gate through the real campus window: its lines, speakers, picture, name insertions and branches, then the epilogue.
#include "EndingSupport.h"
#include "core/GameState.h"
#include "ending/ClearRecord.h"
#include "ending/Ending.h"
#include "platform/TextFile.h"
#include <QTest>
#include <set>

using namespace ending_test;

namespace {
const QString Surname = QStringLiteral("鳴海");
const QString Given = QStringLiteral("湊斗");

// What the design fixes for each script: speakers line by line (P the player's side, H her), the
// lines that carry the surname, and the one line that carries the given name.
struct Expected {
    int ending;
    QString speaker;
    QString opening, mutual, surprised;
    std::set<int> namesMutual, namesSurprised;
    int givenSurprised = 0;
};
const std::vector<Expected> Scripts = {
    {1, QStringLiteral("白石　玲奈"), "PHPH", "PH", "PHPHP", {4}, {4, 6}},
    {2, QStringLiteral("春日　ひなた"), "PHPHPH", "PH", "PHPHP", {4}, {4, 8}},
    {3, QStringLiteral("桐島　沙耶"), "PHPHPH", "PHPH", "PHPHP", {2, 6}, {2, 6}, 10},
    {4, QStringLiteral("水瀬　詩織"), "PHPH", "PHPHPHPHP", "PHPHPHPHP", {2, 12}, {2}},
    {5, QStringLiteral("朝倉　美咲"), "PHPHPHPH", "PHPH", "PHPHP", {2}, {2}},
    {6, QStringLiteral("西園寺　麗華"), "PHPHPH", "PHPH", "PHPHP", {2, 6}, {2, 6}},
    {8, QStringLiteral("相沢　ゆかり"), "PHPHPHPHPPHPHPH", "", "", {2}, {2}},
    {9, QStringLiteral("相沢　まどか"), "PHPHPHPHPHP", "", "", {}, {}},
};

// The afternoon stands at 5:00 PM with one girl liked enough for the ending asked for.
void setUpFor(int ending, int target) {
    G.Myouji = Surname;
    G.Namae = Given;
    G.TargetGirl = static_cast<Integer>(target);
    G.Location = 3;
    G.GameMinute = 30;
    if (ending >= 1 && ending <= 6) {
        G.Affection[ending] = 5;
        G.MetFlag[ending] = 1;
    } else if (ending == 8) {
        G.Affection[2] = 3;
        G.MetFlag[2] = 1;
    }
}

QString speakersOf(const std::vector<Shown> &lines, size_t from, size_t count, const QString &heroine) {
    QString s;
    for (size_t i = from; i < from + count && i < lines.size(); ++i)
        s += lines[i].speaker.isEmpty() ? QChar('P') : lines[i].speaker == heroine ? QChar('H') : QChar('?');
    return s;
}

int epilogueCount(int ending) { return ending == 8 ? 6 : 5; }
} // namespace

class TestConfessions : public QObject {
    Q_OBJECT
  private:
    // Plays one script and checks it; out gets the script's lines.
    void checkScript(const Expected &e, int target, std::vector<Shown> &out) {
        const bool mutual = e.ending <= 6 && target == e.ending;
        const QString branch = e.ending > 6 ? QString() : mutual ? e.mutual : e.surprised;
        const QString speakers = e.opening + branch;
        const int n = static_cast<int>(speakers.size());
        const Play p = PlayGate([&] { setUpFor(e.ending, target); });
        const QString what = QStringLiteral("ending %1, album pick %2").arg(e.ending).arg(target);
        const auto where = what.toUtf8();

        QVERIFY2(p.ended, where.constData());
        QCOMPARE(G.EndingNo, Integer(e.ending));
        QVERIFY2(p.clockStopped && p.buttonsOff && p.clockBlank && p.endingMode, where.constData());
        QCOMPARE(p.music, QStringLiteral("M92C.mid"));
        QCOMPARE(int(p.lines.size()), 3 + n + 1 + epilogueCount(e.ending));
        // Two lines at most: the third line of the text area is where the click prompt stands.
        for (const Shown &l : p.lines) QVERIFY2(l.wrappedLines <= 2, l.text.toUtf8().constData());

        // Before the script: the gate, the voice from behind, the greeting.
        for (int i = 0; i < 3; ++i) QCOMPARE(p.lines[i].code, QStringLiteral("C80C"));
        QCOMPARE(p.lines[0].speaker, QString());
        QCOMPARE(p.lines[1].speaker, QString());
        QCOMPARE(p.lines[2].speaker, QStringLiteral("女の子の声"));
        QCOMPARE(p.lines[2].text, Surname + (e.ending == 9 ? QStringLiteral("先輩…") : QStringLiteral("君…")));

        // The script.
        QCOMPARE(speakersOf(p.lines, 3, n, e.speaker), speakers);
        for (int i = 0; i < n; ++i) QCOMPARE(p.lines[3 + i].code, QStringLiteral("C8%1C").arg(e.ending));
        if (e.ending <= 6)  // he recognises her by her family name
            QVERIFY2(p.lines[3].text.contains(e.speaker.section(QChar(0x3000), 0, 0)), where.constData());
        const std::set<int> &names = mutual ? e.namesMutual : e.namesSurprised;
        const int given = mutual ? 0 : e.givenSurprised;
        for (int k = 1; k <= n; ++k) {
            const QString &t = p.lines[2 + k].text;
            const QString at = QStringLiteral("%1, line %2: %3").arg(what).arg(k).arg(t);
            QVERIFY2(t.contains(Surname + QStringLiteral("君")) == (names.count(k) == 1), at.toUtf8().constData());
            QVERIFY2(t.count(Surname) == (names.count(k) ? 1 : 0), at.toUtf8().constData());
            QVERIFY2(t.contains(Given + QStringLiteral("さん")) == (k == given), at.toUtf8().constData());
            QVERIFY2(t.count(Given) == (k == given ? 1 : 0), at.toUtf8().constData());
            QVERIFY2(!t.trimmed().isEmpty(), at.toUtf8().constData());
        }
        // The last line waited for its click while the epilogue had not begun.
        QVERIFY(p.lines[2 + n].saveExists);

        // The epilogue: the saved game gone before its first line, narration over one picture.
        const size_t epi = 3 + n;
        QVERIFY(!p.lines[epi].saveExists);
        for (size_t i = epi; i < p.lines.size(); ++i) {
            QCOMPARE(p.lines[i].code, QStringLiteral("C80D"));
            QCOMPARE(p.lines[i].speaker, QString());
            QVERIFY(!p.lines[i].text.contains(Surname) && !p.lines[i].text.contains(Given));
        }
        QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
        QCOMPARE(ReadClearRecord(), QString(EndingChar(e.ending)) + (mutual ? QStringLiteral("2") : QStringLiteral("1")));
        out.assign(p.lines.begin() + 3, p.lines.begin() + 3 + n);
    }

  private slots:
    void init() { ResetWorld(300); }

    void everyScriptInBothBranches() {
        std::map<int, std::vector<Shown>> mutualOf, surprisedOf;
        for (const Expected &e : Scripts) {
            if (e.ending <= 6) {
                checkScript(e, e.ending, mutualOf[e.ending]);
                if (QTest::currentTestFailed()) return;
                // No pick in the album and a pick of another girl both surprise him.
                checkScript(e, 0, surprisedOf[e.ending]);
                if (QTest::currentTestFailed()) return;
                std::vector<Shown> other;
                checkScript(e, e.ending == 6 ? 1 : e.ending + 1, other);
                if (QTest::currentTestFailed()) return;
                QCOMPARE(other.size(), surprisedOf[e.ending].size());
                for (size_t i = 0; i < other.size(); ++i) QCOMPARE(other[i].text, surprisedOf[e.ending][i].text);
            } else {
                // The classmate and her sister say the same whoever was picked in the album.
                std::vector<Shown> a, b;
                checkScript(e, 0, a);
                if (QTest::currentTestFailed()) return;
                checkScript(e, 3, b);
                if (QTest::currentTestFailed()) return;
                QCOMPARE(a.size(), b.size());
                for (size_t i = 0; i < a.size(); ++i) QCOMPARE(a[i].text, b[i].text);
            }
        }
        // Lines said twice are the same words (line numbers of the scripts, 1-based).
        QCOMPARE(mutualOf[3][7].text, surprisedOf[3][7].text);
        for (int k : {8, 9, 10}) QCOMPARE(surprisedOf[4][k + 1].text, mutualOf[4][k - 1].text);
        QCOMPARE(surprisedOf[5][9].text, mutualOf[4][5].text);
        // And the branches differ where they should.
        QVERIFY(mutualOf[1][4].text != surprisedOf[1][4].text);
    }

    void aReplyLeftOpenAtFiveIsTakenAway() {
        // Answering during the confession would give the player his legs back.
        const Play p = PlayGate([] {
            setUpFor(6, 6);
            Win<DblSerif>().Show();
        });
        QVERIFY(p.ended);
        QVERIFY(p.endingMode && p.buttonsOff);
        QVERIFY(!p.replyWindow);
        QCOMPARE(G.EndingNo, Integer(6));
    }

    void contactLensLookShowsHerOtherPictures() {
        const Play p = PlayGate([] {
            setUpFor(4, 4);
            G.ContactLensFlag = True;
        });
        QVERIFY(p.ended);
        QCOMPARE(p.lines[3].code, QStringLiteral("C87C"));
        QCOMPARE(p.lines[3 + 12].code, QStringLiteral("C87C"));
        QCOMPARE(speakersOf(p.lines, 3, 13, QStringLiteral("水瀬　詩織")), QStringLiteral("PHPHPHPHPHPHP"));
        // Recorded as her other look, leaving ending 4 unrecorded.
        QCOMPARE(ReadClearRecord(), QString(EndingChar(7)) + QStringLiteral("2"));
        QCOMPARE(G.EndingNo, Integer(7));
    }

    void noSavedGameIsNoError() {
        const Play p = PlayGate([] { setUpFor(2, 0); }, false);
        QVERIFY(p.ended);
        QVERIFY(World().boxes.empty());
        QCOMPARE(int(p.lines.size()), 3 + 11 + 1 + 5);
    }

    void savedGameOfAnyCaseIsDeleted() {
        const Play p = PlayGate([] {
            setUpFor(8, 0);
            KillFile(QStringLiteral("DblData.dat"));
            WriteTextFile(QStringLiteral("DBLDATA.DAT"), QStringLiteral("saved"));
        });
        QVERIFY(p.ended);
        QVERIFY(p.lines[3 + 14].saveExists);
        QVERIFY(!p.lines[3 + 15].saveExists);
        QVERIFY(QDir::current().entryList(QDir::Files).filter(QStringLiteral("dbldata"), Qt::CaseInsensitive).isEmpty());
    }

    void herOtherLookHasNoNarrationOfItsOwn() {
        ResetWorld(300);
        UseCodedPictures();
        Win<DblMain>().Show();
        G.Mode = ModeEnding;
        G.EndingNo = 7;
        G.TargetGirl = 4;
        Reader reader;
        QVERIFY(RunEnding([] { Epilogue(); }));
        QCOMPARE(int(reader.lines.size()), 1);
        QCOMPARE(reader.lines[0].code, QStringLiteral("C80D"));
    }
};

QTEST_MAIN(TestConfessions)
#include "test_confessions.moc"
