// Meeting the girls: who is where at which minute, arriving (A) or waiting (B), the greeting, picture
// and name shown, met once per afternoon, and the exchange opened with the right encounter code.
#include "TalkSupport.h"
#include "core/Campus.h"
#include "core/Choices.h"
#include "core/Prologue.h"
#include "talk/Encounter.h"
#include "talk/EncounterLines.h"
#include "talk/Timetable.h"
#include <QImage>
#include <QTest>

using namespace talktest;

namespace {
const QStringList Names = {QString(),
                           QStringLiteral("白石　玲奈"),
                           QStringLiteral("春日　ひなた"),
                           QStringLiteral("桐島　沙耶"),
                           QStringLiteral("水瀬　詩織"),
                           QStringLiteral("朝倉　美咲"),
                           QStringLiteral("西園寺　麗華")};

// The three places where arriving and waiting show different pictures.
QString expectedPicture(int location, int girl, QChar variant) {
    const bool ownPair =
        (location == 2 && girl == 1) || (location == 3 && girl == 5) || (location == 7 && girl == 2);
    return QStringLiteral("C%1%2").arg(location).arg(girl) + (ownPair ? variant : QChar('C'));
}

// Every picture the girls can be met with, each a flat colour of its own, in the scratch folder.
QColor colourOf(const QString &code) {
    return QColor::fromRgb(qHash(code) & 0xffffff);
}
void writeMarkedPictures() {
    for (const QString &code : AllCodes())
        for (QChar v : {QChar('A'), QChar('B'), QChar('C')}) {
            const QString pic = QStringLiteral("C") + code.left(2) + v;
            QImage img(300, 200, QImage::Format_RGB32);
            img.fill(colourOf(pic));
            KillFile(pic + ".DBL");
            QVERIFY(img.save(pic + ".DBL", "PNG"));
        }
}
QColor shownColour() {
    return Win<DblMain>().Image1->pixmap().toImage().pixelColor(5, 5);
}

DblMain &standAt(int location, int minute, Integer mode = ModeFree) {
    G.Location = static_cast<Integer>(location);
    G.GameMinute = static_cast<Integer>(minute);
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = mode;
    RefreshChoices();
    return m;
}

// Back to nobody met and nobody present, the reply window gone.
void forgetEveryone() {
    Unload<DblSerif>();
    G.MetFlag = {};
    G.TalkCode.clear();
}
} // namespace

