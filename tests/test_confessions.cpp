// Who confesses at 5:00 PM: the best liking among the girls met, strictly greater wins, 5 or more her
// ending, 3 to 4 the classmate, less the sister. Each confession script played at the gate through the
// real campus window: its lines, speakers, picture, name insertions and branches, then the epilogue.
#include "EndingSupport.h"
#include "core/Choices.h"
#include "ending/ClearRecord.h"
#include "ending/Ending.h"
#include <set>

namespace {
const QString Surname = QStringLiteral("鳴海"), Given = QStringLiteral("湊斗");

// Speakers line by line (P the player's side, H her), the lines carrying the surname, and the one
// line carrying the given name.
const struct Expected {
    int ending;
    QString heroine, opening, mutual, surprised;
    std::set<int> namesMutual, namesSurprised;
    int givenSurprised = 0;
} Scripts[] = {
    {1, QStringLiteral("白石　玲奈"), "PHPH", "PH", "PHPHP", {4}, {4, 6}},
    {2, QStringLiteral("春日　ひなた"), "PHPHPH", "PH", "PHPHP", {4}, {4, 8}},
    {3, QStringLiteral("桐島　沙耶"), "PHPHPH", "PHPH", "PHPHP", {2, 6}, {2, 6}, 10},
    {4, QStringLiteral("水瀬　詩織"), "PHPH", "PHPHPHPHP", "PHPHPHPHP", {2, 12}, {2}},
    {5, QStringLiteral("朝倉　美咲"), "PHPHPHPH", "PHPH", "PHPHP", {2}, {2}},
    {6, QStringLiteral("西園寺　麗華"), "PHPHPH", "PHPH", "PHPHP", {2, 6}, {2, 6}},
    {8, QStringLiteral("相沢　ゆかり"), "PHPHPHPHPPHPHPH", "", "", {2}, {2}},
    {9, QStringLiteral("相沢　まどか"), "PHPHPHPHPHP", "", "", {}, {}},
};
} // namespace

class TestConfessions : public QObject {
    Q_OBJECT
  private slots:
    void theDecision() {
        const struct { std::vector<std::array<int, 3>> girls; int ending; } cases[] = {  // girl, points, met
            {{{5, 7, 1}, {2, 7, 1}, {6, 7, 1}}, 2},  // a tie goes to the lower-numbered girl
            {{{1, 30, 0}, {3, 6, 1}}, 3},            // a girl never met is ignored...
            {{{1, 30, 0}, {2, 4, 1}}, 8},            // ...even when she alone likes him enough
            {{{4, 5, 1}, {1, 1, 1}}, 4}, {{{4, 4, 1}}, 8}, {{{4, 3, 1}}, 8}, {{{4, 2, 1}}, 9}, {{{4, 32767, 1}}, 4},
            {{{1, 10, 0}, {2, 10, 0}, {3, 10, 0}, {4, 10, 0}, {5, 10, 0}, {6, 10, 0}}, 9},
            {{{1, 0, 1}, {2, -3, 1}, {3, -32768, 1}, {4, 0, 1}, {5, -1, 1}, {6, -9, 1}}, 9},
        };
        for (const auto &c : cases) {
            ResetWorld();
            for (auto [girl, points, met] : c.girls)
                G.Affection[girl] = static_cast<Integer>(points), G.MetFlag[girl] = static_cast<Integer>(met);
            QCOMPARE(DecideEnding(), Integer(c.ending));
        }
    }

    void everyScriptInEachBranch() {
        for (const Expected &e : Scripts)
            // Her own pick is mutual; no pick, or another girl picked, surprises him.
            for (int target : e.ending <= 6 ? std::vector{e.ending, 0, e.ending % 6 + 1} : std::vector{0, 3}) {
                const bool mutual = target == e.ending && e.ending <= 6, withSave = e.ending != 9;
                ResetWorld(300);
                UseCodedPictures();
                // Saved in two spellings side by side: every spelling goes; no save at all is no error.
                for (const char *name : {"DblData.dat", "DBLDATA.DAT"})
                    if (withSave) QFile(name).open(QIODevice::WriteOnly);
                G.Myouji = Surname, G.Namae = Given, G.TargetGirl = static_cast<Integer>(target);
                G.Affection[e.ending <= 6 ? e.ending : 2] = e.ending <= 6 ? 5 : e.ending == 8 ? 3 : 2;
                G.MetFlag[e.ending <= 6 ? e.ending : 2] = 1;
                Win<DblSerif>().Show();  // a reply left open at 5:00 PM is taken away
                DblMain &m = StandAt(G.Location, G.GameMinute);
                m.Timer1->SetInterval(60000), m.Timer1->SetEnabled(true);
                bool shut = false;
                std::vector<Shown> lines;
                Player player;
                WriteDown(player, lines);
                player.BeforeClick = [&, note = player.BeforeClick] {
                    if (lines.empty())  // the clock stopped and blank, the buttons off, the ending's mode and music
                        shut = !m.Timer1->Enabled() && !m.Timer1->Interval() && m.lblClock->text().isEmpty() &&
                               G.Mode == ModeEnding && G.MusicFile == "M92C.mid" && !IsLoaded<DblSerif>() &&
                               std::none_of(m.Command1.begin(), m.Command1.end(), [](Button *b) { return b->isEnabled(); });
                    note();
                };
                const QByteArray what = QStringLiteral("ending %1, pick %2").arg(e.ending).arg(target).toUtf8();
                QVERIFY2(RunEnding([] { CloseGate(); }) && shut && World().boxes.empty(), what);
                const QString speakers = e.opening + (e.ending > 6 ? QString() : mutual ? e.mutual : e.surprised);
                const int n = static_cast<int>(speakers.size()), epilogue = e.ending == 8 ? 6 : 5;
                QVERIFY2(G.EndingNo == e.ending && int(lines.size()) == 3 + n + 1 + epilogue, what);
                // The gate, the voice from behind, the greeting.
                QVERIFY2(lines[2].speaker == "女の子の声" && lines[2].text == Surname + (e.ending == 9 ? "先輩…" : "君…"), what);
                QString heard;
                for (int k = 1; k <= n; ++k) {
                    const Shown &l = lines[2 + k];
                    heard += l.speaker.isEmpty() ? 'P' : l.speaker == e.heroine ? 'H' : '?';
                    const int named = int((mutual ? e.namesMutual : e.namesSurprised).count(k));
                    const int given = !mutual && k == e.givenSurprised;
                    QVERIFY2(l.code == QStringLiteral("C8%1C").arg(e.ending) &&
                                 l.text.count(Surname + QStringLiteral("君")) == named && l.text.count(Surname) == named &&
                                 l.text.count(Given + QStringLiteral("さん")) == given && l.text.count(Given) == given,
                             what + " line " + QByteArray::number(k) + ": " + l.text.toUtf8());
                }
                QCOMPARE(heard, speakers);
                // The last line waited for its click before the epilogue deleted the saved game.
                QCOMPARE(lines[2 + n].saveExists, withSave);
                for (const Shown &l : std::vector(lines.begin() + 3 + n, lines.end()))
                    QVERIFY2(l.code == QStringLiteral("C80D") && l.speaker.isEmpty() && !l.saveExists, what);
                QCOMPARE(ReadClearRecord(), EndingChar(e.ending) + QString::number(mutual ? LevelMutual : LevelConfessed));
            }
    }
};

QTEST_MAIN(TestConfessions)
#include "test_confessions.moc"
