// The music channel: one FluidSynth synthesizer, loaded once per process, rendering into
// SDL2_mixer's music hook; WAV sounds play on SDL2_mixer's own channels.
//
// Threads. The user-interface thread only posts commands ("play these bytes", "stop") and reads
// what the audio thread last published; it never touches FluidSynth, so changing music costs it a
// file read and a short lock. The SDL audio thread owns the synthesizer and its MIDI player: at the
// start of every buffer it applies the newest command, renders, and publishes whether the piece
// still plays. A worker thread opens the audio device and loads the soundfont at start-up; until
// it is done a posted piece simply waits and counts as playing.
#include "sound/Music.h"

#include "platform/TextFile.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <QFile>
#include <QGuiApplication>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

constexpr int SampleRate = 44100;
constexpr int BufferFrames = 1024; // about 23 ms: a new piece is heard within one buffer
// A sound that is cut off fades out over 10 ms on its channel while the next starts on the other.
constexpr int WavChannels = 2;
constexpr int FadeFrames = SampleRate / 100;

enum class Command { None, Play, Stop };

struct Channel {
    std::mutex lock; // guards everything below that both threads see; never held while loading or rendering
    std::condition_variable changed;
    bool started = false;
    bool ready = false;  // soundfont loaded, or found missing
    bool silent = false; // no device or no soundfont: music never sounds in this process
    bool hold = false;

    // Posted by the user-interface thread, taken by the audio thread.
    Command command = Command::None;
    std::string piece;       // bytes of the MIDI file to play
    unsigned generation = 0; // counts commands, so a stale result is never published
    bool commandDone = true;

    // Published by the audio thread after each buffer.
    bool playing = false;
    int voices = 0;

    // Owned by the audio thread once the hook is installed.
    fluid_synth_t *synth = nullptr;
    fluid_player_t *player = nullptr;

    std::atomic<bool> audioOpen{false};
    Mix_Chunk *wav[WavChannels] = {}; // user-interface thread only
    int lastWav = 0;
    std::atomic<int> fadeLeft[WavChannels] = {-1, -1}; // frames of the fade still to go; -1: not fading
};

// Never destroyed: the audio and loader threads may still run while the process exits.
Channel &C() {
    static Channel *channel = new Channel;
    return *channel;
}

// Where Debian's fluid-soundfont-gm puts the General MIDI soundfont; DUSKBELL_SOUNDFONT overrides
// it (a named file that is missing means silence, not a search elsewhere).
std::string SoundfontPath() {
    if (const char *env = std::getenv("DUSKBELL_SOUNDFONT"); env && *env)
        return access(env, R_OK) == 0 ? std::string(env) : std::string();
    for (const char *p : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                          "/usr/share/soundfonts/default.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2"})
        if (access(p, R_OK) == 0) return p;
    return {};
}

// True for a SoundFont 2 file. Anything else is refused before FluidSynth sees it: its fallback
// loaders complain on standard error about files they cannot read.
bool IsSoundfont(const std::string &path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.endsWith("sfbk");
}

void DropLogMessage(int, const char *, void *) {}

// SDL audio thread, on a WAV channel's samples before they are mixed: ramps a cut-off sound to silence.
void SDLCALL FadeWav(int channel, void *stream, int len, void *) {
    int left = C().fadeLeft[channel].load();
    if (left < 0) return;
    auto *s = static_cast<Sint16 *>(stream); // the device's own format: 16-bit stereo
    for (int i = 0; i<len / 4; ++i, left -= left> 0) {
        s[2 * i] = Sint16(s[2 * i] * left / FadeFrames);
        s[2 * i + 1] = Sint16(s[2 * i + 1] * left / FadeFrames);
    }
    C().fadeLeft[channel].store(left);
}

void ReleasePlayer(Channel &c) {
    if (!c.player) return;
    fluid_player_stop(c.player);
    delete_fluid_player(c.player);
    c.player = nullptr;
}

