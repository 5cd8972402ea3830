// Music: one piece at a time from its beginning, kept alive by KeepMidiPlaying, silent and never stuck on a
// failure.
#include "core/GameState.h"
#include "sound/Music.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {
// One string note (strings hold while the key is down) from on to off ms in a piece that ends at end ms
// (below 16 s); 500 ticks a quarter at the default 120 beats a minute make a tick one millisecond.
QByteArray Midi(int on, int off, int end) {
    auto var = [](int v) {
        return (v < 128 ? QByteArray() : QByteArray(1, char(0x80 | v >> 7))) + char(v & 0x7f);
    };
    const QByteArray t = QByteArray::fromHex("00c030") + var(on) + QByteArray::fromHex("903c64") +
                         var(off - on) + QByteArray::fromHex("803c00") + var(end - off) +
                         QByteArray::fromHex("ff2f00");
    return QByteArray::fromHex("4d546864000000060000000101f44d54726b000000") + char(t.size()) + t;
}
void Write(const QString &name, const QByteArray &b) {
    QFile f(name);
    f.open(QIODevice::WriteOnly), f.write(b);
}
// The deadline only keeps a broken build from hanging.
bool WaitFor(const std::function<bool()> &done, int ms = 10000) {
    for (; !done() && ms > 0; ms -= 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}
bool Sounding() {
    return SoundingMusicVoices() > 0;
}
bool Quiet() {
    return !Sounding();
}
bool Ended() {
    return !MidiIsPlaying();
}

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
    ASSERT_FALSE(
        QFile::exists(qEnvironmentVariable("DUSKBELL_SOUNDFONT", "/usr/share/sounds/sf2/default-GM.sf2")));
    StartMusicSystem();
    ASSERT_TRUE(WaitSoundfontReady(60000));
    PlayMidi("Held.mid"), KeepMidiPlaying("Held.mid");
    EXPECT_FALSE(MidiIsPlaying() || Sounding());
}

struct Music : MusicFolder {
    static void SetUpTestSuite() { StartMusicSystem(), WaitSoundfontReady(60000); }
};

TEST_F(Music, KeepAliveRestartsOnlyAnEndedPiece) {
    // One short note, then a rest until 3.5 s: sound in the rest means the piece started again.
    Write("m00c.MID", Midi(0, 300, 3500));
    PlayMidi("M00C.mid"); // any case finds it
    ASSERT_TRUE(WaitFor(Sounding) && WaitFor(Quiet));
    KeepMidiPlaying("M00C.mid");
    EXPECT_TRUE(!WaitFor(Sounding, 100) && MidiIsPlaying())
        << "the keep-alive restarted a piece that was playing";
    ASSERT_TRUE(WaitFor(Ended)) << "the piece never ended";
    KeepMidiPlaying("M00C.mid");
    EXPECT_TRUE(MidiIsPlaying() && WaitFor(Sounding, 10000))
        << "the keep-alive did not restart the ended piece";
}

TEST_F(Music, NextPieceClosesTheOldOneOnlyAGoodOnePlaysAndMusicOffOpensNothing) {
    Write("Broken.mid", "not a MIDI file");
    for (const QString next : {"Late.mid", "Nothing.mid", "Broken.mid", ""}) {
        PlayMidi("Held.mid");
        ASSERT_TRUE(WaitFor(Sounding));
        PlayMidi(next);
        EXPECT_TRUE(WaitFor(Quiet, 10000)) << qPrintable(next) << ": the old piece kept sounding";
        EXPECT_TRUE(WaitFor([&] { return MidiIsPlaying() == (next == "Late.mid"); })) << qPrintable(next);
    }
    PlayMidi("Held.mid");
    ASSERT_TRUE(WaitFor(Sounding));
    SetMusicOff(true);
    PlayMidi("Late.mid"); // does nothing at all: the old piece is not even closed
    EXPECT_FALSE(WaitFor(Quiet, 200));
    StopMidi(), KeepMidiPlaying("Held.mid"), PlayMidi("Held.mid"); // closing still works; nothing opens
    EXPECT_TRUE(!MidiIsPlaying() && WaitFor(Quiet, 10000));
}

} // namespace
