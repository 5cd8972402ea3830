// Listening by measurement, for whoever writes the music: renders every built piece through FluidSynth
// with the soundfont and gain the game uses, and prints per piece its integrated loudness, peak, loudness
// range and how it survives a mono speaker; then per section of the score the loudness of each part
// heard alone and the tune's margin over the loudest other part; then the demo's jingle against the music.
//
// Sections come from the score: each comment line in the first voice opens one ("% B: ..."), and it
// runs for the bars that follow. The tune of a section is the first voice's, unless its heading names
// another voice as "(tune: Flute)", or several that play it together as "(tune: Violin, Strings)".
//
// Loudness is ITU-R BS.1770 (K-weighted, gated, LUFS); the range is EBU Tech 3342 (LU); the peak is the
// highest sample (dBFS). A part's figure is its own render with every other part's notes left out.
//
// listen SOUNDFONT GAIN SCORE_FOLDER GAME_FOLDER [PIECE...]   (every piece when none is named)
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {
constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;
using Bytes = std::vector<uint8_t>;
Bytes Read(const std::string &name) {
    std::ifstream f(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// --- the MIDI file: every channel event with its time, and which track (part) it belongs to ---
struct Event {
    double at;
    int track;
    Bytes msg;
};
struct Midi {
    std::vector<Event> events;          // in time order
    std::vector<std::string> kinds;     // per track: abc2midi's label ("note track", "gchord track", ...)
    std::map<uint32_t, uint32_t> tempo; // tick -> microseconds a quarter
    int division = 480;
    double Seconds(uint32_t tick) const {
        double s = 0;
        uint32_t at = 0, us = 500000;
        for (auto [t, v] : tempo) {
            if (t >= tick) break;
            s += double(t - at) * us;
            at = t;
            us = v;
        }
        return (s + double(tick - at) * us) / 1e6 / division;
    }
};

Midi ReadMidi(const Bytes &d) {
    Midi m;
    auto num = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i)
            v = v << 8 | d.at(at + i);
        return v;
    };
    const uint32_t tracks = num(10, 2);
    m.division = int(num(12, 2));
    struct Raw {
        uint32_t tick;
        int track;
        Bytes msg;
    };
    std::vector<Raw> raw;
    size_t p = 14;
    for (uint32_t t = 0; t < tracks; ++t) {
        const size_t end = p + 8 + num(p + 4, 4);
        uint32_t tick = 0, status = 0;
        m.kinds.emplace_back();
        auto var = [&] {
            uint32_t v = 0, b;
            do
                b = d.at(p++), v = v << 7 | (b & 0x7f);
            while (b & 0x80);
            return v;
        };
        for (p += 8; p < end;) {
            tick += var();
            const uint32_t b = d.at(p);
            if (b == 0xff) {
                const int type = d.at(p + 1);
                p += 2;
                const uint32_t len = var();
                if (type == 0x51) m.tempo[tick] = num(p, 3);
                if (type == 0x01 && m.kinds.back().empty())
                    m.kinds.back().assign(d.begin() + p, d.begin() + p + len);
                p += len;
                continue;
            }
            if (b == 0xf0 || b == 0xf7) {
                ++p;
                p += var();
                continue;
            }
            if (b & 0x80) status = b, ++p;
            const int n = (status >> 4 == 0xc || status >> 4 == 0xd) ? 1 : 2;
            Bytes msg{uint8_t(status)};
            for (int i = 0; i < n; ++i)
                msg.push_back(d.at(p++));
            raw.push_back({tick, int(t), msg});
        }
        p = end;
    }
    std::stable_sort(raw.begin(), raw.end(), [](const Raw &a, const Raw &b) { return a.tick < b.tick; });
    for (const Raw &r : raw)
        m.events.push_back({m.Seconds(r.tick), r.track, r.msg});
    return m;
}

// --- rendering: the game's synthesizer settings; keep(track) decides whose notes sound ---
struct Stereo {
    std::vector<float> l, r;
};

template <class Keep> Stereo Render(fluid_synth_t *synth, const Midi &m, Keep keep) {
    fluid_synth_system_reset(synth);
    Stereo out;
    const double end = m.events.empty() ? 0 : m.events.back().at + 4.0; // release and reverb
    const int block = 64;
    std::vector<float> l(block), r(block);
    size_t next = 0;
    for (long frame = 0; frame < long(end * Rate); frame += block) {
        const double now = double(frame) / Rate;
        for (; next < m.events.size() && m.events[next].at <= now; ++next) {
            const Event &e = m.events[next];
            const int kind = e.msg[0] >> 4, ch = e.msg[0] & 15;
            if (kind == 9 && e.msg[2] && !keep(e.track)) continue;
            switch (kind) {
            case 8:
                fluid_synth_noteoff(synth, ch, e.msg[1]);
                break;
            case 9:
                fluid_synth_noteon(synth, ch, e.msg[1], e.msg[2]);
                break;
            case 0xb:
                fluid_synth_cc(synth, ch, e.msg[1], e.msg[2]);
                break;
            case 0xc:
                fluid_synth_program_change(synth, ch, e.msg[1]);
                break;
            case 0xe:
                fluid_synth_pitch_bend(synth, ch, e.msg[1] | e.msg[2] << 7);
                break;
            default:
                break;
            }
        }
        fluid_synth_write_float(synth, block, l.data(), 0, 1, r.data(), 0, 1);
        out.l.insert(out.l.end(), l.begin(), l.end());
        out.r.insert(out.r.end(), r.begin(), r.end());
    }
    return out;
}

// --- loudness ---
// K-weighting at any sample rate: the high shelf and the high pass of BS.1770, from their analogue
// prototypes.
struct Biquad {
    double b0, b1, b2, a1, a2, z1 = 0, z2 = 0;
    double operator()(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};
std::vector<double> KWeightedPower(const Stereo &s) { // per sample, summed over both channels
    const double f0 = 1681.974450955533, g = 3.999843853973347, q = 0.7071752369554196;
    const double k = std::tan(Pi * f0 / Rate), vh = std::pow(10, g / 20),
                 vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1 + k / q + k * k;
    const Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
                       2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    const double f1 = 38.13547087602444, q1 = 0.5003270373238773, k1 = std::tan(Pi * f1 / Rate);
    const double a1 = 1 + k1 / q1 + k1 * k1;
    const Biquad high{1, -2, 1, 2 * (k1 * k1 - 1) / a1, (1 - k1 / q1 + k1 * k1) / a1};
    std::vector<double> p(s.l.size());
    Biquad sl = shelf, hl = high, sr = shelf, hr = high;
    for (size_t i = 0; i < p.size(); ++i) {
        const double a = hl(sl(s.l[i])), b = hr(sr(s.r[i]));
        p[i] = a * a + b * b;
    }
    return p;
}
double Lufs(double meanPower) {
    return meanPower > 0 ? -0.691 + 10 * std::log10(meanPower) : -99;
}

// Mean power of windows of `len` seconds every `hop` seconds between from and to.
std::vector<double> Windows(const std::vector<double> &p, double from, double to, double len, double hop) {
    std::vector<double> w;
    const size_t n = size_t(len * Rate);
    for (double t = from; t + len <= to + 1e-9; t += hop) {
        const size_t a = size_t(t * Rate);
        if (a + n > p.size()) break;
        double sum = 0;
        for (size_t i = a; i < a + n; ++i)
            sum += p[i];
        w.push_back(sum / n);
    }
    return w;
}

// Gated integrated loudness over [from, to); -99 when nothing sounds.
double Integrated(const std::vector<double> &p, double from, double to) {
    std::vector<double> blocks;
    for (double b : Windows(p, from, to, 0.4, 0.1))
        if (Lufs(b) > -70) blocks.push_back(b);
    if (blocks.empty()) return -99;
    double mean = 0;
    for (double b : blocks)
        mean += b;
    const double gate = Lufs(mean / blocks.size()) - 10;
    double sum = 0;
    int n = 0;
    for (double b : blocks)
        if (Lufs(b) > gate) sum += b, ++n;
    return n ? Lufs(sum / n) : -99;
}

double Range(const std::vector<double> &p, double to) {
    std::vector<double> st;
    for (double b : Windows(p, 0, to, 3.0, 0.1))
        if (Lufs(b) > -70) st.push_back(b);
    if (st.empty()) return 0;
    double mean = 0;
    for (double b : st)
        mean += b;
    const double gate = Lufs(mean / st.size()) - 20;
    std::vector<double> l;
    for (double b : st)
        if (Lufs(b) > gate) l.push_back(Lufs(b));
    std::sort(l.begin(), l.end());
    return l.empty() ? 0 : l[size_t(0.95 * (l.size() - 1))] - l[size_t(0.10 * (l.size() - 1))];
}

double PeakDb(const Stereo &s) {
    float peak = 0;
    for (float v : s.l)
        peak = std::max(peak, std::fabs(v));
    for (float v : s.r)
        peak = std::max(peak, std::fabs(v));
    return peak > 0 ? 20 * std::log10(peak) : -99;
}

// --- the score: voice names, and the sections of the first voice with their bars and tune ---
struct Section {
    std::string name, tune;
    int bars = 0;
    double from = 0, to = 0;
};
struct Score {
    std::vector<std::string> voices;
    std::vector<Section> sections;
    double barQuarters = 4;
};

Score ReadScore(const std::string &file) {
    Score s;
    std::ifstream in(file);
    std::string line;
    bool first = false;
    const std::regex voice(R"(^V:(\d+)\s+name="([^"]*)\")"), meter(R"(^M:(\d+)/(\d+))"),
        tune(R"(\(tune: ([^)]*)\))");
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, voice)) s.voices.resize(std::stoi(m[1])), s.voices.back() = m[2];
        if (std::regex_search(line, m, meter)) s.barQuarters = 4.0 * std::stoi(m[1]) / std::stoi(m[2]);
        if (line.rfind("V:", 0) == 0 && line.find("name=") == std::string::npos) {
            first = line == "V:1";
            continue;
        }
        if (!first || line.rfind("%%", 0) == 0) continue;
        if (line.rfind("%", 0) == 0) {
            std::string name = line.substr(1);
            name.erase(0, name.find_first_not_of(' '));
            Section sec{name.substr(0, name.find_first_of(":;(")), s.voices.empty() ? "" : s.voices[0]};
            while (!sec.name.empty() && sec.name.back() == ' ')
                sec.name.pop_back();
            if (std::regex_search(line, m, tune))
                sec.tune = std::regex_replace(std::string(m[1]), std::regex(", *"), ",");
            if (!s.sections.empty() && s.sections.back().bars == 0)
                s.sections.back() = sec;
            else
                s.sections.push_back(sec);
            continue;
        }
        if (s.sections.empty()) s.sections.push_back({"start", s.voices.empty() ? "" : s.voices[0]});
        // Count bar lines outside chord names, decorations and inline fields; Zn rests n bars.
        line = line.substr(0, line.find('%'));
        line = std::regex_replace(line, std::regex(R"("[^"]*"|![^!]*!|\[[A-Za-z]:[^\]]*\])"), "");
        std::string bar;
        for (char c : line + "|") {
            if (c != '|' && c != ']') {
                bar += c;
                continue;
            }
            if (c == ']' || bar.find_first_not_of(" :") == std::string::npos) {
                bar.clear();
                continue;
            }
            std::smatch z;
            s.sections.back().bars += std::regex_search(bar, z, std::regex(R"(Z(\d*))"))
                                          ? (z[1].length() ? std::stoi(z[1]) : 1)
                                          : 1;
            bar.clear();
        }
        if (line.find_first_not_of(" |]") == std::string::npos) continue;
    }
    if (!s.sections.empty() && s.sections.back().bars == 0) s.sections.pop_back();
    return s;
}

std::string Pad(std::string s, size_t width) { // columns of UTF-8 text, cut or filled to width
    size_t chars = 0, at = 0;
    for (; at < s.size(); ++at)
        if ((s[at] & 0xc0) != 0x80 && chars++ == width) break;
    s.resize(at);
    return s + std::string(width > chars ? width - chars : 0, ' ');
}

// Onsets: where the 10 ms energy rises 2 dB over the 30 ms before it (silence before the start).
std::vector<double> Onsets(const std::vector<double> &p) {
    std::vector<double> e = Windows(p, 0, double(p.size()) / Rate, 0.01, 0.01), at;
    for (size_t i = 0; i < e.size(); ++i) {
        double before = 1e-12;
        for (size_t k = 1; k <= 3 && k <= i; ++k)
            before = std::max(before, e[i - k]);
        if (e[i] > 1.6 * before && Lufs(e[i]) > -50 && (at.empty() || i * 0.01 - at.back() > 0.06))
            at.push_back(i * 0.01);
    }
    return at;
}
} // namespace

int main(int argc, char **argv) {
    if (argc < 5)
        return std::fprintf(stderr, "usage: listen SOUNDFONT GAIN SCORE_FOLDER GAME_FOLDER [PIECE...]\n"), 2;
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", Rate);
    fluid_settings_setnum(settings, "synth.gain", std::atof(argv[2]));
    fluid_synth_t *synth = new_fluid_synth(settings);
    if (fluid_synth_sfload(synth, argv[1], 1) == FLUID_FAILED)
        return std::fprintf(stderr, "no soundfont %s\n", argv[1]), 1;
    const std::string scores = argv[3], game = argv[4];
    const char *pieces[] = {"M00C", "M10C", "M20C", "M30C", "M40C", "M50C",
                            "M60C", "M90C", "M91C", "M92C", "M93C"};
    std::vector<double> music;
    for (const char *piece : pieces) {
        if (argc > 5 && std::find_if(argv + 5, argv + argc,
                                     [&](const char *a) { return std::string(a) == piece; }) == argv + argc)
            continue;
        const Bytes bytes = Read(game + "/" + piece + ".mid");
        if (bytes.size() < 14) {
            std::printf("%s: not built\n", piece);
            continue;
        }
        const Midi midi = ReadMidi(bytes);
        Score score = ReadScore(scores + "/" + piece + ".abc");
        // Parts: abc2midi writes one note track per voice in order, the chords and drums of a voice after it.
        std::vector<std::string> names(midi.kinds.size());
        std::vector<bool> sounds(midi.kinds.size());
        // A track whose notes are all velocity 1 only carries controllers (a score's swells): not a part.
        for (const Event &e : midi.events)
            if (e.msg[0] >> 4 == 9 && e.msg[2] > 1) sounds[e.track] = true;
        size_t voice = 0;
        for (size_t t = 0; t < names.size(); ++t) {
            const std::string &k = midi.kinds[t];
            if (t == 0)
                names[t] = "tempo"; // abc2midi labels it a note track too
            else if (k == "note track")
                names[t] = voice < score.voices.size() ? score.voices[voice] : "?", ++voice;
            else if (k == "gchord track")
                names[t] = "Chords";
            else if (k == "drum track")
                names[t] = "Drums";
            else
                names[t] = k;
        }
        const Stereo full = Render(synth, midi, [](int) { return true; });
        const double length = midi.events.back().at;
        const std::vector<double> power = KWeightedPower(full);
        Stereo mono = full;
        double lr = 0, ll = 0, rr = 0;
        for (size_t i = 0; i < full.l.size(); ++i) {
            lr += double(full.l[i]) * full.r[i], ll += double(full.l[i]) * full.l[i],
                rr += double(full.r[i]) * full.r[i];
            mono.l[i] = mono.r[i] = (full.l[i] + full.r[i]) / 2;
        }
        const double integrated = Integrated(power, 0, length + 4),
                     monoLufs = Integrated(KWeightedPower(mono), 0, length + 4);
        music.push_back(integrated);
        size_t last = full.l.size(); // the last sample above -60 dBFS: the release and reverb count
        while (last > 0 && std::fabs(full.l[last - 1]) < 0.001f && std::fabs(full.r[last - 1]) < 0.001f)
            --last;
        std::printf("\n%s  %.1f s, sounding to %.1f s  integrated %.1f LUFS  peak %.1f dBFS  range %.1f LU  "
                    "L/R correlation %.2f  mono %+.1f LU\n",
                    piece, length, double(last) / Rate, integrated, PeakDb(full), Range(power, length + 4),
                    lr / std::sqrt(ll * rr + 1e-30), monoLufs - integrated);
        // When it is heard: how loud it opens (against what played before it) and where it peaks.
        const std::vector<double> shortTerm = Windows(power, 0, length, 3.0, 0.5);
        const size_t peak = size_t(std::max_element(shortTerm.begin(), shortTerm.end()) - shortTerm.begin());
        std::printf("  first 15 s %.1f LUFS  loudest 3 s from %.1f s (%.1f LUFS)\n",
                    Integrated(power, 0, std::min(15.0, length)), 0.5 * peak,
                    shortTerm.empty() ? -99.0 : Lufs(shortTerm[peak]));
        // Section times from bars; the tempo map turns ticks into seconds.
        double quarters = 0;
        for (Section &s : score.sections) {
            s.from = midi.Seconds(uint32_t(quarters * midi.division));
            quarters += s.bars * score.barQuarters;
            s.to = midi.Seconds(uint32_t(quarters * midi.division));
        }
        std::vector<std::vector<double>> parts(names.size());
        for (size_t t = 0; t < names.size(); ++t)
            if (sounds[t])
                parts[t] = KWeightedPower(Render(synth, midi, [t](int track) { return size_t(track) == t; }));
        std::printf("  %s %6s  %s", Pad("section", 14).c_str(), "from", Pad("tune", 11).c_str());
        for (size_t t = 0; t < names.size(); ++t)
            if (sounds[t]) std::printf(" %s", Pad(names[t], 9).c_str());
        std::printf("  margin  lowest\n");
        for (const Section &s : score.sections) {
            std::printf("  %s %6.1f  %s", Pad(s.name, 14).c_str(), s.from, Pad(s.tune, 11).c_str());
            double tune = -99, loudest = -99, lowest = 99;
            std::vector<double> level(names.size(), -99);
            for (size_t t = 0; t < names.size(); ++t) {
                if (!sounds[t]) continue;
                bool plays = false; // a note starts inside the section
                for (const Event &e : midi.events)
                    if (int(t) == e.track && e.msg[0] >> 4 == 9 && e.msg[2] && e.at >= s.from && e.at < s.to)
                        plays = true;
                level[t] = plays ? Integrated(parts[t], s.from, std::max(s.to, s.from + 0.4)) : -99;
                if (level[t] > -99)
                    std::printf(" %9.1f", level[t]);
                else
                    std::printf(" %9s", "");
                if (level[t] <= -99) continue;
                if (("," + s.tune + ",").find("," + names[t] + ",") != std::string::npos)
                    tune = std::max(tune, level[t]);
                else
                    loudest = std::max(loudest, level[t]), lowest = std::min(lowest, level[t]);
            }
            if (tune > -99 && loudest > -99)
                std::printf("  %+6.1f  %+6.1f\n", tune - loudest, lowest - tune);
            else
                std::printf("  %6s  %6s\n", "-", "-");
        }
        std::fflush(stdout);
    }
    // The jingle as SDL_mixer plays it: the mono file on both sides, at full volume.
    const Bytes wav = Read(game + "/KVDEMO.WAV");
    if (wav.size() > 44 && !music.empty()) {
        Stereo s;
        for (size_t i = 44; i + 1 < wav.size(); i += 2) {
            const float v = int16_t(wav[i] | wav[i + 1] << 8) / 32768.0f;
            s.l.push_back(v), s.r.push_back(v);
        }
        const std::vector<double> p = KWeightedPower(s);
        std::vector<double> sorted = music;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted[sorted.size() / 2], j = Integrated(p, 0, double(s.l.size()) / Rate);
        std::printf("\nKVDEMO.WAV  %.2f s  integrated %.1f LUFS  peak %.1f dBFS  against the music's median "
                    "%.1f LUFS: %+.1f LU\n",
                    double(s.l.size()) / Rate, j, PeakDb(s), median, j - median);
        std::printf("  strikes at");
        for (double t : Onsets(p))
            std::printf(" %.2f", t);
        std::printf(
            " s; the demo shows its letter groups at 0.60 0.80 1.00 1.20 1.40 and the wand at 1.60 s\n");
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return 0;
}
