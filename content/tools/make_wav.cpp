// Writes the opening demo's two sounds into the game folder:
//   KVDEMO.WAV  the logo jingle: a bell for each letter group of the logo as it appears, a chord on the
//               wand pose, a twinkle for the year, at about the loudness of the music that follows
//   Dummy.wav   20 ms of silence, played to cut the jingle off
// Plain 16-bit mono PCM at 44100 Hz. Everything is computed from fixed numbers, so every build
// writes the same bytes.
//
// Usage: make_wav <output folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;

// One struck note of the jingle: when it starts, its pitch, how loud and how long it rings.
struct Strike {
    double start; // seconds
    double freq;  // Hz
    double level; // linear
    double ring;  // decay time constant of the fundamental, seconds
};

// Equal-tempered pitch from a MIDI note number (69 = A 440 Hz).
double pitch(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A glockenspiel-like bell: the fundamental plus the inharmonic overtones of a struck bar, the
// higher ones dying away faster, which is what makes it sound bright at first and sweet after.
double bell(double t, double freq, double ring) {
    if (t < 0.0) return 0.0;
    constexpr double ratio[] = {1.0, 2.756, 5.404};
    constexpr double amp[] = {1.0, 0.42, 0.18};
    constexpr double decayDiv[] = {1.0, 2.5, 5.0};
    const double attack = std::min(1.0, t / 0.003); // 3 ms: no click at the strike
    double sum = 0.0;
    for (int i = 0; i < 3; ++i)
        sum += amp[i] * std::exp(-t * decayDiv[i] / ring) * std::sin(2.0 * Pi * freq * ratio[i] * t);
    return attack * sum;
}

std::vector<int16_t> jingle() {
    // The demo starts the jingle on its timer's first tick and shows the logo's letter groups 0.6, 0.8,
    // 1.0, 1.2 and 1.4 s later, the wand pose with the last group at 1.6 s and the year at 2.4 s; the
    // window closes at 4.4 s. A D major arpeggio (the key of the title music) climbs a note per group
    // to the leading tone, and the wand lands on the tonic chord.
    const Strike strikes[] = {
        {0.60, pitch(81), 0.50, 0.35},  // A5    cyan
        {0.80, pitch(86), 0.50, 0.35},  // D6    green
        {1.00, pitch(90), 0.50, 0.35},  // F#6   white
        {1.20, pitch(93), 0.50, 0.35},  // A6    red
        {1.40, pitch(97), 0.45, 0.30},  // C#7   magenta, leaning on the chord to come
        {1.60, pitch(98), 0.50, 0.80},  // the wand: D7
        {1.60, pitch(93), 0.40, 0.80},  //           A6
        {1.60, pitch(90), 0.40, 0.85},  //           F#6
        {1.60, pitch(86), 0.45, 0.90},  //           D6
        {1.60, pitch(74), 0.40, 1.10},  //           D5 underneath for body
        {2.40, pitch(105), 0.16, 0.45}, // the year: a twinkle high above, A7
        {2.48, pitch(110), 0.12, 0.40}, //                                  D8
    };
    const double length = 4.0;
    const double fadeStart = 3.3; // a gentle fade so the last sample is silence, not a cut
    const int count = static_cast<int>(length * SampleRate);

    std::vector<double> mix(count);
    for (int n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / SampleRate;
        double s = 0.0;
        for (const Strike &k : strikes)
            s += k.level * bell(t - k.start, k.freq, k.ring);
        // While the window is still black, a soft open fifth swells in and gives way to the first bell.
        if (t > 0.15 && t < 0.75) {
            const double swell = std::sin(Pi * (t - 0.15) / 0.6);
            s += 0.05 * swell * swell *
                 (std::sin(2.0 * Pi * pitch(74) * t) + 0.7 * std::sin(2.0 * Pi * pitch(81) * t));
        }
        if (t > fadeStart) s *= 0.5 * (1.0 + std::cos(Pi * (t - fadeStart) / (length - fadeStart)));
        mix[n] = s;
    }

    // A peak of PeakLevel puts the jingle, played on both speakers, at the music's loudness
    // (measured with make listen: within 1 LU of the pieces' median).
    constexpr double PeakLevel = 0.25;
    double peak = 0.0;
    for (double s : mix)
        peak = std::max(peak, std::fabs(s));
    const double gain = peak > 0.0 ? PeakLevel / peak : 0.0;
    std::vector<int16_t> out(count);
    for (int n = 0; n < count; ++n)
        out[n] = static_cast<int16_t>(std::lround(mix[n] * gain * 32767.0));
    return out;
}

void put16(std::string &b, uint16_t v) {
    b.push_back(static_cast<char>(v & 0xff));
    b.push_back(static_cast<char>(v >> 8));
}

void put32(std::string &b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

// RIFF/WAVE with a plain PCM "fmt " chunk and one "data" chunk, little-endian throughout.
bool writeWav(const std::string &path, const std::vector<int16_t> &samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string b;
    b += "RIFF";
    put32(b, 36 + dataBytes);
    b += "WAVE";
    b += "fmt ";
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, SampleRate);
    put32(b, SampleRate * 2); // bytes per second
    put16(b, 2);              // block align
    put16(b, 16);             // bits per sample
    b += "data";
    put32(b, dataBytes);
    for (int16_t s : samples)
        put16(b, static_cast<uint16_t>(s));

    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(b.data(), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<int16_t> silence(SampleRate / 50, 0); // 20 ms
    if (!writeWav(dir + "/KVDEMO.WAV", jingle()) || !writeWav(dir + "/Dummy.wav", silence)) {
        std::fprintf(stderr, "make_wav: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
