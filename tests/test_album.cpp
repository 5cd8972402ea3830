// The prologue's seven waits, the album's thoughts and pick (her −2, the lens gesture), then 4:31 PM.
#include "Player.h"
#include "TestSupport.h"
#include "core/Prologue.h"
#include "core/PrologueLines.h"
#include "talk/Album.h"
#include "talk/AlbumLines.h"
#include <QApplication>
#include <QMouseEvent>

namespace {
const auto album = []() -> DblAlbum & { return Win<DblAlbum>(); };
const auto thought = [] { return Win<DblAlbum>().Label1->text(); };
void moveOver(int i, QPoint at = {20, 20}) {
    QMouseEvent e(QEvent::MouseMove, at, album().Image1[i]->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(album().Image1[i], &e);
}
} // namespace

class TestAlbum : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void hoverThoughts() {
        CloseBox(&album()); // the page stays until a girl is picked
        QStringList lines = {IsLoaded<DblAlbum>() ? thought() : QStringLiteral("closed")};
        for (int i : {3, 3, 6, 7, 0, 1, 2, 4, 5}) { // the first movement opens the monologue
            moveOver(i, {20 + i, 20 + int(lines.size())});
            lines << thought();
        }
        QVERIFY(lines[0].isEmpty() && lines[1] == Str(AlbumOpening) && lines[2] == Str(AlbumThought[3]));
        QVERIFY(lines[3].contains("滝本") && lines[4].contains("神谷") && lines.removeDuplicates() == 0);
    }
    // Boys' photos do nothing, a quick second click picks nobody; lenses, unless another girl is picked.
    void pickingAGirl() {
        const std::tuple<Qt::KeyboardModifiers, int, int, bool> cases[] = {{Qt::NoModifier, 3, 2, false},
            {Qt::ShiftModifier, 5, 3, true}, {Qt::ControlModifier, 7, 3, true}, {Qt::AltModifier, 3, 3, true},
            {Qt::ShiftModifier, 3, 1, false}};
        for (const auto &[mods, photo, pick, lenses] : cases) {
            ResetWorld();
            Win<DblMain>().Show();
            G.Clicked = True; // the last line of the prologue has just been clicked away
            QString picked;
            QWidget *boy = album().Image1[7], *gestured = album().Image1[photo], *girl = album().Image1[pick];
            const Qt::KeyboardModifiers held = mods;
            Later([&] { PressOn(gestured, Qt::RightButton, held), ClickOn(boy), ClickOn(album().Image1[6]); }, 5);
            Later([&] { picked = thought(), ClickOn(girl); }, 10); // then a wait
            Later([&] { picked += thought(), ClickOn(boy); }, 15);
            Later([&] { picked += QString::number(G.TargetGirl), ClickOn(girl), ClickOn(album().Image1[0]); }, 20);
            PickInAlbum();
            QCOMPARE(picked, Str(lenses ? AlbumPickedLenses : AlbumPicked) + "0");
            QVERIFY(!IsLoaded<DblAlbum>() && G.TargetGirl == pick + 1 && (G.ContactLensFlag != 0) == lenses);
            QVERIFY(G.Affection[pick + 1] == -2 && std::count(G.Affection.begin(), G.Affection.end(), 0) == 6);
        }
    }
    void thePrologueOpensTheAlbumAndStartsTheClock() {
        G.Affection = {0, 2, 2, 2, 2, 2, 2};
        DblMain &m = Win<DblMain>();
        QStringList lines; // the seven lines, each waited for, nobody speaking, no way to go
        Player player(4);  // picks heroine 5
        player.BeforeClick = [&] {
            if (IsLoaded<DblAlbum>()) return;
            lines << m.Label2->text() + m.Label1->text() + (m.Command1[6]->isEnabled() ? "!" : "");
            if (lines.size() == 3) CloseBox(&m); // quitting is refused until the pick
        };
        BeginAfternoon(false);
        QVERIFY(lines.size() == 7 && IsLoaded<DblMain>() && World().boxes.size() == 1);
        for (int i = 0; i < 7; ++i) QCOMPARE(lines[i], Str(PrologueLines[i]));
        QVERIFY(player.picks == 1 && !IsLoaded<DblAlbum>() && G.TargetGirl == 5 && G.Affection[5] == 0);
        QVERIFY(m.Label1->text() == Str(AfterAlbumLine) && m.Label3->text().isEmpty());
        QVERIFY(G.Location == 3 && G.Mode == ModeFree && m.Timer1->Enabled() && m.Command1[6]->isEnabled() &&
                m.lblClock->text() == "4:31 PM");
        G.Location = 5, G.GameMinute = 17; // a continued afternoon has no prologue
        BeginAfternoon(true);
        QVERIFY(lines.size() == 7 && player.picks == 1 && m.Label1->text() == Str(ResumeLine));
        QVERIFY(G.Location == 5 && m.Timer1->Enabled() && m.lblClock->text() == "4:47 PM");
    }
};

QTEST_MAIN(TestAlbum)
#include "test_album.moc"
