// The staff roll: the heading for two steps, each credit for three, the girl of the ending at step 30, music stopped and the window gone at step 33.
#include "EndingSupport.h"
#include "FrontendSupport.h"
#include "ending/DblEnding.h"
#include "sound/Music.h"
#include <QTest>

using namespace ending_test;

class TestStaffRoll : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(100);  // a step in 30 ms
        UseCodedPictures();
        PutGameFile(QStringLiteral("M93C.mid"), TinyMidi(600));  // five minutes: still playing at the end
    }

    void openingItClosesTheCampusWithoutAsking() {
        Win<DblMain>().Show();
        Win<DblEnding>();
        QVERIFY(!IsLoaded<DblMain>() && IsLoaded<DblEnding>());
        QVERIFY(World().boxes.empty() && !World().ended);
    }

    void theRollStepByStep() {
        const bool sound = WaitSoundfontReady(20000);
        for (auto [ending, lens, last] : {std::tuple{9, False, "C89C"}, {4, True, "C84C"}}) {
            init();
            G.EndingNo = static_cast<Integer>(ending);
            G.ContactLensFlag = lens;
            // What each step left on screen: role | names | picture | still loaded | music playing.
            QStringList steps;
            DblEnding &w = Win<DblEnding>();
            w.Timer1->Tick = [&w, &steps] {
                w.Timer1_Timer();
                steps << QStringList{w.Label1->text(), w.Label2->text(), CodeOn(w.Image1->pixmap()),
                                     IsLoaded<DblEnding>() ? "on" : "off", MidiIsPlaying() ? "music" : ""}.join('|');
            };
            w.ShowModal();
            QCOMPARE(steps.size(), 33);
            const QString heading = QStringLiteral("|'Duskbell' staff||on|");
            QVERIFY(steps[0].startsWith(heading) && steps[1].startsWith(heading));
            const char *roles[] = {"ＣＧ（人物）", "ＣＧ（背景）", "ＢＧＭ", "プログラミング", "協力",
                                   "想い出の提供", "スーパーバイザ", "企画", "製作"};
            const char *pictures[] = {"C10C", "C20C", "C30C", "C40C", "C50C", "C60C", "C70C", "C00B", "C80D"};
            for (int c = 0; c < 9; ++c)
                for (int s = 3 * c + 2; s < 3 * c + 5; ++s) {
                    const QStringList at = steps[s].split('|');
                    QCOMPARE(at[0], QString::fromUtf8(roles[c]));
                    QCOMPARE(at[2], QString::fromLatin1(pictures[c]));
                    QVERIFY(!at[1].trimmed().isEmpty() && at[1] != QStringLiteral("'Duskbell' staff"));
                }
            for (int s = 29; s < 32; ++s)
                QVERIFY(steps[s].startsWith(QStringLiteral("|また　遊んでね。|%1|on|").arg(last)));
            QVERIFY(sound == steps[31].endsWith("music"));
            QVERIFY(steps[32].endsWith(QStringLiteral("|off|")));  // closed, after the music stopped
            QVERIFY(!IsLoaded<DblEnding>() && !MidiIsPlaying());
        }
    }
};

QTEST_MAIN(TestStaffRoll)
#include "test_staffroll.moc"
