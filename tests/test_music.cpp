// Music: one piece at a time from its beginning, kept alive by KeepMidiPlaying, silent and never stuck on a
// failure. The game's own: every MIDI piece well formed, of its length, played at more than one dynamic and
// without a silent tail; every WAV plain 16-bit PCM.
#include "core/GameState.h"
#include "sound/Music.h"
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <thread>
#include <tuple>
#include <vector>

namespace {
// One string note (strings hold while the key is down) from on to off ms in a piece that ends at end ms
// (below 16 s); 500 ticks a quarter at the default 120 beats a minute make a tick one millisecond.
QByteArray Midi(int on, int off, int end) {
    auto var = [](int v) { return (v < 128 ? QByteArray() : QByteArray(1, char(0x80 | v >> 7))) + char(v & 0x7f); };
    const QByteArray t = QByteArray::fromHex("00c030") + var(on) + QByteArray::fromHex("903c64") + var(off - on) +
                         QByteArray::fromHex("803c00") + var(end - off) + QByteArray::fromHex("ff2f00");
    return QByteArray::fromHex("4d546864000000060000000101f44d54726b000000") + char(t.size()) + t;
}
void Write(const QString &name, const QByteArray &b) { QFile f(name); f.open(QIODevice::WriteOnly), f.write(b); }
// The deadline only keeps a broken build from hanging.
bool WaitFor(const std::function<bool()> &done, int ms = 10000) {
    for (; !done() && ms > 0; ms -= 5) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}
bool Sounding() { return SoundingMusicVoices() > 0; }
bool Quiet() { return !Sounding(); }
bool Ended() { return !MidiIsPlaying(); }

// Each test in an empty folder of its own as the current directory, like the game folder; Late.mid is
// silent for its first eight seconds.
struct MusicFolder : ::testing::Test {
    void SetUp() override {
        ResetGameState(), QDir::setCurrent(dir_.path());
        Write("Held.mid", Midi(0, 16000, 16000)), Write("Late.mid", Midi(8000, 8500, 9000));
    }
    void TearDown() override { StopMidi(), WaitFor(Quiet, 3000); }
    QTemporaryDir dir_;
};

// Its own process: the soundfont is held back while a piece is asked for.
using MusicBeforeSoundfont = MusicFolder;
TEST_F(MusicBeforeSoundfont, PieceAskedForEarlyWaitsAndStartsOnceLoaded) {
    HoldSoundfontLoading(true), StartMusicSystem();
    Write("Short.mid", Midi(0, 800, 1000)), PlayMidi("Short.mid");
    // Longer than the piece: a piece still waiting has not ended either.
    EXPECT_FALSE(WaitFor(Ended, 1300) || SoundfontReady());
    HoldSoundfontLoading(false);
    EXPECT_TRUE(WaitSoundfontReady(60000) && WaitFor(Sounding)) << "the waiting piece never sounded";
}

// Its own process, with DUSKBELL_SOUNDFONT naming a missing file.
using MusicNoSoundfont = MusicFolder;
TEST_F(MusicNoSoundfont, MusicIsSilentAndNeverStuck) {
    ASSERT_FALSE(QFile::exists(qEnvironmentVariable("DUSKBELL_SOUNDFONT", "/usr/share/sounds/sf2/default-GM.sf2")));
    StartMusicSystem();
    ASSERT_TRUE(WaitSoundfontReady(60000));
    PlayMidi(G.MusicFile = "Held.mid"), KeepMidiPlaying();
    EXPECT_FALSE(MidiIsPlaying() || Sounding());
}

struct Music : MusicFolder { static void SetUpTestSuite() { StartMusicSystem(), WaitSoundfontReady(60000); } };

TEST_F(Music, KeepAliveRestartsOnlyAnEndedPiece) {
    // One short note, then a rest until 3.5 s: sound in the rest means the piece started again.
    Write("m00c.MID", Midi(0, 300, 3500));
    PlayMidi(G.MusicFile = "M00C.mid"); // any case finds it
    ASSERT_TRUE(WaitFor(Sounding) && WaitFor(Quiet));
    KeepMidiPlaying();
    EXPECT_TRUE(!WaitFor(Sounding, 100) && MidiIsPlaying()) << "the keep-alive restarted a piece that was playing";
    ASSERT_TRUE(WaitFor(Ended)) << "the piece never ended";
    KeepMidiPlaying();
    EXPECT_TRUE(MidiIsPlaying() && WaitFor(Sounding, 1000)) << "the keep-alive did not restart the ended piece";
}

TEST_F(Music, NextPieceClosesTheOldOneOnlyAGoodOnePlaysAndMusicOffOpensNothing) {
    Write("Broken.mid", "not a MIDI file");
    for (const QString next : {"Late.mid", "Nothing.mid", "Broken.mid", ""}) {
        PlayMidi("Held.mid");
        ASSERT_TRUE(WaitFor(Sounding));
        PlayMidi(next);
        EXPECT_TRUE(WaitFor(Quiet, 4000)) << qPrintable(next) << ": the old piece kept sounding";
        EXPECT_TRUE(WaitFor([&] { return MidiIsPlaying() == (next == "Late.mid"); })) << qPrintable(next);
    }
    PlayMidi(G.MusicFile = "Held.mid");
    ASSERT_TRUE(WaitFor(Sounding));
    G.MusicOff = True;
    PlayMidi("Late.mid"); // does nothing at all: the old piece is not even closed
    EXPECT_FALSE(WaitFor(Quiet, 200));
    StopMidi(), KeepMidiPlaying(), PlayMidi("Held.mid"); // closing still works; nothing opens
    EXPECT_TRUE(!MidiIsPlaying() && WaitFor(Quiet, 4000));
}

// The game's own pieces and sounds, read from the game folder.
using Bytes = std::vector<uint8_t>;
using Fault = std::runtime_error;
Bytes Read(const std::string &name) { std::ifstream f(name, std::ios::binary); return {std::istreambuf_iterator<char>(f), {}}; }
uint32_t Num(const Bytes &d, size_t at, int n, bool littleEndian = false) {
    if (at + n > d.size()) throw Fault("the file ends inside an event");
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | d[at + (littleEndian ? n - 1 - i : i)];
    return v;
}

// Seconds through the tempo map; levels: the most note-on velocities one melodic channel uses (beat
// accents alone give three).
struct Piece { double seconds; size_t levels; };

// Reads a standard MIDI file; throws what is malformed.
Piece ReadMidi(const Bytes &d) {
    const uint32_t tracks = Num(d, 10, 2), division = Num(d, 12, 2);
    if (Num(d, 0, 4) != 0x4d546864 || Num(d, 4, 4) != 6 || Num(d, 8, 2) > 1 || !division || division & 0x8000)
        throw Fault("no MThd header of a format 0 or 1 file counting ticks a quarter note");
    std::map<uint32_t, uint32_t> tempo; // tick -> microseconds a quarter note
    std::vector<uint32_t> ends;         // each track's End of Track tick
    std::set<int> velocities[16];
    size_t p = 14;
    auto var = [&] { // a variable-length number
        uint32_t v = 0, b = 0x80;
        for (int i = 0; i < 4 && b & 0x80; ++i) b = Num(d, p++, 1), v = v << 7 | (b & 0x7f);
        return b & 0x80 ? throw Fault("variable-length number over four bytes") : v;
    };
    for (uint32_t track = 0; track < tracks; ++track) {
        if (Num(d, p, 4) != 0x4d54726b) throw Fault("missing MTrk");
        const size_t end = p + 8 + Num(d, p + 4, 4);
        uint32_t tick = 0, status = 0, ended = 0;
        for (p += 8; p < end && !ended;) {
            tick += var();
            const uint32_t b = Num(d, p, 1);
            if (b == 0xff || b == 0xf0 || b == 0xf7) { // meta, system exclusive
                const int type = b == 0xff ? int(Num(d, p + 1, 1)) : -1;
                p += b == 0xff ? 2 : 1;
                const uint32_t len = var();
                if (type == 0x51) tempo[tick] = Num(d, p, 3); // a bad one makes the piece too short
                if (type == 0x2f) ended = 1, ends.push_back(tick);
                p += len;
                continue;
            }
            if (b & 0x80) status = b, ++p;
            if (!status || status >= 0xf0) throw Fault("channel message without a status");
            if (status >> 4 == 9 && (status & 15) != 9 && Num(d, p + 1, 1)) // a note on, drums aside
                velocities[status & 15].insert(d[p + 1]);
            p += (status >> 4 == 0xc || status >> 4 == 0xd) ? 1 : 2;
        }
        if (!ended || p != end) throw Fault("track not closed by End of Track at its end");
    }
    if (p != d.size() || tempo.empty()) throw Fault("bytes after the last track, or no tempo");
    // abc2midi can end the tempo track long after the music, which the loop would play as silence.
    const uint32_t endTick = *std::max_element(ends.begin(), ends.end());
    if (tracks > 1 && ends[0] > *std::max_element(ends.begin() + 1, ends.end()) + division / 16)
        throw Fault("the tempo track runs on past the music");
    size_t levels = 0;
    for (const auto &v : velocities) levels = std::max(levels, v.size());
    double quarterUs = 0; // quarter notes times their microseconds
    uint32_t at = 0, us = 500000;
    for (auto [t, v] : tempo)
        if (t < endTick) quarterUs += double(t - at) * us, at = t, us = v;
    return {(quarterUs + double(endTick - at) * us) / 1e6 / division, levels};
}
} // namespace