// SDL audio thread. Runs with the mixer locked; the stream arrives silent.
void SDLCALL RenderMusic(void *, Uint8 *stream, int len) {
    Channel &c = C();
    Command command = Command::None;
    std::string piece;
    unsigned generation = 0;
    {
        std::lock_guard<std::mutex> lk(c.lock);
        if (!c.commandDone) {
            command = c.command;
            piece.swap(c.piece);
            generation = c.generation;
        }
    }
    if (command != Command::None) {
        // Closing the old piece cuts its sound at once, as closing the device did.
        ReleasePlayer(c);
        fluid_synth_all_sounds_off(c.synth, -1);
        if (command == Command::Play) {
            c.player = new_fluid_player(c.synth);
            if (c.player && (fluid_player_add_mem(c.player, piece.data(), piece.size()) != FLUID_OK ||
                             fluid_player_play(c.player) != FLUID_OK))
                ReleasePlayer(c);
        }
    }
    // With no piece and no note left sounding there is nothing to render: the stream stays silent
    // and an idle game costs the processor next to nothing.
    if (c.player || fluid_synth_get_active_voice_count(c.synth) > 0)
        fluid_synth_write_s16(c.synth, len / 4, stream, 0, 2, stream, 1, 2);

    // FluidSynth's player reports the end only seconds after the last tick; the piece is over when
    // its last tick has passed, and the keep-alive must see that at once.
    bool playing = false;
    if (c.player) {
        const int status = fluid_player_get_status(c.player);
        const int total = fluid_player_get_total_ticks(c.player);
        playing = status == FLUID_PLAYER_PLAYING || status == FLUID_PLAYER_STOPPING;
        if (!playing || (total > 0 && fluid_player_get_current_tick(c.player) >= total)) {
            ReleasePlayer(c);
            playing = false;
        }
    }
    const int voices = fluid_synth_get_active_voice_count(c.synth);
    std::lock_guard<std::mutex> lk(c.lock);
    if (command != Command::None && generation == c.generation) c.commandDone = true;
    if (c.commandDone) c.playing = playing;
    c.voices = voices;
}

void LoadSynthesizer(std::string soundfont) {
    Channel &c = C();
    fluid_synth_t *synth = nullptr;

    // Exactly this format (allowed changes 0): SDL converts to whatever the device really takes.
    if (Mix_OpenAudioDevice(SampleRate, AUDIO_S16SYS, 2, BufferFrames, nullptr, 0) == 0) {
        Mix_AllocateChannels(WavChannels);
        for (int ch = 0; ch < WavChannels; ++ch)
            Mix_RegisterEffect(ch, FadeWav, nullptr, nullptr);
        c.audioOpen.store(true);
        if (!soundfont.empty() && IsSoundfont(soundfont)) {
            fluid_settings_t *settings = new_fluid_settings();
            fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
            fluid_settings_setnum(settings, "synth.gain", 0.4);
            // Only the instruments a piece selects are read from the soundfont, and they are
            // dropped again when no channel uses them.
            fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
            fluid_settings_setint(settings, "synth.lock-memory", 0);
            fluid_settings_setint(settings, "player.reset-synth", 1);
            synth = new_fluid_synth(settings);
            {
                std::unique_lock<std::mutex> lk(c.lock);
                c.changed.wait(lk, [&] { return !c.hold; });
            }
            if (synth && fluid_synth_sfload(synth, soundfont.c_str(), 0) == FLUID_FAILED) {
                delete_fluid_synth(synth);
                synth = nullptr;
            }
        }
    }

    {
        std::lock_guard<std::mutex> lk(c.lock);
        c.ready = true;
        c.synth = synth;
        if (!synth) {
            c.silent = true;
            c.commandDone = true;
            c.piece.clear();
            c.playing = false;
        }
    }
    c.changed.notify_all();
    // A piece posted while loading is taken by the first buffer.
    if (synth) Mix_HookMusic(RenderMusic, nullptr);
}

// A finished WAV is freed at the next sound call or keep-alive tick.
void ReleaseFinishedWav(Channel &c) {
    for (int ch = 0; ch < WavChannels; ++ch)
        if (c.wav[ch] && !Mix_Playing(ch)) {
            Mix_FreeChunk(c.wav[ch]);
            c.wav[ch] = nullptr;
        }
}

// Bytes of a standard MIDI file in the current directory, any case of its name.
bool ReadPiece(const QString &file, std::string &bytes) {
    QFile f(FindFile(file));
    if (f.fileName().isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = f.readAll();
    if (!data.startsWith("MThd")) return false;
    bytes.assign(data.constData(), data.size());
    return true;
}

void Post(Command command, std::string piece = {}) {
    Channel &c = C();
    std::lock_guard<std::mutex> lk(c.lock);
    if (c.silent) return;
    c.command = command;
    c.piece = std::move(piece);
    ++c.generation;
    c.commandDone = false;
}

} // namespace

