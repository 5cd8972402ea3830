// Writes the opening demo's two sounds into the game folder:
//   KVDEMO.WAV  a bright two-second logo jingle (a rising bell arpeggio that rings out on a chord)
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
    // Rising D major arpeggio (the key of the title music), then the chord rings out over a soft low D.
    const Strike strikes[] = {
        {0.00, pitch(81), 0.55, 0.30}, // A5
        {0.09, pitch(86), 0.55, 0.30}, // D6
        {0.18, pitch(90), 0.55, 0.30}, // F#6
        {0.27, pitch(93), 0.55, 0.30}, // A6
        {0.36, pitch(98), 0.50, 0.30}, // D7
        {0.55, pitch(86), 0.45, 0.55}, // chord: D6
        {0.55, pitch(90), 0.40, 0.55}, //        F#6
        {0.55, pitch(93), 0.40, 0.55}, //        A6
        {0.56, pitch(98), 0.32, 0.50}, //        D7
        {0.55, pitch(74), 0.35, 0.70}, //        D5 underneath for body
    };
    const double length = 2.0;
    const double fadeStart = 1.7; // a gentle fade so the last sample is silence, not a cut
    const int count = static_cast<int>(length * SampleRate);

    std::vector<double> mix(count);
    for (int n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / SampleRate;
        double s = 0.0;
        for (const Strike &k : strikes)
            s += k.level * bell(t - k.start, k.freq, k.ring);
        if (t > fadeStart) s *= 0.5 * (1.0 + std::cos(Pi * (t - fadeStart) / (length - fadeStart)));
        mix[n] = s;
    }

    // Normalise to about -3 dBFS: loud enough beside the music, never clipping.
    double peak = 0.0;
    for (double s : mix)
        peak = std::max(peak, std::fabs(s));
    const double gain = peak > 0.0 ? 0.708 / peak : 0.0;
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
