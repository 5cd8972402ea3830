// A player who plays along through the real windows: clicks through every "クリックしてください",
// picks a girl in the album, answers each reply window, and walks a route of destination buttons.
// Each action is queued from a timer, so it also runs while an earlier action waits further up.
#pragma once
#include "WindowInput.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "ending/DblEnding.h"
#include "talk/Album.h"
#include "talk/DblAlbum.h"
#include "talk/DblSerif.h"
#include <QTimer>
#include <functional>
#include <vector>

class Player : public QObject {
  public:
    // pick: album photo to click (-1: none); reply: reply button to press (-1: leave every girl
    // unanswered); route: destination buttons to walk to, one after another, whenever he is free.
    explicit Player(int pick = -1, int reply = -1, std::vector<int> route = {})
        : pick_(pick), reply_(reply), route_(std::move(route)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QMetaObject::invokeMethod(
                this, [this] { act(); }, Qt::QueuedConnection);
        });
        timer_.start(1);
    }
    int clicks = 0, picks = 0, replies = 0, walks = 0;
    // The player also keeps the clocks: a minute (or a step of the roll) passes only when he has
    // nothing left to do, so the afternoon goes the same on a fast machine and a loaded one.
    bool drivesClock = false, enabled = true;
    void Pause(bool paused) { enabled = !paused; }
    // Sees the campus window just before a line is clicked away.
    std::function<void()> BeforeClick;

  private:
    static void click(const Control *c) { PressThroughWindow(c->Widget(), Qt::LeftButton, Qt::NoModifier); }
    void act() {
        if (!enabled) return;
        const QString prompt = QStringLiteral("クリックしてください");
        // The album is modal: its second click (that ends the pick's wait) goes to the album too.
        if (pick_ >= 0 && IsLoaded<DblAlbum>() && Win<DblAlbum>().Visible()) {
            picks += !AlbumPickMade();
            return click(Win<DblAlbum>().Image1[pick_]);
        }
        if (reply_ >= 0 && IsLoaded<DblSerif>() && Win<DblSerif>().Visible() &&
            Win<DblSerif>().Command1[reply_]->Enabled())
            return ++replies, click(Win<DblSerif>().Command1[reply_]);
        if (!IsLoaded<DblMain>()) {
            if (drivesClock && IsLoaded<DblEnding>() && Win<DblEnding>().Timer1->Enabled())
                Win<DblEnding>().Timer1->Tick();
            return;
        }
        DblMain &m = Win<DblMain>();
        if (m.Label3->Caption() == prompt && G.Clicked == 0) {
            if (BeforeClick) BeforeClick();
            return ++clicks, click(m.Image1);
        }
        if (G.Mode == ModeFree && next_ < route_.size() && m.Command1[route_[next_]]->Enabled())
            return ++walks, click(m.Command1[route_[next_++]]);
        if (drivesClock && m.Timer1->Enabled() && m.Label3->Caption() != prompt) m.Timer1->Tick();
    }
    int pick_, reply_;
    std::vector<int> route_;
    size_t next_ = 0;
    QTimer timer_;
};