class TestEncounters : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld();
        WriteSynthTalkFiles();
        G.Myouji = QStringLiteral("山田");
    }

    void arrivingAtTheRooftopAt434MeetsShiori() {
        ResetWorld(120); // a game minute in half a second
        WriteSynthTalkFiles();
        G.Myouji = QStringLiteral("山田");
        G.TargetGirl = 4;
        Player player; // clicks through the friend's call on the way
        DblMain &m = standAt(3, 1);
        StartClock();
        ClickOn(m.Command1[0]); // 校舎Ａ: three minutes
        QVERIFY(RunUntil([] { return G.Location == 1; }));
        QCOMPARE(G.GameMinute, Integer(4));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:34 PM"));
        QCOMPARE(m.Caption(), QString::fromUtf16(PlaceCaption[0]));
        QCOMPARE(G.TalkCode, QStringLiteral("14A"));
        QCOMPARE(m.Label2->text(), QStringLiteral("水瀬　詩織"));
        QCOMPARE(m.Label1->text(), GreetingOf(QStringLiteral("14A"), 0));
        QVERIFY(!m.Label1->text().isEmpty());
        QCOMPARE(G.MetFlag[4], Integer(1));
        QCOMPARE(G.Mode, Integer(ModeTalking));
        QCOMPARE(G.MusicRequest, QStringLiteral("M40C.mid"));
        QVERIFY(IsLoaded<DblSerif>() && Win<DblSerif>().isVisible());
        // The five replies are the ones of "14A" (the first code of the test files).
        for (int k = 1; k <= 5; ++k)
            QVERIFY(G.OfferedTalk[k] >= SynthTalk(0, 1) && G.OfferedTalk[k] <= SynthTalk(0, 10));
        QCOMPARE(G.PhoneCount, Integer(1));
        QVERIFY(player.clicks >= 5);
    }

    void waitingOnTheRooftopBringsHerAt436() {
        ResetWorld(120);
        WriteSynthTalkFiles();
        G.Myouji = QStringLiteral("山田");
        G.PhoneCount = 2; // a quiet walk: the third opportunity plays no call
        DblMain &m = standAt(3, 2);
        StartClock();
        ClickOn(m.Command1[0]);
        QVERIFY(RunUntil([] { return G.Location == 1; }));
        QCOMPARE(G.GameMinute, Integer(5)); // 4:35: nobody on the rooftop
        QVERIFY(G.TalkCode.isEmpty());
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(RunUntil([] { return !G.TalkCode.isEmpty(); }));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:36 PM"));
        QCOMPARE(G.TalkCode, QStringLiteral("14B"));
        QCOMPARE(m.Label1->text(), GreetingOf(QStringLiteral("14B"), 1));
        QCOMPARE(m.Label2->text(), QStringLiteral("水瀬　詩織"));
        QCOMPARE(G.MetFlag[4], Integer(1));
        QVERIFY(IsLoaded<DblSerif>());
    }

    void aGirlMetIsAbsentEverAfter() {
        DblMain &m = standAt(4, 14);
        G.MetFlag[4] = 1;
        ClickOn(m.Command1[0]); // gymnasium to rooftop, 2 minutes: arrives in slot 3
        m.Timer1_Timer();
        m.Timer1_Timer();
        QCOMPARE(G.Location, Integer(1));
        QCOMPARE(G.GameMinute, Integer(16));
        QVERIFY(G.TalkCode.isEmpty());
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(!IsLoaded<DblSerif>());
        QVERIFY(m.Label2->text().isEmpty());
        // Waiting where she would come brings no one either.
        for (const auto &[place, minute] : {std::pair{1, 15}, std::pair{3, 10}}) {
            standAt(place, minute);
            m.Timer1_Timer();
            QVERIFY(G.TalkCode.isEmpty());
            QCOMPARE(G.Mode, Integer(ModeFree));
        }
        // The same girl on arrival at the schoolyard in slot 2.
        standAt(3, 12, ModeWalking);
        EncounterOnArrival();
        QVERIFY(G.TalkCode.isEmpty());
        QCOMPARE(G.Mode, Integer(ModeFree));
        // Someone else at the same place is still met.
        standAt(1, 11, ModeWalking);
        EncounterOnArrival();
        QCOMPARE(G.TalkCode, QStringLiteral("16A"));
    }

    void everyCellOfTheTimetableOnArrival() {
        writeMarkedPictures();
        for (int minute = 1; minute <= 29; ++minute)
            for (int place = 1; place <= 7; ++place) {
                forgetEveryone();
                standAt(place, minute, ModeWalking);
                const QString before = Win<DblMain>().Label1->text();
                if (!IsEncounterMinute(minute)) continue; // the clock calls ArriveAlone itself then
                EncounterOnArrival();
                const int slot = SlotOfMinute(minute);
                const int girl = Timetable[slot][place];
                const QString where = QStringLiteral("minute %1 place %2").arg(minute).arg(place);
                if (girl == 0) {
                    QVERIFY2(G.TalkCode.isEmpty(), qPrintable(where));
                    QCOMPARE(G.Mode, Integer(ModeFree));
                    continue;
                }
                QCOMPARE(G.TalkCode, QStringLiteral("%1%2A").arg(place).arg(girl));
                QCOMPARE(Win<DblMain>().Label2->text(), Names[girl]);
                QCOMPARE(Win<DblMain>().Label1->text(), GreetingOf(G.TalkCode, slot));
                QVERIFY2(Win<DblMain>().Label1->text() != before, qPrintable(where));
                QCOMPARE(shownColour(), colourOf(expectedPicture(place, girl, 'A')));
                QCOMPARE(G.MetFlag[girl], Integer(1));
                QCOMPARE(G.Mode, Integer(ModeTalking));
                QVERIFY(IsLoaded<DblSerif>());
            }
    }

    void everyCellOfTheTimetableWhileWaiting() {
        writeMarkedPictures();
        int met = 0;
        for (int minute = 1; minute <= 29; ++minute)
            for (int place = 1; place <= 7; ++place) {
                forgetEveryone();
                standAt(place, minute);
                Win<DblMain>().Label1->setText(QStringLiteral("待っている"));
                EncounterWhileWaiting();
                const bool comes = minute % 5 == 1 && minute >= 6;
                const int girl = comes ? Timetable[SlotOfMinute(minute)][place] : 0;
                if (girl == 0) {
                    // Nothing happens: no scene, no exchange.
                    QVERIFY(G.TalkCode.isEmpty());
                    QCOMPARE(Win<DblMain>().Label1->text(), QStringLiteral("待っている"));
                    QCOMPARE(G.Mode, Integer(ModeFree));
                    continue;
                }
                ++met;
                QCOMPARE(G.TalkCode, QStringLiteral("%1%2B").arg(place).arg(girl));
                QCOMPARE(Win<DblMain>().Label2->text(), Names[girl]);
                QCOMPARE(Win<DblMain>().Label1->text(), GreetingOf(G.TalkCode, SlotOfMinute(minute)));
                QCOMPARE(shownColour(), colourOf(expectedPicture(place, girl, 'B')));
                QCOMPARE(G.MetFlag[girl], Integer(1));
                QCOMPARE(G.Mode, Integer(ModeTalking));
            }
        QCOMPARE(met, 4 + 6 + 6 + 5 + 2); // the girls of slots 1 to 5
    }

    void theContactLensLookOnTheRooftop() {
        writeMarkedPictures();
        QImage lenses(300, 200, QImage::Format_RGB32);
        lenses.fill(Qt::magenta);
        KillFile(QStringLiteral("C17C.DBL"));
        QVERIFY(lenses.save(QStringLiteral("C17C.DBL"), "PNG"));
        G.ContactLensFlag = True;
        standAt(1, 3, ModeWalking);
        EncounterOnArrival();
        QCOMPARE(G.TalkCode, QStringLiteral("14A")); // the code keeps her usual digit
        QCOMPARE(shownColour(), QColor(Qt::magenta));
    }

    void greetingsSharedAndVaryingBySlot() {
        // Every code has a greeting of its own or a shared one; none is empty.
        for (const QString &code : AllCodes())
            for (int slot = 0; slot <= 5; ++slot)
                QVERIFY2(!GreetingOf(code, slot).isEmpty(), qPrintable(code));
        // The same words, different codes.
        for (const auto &[a, b] : {std::pair{"43A", "63A"}, std::pair{"43B", "63B"}, std::pair{"22B", "52B"},
                                   std::pair{"32A", "72A"}})
            QCOMPARE(GreetingOf(QString::fromLatin1(a), 2), GreetingOf(QString::fromLatin1(b), 2));
        // "14A": one line in slots 0 and 1, the schoolyard's line in slot 3, which has one comma more.
        const QString early = GreetingOf(QStringLiteral("14A"), 0),
                      late = GreetingOf(QStringLiteral("14A"), 3);
        QCOMPARE(GreetingOf(QStringLiteral("14A"), 1), early);
        QCOMPARE(late, GreetingOf(QStringLiteral("34A"), 2));
        QVERIFY(late != early);
        bool oneCommaMore = false;
        for (qsizetype i = 0; i < late.size(); ++i)
            if (late[i] == QChar(u'、') && QString(late).remove(i, 1) == early) oneCommaMore = true;
        QVERIFY(oneCommaMore);
        // "21A": the same words, trailing off in slots 1 and 4, a full stop in slot 3.
        const QString reina1 = GreetingOf(QStringLiteral("21A"), 1),
                      reina3 = GreetingOf(QStringLiteral("21A"), 3);
        QCOMPARE(GreetingOf(QStringLiteral("21A"), 4), reina1);
        QVERIFY(reina1.endsWith(QChar(u'…')));
        QVERIFY(reina3.endsWith(QChar(u'。')));
        QCOMPARE(reina1.chopped(1), reina3.chopped(1));
        // "35A": already here in slot 4, here at last in slot 5.
        QVERIFY(GreetingOf(QStringLiteral("35A"), 4) != GreetingOf(QStringLiteral("35A"), 5));
        // Greetings name nobody by a placeholder and stay within code page 932.
        for (const QString &code : AllCodes()) {
            QVERIFY(!GreetingOf(code, 1).contains(QStringLiteral("ＸＸＸ")));
            QVERIFY(CanEncodeCp932(GreetingOf(code, 1)));
        }
        for (int g = 1; g <= 6; ++g)
            QCOMPARE(QString::fromUtf16(HeroineName[g]), Names[g]);
    }
};

QTEST_MAIN(TestEncounters)
#include "test_encounters.moc"
