// Duskbell's figures. Standard output carries only lines "NAME VALUE UNIT"; notes go to standard error.
//
//   duskbell_bench [--game DIR] [NAME...]
//
// Runs in the game folder (DIR, or the "game" folder beside the executable) and measures every
// figure of the table below, or only the named ones. To add a figure, write one function that
// returns its value (or nothing when it cannot be measured) and add a row to Figures.
#include "bench/GameFigures.h"
#include "platform/TextFile.h"
#include "sound/Music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A line of /proc/self/status, in megabytes (the kernel gives kB).
std::optional<double> StatusMb(const char *key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const size_t len = std::strlen(key);
    while (std::getline(in, line))
        if (line.compare(0, len, key) == 0 && line.size() > len && line[len] == ':')
            return std::atof(line.c_str() + len + 1) / 1024.0;
    return std::nullopt;
}

// Milliseconds since the kernel started this process (its start time has a resolution of one clock tick).
double MsSinceProcessStart() {
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields after the parenthesised command name; the start time is field 22.
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && rest >> field; ++i) {
    }
    const double startS = std::atof(field.c_str()) / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9 - startS) * 1000.0;
}

// ---- pieces to switch between: the game's own, or generated stand-ins ----

void PutBE(QByteArray &out, unsigned value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void PutVarLen(QByteArray &out, unsigned value) {
    QByteArray rev;
    rev.append(char(value & 0x7F));
    while (value >>= 7)
        rev.append(char(0x80 | (value & 0x7F)));
    std::reverse(rev.begin(), rev.end());
    out.append(rev);
}

// A 32-second band piece (melody, chords, bass, drums) at 120 beats per minute, 480 ticks a beat.
// Deterministic: the same bytes for the same arguments.
QByteArray BandPiece(int melodyProgram, int chordProgram, int root) {
    struct Event {
        int tick;
        int order;
        QByteArray bytes;
    };
    std::vector<Event> ev;
    int order = 0;
    auto add = [&](int tick, std::initializer_list<int> bytes) {
        QByteArray b;
        for (int x : bytes)
            b.append(char(x));
        ev.push_back({tick, order++, b});
    };
    auto note = [&](int ch, int tick, int len, int key, int vel) {
        add(tick, {0x90 | ch, key, vel});
        add(tick + len, {0x80 | ch, key, 0});
    };
    add(0, {0xC0, melodyProgram});
    add(0, {0xC1, chordProgram});
    add(0, {0xC2, 33}); // fingered bass
    const int beat = 480, bar = 4 * beat;
    const int chords[4][3] = {{0, 4, 7}, {-3, 0, 4}, {-7, -3, 0}, {-5, -1, 2}}; // I vi IV V
    const int tune[8] = {0, 2, 4, 7, 9, 7, 4, 2};
    for (int b = 0; b < 16; ++b) {
        const int t = b * bar;
        const int *c = chords[b % 4];
        for (int k = 0; k < 3; ++k)
            note(1, t, bar - 20, root + c[k], 70);
        note(2, t, beat, root - 24 + c[0], 90);
        note(2, t + 2 * beat, beat, root - 24 + c[0] + 7, 85);
        for (int i = 0; i < 8; ++i)
            note(0, t + i * beat / 2, beat / 2 - 10, root + 12 + tune[(i + b) % 8], 95);
        for (int i = 0; i < 4; ++i) {
            note(9, t + i * beat, 60, i % 2 ? 38 : 36, 100); // snare on 2 and 4, kick on 1 and 3
            note(9, t + i * beat + beat / 2, 60, 42, 70);    // closed hi-hat
        }
    }
    std::stable_sort(ev.begin(), ev.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray track;
    track.append("\x00\xFF\x51\x03\x07\xA1\x20", 7); // 120 beats per minute
    int last = 0;
    for (const Event &e : ev) {
        PutVarLen(track, unsigned(e.tick - last));
        track.append(e.bytes);
        last = e.tick;
    }
    track.append("\x00\xFF\x2F\x00", 4);
    QByteArray file("MThd");
    PutBE(file, 6, 4);
    PutBE(file, 0, 2);
    PutBE(file, 1, 2);
    PutBE(file, beat, 2);
    file.append("MTrk");
    PutBE(file, unsigned(track.size()), 4);
    file.append(track);
    return file;
}

struct Pieces {
    QString a, b;
};

// Holds generated pieces when the game's music is not built yet; removed before leaving.
std::unique_ptr<QTemporaryDir> Scratch;

// The game's own "M10C.mid" and "M20C.mid" when the game folder has them; otherwise two generated
// pieces in a scratch folder, which then becomes the current directory.
Pieces &ThePieces() {
    static Pieces p = [] {
        Pieces p;
        p.a = "M10C.mid";
        p.b = "M20C.mid";
        if (FileExists(p.a) && FileExists(p.b)) {
            std::fprintf(stderr, "pieces: %s and %s of %s\n", qPrintable(p.a), qPrintable(p.b),
                         qPrintable(QDir::currentPath()));
            return p;
        }
        Scratch = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(Scratch->path());
        for (auto [name, bytes] :
             {std::pair{p.a, BandPiece(0, 48, 60)}, std::pair{p.b, BandPiece(73, 89, 65)}}) {
            QFile f(name);
            if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        }
        std::fprintf(stderr, "pieces: generated stand-ins (the game's music is not built yet)\n");
        return p;
    }();
    return p;
}

// ---- figures of the music channel ----

std::optional<double> SoundfontReadyMs() {
    StartMusicSystem();
    if (!WaitSoundfontReady(60000)) return std::nullopt;
    return MsSinceProcessStart();
}

std::optional<double> MusicSwitchMs() {
    Pieces &p = ThePieces();
    StartMusicSystem();
    if (!WaitSoundfontReady(60000)) return std::nullopt;
    PlayMidi(p.a);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<double> times;
    for (int i = 0; i < 60; ++i) {
        const QString &next = i % 2 ? p.a : p.b;
        const auto t0 = Clock::now();
        PlayMidi(next);
        times.push_back(Ms(Clock::now() - t0));
        // Scene changes are seconds apart; give the audio thread time to take up each piece.
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
    if (!MidiIsPlaying()) std::fprintf(stderr, "music_switch_ms: the last piece is not playing\n");
    return Median(times);
}

std::optional<double> PeakRssMb() {
    // After a whole afternoon with its music, the peak is the afternoon's.
    if (AfternoonPlayed()) return StatusMb("VmHWM");
    Pieces &p = ThePieces();
    StartMusicSystem();
    if (!WaitSoundfontReady(60000)) return std::nullopt;
    for (const QString &piece : {p.a, p.b}) {
        PlayMidi(piece);
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    }
    std::fprintf(stderr, "peak_rss_mb: %d voices sounding at the end\n", SoundingMusicVoices());
    StopMidi();
    return StatusMb("VmHWM");
}

// ---- the naive way, for comparison: Mix_LoadMUS per piece, in a child process ----

const char *NaiveFlag = "--naive-loadmus";

// In the child: load and play each piece as SDL2_mixer does it by itself, then report on stdout.
int NaiveChild(const QString &a, const QString &b) {
    if (const char *sf = std::getenv("DUSKBELL_SOUNDFONT")) setenv("SDL_SOUNDFONTS", sf, 1);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return 1;
    Mix_Init(MIX_INIT_MID);
    Mix_Music *music = nullptr;
    std::vector<double> times;
    for (int i = 0; i < 10; ++i) {
        const QString path = FindFile(i % 2 ? b : a);
        const auto t0 = Clock::now();
        if (music) {
            Mix_HaltMusic();
            Mix_FreeMusic(music);
        }
        music = Mix_LoadMUS(QFile::encodeName(path).constData());
        if (music) Mix_PlayMusic(music, 0);
        times.push_back(Ms(Clock::now() - t0));
        if (!music) {
            std::fprintf(stderr, "naive: Mix_LoadMUS failed: %s\n", Mix_GetError());
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::printf("loadmus_switch_ms %.3f\n", Median(times));
    std::printf("loadmus_peak_rss_mb %.1f\n", StatusMb("VmHWM").value_or(0));
    return 0;
}

struct NaiveResult {
    std::optional<double> switchMs, peakRssMb;
};

const NaiveResult &Naive() {
    static const NaiveResult r = [] {
        NaiveResult r;
        Pieces &p = ThePieces();
        int out[2];
        if (pipe(out) != 0) return r;
        std::fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            const QByteArray a = p.a.toLocal8Bit(), b = p.b.toLocal8Bit();
            execl("/proc/self/exe", "duskbell_bench", NaiveFlag, a.constData(), b.constData(),
                  (char *)nullptr);
            _exit(127);
        }
        close(out[1]);
        if (pid < 0) {
            close(out[0]);
            return r;
        }
        std::string text;
        char buf[512];
        for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
            text.append(buf, size_t(n));
        close(out[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        std::istringstream lines(text);
        std::string name;
        double value;
        while (lines >> name >> value) {
            if (name == "loadmus_switch_ms") r.switchMs = value;
            if (name == "loadmus_peak_rss_mb") r.peakRssMb = value;
        }
        return r;
    }();
    return r;
}

std::optional<double> LoadMusSwitchMs() {
    return Naive().switchMs;
}
std::optional<double> LoadMusPeakRssMb() {
    return Naive().peakRssMb;
}

struct Figure {
    const char *name;
    const char *unit;
    std::function<std::optional<double>()> measure;
};

// In this order: the soundfont figure counts from process start, so it comes first.
const Figure Figures[] = {
    {"soundfont_ready_ms", "ms", SoundfontReadyMs},
    {"music_switch_ms", "ms", MusicSwitchMs},
    {"wait_idle_cpu_percent", "%", WaitIdleCpuPercent},
    {"wait_music_cpu_percent", "%", WaitMusicCpuPercent},
    {"afternoon_s", "s", AfternoonSeconds},
    {"peak_rss_mb", "MB", PeakRssMb},
    {"loadmus_switch_ms", "ms", LoadMusSwitchMs},
    {"loadmus_peak_rss_mb", "MB", LoadMusPeakRssMb},
};

// The game folder: the one given, or "game" beside this executable.
QString GameFolder(const QString &given) {
    if (!given.isEmpty()) return given;
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return QDir::currentPath();
    exe[n] = 0;
    return QFileInfo(QString::fromLocal8Bit(exe)).dir().filePath("game");
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 4 && std::strcmp(argv[1], NaiveFlag) == 0)
        return NaiveChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    // The game starts its music system first thing; so does the benchmark.
    StartMusicSystem();
    QApplication app(argc, argv);

    QString game;
    std::vector<std::string> wanted;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc)
            game = QString::fromLocal8Bit(argv[++i]);
        else
            wanted.emplace_back(argv[i]);
    }
    const QString folder = GameFolder(game);
    if (!QDir::setCurrent(folder)) std::fprintf(stderr, "no game folder at %s\n", qPrintable(folder));

    int missing = 0;
    for (const Figure &f : Figures) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), f.name) == wanted.end()) continue;
        if (const std::optional<double> v = f.measure()) {
            std::printf("%s %.3f %s\n", f.name, *v, f.unit);
            std::fflush(stdout);
        } else {
            std::fprintf(stderr, "%s: could not be measured\n", f.name);
            ++missing;
        }
    }
    std::fflush(nullptr);
    Scratch.reset();
    // Leave at once, as the game does: the audio thread is still running.
    std::_Exit(missing ? 1 : 0);
}
