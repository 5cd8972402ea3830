// Music channel: one piece at a time from its beginning, kept alive by KeepMidiPlaying, and silent (never stuck) on every failure.
#include "core/GameState.h"
#include "sound/Music.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

struct Note {
    int startMs;
    int lengthMs;
    int key;
};

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(char(v));
    return b;
}

void PutBE(QByteArray &out, unsigned value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xFF));
}

void PutVarLen(QByteArray &out, unsigned value) {
    QByteArray rev;
    rev.append(char(value & 0x7F));
    while (value >>= 7) rev.append(char(0x80 | (value & 0x7F)));
    std::reverse(rev.begin(), rev.end());
    out.append(rev);
}

// A one-track standard MIDI file on channel 1 whose ticks are milliseconds (500 ticks per
// quarter note at 120 beats per minute). The piece ends at endMs.
QByteArray Midi(int program, const std::vector<Note> &notes, int endMs) {
    struct Event {
        int tick;
        QByteArray bytes;
    };
    std::vector<Event> events;
    events.push_back({0, QByteArray("\xFF\x51\x03\x07\xA1\x20", 6)});  // 500000 us per quarter note
    events.push_back({0, Bytes({0xC0, program})});
    for (const Note &n : notes) {
        events.push_back({n.startMs, Bytes({0x90, n.key, 100})});
        events.push_back({n.startMs + n.lengthMs, Bytes({0x80, n.key, 0})});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) { return a.tick < b.tick; });
    events.push_back({endMs, QByteArray("\xFF\x2F\x00", 3)});

    QByteArray track;
    int last = 0;
    for (const Event &e : events) {
        PutVarLen(track, unsigned(e.tick - last));
        track.append(e.bytes);
        last = e.tick;
    }
    QByteArray file("MThd");
    PutBE(file, 6, 4);
    PutBE(file, 0, 2);    // format 0
    PutBE(file, 1, 2);    // one track
    PutBE(file, 500, 2);  // ticks per quarter note
    file.append("MTrk");
    PutBE(file, unsigned(track.size()), 4);
    file.append(track);
    return file;
}

// Mono 16-bit WAV of a plain tone.
QByteArray Wav(int ms) {
    const int rate = 22050;
    const int samples = rate * ms / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const int v = int(8000 * std::sin(2 * M_PI * 440.0 * i / rate));
        data.append(char(v & 0xFF));
        data.append(char((v >> 8) & 0xFF));
    }
    auto le = [](QByteArray &out, unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.append(char((value >> (8 * i)) & 0xFF));
    };
    QByteArray wav("RIFF");
    le(wav, unsigned(36 + data.size()), 4);
    wav.append("WAVEfmt ");
    le(wav, 16, 4);
    le(wav, 1, 2);  // PCM
    le(wav, 1, 2);  // mono
    le(wav, rate, 4);
    le(wav, rate * 2, 4);
    le(wav, 2, 2);
    le(wav, 16, 2);
    wav.append("data");
    le(wav, unsigned(data.size()), 4);
    wav.append(data);
    return wav;
}

// Waits for an event up to a generous deadline; the deadline only keeps a broken build from hanging.
bool WaitFor(const std::function<bool()> &condition, int deadlineMs = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

// Strings sustain for as long as a key is held, unlike a piano whose voices die away.
constexpr int Strings = 48;

// Every test works in its own empty folder made the current directory, like the game folder.
class MusicFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override {
        StopMidi();
        WaitFor([] { return SoundingMusicVoices() == 0; }, 3000);
        ResetGameState();
        QDir::setCurrent(old_);
    }
    void Write(const QString &name, const QByteArray &bytes) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    // A held chord for the whole of a long piece.
    void WriteHeld(const QString &name) {
        Write(name, Midi(Strings, {{0, 30000, 60}, {0, 30000, 64}, {0, 30000, 67}}, 30000));
    }

  private:
    QTemporaryDir dir_;
    QString old_;
};

// Runs first and alone (its own ctest entry): the soundfont is held back while a piece is asked for.
class MusicBeforeSoundfont : public MusicFolder {};

