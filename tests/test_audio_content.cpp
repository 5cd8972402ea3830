// Each of the eleven MIDI files is well-formed and 40-120 s long (staff roll 99+); both WAVs are valid PCM.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> readFile(const std::string &name) {
    std::ifstream f(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

uint32_t be(const std::vector<uint8_t> &d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | d.at(at + i);
    return v;
}

uint32_t le(const std::vector<uint8_t> &d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | d.at(at + i);
    return v;
}

// What the test needs to know about one MIDI file, gathered by a strict parser.
struct Midi {
    std::string error;                                 // empty when the file parsed cleanly
    int division = 0;                                  // ticks per quarter note
    std::vector<std::pair<uint32_t, uint32_t>> tempos; // (tick, microseconds per quarter)
    uint32_t endTick = 0;                              // the latest End of Track
    uint32_t firstNoteTick = UINT32_MAX;
    uint32_t lastNoteOffTick = 0;
    int notes = 0;
    int hangingNotes = 0;             // note-ons never released
    std::set<int> noteChannels;       // channels (0-15) that sound notes
    std::set<int> programmedChannels; // channels given a program change

    double seconds(uint32_t tick) const {
        double s = 0.0;
        uint32_t at = 0, tempo = 500000; // MIDI's default tempo until the first Set Tempo
        for (const auto &[t, us] : tempos) {
            if (t >= tick) break;
            s += double(t - at) * tempo / 1e6 / division;
            at = t;
            tempo = us;
        }
        return s + double(tick - at) * tempo / 1e6 / division;
    }
};

uint32_t readVarLen(const std::vector<uint8_t> &d, size_t &p, size_t end) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        if (p >= end) throw std::string("variable-length number runs past the track");
        const uint8_t b = d[p++];
        v = (v << 7) | (b & 0x7f);
        if (!(b & 0x80)) return v;
    }
    throw std::string("variable-length number longer than four bytes");
}

void parseTrack(const std::vector<uint8_t> &d, size_t p, size_t end, Midi &m) {
    uint32_t tick = 0;
    uint8_t status = 0;
    std::map<std::pair<int, int>, int> held; // (channel, key) -> open note-ons
    bool ended = false;
    while (p < end) {
        if (ended) throw std::string("events after End of Track");
        tick += readVarLen(d, p, end);
        if (p >= end) throw std::string("delta time without an event");
        uint8_t b = d[p];
        if (b == 0xff) {
            const uint8_t type = d.at(p + 1);
            p += 2;
            const uint32_t len = readVarLen(d, p, end);
            if (p + len > end) throw std::string("meta event runs past the track");
            if (type == 0x51) {
                if (len != 3) throw std::string("Set Tempo of wrong length");
                const uint32_t us = be(d, p, 3);
                if (us == 0) throw std::string("zero tempo");
                m.tempos.emplace_back(tick, us);
            } else if (type == 0x2f) {
                if (len != 0) throw std::string("End of Track with data");
                ended = true;
                m.endTick = std::max(m.endTick, tick);
            }
            p += len;
            continue;
        }
        if (b == 0xf0 || b == 0xf7) {
            ++p;
            const uint32_t len = readVarLen(d, p, end);
            if (p + len > end) throw std::string("system exclusive runs past the track");
            p += len;
            continue;
        }
        if (b & 0x80) {
            if (b >= 0xf0) throw std::string("system common message inside a file");
            status = b;
            ++p;
        } else if (status == 0) {
            throw std::string("running status without a status byte");
        }
        const int kind = status >> 4, channel = status & 0x0f;
        const int size = (kind == 0xc || kind == 0xd) ? 1 : 2;
        if (p + size > end) throw std::string("channel message runs past the track");
        for (int i = 0; i < size; ++i)
            if (d[p + i] & 0x80) throw std::string("data byte with the high bit set");
        const int key = d[p], value = size == 2 ? d[p + 1] : 0;
        p += size;
        if (kind == 0x9 && value > 0) {
            ++held[{channel, key}];
            ++m.notes;
            m.noteChannels.insert(channel);
            m.firstNoteTick = std::min(m.firstNoteTick, tick);
        } else if (kind == 0x8 || kind == 0x9) {
            auto it = held.find({channel, key});
            if (it != held.end() && it->second > 0) --it->second;
            m.lastNoteOffTick = std::max(m.lastNoteOffTick, tick);
        } else if (kind == 0xc) {
            m.programmedChannels.insert(channel);
        }
    }
    if (!ended) throw std::string("track without End of Track");
    for (const auto &[note, count] : held)
        m.hangingNotes += count;
}

