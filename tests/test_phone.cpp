// The friend's calls: on the first, second and fourth three-minute walk, with the hint about the
// girl picked, the surname in his hello, ticks during a call only moving the clock, and a call that
// runs past five o'clock holding the gate back until it ends.
#include "TalkSupport.h"
#include "core/Choices.h"
#include "core/Prologue.h"
#include "talk/Phone.h"
#include <QImage>
#include <QTest>

using namespace talktest;

namespace {
const QString Kenji = QStringLiteral("滝本　健二");

struct Screen {
    QString speaker, text;
    QRgb picture;
};

QRgb shownPicture() {
    const QImage img = Win<DblMain>().Image1->pixmap().toImage();
    return img.isNull() ? 0 : img.pixel(5, 5);
}

// The call's two pictures in colours of their own, so a test can tell which is shown.
constexpr QRgb CallColour = 0xff102030, HangUpColour = 0xff405060;
void writeCallPictures() {
    for (const auto &[name, colour] :
         {std::pair{"C00A.DBL", CallColour}, std::pair{"C00B.DBL", HangUpColour}}) {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(colour);
        KillFile(QString::fromLatin1(name));
        QVERIFY(img.save(QString::fromLatin1(name), "PNG"));
    }
}

DblMain &walkingAt(int minute, int arrive) {
    G.Location = 3;
    G.GameMinute = static_cast<Integer>(minute);
    G.ArriveMinute = static_cast<Integer>(arrive);
    G.Destination = 1;
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = ModeWalking;
    return m;
}

// Plays one call from the clock's place, the player clicking through; returns the screens he clicked.
std::vector<Screen> playCall() {
    std::vector<Screen> seen;
    Player player;
    player.BeforeClick = [&] {
        seen.push_back({Win<DblMain>().Label2->text(), Win<DblMain>().Label1->text(), shownPicture()});
        QCOMPARE(G.Mode, Integer(ModePhone));
    };
    PhoneCall();
    return seen;
}
} // namespace

