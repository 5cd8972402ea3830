// Music channel: one piece at a time from its beginning, kept alive by KeepMidiPlaying, and silent (never stuck) on every failure.
#include "core/GameState.h"
#include "sound/Music.h"
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {
QByteArray Num(int v, int n, bool littleEndian = false) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b += char(v >> 8 * (littleEndian ? i : n - 1 - i));
    return b;
}
// One string note (strings hold while the key is down, a piano dies away) from on to off ms; the piece
// ends at end ms. 500 ticks a quarter at the default 120 beats a minute make a tick one millisecond.
QByteArray Midi(int on, int off, int end) {
    auto var = [](int v) {
        QByteArray b(1, char(v & 0x7f));
        while (v >>= 7) b.prepend(char(0x80 | (v & 0x7f)));
        return b;
    };
    const QByteArray t = QByteArray::fromHex("00c030") + var(on) + QByteArray::fromHex("903c64") + var(off - on) +
                         QByteArray::fromHex("803c00") + var(end - off) + QByteArray::fromHex("ff2f00");
    return QByteArray::fromHex("4d546864000000060000000101f44d54726b") + Num(int(t.size()), 4) + t;
}
// A mono 16-bit WAV of a steady level lasting ms milliseconds.
QByteArray Wav(int ms) {
    const int n = 44100 * ms / 1000;
    return "RIFF" + Num(36 + n, 4, true) + "WAVEfmt " + QByteArray::fromHex("10000000010001002256000044ac000002001000") +
           "data" + Num(n, 4, true) + QByteArray(n, char(0x10));
}
// The deadline only keeps a broken build from hanging.
bool WaitFor(const std::function<bool()> &done, int deadlineMs = 10000) {
    for (int waited = 0; !done() && waited < deadlineMs; waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}
void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
bool Sounding() { return SoundingMusicVoices() > 0; }
bool Quiet() { return SoundingMusicVoices() == 0; }
bool HaveSoundfont() { return std::getenv("DUSKBELL_SOUNDFONT") || QFile::exists("/usr/share/sounds/sf2/default-GM.sf2"); }

// Each test works in an empty folder of its own as the current directory, like the game folder.
class MusicFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        QDir::setCurrent(dir_.path());
        Write("Held.mid", Midi(0, 30000, 30000));
        Write("Late.mid", Midi(8000, 8500, 9000));  // silent for its first eight seconds
    }
    void TearDown() override {
        StopMidi();
        WaitFor(Quiet, 3000);
        ResetGameState();
    }
    void Write(const QString &name, const QByteArray &bytes) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    QTemporaryDir dir_;
};

// Its own process: the soundfont is held back while a piece is asked for.
using MusicBeforeSoundfont = MusicFolder;
TEST_F(MusicBeforeSoundfont, PieceAskedForEarlyCountsAsPlayingAndStartsOnceLoaded) {
    HoldSoundfontLoading(true);
    StartMusicSystem();
    ASSERT_FALSE(SoundfontReady());
    Write("Short.mid", Midi(0, 800, 1000));
    PlayMidi("Short.mid");
    Pause(1300);  // longer than the piece: a piece still waiting has not ended either
    EXPECT_TRUE(MidiIsPlaying());
    HoldSoundfontLoading(false);
    ASSERT_TRUE(WaitSoundfontReady(60000));
    if (!HaveSoundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    EXPECT_TRUE(WaitFor(Sounding)) << "the waiting piece never sounded";
    EXPECT_TRUE(WaitFor([] { return !MidiIsPlaying(); })) << "the waiting piece never ended";
}

// Its own process, with DUSKBELL_SOUNDFONT naming a missing file.
using MusicNoSoundfont = MusicFolder;
TEST_F(MusicNoSoundfont, MusicIsSilentAndSoundsStillPlay) {
    ASSERT_TRUE(std::getenv("DUSKBELL_SOUNDFONT") && !QFile::exists(std::getenv("DUSKBELL_SOUNDFONT")));
    StartMusicSystem();
    ASSERT_TRUE(WaitSoundfontReady(60000));
    G.MusicFile = "Held.mid";
    PlayMidi(G.MusicFile);
    KeepMidiPlaying();
    EXPECT_FALSE(MidiIsPlaying());
    Write("Jingle.wav", Wav(3000));
    PlayWav("Jingle.wav");
    EXPECT_TRUE(WavIsPlaying());
}

class Music : public MusicFolder {
  protected:
    static void SetUpTestSuite() { StartMusicSystem(), WaitSoundfontReady(60000); }
    void SetUp() override {
        MusicFolder::SetUp();
        if (!HaveSoundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    }
};

TEST_F(Music, KeepAliveRestartsOnlyAnEndedPiece) {
    // One short note, then a rest until 1.5 s: sound in the rest means the piece started again.
    Write("m00c.MID", Midi(0, 300, 1500));
    G.MusicFile = "M00C.mid";  // any case finds it
    PlayMidi(G.MusicFile);
    ASSERT_TRUE(WaitFor(Sounding) && WaitFor(Quiet));
    KeepMidiPlaying();
    Pause(100);
    EXPECT_TRUE(MidiIsPlaying() && Quiet()) << "the keep-alive restarted a piece that was playing";
    PlayMidi(G.MusicFile);
    EXPECT_TRUE(WaitFor(Sounding, 1000)) << "the same piece asked for again did not start from its beginning";
    ASSERT_TRUE(WaitFor([] { return !MidiIsPlaying(); })) << "the piece never ended";
    KeepMidiPlaying();
    EXPECT_TRUE(MidiIsPlaying() && WaitFor(Sounding, 1000)) << "the keep-alive did not restart the ended piece";
}

TEST_F(Music, SecondPieceStopsTheFirst) {
    PlayMidi("Held.mid");
    ASSERT_TRUE(WaitFor(Sounding));
    PlayMidi("Late.mid");
    EXPECT_TRUE(WaitFor(Quiet, 4000)) << "the first piece kept sounding";
    EXPECT_TRUE(MidiIsPlaying());
}

TEST_F(Music, MusicOffOpensNothingAndStopStillCloses) {
    PlayMidi("Held.mid");
    ASSERT_TRUE(WaitFor(Sounding));
    G.MusicOff = True;
    PlayMidi("Late.mid");  // does nothing at all: the old piece is not even closed
    Pause(200);
    EXPECT_TRUE(Sounding());
    StopMidi();
    EXPECT_FALSE(MidiIsPlaying());
    ASSERT_TRUE(WaitFor(Quiet, 4000));
    G.MusicFile = "Held.mid";
    KeepMidiPlaying();
    PlayMidi("Held.mid");
    Pause(300);
    EXPECT_TRUE(!MidiIsPlaying() && Quiet());
}

TEST_F(Music, MissingOrBrokenFileIsSilentAndTheKeepAliveTriesAgain) {
    Write("Broken.mid", "not a MIDI file");
    PlayMidi("Held.mid");
    ASSERT_TRUE(WaitFor(Sounding));
    PlayMidi("Nothing.mid");
    EXPECT_FALSE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor(Quiet, 4000)) << "the old piece was not closed";
    PlayMidi("Broken.mid");
    EXPECT_TRUE(WaitFor([] { return !MidiIsPlaying(); }));
    G.MusicFile = "Nothing.mid";
    KeepMidiPlaying();
    EXPECT_FALSE(MidiIsPlaying());
    G.MusicFile = "Held.mid";
    KeepMidiPlaying();
    EXPECT_TRUE(WaitFor(Sounding));
}
} // namespace
