// Each confession script played at the gate through the real campus window: its lines, speakers, picture, name insertions and branches, then the epilogue.
#include "EndingSupport.h"
#include "ending/ClearRecord.h"
#include <QTest>
#include <set>

using namespace ending_test;

namespace {
const QString Surname = QStringLiteral("鳴海"), Given = QStringLiteral("湊斗");

// Speakers line by line (P the player's side, H her), the lines carrying the surname, and the one
// line carrying the given name.
struct Expected {
    int ending;
    QString heroine, opening, mutual, surprised;
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
} // namespace

class TestConfessions : public QObject {
    Q_OBJECT
  private slots:
    void everyScriptInEachBranch() {
        for (const Expected &e : Scripts)
            // Her own pick is mutual; no pick, or another girl picked, surprises him.
            for (int target : {e.ending, 0, e.ending % 6 + 1}) {
                const bool mutual = target == e.ending && e.ending <= 6, withSave = e.ending != 9;
                const Play p = PlayGate([&] {
                    G.Myouji = Surname;
                    G.Namae = Given;
                    G.TargetGirl = static_cast<Integer>(target);
                    G.Affection[e.ending <= 6 ? e.ending : 2] = e.ending <= 6 ? 5 : e.ending == 8 ? 3 : 2;
                    G.MetFlag[e.ending <= 6 ? e.ending : 2] = 1;
                    Win<DblSerif>().Show();  // a reply left open at 5:00 PM is taken away
                }, withSave);
                const QString speakers = e.opening + (e.ending > 6 ? QString() : mutual ? e.mutual : e.surprised);
                const int n = static_cast<int>(speakers.size()), epilogue = e.ending == 8 ? 6 : 5;
                const QByteArray what = QStringLiteral("ending %1, pick %2").arg(e.ending).arg(target).toUtf8();
                QVERIFY2(p.ended && p.shutAtFirstLine && World().boxes.empty(), what);
                QCOMPARE(G.EndingNo, Integer(e.ending));
                QCOMPARE(int(p.lines.size()), 3 + n + 1 + epilogue);
                // The gate, the voice from behind, the greeting.
                QCOMPARE(p.lines[2].speaker, QStringLiteral("女の子の声"));
                QCOMPARE(p.lines[2].text, Surname + (e.ending == 9 ? QStringLiteral("先輩…") : QStringLiteral("君…")));
                QString heard;
                for (int k = 1; k <= n; ++k) {
                    const Shown &l = p.lines[2 + k];
                    heard += l.speaker.isEmpty() ? 'P' : l.speaker == e.heroine ? 'H' : '?';
                    const bool named = (mutual ? e.namesMutual : e.namesSurprised).count(k), given = !mutual && k == e.givenSurprised;
                    QVERIFY2(l.code == QStringLiteral("C8%1C").arg(e.ending), what);
                    QVERIFY2(l.text.count(Surname + QStringLiteral("君")) == named && l.text.count(Surname) == named, what + " line " + QByteArray::number(k));
                    QVERIFY2(l.text.count(Given + QStringLiteral("さん")) == given && l.text.count(Given) == given, what + " line " + QByteArray::number(k));
                }
                QCOMPARE(heard, speakers);
                // The last line waited for its click before the epilogue deleted the saved game.
                QCOMPARE(p.lines[2 + n].saveExists, withSave);
                for (size_t i = 3 + n; i < p.lines.size(); ++i)
                    QVERIFY2(p.lines[i].code == QStringLiteral("C80D") && p.lines[i].speaker.isEmpty() && !p.lines[i].saveExists, what);
                QVERIFY(QDir::current().entryList({QStringLiteral("dbldata.dat")}, QDir::Files).isEmpty());
                QCOMPARE(ReadClearRecord(), EndingChar(e.ending) + QString::number(mutual ? LevelMutual : LevelConfessed));
            }
    }
};

QTEST_MAIN(TestConfessions)
#include "test_confessions.moc"
