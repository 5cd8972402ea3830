// The staff roll: the heading for two steps, each credit for three, the girl of the ending at step 30, music stopped and the window gone at step 33.
#include "EndingSupport.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "ending/DblEnding.h"
#include "sound/Music.h"
#include <QTest>

using namespace ending_test;

namespace {
struct Step {
    int step;
    QString role, names, picture;
    bool loaded, music;
};

// Shows the roll as the game does (modal, until it closes itself) and notes each step.
std::vector<Step> runRoll() {
    DblEnding &w = Win<DblEnding>();
    std::vector<Step> steps;
    w.Timer1->Tick = [&w, &steps] {
        w.Timer1_Timer();
        const bool loaded = IsLoaded<DblEnding>();
        steps.push_back({w.Step, w.Label1->text(), w.Label2->text(), CodeOn(w.Image1->pixmap()), loaded,
                         MidiIsPlaying()});
    };
    w.ShowModal();
    return steps;
}

struct Expected {
    int step;
    const char *role;
    int nameLines;
    const char *picture;
};
const Expected Credits[] = {
    {3, "ＣＧ（人物）", 1, "C10C"}, {6, "ＣＧ（背景）", 1, "C20C"}, {9, "ＢＧＭ", 2, "C30C"},
    {12, "プログラミング", 1, "C40C"}, {15, "協力", 2, "C50C"},      {18, "想い出の提供", 1, "C60C"},
    {21, "スーパーバイザ", 1, "C70C"}, {24, "企画", 1, "C00B"},      {27, "製作", 1, "C80D"},
};
} // namespace

class TestStaffRoll : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(100);  // a step in 30 ms
        UseCodedPictures();
        WriteLongPiece(QStringLiteral("M93C.mid"));
    }

    void theWindow() {
        DblEnding &w = Win<DblEnding>();
        QCOMPARE(w.Caption(), QStringLiteral("Duskbell"));
        QCOMPARE(Tw(w.width()), 4470);
        QCOMPARE(Tw(w.height()), 4725);
        QCOMPARE(w.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(w.Shape1->BorderColor, QColor(255, 192, 255));
        QCOMPARE(w.Shape1->geometry(), QRect(0, 0, Px(4475), Px(4720)));
        QVERIFY(w.Image1->pixmap().isNull() && w.Label1->text().isEmpty() && w.Label2->text().isEmpty());
        QCOMPARE(w.Timer1->Interval(), 3000);
        QVERIFY(w.Timer1->Enabled());
        QCOMPARE(w.Label2->font(), JFont(QStringLiteral("ＭＳ Ｐゴシック"), 11.25));
    }

    void openingItClosesTheCampusWithoutAsking() {
        G.Mode = ModeEnding;
        G.TargetGirl = 2;
        Win<DblMain>().Show();
        Win<DblEnding>();
        QVERIFY(!IsLoaded<DblMain>());
        QVERIFY(World().boxes.empty());
        QVERIFY(!World().ended);
        QVERIFY(IsLoaded<DblEnding>());
    }

    void theRollStepByStep() {
        G.EndingNo = 9;
        const std::vector<Step> steps = runRoll();
        QCOMPARE(int(steps.size()), 33);
        for (int i = 0; i < 33; ++i) QCOMPARE(steps[i].step, i + 1);
        // The heading alone: no role, no picture.
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(steps[i].role, QString());
            QCOMPARE(steps[i].names, QStringLiteral("'Duskbell' staff"));
            QCOMPARE(steps[i].picture, QString());
        }
        // Each credit for three steps.
        for (const Expected &c : Credits)
            for (int s = c.step; s < c.step + 3; ++s) {
                const Step &at = steps[s - 1];
                QCOMPARE(at.role, QString::fromUtf8(c.role));
                QCOMPARE(at.picture, QString::fromLatin1(c.picture));
                const QStringList names = at.names.split(QStringLiteral("\r\n"));
                QCOMPARE(int(names.size()), c.nameLines);
                for (const QString &n : names) QVERIFY(!n.trimmed().isEmpty());
                QVERIFY(at.names != QStringLiteral("'Duskbell' staff"));
            }
        // The farewell over the girl of the ending.
        for (int s = 30; s <= 32; ++s) {
            QCOMPARE(steps[s - 1].role, QString());
            QCOMPARE(steps[s - 1].names, QStringLiteral("また　遊んでね。"));
            QCOMPARE(steps[s - 1].picture, QStringLiteral("C89C"));
            QVERIFY(steps[s - 1].loaded);
        }
        // Closed at step 33, after the music stopped.
        QVERIFY(!steps[32].loaded);
        QVERIFY(!IsLoaded<DblEnding>());
        QVERIFY(!steps[32].music);
        if (WaitSoundfontReady(20000) && steps[31].music) QVERIFY(!MidiIsPlaying());
    }

    void musicPlaysUntilTheLastStep() {
        if (!WaitSoundfontReady(20000)) QSKIP("no soundfont on this machine: nothing ever plays");
        G.EndingNo = 3;
        G.MusicFile = QStringLiteral("M92C.mid");
        const std::vector<Step> steps = runRoll();
        QVERIFY(steps[31].music);
        QVERIFY(!steps[32].music);
        QCOMPARE(G.MusicFile, QStringLiteral("M92C.mid"));  // the roll's own piece is not the ending's
    }

    void theContactLensEndingEndsOnHerFirstLook() {
        G.EndingNo = 4;
        G.ContactLensFlag = True;
        const std::vector<Step> steps = runRoll();
        QCOMPARE(steps[29].picture, QStringLiteral("C84C"));
        QCOMPARE(G.EndingNo, Integer(4));
    }
};

QTEST_MAIN(TestStaffRoll)
#include "test_staffroll.moc"
