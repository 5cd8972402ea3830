// Checks a MIDI file that abc2midi has just made: well formed, of the length its piece should have, played
// at more than one dynamic, and no tempo track running on past the music (which a loop would play as
// silence). Run by the build after every piece, so a score that breaks one of these never reaches the game.
// check_midi FILE SHORTEST_SECONDS LONGEST_SECONDS
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
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
    for (int i = 0; i < n; ++i)
        v = v << 8 | d[at + (littleEndian ? n - 1 - i : i)];
    return v;
}

// Seconds through the tempo map; levels: the most note-on velocities one melodic channel uses (beat
// accents alone give three).
struct Piece {
    double seconds;
    size_t levels;
};

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
        for (int i = 0; i < 4 && b & 0x80; ++i)
            b = Num(d, p++, 1), v = v << 7 | (b & 0x7f);
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
    for (const auto &v : velocities)
        levels = std::max(levels, v.size());
    double quarterUs = 0; // quarter notes times their microseconds
    uint32_t at = 0, us = 500000;
    for (auto [t, v] : tempo)
        if (t < endTick) quarterUs += double(t - at) * us, at = t, us = v;
    return {(quarterUs + double(endTick - at) * us) / 1e6 / division, levels};
}
} // namespace

int main(int argc, char **argv) {
    if (argc != 4) return std::fprintf(stderr, "usage: check_midi FILE SHORTEST LONGEST\n"), 2;
    try {
        const Piece piece = ReadMidi(Read(argv[1]));
        if (piece.seconds < std::atof(argv[2]) || piece.seconds > std::atof(argv[3]))
            throw Fault("lasts " + std::to_string(piece.seconds) + " s");
        if (piece.levels <= 3) throw Fault("has no dynamics");
    } catch (const Fault &f) {
        std::fprintf(stderr, "%s: %s\n", argv[1], f.what());
        return 1;
    }
    return 0;
}
