// Every MIDI piece is a well-formed file of 40-120 s (the staff roll's at least 99 s); every WAV is plain 16-bit PCM.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;
using Fault = std::runtime_error;
Bytes Read(const std::string &name) {
    std::ifstream f(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}
uint32_t Num(const Bytes &d, size_t at, int n, bool littleEndian = false) {
    if (at + n > d.size()) throw Fault("the file ends inside an event");
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | d[at + (littleEndian ? n - 1 - i : i)];
    return v;
}

// The length of a standard MIDI file in seconds through its tempo map; throws what is malformed.
double MidiSeconds(const Bytes &d) {
    const uint32_t tracks = Num(d, 10, 2), division = Num(d, 12, 2);
    if (Num(d, 0, 4) != 0x4d546864 || Num(d, 4, 4) != 6 || Num(d, 8, 2) > 1 || !division || division & 0x8000)
        throw Fault("no MThd header of a format 0 or 1 file counting ticks a quarter note");
    std::map<uint32_t, uint32_t> tempo;  // tick -> microseconds a quarter note
    uint32_t endTick = 0;
    size_t p = 14;
    auto var = [&] {  // a variable-length number
        uint32_t v = 0, b = 0x80;
        for (int i = 0; i < 4 && b & 0x80; ++i) b = Num(d, p++, 1), v = v << 7 | (b & 0x7f);
        if (b & 0x80) throw Fault("variable-length number over four bytes");
        return v;
    };
    for (uint32_t track = 0; track < tracks; ++track) {
        if (Num(d, p, 4) != 0x4d54726b) throw Fault("missing MTrk");
        const size_t end = p + 8 + Num(d, p + 4, 4);
        uint32_t tick = 0, status = 0, ended = 0;
        for (p += 8; p < end && !ended;) {
            tick += var();
            if (const uint32_t b = Num(d, p, 1); b == 0xff || b == 0xf0 || b == 0xf7) {  // meta, system exclusive
                const int type = b == 0xff ? int(Num(d, p + 1, 1)) : -1;
                p += b == 0xff ? 2 : 1;
                const uint32_t len = var();
                if (type == 0x51) tempo[tick] = Num(d, p, 3);  // a bad one makes the piece too short
                if (type == 0x2f) ended = 1, endTick = std::max(endTick, tick);
                p += len;
            } else {
                if (b & 0x80) status = b, ++p;
                if (!status || status >= 0xf0) throw Fault("channel message without a status");
                p += (status >> 4 == 0xc || status >> 4 == 0xd) ? 1 : 2;
            }
        }
        if (!ended || p != end) throw Fault("track not closed by End of Track at its end");
    }
    if (p != d.size() || tempo.empty()) throw Fault("bytes after the last track, or no tempo");
    double seconds = 0;
    uint32_t at = 0, us = 500000;
    for (auto [t, v] : tempo)
        if (t < endTick) seconds += double(t - at) * us / 1e6 / division, at = t, us = v;
    return seconds + double(endTick - at) * us / 1e6 / division;
}
} // namespace

TEST(MusicFiles, EveryPieceIsWellFormedAndOfItsLength) {
    for (const std::string name : {"M00C.mid", "M10C.mid", "M20C.mid", "M30C.mid", "M40C.mid", "M50C.mid",
                                   "M60C.mid", "M90C.mid", "M91C.mid", "M92C.mid", "M93C.mid"}) {
        double seconds = 0;
        EXPECT_NO_THROW(seconds = MidiSeconds(Read(name))) << name;
        EXPECT_TRUE(seconds >= (name == "M93C.mid" ? 99 : 40) && seconds <= 120) << name << ": " << seconds << " s";
    }
}

TEST(SoundFiles, EveryWavIsPlainPcmOfItsLength) {
    // The jingle lasts about two seconds, the cut-off sound a moment.
    for (auto [name, shortest, longest] : {std::tuple{"KVDEMO.WAV", 1.5, 2.5}, std::tuple{"Dummy.wav", 0.001, 0.1}}) {
        const Bytes d = Read(name);
        ASSERT_GT(d.size(), 44u) << name;
        const uint32_t channels = Num(d, 22, 2, true), rate = Num(d, 24, 4, true), align = Num(d, 32, 2, true);
        const uint32_t data = Num(d, 40, 4, true);
        // "RIFF" of the file's size, "WAVE", a 16-byte "fmt " of 16-bit PCM, "data" of whole frames to the end.
        EXPECT_TRUE(Num(d, 0, 4) == 0x52494646 && Num(d, 4, 4, true) == d.size() - 8 && Num(d, 8, 4) == 0x57415645 &&
                    Num(d, 12, 4) == 0x666d7420 && Num(d, 16, 4, true) == 16 && Num(d, 20, 2, true) == 1) << name;
        EXPECT_TRUE((channels == 1 || channels == 2) && (rate == 22050 || rate == 44100) && align == 2 * channels &&
                    Num(d, 28, 4, true) == rate * align && Num(d, 34, 2, true) == 16) << name;
        EXPECT_TRUE(Num(d, 36, 4) == 0x64617461 && data == d.size() - 44 && data % align == 0) << name;
        EXPECT_TRUE(data >= shortest * rate * align && data <= longest * rate * align) << name;
    }
}
