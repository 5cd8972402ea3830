// The ending: who confesses at 5:00 PM; each confession script played at the gate through the real campus
// window (lines, speakers, picture, names, branches, epilogue); the staff roll step by step; the clear record
// it leaves, levels OR-ed in place, damage never lost; and the data room that lists the record.
#include "EndingSupport.h"
#include "core/Choices.h"
#include "ending/ClearRecord.h"
#include "ending/DblDatarm.h"
#include "ending/Ending.h"
#include "platform/Settings.h"
#include "sound/Music.h"
#include <QAccessible>
#include <set>

namespace {
const QString Surname = QStringLiteral("鳴海"), Given = QStringLiteral("湊斗");
// Speakers line by line (P his side, H her), the lines carrying the surname, the one carrying the given name.
const struct Expected {
    int ending;
    QString heroine, opening, mutual, surprised;
    std::set<int> namesMutual, namesSurprised;
    int givenSurprised = 0;
} Scripts[] = {{1, "白石　玲奈", "PHPH", "PH", "PHPHP", {4}, {4, 6}},
               {2, "春日　ひなた", "PHPHPH", "PH", "PHPHP", {4}, {4, 8}},
               {3, "桐島　沙耶", "PHPHPH", "PHPH", "PHPHP", {2, 6}, {2, 6}, 10},
               {9, "相沢　まどか", "PHPHPHPHPHP", "", "", {}, {}},
               {4, "水瀬　詩織", "PHPH", "PHPHPHPHP", "PHPHPHPHP", {2, 12}, {2}},
               {5, "朝倉　美咲", "PHPHPHPH", "PHPH", "PHPHP", {2}, {2}},
               {6, "西園寺　麗華", "PHPHPH", "PHPH", "PHPHP", {2, 6}, {2, 6}},
               {8, "相沢　ゆかり", "PHPHPHPHPPHPHPH", "", "", {2}, {2}}};
// The name a data-room row shows: ending 7 is her other look, under her name without the space.
QString rowName(int ending) {
    const auto e =
        std::find_if(std::begin(Scripts), std::end(Scripts), [&](auto &e) { return e.ending == ending; });
    return e != std::end(Scripts) ? e->heroine : QStringLiteral("水瀬詩織（別Ver.）");
}
QImage imageOf(Label *l) {
    return l->Picture().toImage();
}
QString nameOf(const Control *c) {
    return QAccessible::queryAccessibleInterface(c->Widget())->text(QAccessible::Name);
}
// The afternoon's last step, the staff roll and the record, to the end of the process; then the record.
QString reach(int ending, int target, bool contactLens = false) {
    UnloadAllForms(), World().ended = false;
    G.EndingNo = Integer(ending), G.TargetGirl = Integer(target),
    G.ContactLensFlag = contactLens ? True : False;
    return RunEnding([] { RecordEnding(); }) && World().ended ? ReadClearRecord()
                                                              : QStringLiteral("(not ended)");
}
} // namespace

