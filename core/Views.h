// What the afternoon shows, as the game's procedures see it. Each window implements its view with its
// own controls; tests and tools install views of their own, so the whole afternoon runs headless.
#pragma once
#include <QString>
#include <array>

// The campus window: a line with its speaker, the scene picture, caption, clock, the seven
// destinations, the click prompt, and the clock timer.
class CampusView {
  public:
    virtual ~CampusView() = default;
    virtual void Open() = 0; // shown, created on first use
    virtual void ShowLine(const QString &speaker, const QString &text) = 0;
    virtual void ShowPicture(const QString &file) = 0; // "C10C.DBL"
    virtual void ShowCaption(const QString &caption) = 0;
    virtual void ShowClock(const QString &time) = 0;
    virtual void ShowDestinations(const std::array<bool, 7> &enabled) = 0;
    virtual void ShowPrompt(bool waiting) = 0;
    virtual void RunClock(int intervalMs) = 0; // 0 stops the clock
    virtual void Close() = 0;                  // gone without asking
    // A line the player saw elsewhere (his chosen reply, a thought over the album), for the lookback.
    virtual void KeepLine(const QString &speaker, const QString &text) { (void)speaker, (void)text; }
};

// The reply window under the campus window.
class ReplyView {
  public:
    virtual ~ReplyView() = default;
    virtual void Offer(const std::array<QString, 5> &replies) = 0;
    virtual void Close() = 0;
};

// Modal windows that the afternoon waits on: each returns when the window has done its part.
class SequenceView {
  public:
    virtual ~SequenceView() = default;
    virtual void OpenStartScreen() = 0; // in the title's place
    virtual void CloseStartScreen() = 0;
    virtual void OpenAlbum() = 0; // until AlbumPick has taken a girl
    virtual void AlbumThought(const QString &text) = 0;
    virtual void CloseAlbum() = 0;
    virtual void RollCredits() = 0; // the staff roll, until it closes or hides
};

struct Views {
    CampusView *campus = nullptr;
    ReplyView *replies = nullptr;
    SequenceView *sequence = nullptr;
};
// The views in use: the program installs its windows, a test or tool its own.
Views &View();
void InstallViews(const Views &views);