void StartMusicSystem() {
    Channel &c = C();
    {
        std::lock_guard<std::mutex> lk(c.lock);
        if (c.started) return;
        c.started = true;
    }
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, DropLogMessage, nullptr);
    // SDL would take SIGINT and SIGTERM for itself and leave the game deaf to kill and logout.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The desktop's mixer names the stream after the program and shows its menu icon (libpulse
    // takes the icon from the environment, for PulseAudio and PipeWire alike); the player's own wins.
    const QByteArray name = QGuiApplication::applicationName().toUtf8();
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, name.constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, name.constData());
    if (const QString icon = QGuiApplication::desktopFileName(); !icon.isEmpty())
        setenv("PULSE_PROP_application.icon_name", icon.toUtf8().constData(), 0);
    std::thread(LoadSynthesizer, SoundfontPath()).detach();
}

bool SoundfontReady() {
    Channel &c = C();
    std::lock_guard<std::mutex> lk(c.lock);
    return c.ready;
}

bool WaitSoundfontReady(int timeoutMs) {
    Channel &c = C();
    std::unique_lock<std::mutex> lk(c.lock);
    return c.changed.wait_for(lk, std::chrono::milliseconds(timeoutMs), [&] { return c.ready; });
}

namespace {
std::atomic<bool> musicOff{false};
} // namespace

void SetMusicOff(bool off) {
    musicOff = off;
}

void PlayMidi(const QString &file) {
    if (musicOff) return;
    StartMusicSystem();
    std::string piece;
    if (ReadPiece(file, piece))
        Post(Command::Play, std::move(piece));
    else
        Post(Command::Stop); // the old piece is closed even when the new one cannot be opened
}

void StopMidi() {
    Channel &c = C();
    {
        std::lock_guard<std::mutex> lk(c.lock);
        if (!c.started) return;
    }
    Post(Command::Stop);
}

bool MidiIsPlaying() {
    Channel &c = C();
    std::lock_guard<std::mutex> lk(c.lock);
    if (c.silent) return false;
    if (!c.commandDone) return c.command == Command::Play;
    return c.playing;
}

void KeepMidiPlaying(const QString &file) {
    if (C().audioOpen.load()) ReleaseFinishedWav(C());
    if (musicOff || MidiIsPlaying()) return;
    PlayMidi(file);
}

void PlayWav(const QString &file) {
    StartMusicSystem();
    Channel &c = C();
    if (!c.audioOpen.load()) return;
    // Any new sound cuts off the one playing, even when the new one cannot be played: a short fade,
    // since a halt in mid-wave clicks.
    for (int ch = 0; ch < WavChannels; ++ch)
        if (Mix_Playing(ch) && c.fadeLeft[ch].load() < 0)
            c.fadeLeft[ch].store(FadeFrames), Mix_ExpireChannel(ch, 30);
    ReleaseFinishedWav(c);
    const QString path = FindFile(file);
    if (path.isEmpty()) return;
    Mix_Chunk *chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk) return;
    const int ch = c.lastWav = (c.lastWav + 1) % WavChannels;
    Mix_HaltChannel(ch); // faded out by now, unless sounds follow each other within milliseconds
    ReleaseFinishedWav(c);
    c.fadeLeft[ch].store(-1);
    if (Mix_PlayChannel(ch, chunk, 0) < 0) {
        Mix_FreeChunk(chunk);
        return;
    }
    c.wav[ch] = chunk;
}

void HoldSoundfontLoading(bool hold) {
    Channel &c = C();
    {
        std::lock_guard<std::mutex> lk(c.lock);
        c.hold = hold;
    }
    c.changed.notify_all();
}

int SoundingMusicVoices() {
    Channel &c = C();
    std::lock_guard<std::mutex> lk(c.lock);
    return c.voices;
}

bool WavIsPlaying() {
    Channel &c = C();
    if (!c.audioOpen.load()) return false;
    for (int ch = 0; ch < WavChannels; ++ch)
        if (Mix_Playing(ch) && c.fadeLeft[ch].load() < 0) return true; // a sound being cut off counts as gone
    return false;
}