Midi parseMidi(const std::string &name) {
    Midi m;
    const std::vector<uint8_t> d = readFile(name);
    try {
        if (d.size() < 14 || std::string(d.begin(), d.begin() + 4) != "MThd" || be(d, 4, 4) != 6)
            throw std::string("no MThd header of length 6");
        const uint32_t format = be(d, 8, 2), tracks = be(d, 10, 2), division = be(d, 12, 2);
        if (format > 1) throw std::string("format other than 0 or 1");
        if (tracks == 0 || (format == 0 && tracks != 1))
            throw std::string("wrong number of tracks for the format");
        if (division == 0 || (division & 0x8000)) throw std::string("division is not ticks per quarter note");
        m.division = int(division);
        size_t p = 14;
        for (uint32_t t = 0; t < tracks; ++t) {
            if (p + 8 > d.size() || std::string(d.begin() + p, d.begin() + p + 4) != "MTrk")
                throw std::string("missing MTrk chunk");
            const size_t len = be(d, p + 4, 4);
            if (p + 8 + len > d.size()) throw std::string("track chunk runs past the file");
            parseTrack(d, p + 8, p + 8 + len, m);
            p += 8 + len;
        }
        if (p != d.size()) throw std::string("bytes after the last track");
        std::stable_sort(m.tempos.begin(), m.tempos.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
    } catch (const std::string &e) {
        m.error = e;
    } catch (const std::out_of_range &) {
        m.error = "file ends inside an event";
    }
    return m;
}

// What the test needs to know about one WAV file.
struct Wav {
    std::string error;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples; // interleaved
    double seconds() const { return channels && rate ? double(samples.size()) / channels / rate : 0.0; }
};

Wav parseWav(const std::string &name) {
    Wav w;
    const std::vector<uint8_t> d = readFile(name);
    if (d.size() < 12 || std::string(d.begin(), d.begin() + 4) != "RIFF" ||
        std::string(d.begin() + 8, d.begin() + 12) != "WAVE") {
        w.error = "not RIFF/WAVE";
        return w;
    }
    if (le(d, 4, 4) + 8 != d.size()) {
        w.error = "RIFF size does not match the file";
        return w;
    }
    bool haveFmt = false, haveData = false;
    size_t p = 12;
    while (p + 8 <= d.size()) {
        const std::string id(d.begin() + p, d.begin() + p + 4);
        const size_t len = le(d, p + 4, 4);
        if (p + 8 + len > d.size()) {
            w.error = "chunk " + id + " runs past the file";
            return w;
        }
        if (id == "fmt " && len >= 16) {
            w.format = int(le(d, p + 8, 2));
            w.channels = int(le(d, p + 10, 2));
            w.rate = int(le(d, p + 12, 4));
            const uint32_t byteRate = le(d, p + 16, 4), blockAlign = le(d, p + 20, 2);
            w.bits = int(le(d, p + 22, 2));
            if (blockAlign != uint32_t(w.channels * w.bits / 8) || byteRate != w.rate * blockAlign) {
                w.error = "inconsistent fmt chunk";
                return w;
            }
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt || w.bits != 16 || len % (2 * std::max(w.channels, 1)) != 0) {
                w.error = "data chunk is not whole 16-bit frames";
                return w;
            }
            for (size_t i = 0; i < len; i += 2)
                w.samples.push_back(int16_t(le(d, p + 8 + i, 2)));
            haveData = true;
        }
        p += 8 + len + (len & 1);
    }
    if (!haveFmt || !haveData) w.error = "fmt or data chunk missing";
    return w;
}

