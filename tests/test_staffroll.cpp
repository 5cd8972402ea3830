// The staff roll: the heading for two steps, each credit for three, the girl of the ending at step 30, music stopped and the window gone at step 33.
#include "EndingSupport.h"
#include "FrontendSupport.h"
#include "ending/DblEnding.h"
#include "sound/Music.h"
#include <QTest>

class TestStaffRoll : public QObject {
    Q_OBJECT
  private slots:
    void theRollStepByStep() {
        const char *roles[] = {"ＣＧ（人物）", "ＣＧ（背景）", "ＢＧＭ", "プログラミング", "協力", "想い出の提供",
                               "スーパーバイザ", "企画", "製作"};
        const char *pictures[] = {"C10C", "C20C", "C30C", "C40C", "C50C", "C60C", "C70C", "C00B", "C80D"};
        for (auto [ending, lens, last] : {std::tuple{9, False, "C89C"}, {4, True, "C84C"}}) {
            ResetWorld(100);  // a step in 30 ms
            UseCodedPictures();
            PutGameFile(QStringLiteral("M93C.mid"), TinyMidi(600));  // five minutes: still playing at the end
            PlayMidi(QStringLiteral("M93C.mid"));  // starts the synthesizer: without a soundfont nothing ever plays
            const bool sound = WaitSoundfontReady(20000);
            StopMidi();  // the roll plays its own
            G.EndingNo = static_cast<Integer>(ending);
            G.ContactLensFlag = lens;
            // Opening the roll closes the campus window without asking.
            Win<DblMain>().Show();
            DblEnding &w = Win<DblEnding>();
            QVERIFY(!IsLoaded<DblMain>() && World().boxes.empty() && !World().ended);
            // What each step left: role | names | picture | still loaded | music playing.
            QStringList steps;
            w.Timer1->Tick = [&w, &steps] {
                w.Timer1_Timer();
                steps << QStringList{w.Label1->text(), w.Label2->text(), CodeOn(w.Image1->pixmap()),
                                     IsLoaded<DblEnding>() ? "on" : "off", MidiIsPlaying() ? "music" : ""}.join('|');
            };
            w.ShowModal();
            QCOMPARE(steps.size(), 33);
            QVERIFY(steps[0].startsWith("|'Duskbell' staff||on|") && steps[1] == steps[0]);
            for (int s = 2; s < 29; ++s) {
                const QStringList at = steps[s].split('|');
                QCOMPARE(at[0], QString::fromUtf8(roles[(s - 2) / 3]));
                QCOMPARE(at[2], QString::fromLatin1(pictures[(s - 2) / 3]));
                QVERIFY(!at[1].trimmed().isEmpty() && at[1] != "'Duskbell' staff");
            }
            for (int s = 29; s < 32; ++s)
                QVERIFY(steps[s].startsWith(QStringLiteral("|また　遊んでね。|%1|on|").arg(last)));
            QCOMPARE(steps[31].endsWith("music"), sound);
            QVERIFY(steps[32].endsWith("|off|"));  // closed, after the music stopped
            QVERIFY(!IsLoaded<DblEnding>() && !MidiIsPlaying());
        }
    }
};

QTEST_MAIN(TestStaffRoll)
#include "test_staffroll.moc"