class TestEnding : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(1000), UseCodedPictures(); } // a staff-roll step in 3 ms
    // The heading for two steps, each credit for three, her picture at step 30, music and window gone at 33.
    void theRollStepByStep() {
        const char *roles[] = {"ＣＧ（人物）",   "ＣＧ（背景）", "ＢＧＭ",
                               "プログラミング", "協力",         "想い出の提供",
                               "スーパーバイザ", "企画",         "製作"};
        const char *pictures[] = {"C10C", "C20C", "C30C", "C40C", "C50C", "C60C", "C70C", "C00B", "C80D"};
        for (auto [ending, lens, last] : {std::tuple{9, False, "C89C"}, {4, True, "C84C"}}) {
            ResetWorld(100), UseCodedPictures(); // a step in 30 ms
            // Five minutes, still playing at the end; playing starts the synthesizer, without a soundfont
            // nothing plays.
            PutGameFile(QStringLiteral("M93C.mid"), TinyMidi(600)), PlayMidi(QStringLiteral("M93C.mid"));
            const bool sound = WaitSoundfontReady(20000);
            StopMidi(), G.EndingNo = Integer(ending),
                        G.ContactLensFlag = lens; // the roll plays its own music
            Win<DblMain>().Show();
            DblEnding &w = Win<DblEnding>(); // opening the roll closes the campus window without asking
            QVERIFY(!IsLoaded<DblMain>() && World().boxes.empty() && !World().ended);
            QStringList steps; // what each step left: role | names | picture | still loaded | music playing
            w.Timer1->Tick = [&w, &steps] {
                w.Timer1_Timer();
                steps << QStringList{w.Label1->Caption(), w.Label2->Caption(), CodeOn(w.Image1->Picture()),
                                     IsLoaded<DblEnding>() ? "on" : "off", MidiIsPlaying() ? "music" : ""}
                             .join('|');
            };
            w.ShowModal();
            QVERIFY(steps.size() == 33 && steps[0].startsWith("|'Duskbell' staff||on|") &&
                    steps[1] == steps[0]);
            for (int s = 2; s < 29; ++s) {
                const QStringList at = steps[s].split('|');
                QVERIFY(at[0] == roles[(s - 2) / 3] && at[2] == pictures[(s - 2) / 3] &&
                        !at[1].trimmed().isEmpty() && at[1] != "'Duskbell' staff");
            }
            for (int s = 29; s < 32; ++s)
                QVERIFY(steps[s].startsWith(QStringLiteral("|また　遊んでね。|%1|on|").arg(last)));
            QCOMPARE(steps[31].endsWith("music"), sound); // then closed, after the music stopped
            QVERIFY(steps[32].endsWith("|off|") && !IsLoaded<DblEnding>() && !MidiIsPlaying());
        }
    }
    // Endings reached in turn, each through the roll to the end of the process (a given record written
    // first). 鶴鷹鳩鴨雁鳳椿楓蘭 stand for endings 1 to 9 (7 the contact-lens look); level 1 she confessed, 2
    // mutual.
    void endingsAddToTheRecord() {
        // before (nullptr: as the last step left it), ending, pick, lens, after. The last two: only the
        // first occurrence is updated; a damaged record is repaired, never lost.
        const std::tuple<const char *, int, int, bool, const char *> steps[] = {
            {"", 5, 5, 0, "雁2"},
            {nullptr, 5, 1, 0, "雁3"},
            {nullptr, 9, 2, 0, "雁3蘭1"},
            {nullptr, 2, 2, 0, "雁3蘭1鷹2"},
            {"", 3, 0, 0, "鳩1"},
            {nullptr, 1, 4, 0, "鳩1鶴1"},
            {nullptr, 3, 3, 0, "鳩3鶴1"},
            {nullptr, 3, 6, 0, "鳩3鶴1"},
            {nullptr, 4, 0, 0, "鳩3鶴1鴨1"},
            {nullptr, 4, 4, 1, "鳩3鶴1鴨1椿2"},
            {"鳩1鶴2鳩1", 3, 3, 0, "鳩3鶴2鳩1"},
            {"？鶴", 1, 0, 0, "？鶴1"}};
        for (const auto &[before, ending, target, lens, after] : steps) {
            if (before) WriteClearRecord(QString::fromUtf8(before));
            QCOMPARE(reach(ending, target, lens), QString::fromUtf8(after));
        }
        // Stored under the one key, read back under any case of it.
        QCOMPARE(GetSetting("Velmor", "Duskwatch", "Cstring"), QStringLiteral("？鶴1"));
        // A level given, the neighbour kept; no digit, no level; foreign text stays; no such ending.
        const std::tuple<QString, int, int, QString> damaged[] = {
            {"鶴鷹1", 1, 1, "鶴1鷹1"}, {"鳳x", 6, 1, "鳳1"}, {"z鷹1✿", 2, 2, "z鷹3✿"}, {"鷹1", 10, 2, "鷹1"}};
        for (const auto &[before, ending, level, after] : damaged)
            QCOMPARE(AddClear(before, ending, level), after);
    }
    // A row per pair: her portrait, name and level mark; the extra button at eight pairs; erased only on Yes.
    void theDataRoom() {
        const std::tuple<const char *, std::vector<int>, std::vector<int>, bool> cases[] = {
            {"鶴1", {1}, {0}, false}, // record, endings by row, mutual by row, the extra button
            {"蘭1鶴2鷹1鳩2鴨1雁3鳳2", {9, 1, 2, 3, 4, 5, 6}, {0, 1, 0, 1, 0, 1, 1}, false},
            {"蘭1鶴2鷹1鳩2鴨1雁3鳳2楓1", {9, 1, 2, 3, 4, 5, 6, 8}, {0, 1, 0, 1, 0, 1, 1, 0}, true},
            {"鴨1椿2", {4, 7}, {0, 1}, false}};
        for (const auto &[record, endings, mutual, option] : cases) {
            ResetWorld(), SaveSetting("Velmor", "Duskwatch", "CString", record);
            DblDatarm &d = Win<DblDatarm>();
            for (int r = 0; r < 9; ++r) {
                const int ending = r < int(endings.size()) ? endings[r] : 0;
                QCOMPARE(d.Label3[r]->Caption(), ending ? rowName(ending) : QString());
                QCOMPARE(imageOf(d.Image2[r]), ending ? imageOf(d.Image3[ending - 1]) : QImage());
                QCOMPARE(imageOf(d.Image2[r + 10]), ending ? imageOf(d.Image4[mutual[r]]) : QImage());
                QCOMPARE(nameOf(d.Image2[r]),
                         ending ? rowName(ending) + QStringLiteral("のエンディング") : "空き");
                QCOMPARE(nameOf(d.Image2[r + 10]), !ending     ? "空き"
                                                   : mutual[r] ? "両想いでクリア"
                                                               : "告白でクリア");
            }
            QCOMPARE(d.Command3->Enabled(), option);
        }
        // By keys: the harmless "戻る" has them first, with its mark; Return presses it; the marks have
        // names.
        DblDatarm &k = Win<DblDatarm>();
        k.Show(), k.Activate();
        QVERIFY(RunUntil([&] { return k.Widget()->isActiveWindow(); }, 5000));
        QVERIFY(k.Widget()->focusWidget() == k.Command1->Widget() &&
                k.Widget()->styleSheet().contains(QStringLiteral("QPushButton:focus")));
        QVERIFY(nameOf(k.Image4[0]) == "告白のマーク" && nameOf(k.Image4[1]) == "両想いのマーク");
        // The portraits compared above tell the girls and the levels apart.
        QVERIFY(imageOf(k.Image3[6]) != imageOf(k.Image3[3]) && imageOf(k.Image4[0]) != imageOf(k.Image4[1]));
        KeyOn(k.Command1, Qt::Key_Return);
        QVERIFY(!IsLoaded<DblDatarm>());
        for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) { // erasing takes a Yes; No is the default
            ResetWorld(), World().answers = {answer};
            for (const char *key : {"CString", "SavedMyouji", "SavedNamae"})
                SaveSetting("Velmor", "Duskwatch", key, "鶴1");
            ClickOn(Win<DblDatarm>().Command2);
            QVERIFY(World().boxes.size() == 1 && World().boxes[0].defaultButton == MsgAnswer::No);
            for (const char *key : {"CString", "SavedMyouji", "SavedNamae"})
                QCOMPARE(GetSetting("Velmor", "Duskwatch", key),
                         answer == MsgAnswer::Yes ? QString() : QStringLiteral("鶴1"));
        }
    }
    // The best liking among girls met, if strictly greater: 5 up her ending, 3 to 4 the classmate's, else the
    // sister's.
    void theDecision() {
        const std::pair<std::vector<std::array<int, 3>>, int> cases[] = {
            // (girl, points, met), ending
            {{{5, 7, 1}, {2, 7, 1}, {6, 7, 1}}, 2}, // a tie goes to the lower-numbered girl
            {{{1, 30, 0}, {3, 6, 1}}, 3},           // a girl never met is ignored...
            {{{1, 30, 0}, {2, 4, 1}}, 8},           // ...even when she alone likes him enough
            {{{4, 5, 1}, {1, 1, 1}}, 4},
            {{{4, 4, 1}}, 8},
            {{{4, 3, 1}}, 8},
            {{{4, 2, 1}}, 9},
            {{{4, 32767, 1}}, 4},
            {{{1, 10, 0}, {2, 10, 0}, {3, 10, 0}, {4, 10, 0}, {5, 10, 0}, {6, 10, 0}}, 9},
            {{{1, 0, 1}, {2, -3, 1}, {3, -32768, 1}, {4, 0, 1}, {5, -1, 1}, {6, -9, 1}}, 9}};
        for (const auto &[girls, ending] : cases) {
            ResetWorld();
            for (auto [girl, points, met] : girls)
                G.Affection[girl] = Integer(points), G.MetFlag[girl] = Integer(met);
            QCOMPARE(DecideEnding(), Integer(ending));
        }
    }
    void everyScriptInEachBranch() {
        for (const Expected &e : Scripts)
            // Her own pick is mutual; no pick, or another girl picked, surprises him.
            for (int target :
                 e.ending <= 6 ? std::vector{e.ending, 0, e.ending % 6 + 1} : std::vector{0, 3}) {
                const bool mutual = target == e.ending && e.ending <= 6, withSave = e.ending != 9;
                const int girl = e.ending <= 6 ? e.ending : 2;
                ResetWorld(300), UseCodedPictures();
                // Saved in two spellings side by side: every spelling goes; no save at all is no error.
                for (const char *name : {"DblData.dat", "DBLDATA.DAT"})
                    if (withSave) QFile(name).open(QIODevice::WriteOnly);
                G.Myouji = Surname, G.Namae = Given, G.TargetGirl = Integer(target), G.MetFlag[girl] = 1;
                G.Affection[girl] = e.ending <= 6 ? 5 : e.ending == 8 ? 3 : 2;
                Win<DblSerif>().Show(); // a reply left open at 5:00 PM is taken away
                DblMain &m = StandAt(G.Location, G.GameMinute);
                m.Timer1->SetInterval(60000), m.Timer1->SetEnabled(true);
                bool shut = false;
                std::vector<Shown> lines;
                Player player;
                WriteDown(player, lines);
                player.BeforeClick = [&, note = player.BeforeClick] {
                    // At the first line: the clock stopped and blank, the buttons off, the ending's mode,
                    // music.
                    if (lines.empty())
                        shut = !m.Timer1->Enabled() && !m.Timer1->Interval() &&
                               m.lblClock->Caption().isEmpty() && G.Mode == ModeEnding &&
                               G.MusicFile == "M92C.mid" && !IsLoaded<DblSerif>() &&
                               std::none_of(m.Command1.begin(), m.Command1.end(),
                                            [](Button *b) { return b->Enabled(); });
                    note();
                };
                const QByteArray what =
                    QStringLiteral("ending %1, pick %2").arg(e.ending).arg(target).toUtf8();
                QVERIFY2(RunEnding([] { CloseGate(); }) && shut && World().boxes.empty(), what);
                const QString speakers = e.opening + (e.ending > 6 ? QString()
                                                      : mutual     ? e.mutual
                                                                   : e.surprised);
                const int n = static_cast<int>(speakers.size()), epilogue = e.ending == 8 ? 6 : 5;
                // The gate, the voice from behind, the greeting.
                QVERIFY2(G.EndingNo == e.ending && int(lines.size()) == 3 + n + 1 + epilogue &&
                             lines[2].speaker == "女の子の声" &&
                             lines[2].text == Surname + (e.ending == 9 ? "先輩…" : "君…"),
                         what);
                QString heard;
                for (int k = 1; k <= n; ++k) {
                    const Shown &l = lines[2 + k];
                    heard += l.speaker.isEmpty() ? 'P' : l.speaker == e.heroine ? 'H' : '?';
                    const int named = int((mutual ? e.namesMutual : e.namesSurprised).count(k)),
                              given = !mutual && k == e.givenSurprised;
                    QVERIFY2(l.code == QStringLiteral("C8%1C").arg(e.ending) &&
                                 l.text.count(Surname + QStringLiteral("君")) == named &&
                                 l.text.count(Surname) == named &&
                                 l.text.count(Given + QStringLiteral("さん")) == given &&
                                 l.text.count(Given) == given,
                             what + " line " + QByteArray::number(k) + ": " + l.text.toUtf8());
                }
                // The last line waited for its click before the epilogue deleted the saved game.
                QVERIFY(heard == speakers && lines[2 + n].saveExists == withSave);
                for (const Shown &l : std::vector(lines.begin() + 3 + n, lines.end()))
                    QVERIFY2(l.code == QStringLiteral("C80D") && l.speaker.isEmpty() && !l.saveExists, what);
                QCOMPARE(ReadClearRecord(),
                         QString(u"鶴鷹鳩鴨雁鳳椿楓蘭"[e.ending - 1]) + (mutual ? "2" : "1"));
            }
    }
};

QTEST_MAIN(TestEnding)
#include "test_ending.moc"