const char *const Pieces[] = {"M00C.mid", "M10C.mid", "M20C.mid", "M30C.mid", "M40C.mid", "M50C.mid",
                              "M60C.mid", "M90C.mid", "M91C.mid", "M92C.mid", "M93C.mid"};

// Pieces that the keep-alive timer restarts, so they must not trail off into silence.
const std::set<std::string> Looped = {"M00C.mid", "M10C.mid", "M20C.mid", "M30C.mid", "M40C.mid",
                                      "M50C.mid", "M60C.mid", "M91C.mid", "M92C.mid"};

} // namespace

TEST(MusicFiles, EveryPieceIsAWellFormedMidiFileOfFortyToOneHundredTwentySeconds) {
    for (const char *name : Pieces) {
        SCOPED_TRACE(name);
        const Midi m = parseMidi(name);
        ASSERT_EQ(m.error, "");
        ASSERT_FALSE(m.tempos.empty()) << "no tempo map";
        const double length = m.seconds(m.endTick);
        EXPECT_GE(length, 40.0);
        EXPECT_LE(length, 120.0);
    }
}

TEST(MusicFiles, EveryPieceIsArrangedForSeveralProgrammedChannels) {
    for (const char *name : Pieces) {
        SCOPED_TRACE(name);
        const Midi m = parseMidi(name);
        ASSERT_EQ(m.error, "");
        EXPECT_GE(m.notes, 100) << "hardly any notes";
        std::set<int> melodic = m.noteChannels;
        melodic.erase(9); // General MIDI percussion needs no program
        EXPECT_GE(melodic.size(), 3u);
        for (int channel : melodic)
            EXPECT_TRUE(m.programmedChannels.count(channel))
                << "channel " << channel + 1 << " has no program";
        EXPECT_EQ(m.hangingNotes, 0) << "notes left sounding";
    }
}

TEST(MusicFiles, LoopedPiecesStartAtOnceAndEndWithoutASilentTail) {
    for (const char *name : Pieces) {
        if (!Looped.count(name)) continue;
        SCOPED_TRACE(name);
        const Midi m = parseMidi(name);
        ASSERT_EQ(m.error, "");
        EXPECT_LT(m.seconds(m.firstNoteTick), 0.5);
        EXPECT_LT(m.seconds(m.endTick) - m.seconds(m.lastNoteOffTick), 1.5);
    }
}

TEST(MusicFiles, StaffRollMusicCoversTheWholeRoll) {
    // The roll runs 99 seconds and stops the music itself at the end.
    const Midi m = parseMidi("M93C.mid");
    ASSERT_EQ(m.error, "");
    EXPECT_GE(m.seconds(m.lastNoteOffTick), 99.0);
}

TEST(SoundFiles, JingleIsAudiblePcmOfAboutTwoSeconds) {
    const Wav w = parseWav("KVDEMO.WAV");
    ASSERT_EQ(w.error, "");
    EXPECT_EQ(w.format, 1);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
    EXPECT_GE(w.seconds(), 1.5);
    EXPECT_LE(w.seconds(), 2.5);
    int peak = 0;
    for (int16_t s : w.samples)
        peak = std::max(peak, s < 0 ? -int(s) : int(s));
    EXPECT_GT(peak, 8000) << "too quiet to hear";
    EXPECT_LT(peak, 32767) << "clipped";
}

TEST(SoundFiles, CutOffSoundIsShortSilentPcm) {
    const Wav w = parseWav("Dummy.wav");
    ASSERT_EQ(w.error, "");
    EXPECT_EQ(w.format, 1);
    EXPECT_GT(w.samples.size(), 0u);
    EXPECT_LT(w.seconds(), 0.1);
    EXPECT_TRUE(std::all_of(w.samples.begin(), w.samples.end(), [](int16_t s) { return s == 0; }));
}