TEST_F(MusicBeforeSoundfont, PieceAskedForEarlyCountsAsPlayingAndStartsOnceLoaded) {
    HoldSoundfontLoading(true);
    StartMusicSystem();
    if (SoundfontReady()) {
        HoldSoundfontLoading(false);
        GTEST_SKIP() << "the music system was started earlier in this process";
    }
    Write("Short.mid", Midi(Strings, {{0, 800, 60}}, 1000));

    PlayMidi("Short.mid");
    EXPECT_TRUE(MidiIsPlaying());
    StopMidi();
    EXPECT_FALSE(MidiIsPlaying());
    PlayMidi("Missing.mid");
    EXPECT_FALSE(MidiIsPlaying());

    PlayMidi("Short.mid");
    // Longer than the piece: a waiting piece has not started, so it has not ended either.
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    EXPECT_FALSE(SoundfontReady());
    EXPECT_TRUE(MidiIsPlaying());

    HoldSoundfontLoading(false);
    ASSERT_TRUE(WaitSoundfontReady(60000));
    if (std::getenv("DUSKBELL_SOUNDFONT") == nullptr && !QFile::exists("/usr/share/sounds/sf2/default-GM.sf2"))
        GTEST_SKIP() << "no General MIDI soundfont installed";
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; })) << "the waiting piece never sounded";
    EXPECT_TRUE(WaitFor([] { return !MidiIsPlaying(); })) << "the waiting piece never ended";
}

// Runs alone with DUSKBELL_SOUNDFONT naming a missing file.
class MusicNoSoundfont : public MusicFolder {};

TEST_F(MusicNoSoundfont, MusicIsSilentAndTheGameGoesOn) {
    const char *sf = std::getenv("DUSKBELL_SOUNDFONT");
    if (!sf || QFile::exists(QString::fromLocal8Bit(sf)))
        GTEST_SKIP() << "needs DUSKBELL_SOUNDFONT naming a missing file";
    StartMusicSystem();
    ASSERT_TRUE(WaitSoundfontReady(60000));

    WriteHeld("M10C.mid");
    Write("Jingle.wav", Wav(3000));
    G.MusicFile = "M10C.mid";
    PlayMidi(G.MusicFile);
    EXPECT_FALSE(MidiIsPlaying());
    KeepMidiPlaying();
    EXPECT_FALSE(MidiIsPlaying());
    StopMidi();
    EXPECT_EQ(SoundingMusicVoices(), 0);
    // Sounds do not need the soundfont.
    PlayWav("Jingle.wav");
    EXPECT_TRUE(WavIsPlaying());
}

// The rest share one process with the soundfont loaded.
class Music : public MusicFolder {
  protected:
    static void SetUpTestSuite() {
        StartMusicSystem();
        ASSERT_TRUE(WaitSoundfontReady(60000));
    }
    void SetUp() override {
        MusicFolder::SetUp();
        if (std::getenv("DUSKBELL_SOUNDFONT") == nullptr && !QFile::exists("/usr/share/sounds/sf2/default-GM.sf2"))
            GTEST_SKIP() << "no General MIDI soundfont installed";
    }
};

TEST_F(Music, ShortPieceEndsAndKeepAliveStartsItAgain) {
    Write("M00C.mid", Midi(Strings, {{0, 800, 60}}, 1000));
    G.MusicFile = "M00C.mid";
    PlayMidi(G.MusicFile);
    EXPECT_TRUE(MidiIsPlaying());
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    ASSERT_TRUE(WaitFor([] { return !MidiIsPlaying(); })) << "a one-second piece never ended";

    KeepMidiPlaying();
    EXPECT_TRUE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; })) << "the restarted piece is not heard";
    EXPECT_TRUE(WaitFor([] { return !MidiIsPlaying(); })) << "the restarted piece never ended";
}

TEST_F(Music, KeepAliveLeavesAPlayingPieceAlone) {
    // One short note, then a long rest: sound again would mean the piece was restarted.
    Write("M91C.mid", Midi(Strings, {{0, 300, 60}}, 20000));
    G.MusicFile = "M91C.mid";
    PlayMidi(G.MusicFile);
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() == 0; }));
    for (int i = 0; i < 5; ++i) {
        KeepMidiPlaying();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(MidiIsPlaying());
    EXPECT_EQ(SoundingMusicVoices(), 0);
}

