// The class album and the prologue around it: seven narrated lines with their waits, the album's
// hover thoughts, the pick (the girl, her 2 points, the contact-lens gesture), the click that only
// ends the pick's wait, the boys' photos doing nothing, and the clock starting at 4:31 PM.
#include "TalkSupport.h"
#include "core/Prologue.h"
#include "core/PrologueLines.h"
#include "talk/Album.h"
#include "talk/AlbumLines.h"
#include "talk/DblAlbum.h"
#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

using namespace talktest;

namespace {
DblAlbum &album() {
    return Win<DblAlbum>();
}
bool albumUp() {
    return IsLoaded<DblAlbum>() && Win<DblAlbum>().isVisible();
}

// The pointer moves over photo i at a point of the photo (no button held).
void moveOver(int i, QPoint at = {20, 20}) {
    QWidget *w = album().Image1[i];
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void rightClick(int i, Qt::KeyboardModifiers mods) {
    PressOn(album().Image1[i], Qt::RightButton, mods);
    QTest::mouseRelease(album().Image1[i], Qt::RightButton, mods);
}
QString thought() {
    return album().Label1->text();
}
// A click that comes the way the desktop delivers it, so a modal window can hold it back.
void clickThroughDesktop(QWidget *w) {
    const QPoint at = w->mapTo(w->window(), w->rect().center());
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// Steps run one at a time from inside whatever wait is running (one every few milliseconds).
class Script {
  public:
    explicit Script(std::vector<std::function<void()>> steps)
        : steps_(std::move(steps)), timer_(3, [this] {
              if (next_ < steps_.size()) steps_[next_++]();
          }) {}
    bool Done() const { return next_ == steps_.size(); }

  private:
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    Repeater timer_;
};

// As at the end of the prologue: the campus window up, the last line's click still in the flag.
void openedAfterTheNarration() {
    Win<DblMain>().Show();
    G.Clicked = True;
    G.Affection = {0, 3, 3, 3, 3, 3, 3};
}
} // namespace

class TestAlbum : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void thePageAndItsPlace() {
        DblAlbum &a = album();
        QCOMPARE(a.Caption(), QStringLiteral("Duskbell  Album"));
        QCOMPARE(a.size(), QSize(521, 446));
        QCOMPARE(a.Image1[0]->geometry(), QRect(8, 16, 121, 185));
        QCOMPARE(a.Image1[5]->geometry(), QRect(264, 216, 121, 185));
        QCOMPARE(a.Image1[6]->geometry(), QRect(432, 16, 89, 185));
        QCOMPARE(a.Image1[7]->geometry(), QRect(432, 216, 89, 185));
        QCOMPARE(a.Label1->geometry(), QRect(8, 424, 505, 17));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(std::abs(a.Left() - (Tw(screen.width()) - 7815) / 2) < 15);
        QVERIFY(std::abs(a.Top() - ((Tw(screen.height()) - 6690) / 2 - 100)) < 15);
        QCOMPARE(a.LastHover, -1);
        QVERIFY(thought().isEmpty());
        // The page stays until a girl is picked.
        a.close();
        QVERIFY(IsLoaded<DblAlbum>() && !World().ended);
    }

    void hoverThoughts() {
        // The first movement opens the monologue even over a girl's photo.
        moveOver(3);
        QCOMPARE(thought(), QString::fromUtf16(AlbumOpening));
        QCOMPARE(album().LastHover, -2);
        // The next one, over the same photo, is that photo's thought.
        moveOver(3, {40, 60});
        QCOMPARE(thought(), QString::fromUtf16(AlbumThought[3]));
        // Moving within one photo leaves the line alone; another photo rewrites it.
        album().Label1->setText(QStringLiteral("x"));
        moveOver(3, {50, 70});
        QCOMPARE(thought(), QStringLiteral("x"));
        QStringList lines;
        for (int i : {6, 7, 0, 1, 2, 4, 5}) {
            moveOver(i);
            QCOMPARE(album().LastHover, i);
            lines << thought();
        }
        QVERIFY(lines[0].contains(QStringLiteral("滝本"))); // the friend, named
        QVERIFY(lines[1].contains(QStringLiteral("神谷"))); // the popular boy, named
        QVERIFY(lines[1].contains(QStringLiteral("ヒカルン")));
        lines << QString::fromUtf16(AlbumThought[3]) << QString::fromUtf16(AlbumOpening);
        lines.removeDuplicates();
        QCOMPARE(lines.size(), 9);
    }

    void pickingAGirl() {
        // Outside the album a click on the campus picture is a click.
        Win<DblMain>().Show();
        G.Clicked = 0;
        clickThroughDesktop(Win<DblMain>().Image1);
        QCOMPARE(G.Clicked, True);
        openedAfterTheNarration();
        G.Affection[3] = 0;
        QString picked;
        bool promptDuringPick = false, heldBack = false;
        Script s({[] { ClickOn(album().Image1[7]); }, // the boys' photos neither pick...
                  [] { ClickOn(album().Image1[6]); }, [] { QCOMPARE(G.Clicked, True); },
                  [] { QVERIFY(thought().isEmpty()); },
                  [] { ClickOn(album().Image1[2]); }, // the pick: heroine 3, then a wait
                  [&] {
                      picked = thought();
                      promptDuringPick = PromptShown();
                      QCOMPARE(G.TargetGirl, Integer(0));
                  },
                  [] { ClickOn(album().Image1[7]); },                 // ...nor continue
                  [] { clickThroughDesktop(Win<DblMain>().Image1); }, // the campus window is behind the album
                  [&] { heldBack = G.TargetGirl == 0 && albumUp(); },
                  // Any girl's photo continues; a second quick click does not pick again.
                  [] {
                      ClickOn(album().Image1[0]);
                      ClickOn(album().Image1[1]);
                  },
                  [] {
                      if (albumUp()) ClickOn(album().Image1[0]);
                  }});
        PickInAlbum();
        QVERIFY(heldBack);
        QCOMPARE(picked, QString::fromUtf16(AlbumPicked));
        QVERIFY(promptDuringPick);
        QCOMPARE(G.TargetGirl, Integer(3));
        QCOMPARE(G.Affection[3], Integer(-2)); // may go below zero
        for (int g : {1, 2, 4, 5, 6})
            QCOMPARE(G.Affection[g], Integer(3));
        QCOMPARE(G.ContactLensFlag, Integer(0));
        QVERIFY(!IsLoaded<DblAlbum>());
    }

    void theContactLensGesture() {
        const struct {
            Qt::KeyboardModifiers mods;
            int gesturePhoto, pick;
            bool lenses;
        } cases[] = {
            {Qt::ShiftModifier, 5, 3, true},   // any photo, then heroine 4
            {Qt::ControlModifier, 7, 3, true}, // a boy's photo counts for the gesture
            {Qt::AltModifier, 3, 3, true},
            {Qt::ShiftModifier, 3, 1, false}, // then heroine 2: the flag is cleared
            {Qt::NoModifier, 3, 3, false},    // a plain right click does nothing
        };
        for (const auto &c : cases) {
            ResetWorld();
            openedAfterTheNarration();
            QString picked;
            Script s({[&] { rightClick(c.gesturePhoto, c.mods); },
                      [&] { QCOMPARE(G.ContactLensFlag != 0, c.mods != Qt::NoModifier); },
                      [&] { ClickOn(album().Image1[c.pick]); }, [&] { picked = thought(); },
                      [&] { ClickOn(album().Image1[c.pick]); }});
            PickInAlbum();
            QCOMPARE(G.TargetGirl, Integer(c.pick + 1));
            QCOMPARE(G.ContactLensFlag != 0, c.lenses);
            QCOMPARE(picked, QString::fromUtf16(c.lenses ? AlbumPickedLenses : AlbumPicked));
        }
    }

    void thePrologueOpensTheAlbumAndStartsTheClock() {
        G.Affection = {0, 2, 2, 2, 2, 2, 2};
        DblMain &m = Win<DblMain>();
        std::vector<std::pair<QString, QString>> lines; // speaker, text of every wait
        std::vector<bool> buttonsOff;
        bool refused = false, pickedOnce = false;
        Repeater player(1, [&] {
            if (albumUp()) {
                if (!pickedOnce) {
                    pickedOnce = true;
                    ClickOn(album().Image1[4]); // heroine 5
                } else if (PromptShown()) {
                    ClickOn(album().Image1[4]);
                }
                return;
            }
            if (!PromptShown()) return;
            lines.push_back({m.Label2->text(), m.Label1->text()});
            bool off = G.Mode == 0;
            for (Button *b : m.Command1)
                off = off && !b->isEnabled();
            buttonsOff.push_back(off);
            QCOMPARE(m.Caption(), QStringLiteral("Duskbell"));
            if (lines.size() == 3) { // quitting is refused until the pick
                m.close();
                refused = IsLoaded<DblMain>() && World().boxes.size() == 1 &&
                          World().boxes[0].text == QStringLiteral("ここではゲームの中断はできません");
            }
            ClickOn(m.Image1);
        });
        BeginAfternoon(false);
        // The seven lines, each waited for, nobody speaking, the buttons off.
        QCOMPARE(lines.size(), size_t(7));
        for (size_t i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines[i].first, QString());
            QCOMPARE(lines[i].second, QString::fromUtf16(PrologueLines[i]));
            QVERIFY(buttonsOff[i]);
        }
        QVERIFY(refused);
        QCOMPARE(G.MusicRequest, QStringLiteral("M00C.mid")); // the schoolyard picture's campus music
        QCOMPARE(G.TargetGirl, Integer(5));
        QCOMPARE(G.Affection[5], Integer(0));
        QVERIFY(!IsLoaded<DblAlbum>());
        // Then one line without a wait, and the afternoon starts at 4:31 PM at the schoolyard.
        QCOMPARE(m.Label1->text(), QString::fromUtf16(AfterAlbumLine));
        QCOMPARE(m.Label3->text(), QString());
        QCOMPARE(G.Location, Integer(3));
        QCOMPARE(G.GameMinute, Integer(1));
        QCOMPARE(G.Mode, Integer(ModeFree));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:31 PM"));
        QVERIFY(m.Timer1->Enabled());
        QCOMPARE(m.Timer1->Interval(), 60000);
        QVERIFY(m.Command1[0]->isEnabled() && m.Command1[6]->isEnabled());
    }

    void aContinuedAfternoonHasNoPrologue() {
        G.Location = 5;
        G.GameMinute = 17;
        G.TargetGirl = 2;
        Player player;
        BeginAfternoon(true);
        DblMain &m = Win<DblMain>();
        QCOMPARE(player.clicks, 0);
        QVERIFY(!IsLoaded<DblAlbum>());
        QCOMPARE(m.Label1->text(), QString::fromUtf16(ResumeLine));
        QCOMPARE(m.lblClock->text(), QStringLiteral("4:47 PM"));
        QCOMPARE(G.Location, Integer(5));
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(m.Timer1->Enabled());
        QVERIFY(m.Command1[0]->isEnabled() && m.Command1[6]->isEnabled());
    }
};

QTEST_MAIN(TestAlbum)
#include "test_album.moc"