class TestPhone : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ResetWorld();
        G.Myouji = QStringLiteral("山田");
        writeCallPictures();
    }

    void callsOnTheFirstSecondAndFourthLongWalk() {
        ResetWorld(300); // a game minute in a fifth of a second
        G.Myouji = QStringLiteral("山田");
        G.TargetGirl = 2;
        G.MetFlag = {0, 1, 1, 1, 1, 1, 1}; // nobody left to meet: the walks are the friend's alone
        Player player;
        DblMain &m = Win<DblMain>();
        G.Location = 3;
        G.GameMinute = 1;
        m.Show();
        StartClock();
        // schoolyard, rooftop, music room, rooftop, schoolyard: four walks of three minutes
        const struct {
            int button, destination, waits;
        } walks[] = {{0, 1, 5}, {1, 2, 5}, {0, 1, 0}, {2, 3, 3}};
        int count = 0;
        for (const auto &w : walks) {
            const int clicksBefore = player.clicks;
            const Integer start = G.GameMinute;
            QVERIFY(m.Command1[w.button]->isEnabled());
            ClickOn(m.Command1[w.button]);
            QVERIFY(RunUntil([&] { return G.Location == w.destination && G.Mode == ModeFree; }));
            ++count;
            QCOMPARE(G.PhoneCount, Integer(count));
            QCOMPARE(player.clicks - clicksBefore, w.waits);
            QCOMPARE(G.GameMinute, Integer(start + 3)); // clicked through in time: arrives as planned
        }
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:43 PM"));
    }

    void firstCallHintsAtTheGirlPicked() {
        const QStringList family = {QStringLiteral("白石"), QStringLiteral("春日"), QStringLiteral("桐島"),
                                    QStringLiteral("水瀬"), QStringLiteral("朝倉"), QStringLiteral("西園寺")};
        QStringList hints;
        for (int girl = 1; girl <= 6; ++girl) {
            ResetWorld();
            G.Myouji = QStringLiteral("山田");
            writeCallPictures();
            G.TargetGirl = static_cast<Integer>(girl);
            walkingAt(2, 4);
            const std::vector<Screen> s = playCall();
            QCOMPARE(s.size(), size_t(5));
            QCOMPARE(s[0].speaker, QString()); // his handset rings
            QCOMPARE(s[1].speaker, Kenji);     // hello, with the surname as entered
            const qsizetype at = s[1].text.indexOf(QStringLiteral("山田"));
            QVERIFY(at > 0);
            QVERIFY(!QStringLiteral("君くさ様").contains(s[1].text.at(at + 2)));
            QCOMPARE(s[2].speaker, Kenji); // the hint names her
            QVERIFY2(s[2].text.contains(family[girl - 1]), qPrintable(s[2].text));
            for (int other = 0; other < 6; ++other)
                if (other != girl - 1) QVERIFY(!s[2].text.contains(family[other]));
            hints << s[2].text;
            QCOMPARE(s[3].speaker, QString()); // his question
            QCOMPARE(s[4].speaker, Kenji);     // goodbye
            for (const Screen &x : s)
                QCOMPARE(x.picture, CallColour);
            // The closing narration stays without a wait, on the walking picture.
            DblMain &m = Win<DblMain>();
            QCOMPARE(shownPicture(), HangUpColour);
            QCOMPARE(m.Label2->text(), QString());
            QVERIFY(!m.Label1->text().isEmpty() && m.Label1->text() != s[4].text);
            QCOMPARE(m.Label3->text(), QString());
            QCOMPARE(G.Mode, Integer(ModeWalking));
        }
        hints.removeDuplicates();
        QCOMPARE(hints.size(), 6);
    }

    void withoutAGirlTheHelloWaitsTwice() {
        for (Integer girl : {Integer(0), Integer(7)}) {
            ResetWorld();
            G.Myouji = QStringLiteral("山田");
            writeCallPictures();
            G.TargetGirl = girl;
            walkingAt(2, 4);
            const std::vector<Screen> s = playCall();
            QCOMPARE(s.size(), size_t(5));
            QCOMPARE(s[1].speaker, Kenji);
            QCOMPARE(s[2].speaker, s[1].speaker);
            QCOMPARE(s[2].text, s[1].text);
            QCOMPARE(s[3].speaker, QString());
        }
    }

    void theSecondAndThirdCalls() {
        G.TargetGirl = 1;
        G.PhoneCount = 1;
        walkingAt(5, 7);
        std::vector<Screen> second = playCall();
        QCOMPARE(G.PhoneCount, Integer(2));
        QCOMPARE(second.size(), size_t(5));
        const QString speakers[] = {QString(), Kenji, Kenji, QString(), Kenji};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(second[i].speaker, speakers[i]);
        QVERIFY(second[1].text.contains(QStringLiteral("山田")));
        QCOMPARE(shownPicture(), HangUpColour);

        // The third opportunity is quiet and hands the walk straight back.
        Win<DblMain>().Label1->setText(QStringLiteral("歩いている"));
        walkingAt(8, 10);
        QVERIFY(playCall().empty());
        QCOMPARE(G.PhoneCount, Integer(3));
        QCOMPARE(G.Mode, Integer(ModeWalking));
        QCOMPARE(Win<DblMain>().Label1->text(), QStringLiteral("歩いている"));

        walkingAt(11, 13);
        std::vector<Screen> third = playCall();
        QCOMPARE(G.PhoneCount, Integer(4));
        QCOMPARE(third.size(), size_t(3));
        QCOMPARE(third[0].speaker, QString());
        QCOMPARE(third[1].speaker, Kenji);
        QVERIFY(third[1].text.contains(QStringLiteral("山田")));
        QCOMPARE(third[2].speaker, Kenji);
        QCOMPARE(shownPicture(), HangUpColour);
        // Every call says why he rings in its own words.
        QVERIFY(second[1].text != third[1].text);

        // From the fifth opportunity on, nothing.
        for (int n = 5; n <= 7; ++n) {
            walkingAt(14, 16);
            QVERIFY(playCall().empty());
            QCOMPARE(G.PhoneCount, Integer(n));
        }
    }

    void aCallPastFiveHoldsTheGateBack() {
        ResetWorld(300);
        G.Myouji = QStringLiteral("山田");
        writeCallPictures();
        G.TargetGirl = 3;
        G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
        DblMain &m = Win<DblMain>();
        G.Location = 3;
        G.GameMinute = 27;
        m.Show();
        StartClock();
        G.TalkCode = QStringLiteral("35A"); // a girl he walked away from: no errand line during the call
        Player player;
        player.Pause(true); // he lets the call run on
        struct {
            bool seen = false;
            QString clock, text;
            Integer mode = 0, location = 0;
            QString talkCode;
        } atFive;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (atFive.seen || G.GameMinute < 31) return;
            atFive = {true, m.lblClock->text(), m.Label1->text(), G.Mode, G.Location, G.TalkCode};
            player.Pause(false);
        });
        watch.start(5);
        std::vector<Screen> seen;
        player.BeforeClick = [&] {
            seen.push_back({m.Label2->text(), m.Label1->text(), shownPicture()});
            // Once he has hung up past five, the test takes over the clock.
            if (G.GameMinute >= 30 && seen.size() > 5) m.Timer1->SetEnabled(false);
        };
        ClickOn(m.Command1[0]); // rooftop: due at 5:00 PM
        QCOMPARE(G.ArriveMinute, Integer(30));
        QVERIFY(RunUntil([] { return G.PhoneCount == 1 && G.Mode == ModeWalking; }, 15000));
        QVERIFY(atFive.seen);
        QCOMPARE(atFive.clock, QStringLiteral("5:00 PM"));
        QCOMPARE(atFive.mode, Integer(ModePhone));
        QCOMPARE(atFive.location, Integer(3)); // the walk waits for the call
        QCOMPARE(atFive.talkCode, QStringLiteral("35A"));
        QCOMPARE(atFive.text, seen.front().text); // the ringing is still on screen
        // Five lines of the first call, then the five-o'clock line on the call's picture.
        QCOMPARE(seen.size(), size_t(6));
        QCOMPARE(seen[5].speaker, QString());
        QCOMPARE(seen[5].picture, CallColour);
        QVERIFY(seen[5].text.contains(QStringLiteral("五時")));
        QVERIFY(G.GameMinute >= 31);
        QVERIFY(G.Mode != ModeEnding);
        // The next tick closes the gate.
        bool endingSeen = false;
        player.BeforeClick = [&] {
            if (G.Mode == ModeEnding) endingSeen = true;
        };
        QVERIFY(RunEnding([&] { m.Timer1_Timer(); }));
        QVERIFY(endingSeen);
    }
};

QTEST_MAIN(TestPhone)
#include "test_phone.moc"
