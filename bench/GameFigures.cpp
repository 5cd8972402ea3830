#include "bench/GameFigures.h"

#include "Leaving.h"
#include "Player.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "core/Store.h"
#include "ending/ClearRecord.h"
#include "frontend/DblStart.h"
#include "frontend/Windows.h"
#include "platform/Settings.h"
#include "platform/System.h"
#include "sound/Music.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {
bool played = false;

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Settings of a scratch folder: the benchmark never touches the player's record.
QTemporaryDir &ScratchSettings() {
    static QTemporaryDir dir;
    SetSettingsFolder(dir.path());
    return dir;
}
} // namespace

namespace {
std::optional<double> WaitCpuPercent(bool music) {
    ScratchSettings();
    ResetGameState();
    InstallWindowViews();
    G.CrLf = QStringLiteral("\r\n");
    StopMidi(); // whatever an earlier figure left playing
    SetMusicOff(!music);
    Win<DblMain>().Show();
    ShowScene(QStringLiteral("C30C"), QStringLiteral("待っています"), QString());
    double cpu0 = 0, cpu1 = 0;
    QElapsedTimer wall;
    // One second to settle, ten measured, then the click.
    QTimer::singleShot(1000, [&] {
        cpu0 = CpuSeconds();
        wall.start();
    });
    QTimer::singleShot(11000, [&] {
        cpu1 = CpuSeconds();
        G.Clicked = True;
    });
    WaitClick();
    const double seconds = wall.elapsed() / 1000.0;
    Unload<DblMain>();
    StopMidi();
    return seconds > 0 ? 100.0 * (cpu1 - cpu0) / seconds : std::optional<double>();
}
} // namespace

std::optional<double> WaitIdleCpuPercent() {
    return WaitCpuPercent(false);
}
std::optional<double> WaitMusicCpuPercent() {
    return WaitCpuPercent(true);
}

std::optional<double> AfternoonSeconds() {
    ScratchSettings();
    ResetGameState();
    G.CrLf = QStringLiteral("\r\n");
    SetTimeScale(6000); // a game minute in 10 ms, the staff roll in a tenth of a second
    SetEndProcessHook([] { throw ProcessEnded{}; });
    // Rooftop (with the friend's call), gymnasium, tennis court, gymnasium, music room.
    Player player(1, 0, {0, 3, 5, 3, 1});
    QElapsedTimer wall;
    wall.start();
    DblStart &start = Win<DblStart>();
    start.Show();
    start.Label1_Click(0);
    start.Text1->SetText(QStringLiteral("鳴海"));
    start.Text2->SetText(QStringLiteral("湊斗"));
    bool ended = false;
    try {
        // The prologue runs inside the click; the rest of the afternoon runs on the clock.
        start.OKBUTTON_Click();
        PumpUntil([&] { return wall.elapsed() > 300000; });
    } catch (const ProcessEnded &) {
        ended = true;
    }
    const double seconds = wall.elapsed() / 1000.0;
    SetEndProcessHook({});
    SetTimeScale(1);
    played = ended;
    std::fprintf(stderr, "afternoon_s: ending %d, record \"%s\", %d clicks, %d replies, %d walks\n",
                 G.EndingNo, qPrintable(ReadClearRecord()), player.clicks, player.replies, player.walks);
    if (!ended || ReadClearRecord().isEmpty()) return std::nullopt;
    return seconds;
}

bool AfternoonPlayed() {
    return played;
}
