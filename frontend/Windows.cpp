#include "frontend/Windows.h"

#include "core/DblLog.h"
#include "core/DblMain.h"
#include "core/Options.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "ending/DblEnding.h"
#include "frontend/DblOption.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "platform/Speech.h"
#include "talk/DblAlbum.h"
#include "talk/DblSerif.h"

namespace {
// The line on the campus window, said first by a window that opens over it at once and takes the keys.
void CarryTheLine(Form &window) {
    if (AfternoonLines().empty()) return;
    const auto &[speaker, text] = AfternoonLines().back();
    SayAsItOpens(&window, SpokenLine(speaker, text));
}

// Each call reaches the window of the moment: created on first use, a fresh one after an unload.
// Taking a prompt away or stopping the clock never brings a closed window back.
class CampusWindow final : public CampusView {
  public:
    void Open() override {
        Win<DblMain>().Show();
        Unload<DblLog>(); // an afternoon begins: the last one's lookback goes
    }
    void ShowLine(const QString &speaker, const QString &text) override {
        Win<DblMain>().ShowLine(speaker, text);
    }
    void ShowPicture(const QString &file) override { Win<DblMain>().ShowPicture(file); }
    void ShowCaption(const QString &caption) override { Win<DblMain>().ShowCaption(caption); }
    void ShowClock(const QString &time) override { Win<DblMain>().ShowClock(time); }
    void ShowDestinations(const std::array<bool, 7> &enabled) override {
        Win<DblMain>().ShowDestinations(enabled);
    }
    void ShowPrompt(bool waiting) override {
        if (waiting || IsLoaded<DblMain>()) Win<DblMain>().ShowPrompt(waiting);
    }
    void RunClock(int intervalMs) override {
        if (intervalMs > 0 || IsLoaded<DblMain>()) Win<DblMain>().RunClock(intervalMs);
    }
    void Close() override { Unload<DblMain>(); }
    void KeepLine(const QString &speaker, const QString &text) override {
        if (IsLoaded<DblMain>()) Win<DblMain>().KeepLine(speaker, text);
    }
};

class ReplyWindow final : public ReplyView {
  public:
    void Offer(const std::array<QString, 5> &replies) override {
        DblSerif &serif = Win<DblSerif>();
        CarryTheLine(serif); // her greeting, or her answer before more replies
        serif.Show();
        for (int k = 0; k < 5; ++k)
            serif.SetReply(k, replies[k]);
    }
    void Close() override { Unload<DblSerif>(); }
};

class ModalWindows final : public SequenceView {
  public:
    void OpenStartScreen() override {
        Win<DblStart>().Show();
        Unload<DblTitle>();
        // The keys come along from the title, which had them.
        Win<DblStart>().Activate();
    }
    void CloseStartScreen() override { Unload<DblStart>(); }
    void OpenAlbum() override { Win<DblAlbum>().ShowModal(); }
    void AlbumThought(const QString &text) override {
        Win<DblAlbum>().Label1->SetCaption(text);
        Announce(&Win<DblAlbum>(), text);
    }
    void CloseAlbum() override { Unload<DblAlbum>(); }
    void RollCredits() override {
        Win<DblEnding>().ShowModal();
        Unload<DblEnding>();
    }
};
} // namespace

namespace {
// F12, a key that types nothing (so never a click), turns the own voice on or off on every window.
bool VoiceKey(Key key, int) {
    if (key != Key::F12) return false;
    ChangeOption(Option::Voice);
    if (IsLoaded<DblOption>()) Win<DblOption>().ShowValues();
    Speak(QStringLiteral("読み上げ、オン"));
    return true;
}
} // namespace

void InstallWindowViews() {
    UseChosenOptions();
    SetAnyWindowKey(VoiceKey);
    static CampusWindow campus;
    static ReplyWindow replies;
    static ModalWindows sequence;
    InstallViews({&campus, &replies, &sequence});
}