TEST_F(Music, SecondPieceStopsTheFirstAtOnce) {
    WriteHeld("M10C.mid");
    // Silent for its first eight seconds.
    Write("M20C.mid", Midi(Strings, {{8000, 500, 72}}, 9000));
    PlayMidi("M10C.mid");
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    PlayMidi("M20C.mid");
    EXPECT_TRUE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() == 0; }, 4000)) << "the first piece kept sounding";
    EXPECT_TRUE(MidiIsPlaying());
}

TEST_F(Music, SamePieceAgainStartsFromItsBeginning) {
    Write("M92C.mid", Midi(Strings, {{0, 300, 60}}, 20000));
    PlayMidi("M92C.mid");
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() == 0; }));
    PlayMidi("M92C.mid");
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }, 4000)) << "the opening note did not sound again";
}

TEST_F(Music, StopMidiEndsThePiece) {
    WriteHeld("M30C.mid");
    PlayMidi("M30C.mid");
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    StopMidi();
    EXPECT_FALSE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() == 0; }, 4000));
    StopMidi();  // closing what is not open is harmless
    EXPECT_FALSE(MidiIsPlaying());
}

TEST_F(Music, MusicOffOpensNothing) {
    WriteHeld("M40C.mid");
    WriteHeld("M50C.mid");
    PlayMidi("M40C.mid");
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    G.MusicOff = True;
    PlayMidi("M50C.mid");  // returns at once: the old piece is not even closed
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(MidiIsPlaying());
    EXPECT_GT(SoundingMusicVoices(), 0);

    StopMidi();  // closing still works
    EXPECT_FALSE(MidiIsPlaying());
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() == 0; }, 4000));
    G.MusicFile = "M50C.mid";
    KeepMidiPlaying();
    PlayMidi("M50C.mid");
    EXPECT_FALSE(MidiIsPlaying());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(SoundingMusicVoices(), 0);
}

TEST_F(Music, MissingOrBrokenFileIsSilentAndClosesTheOldPiece) {
    WriteHeld("M60C.mid");
    Write("Broken.mid", QByteArray("not a MIDI file"));
    PlayMidi("M60C.mid");
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));

    PlayMidi("Nothing.mid");
    EXPECT_FALSE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() == 0; }, 4000));

    PlayMidi("");
    EXPECT_FALSE(MidiIsPlaying());
    PlayMidi("Broken.mid");
    EXPECT_TRUE(WaitFor([] { return !MidiIsPlaying(); }));

    // The keep-alive keeps trying, and succeeds once the file is there.
    G.MusicFile = "Nothing.mid";
    KeepMidiPlaying();
    EXPECT_FALSE(MidiIsPlaying());
    G.MusicFile = "M60C.mid";
    KeepMidiPlaying();
    EXPECT_TRUE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
}

TEST_F(Music, FileNameMatchesWithoutRegardToCase) {
    Write("m93c.MID", Midi(Strings, {{0, 5000, 60}}, 5000));
    PlayMidi("M93C.mid");
    EXPECT_TRUE(MidiIsPlaying());
    EXPECT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
}

TEST_F(Music, OtherCurrentDirectoryFailsSilently) {
    WriteHeld("M10C.mid");
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    PlayMidi("M10C.mid");
    EXPECT_FALSE(MidiIsPlaying());
}

TEST_F(Music, NewSoundCutsOffTheOneThatPlays) {
    Write("KVDEMO.WAV", Wav(5000));
    PlayWav("kvdemo.wav");
    EXPECT_TRUE(WavIsPlaying());
    // "Dummy.wav" need not exist: asking for it is enough to stop the jingle.
    PlayWav("Dummy.wav");
    EXPECT_FALSE(WavIsPlaying());

    Write("Dummy.wav", Wav(20));
    PlayWav("KVDEMO.WAV");
    EXPECT_TRUE(WavIsPlaying());
    PlayWav("Dummy.wav");
    EXPECT_TRUE(WaitFor([] { return !WavIsPlaying(); }, 3000)) << "the jingle was not cut off";
}

TEST_F(Music, SoundAndMusicPlayTogether) {
    WriteHeld("M10C.mid");
    Write("KVDEMO.WAV", Wav(3000));
    PlayMidi("M10C.mid");
    ASSERT_TRUE(WaitFor([] { return SoundingMusicVoices() > 0; }));
    PlayWav("KVDEMO.WAV");
    EXPECT_TRUE(WavIsPlaying());
    EXPECT_TRUE(MidiIsPlaying());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_GT(SoundingMusicVoices(), 0);
}

}  // namespace
