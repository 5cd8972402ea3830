// Each girl is met where the timetable puts her, once, arriving (A) or waiting (B), with her greeting.
#include "TalkSupport.h"
#include "core/Campus.h"
#include "core/Prologue.h"
#include "talk/Encounter.h"
#include "talk/Timetable.h"

class TestEncounters : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld(120); // a game minute in half a second
        WriteSynthTalkFiles();
    }
    // Arriving on the rooftop at 4:34 PM meets Shiori with "14A"; arriving at 4:35 PM and waiting, "14B".
    void theRooftopByTheClock() {
        for (const auto &[start, clock, code] : {std::tuple{1, "4:34 PM", "14A"}, {2, "4:36 PM", "14B"}}) {
            init();
            Player player; // clicks through the friend's call on the way
            DblMain &m = StandAt(3, start);
            StartClock();
            ClickOn(m.Command1[0]);
            QVERIFY(RunUntil([] { return G.Location == 1 && G.Mode != ModeWalking; }));
            QCOMPARE(G.TalkCode.isEmpty(), start == 2);
            QVERIFY(RunUntil([] { return !G.TalkCode.isEmpty(); }));
            QVERIFY(m.lblClock->text() == clock && G.TalkCode == code && m.Label2->text() == "水瀬　詩織");
            QCOMPARE(m.Label1->text(), GreetingOf(code, SlotOfMinute(G.GameMinute)));
            QVERIFY(G.MetFlag[4] == 1 && G.Mode == ModeTalking && (G.OfferedTalk[1] - 101) / 10 == start - 1);
        }
    }
    // Every cell, arriving and waiting: nobody once she has been met, else her greeting, picture and code.
    void everyCellOfTheTimetable() {
        int met = 0;
        for (int minute = 1; minute <= 29; ++minute)
            for (int place = 1; place <= 7; ++place)
                for (char v : {'A', 'B'}) {
                    const bool due = v == 'A' ? IsEncounterMinute(minute) : minute % 5 == 1 && minute > 5;
                    const int slot = SlotOfMinute(minute), girl = due ? Timetable[slot][place] : 0;
                    const QString pair = QStringLiteral("%1%2").arg(place).arg(girl);
                    for (Integer before : {1, 0}) {
                        Unload<DblSerif>();
                        G.TalkCode.clear();
                        G.MetFlag.fill(before);
                        StandAt(place, minute, v == 'A' ? ModeWalking : ModeFree);
                        v == 'A' ? EncounterOnArrival() : EncounterWhileWaiting();
                        const bool meets = girl != 0 && !before;
                        met += meets;
                        QVERIFY2(G.TalkCode == (meets ? pair + v : QString()) &&
                                     IsLoaded<DblSerif>() == meets,
                                 qPrintable(QStringLiteral("4:%1 %2%3").arg(minute + 30).arg(pair).arg(v)));
                        if (!meets) continue;
                        const QString greeting = Win<DblMain>().Label1->text();
                        QVERIFY(greeting == GreetingOf(G.TalkCode, slot) && !greeting.isEmpty() &&
                                CanEncodeCp932(greeting));
                        const QString picture =
                            pair + (QStringList{"21", "35", "72"}.contains(pair) ? v : 'C');
                        QVERIFY2(Shows('C' + picture), qPrintable(picture));
                        QVERIFY(G.MetFlag[girl] == 1 && G.Mode == ModeTalking);
                    }
                }
        // Girls by slot: 1, 4, 6, 6, 5, 2. Met arriving on every minute of a slot, waiting on its first.
        QCOMPARE(met, 2 * 1 + 3 * (4 + 6 + 6 + 5 + 2) + (4 + 6 + 6 + 5 + 2));
        G.ContactLensFlag = True; // after the contact-lens pick heroine 4 shows her other look
        StandAt(1, 3, ModeWalking);
        EncounterOnArrival();
        QVERIFY(G.TalkCode == "14A" && Shows(QStringLiteral("C17C")));
    }
    // Greetings that vary by slot ("14A", "21A", "35A") and those shared word for word.
    void greetingsVaryBySlotAndAreShared() {
        QCOMPARE(GreetingOf("14A", 0), QStringLiteral("あ、あの……とうとう卒業……なんですね。"));
        const QStringList same = {"14A0 14A1", "14A3 34A2", "21A1 21A4",
                                  "43A2 63A2", "22B2 52B2", "32A2 72A2"};
        for (const QString &p : same + QStringList{"14A1 14A3", "21A1 21A3", "35A4 35A5"})
            QVERIFY2((GreetingOf(p.left(3), p[3].digitValue()) ==
                      GreetingOf(p.mid(5, 3), p[8].digitValue())) == same.contains(p),
                     qPrintable(p));
    }
};

QTEST_MAIN(TestEncounters)
#include "test_encounters.moc"