TEST(MusicFiles, EveryPieceIsWellFormedPhrasedAndOfItsLength) {
    // Looped pieces run long enough not to tire; the staff roll ends, last chord and all, before its
    // window closes at 99 s.
    for (auto [name, shortest, longest] : {std::tuple{"M00C.mid", 180, 300}, {"M10C.mid", 80, 200}, {"M20C.mid", 80, 200},
             {"M30C.mid", 80, 200}, {"M40C.mid", 80, 200}, {"M50C.mid", 80, 200}, {"M60C.mid", 80, 200},
             {"M90C.mid", 40, 120}, {"M91C.mid", 80, 200}, {"M92C.mid", 120, 180}, {"M93C.mid", 80, 95}}) {
        Piece piece{};
        EXPECT_NO_THROW(piece = ReadMidi(Read(name))) << name;
        EXPECT_TRUE(piece.seconds >= shortest && piece.seconds <= longest) << name << ": " << piece.seconds << " s";
        EXPECT_GT(piece.levels, 3u) << name << " has no dynamics";
    }
}

TEST(SoundFiles, EveryWavIsPlainPcmOfItsLength) {
    // The jingle lasts about two seconds, the cut-off sound a moment.
    for (auto [name, shortest, longest] : {std::tuple{"KVDEMO.WAV", 1.5, 2.5}, {"Dummy.wav", 0.001, 0.1}}) {
        const Bytes d = Read(name);
        ASSERT_GT(d.size(), 44u) << name;
        const auto le = [&d](size_t at, int n) { return Num(d, at, n, true); };
        const uint32_t channels = le(22, 2), rate = le(24, 4), align = le(32, 2), data = le(40, 4);
        // "RIFF" of the file's size, "WAVE", a 16-byte "fmt " of 16-bit PCM, "data" of whole frames to the end.
        EXPECT_TRUE(Num(d, 0, 4) == 0x52494646 && le(4, 4) == d.size() - 8 && Num(d, 8, 4) == 0x57415645 &&
                    Num(d, 12, 4) == 0x666d7420 && le(16, 4) == 16 && le(20, 2) == 1 && le(34, 2) == 16) << name;
        EXPECT_TRUE((channels == 1 || channels == 2) && (rate == 22050 || rate == 44100) && align == 2 * channels &&
                    le(28, 4) == rate * align && Num(d, 36, 4) == 0x64617461 && data == d.size() - 44 &&
                    data % align == 0 && data >= shortest * rate * align && data <= longest * rate * align) << name;
    }
}
