// The one background-music channel and the one-shot WAV sound. Every failure is silent.
#pragma once
#include <QString>

// Opens the audio device and starts loading the soundfont on a worker thread. Call once at start-up;
// later calls do nothing. Safe without a sound device (then everything stays silent).
void StartMusicSystem();
// True once the soundfont has loaded (or has been found missing: then music is silent for good).
bool SoundfontReady();
// Blocks up to timeoutMs for SoundfontReady (tests and benchmark only).
bool WaitSoundfontReady(int timeoutMs);

// Stops the old piece and starts file (relative to the current directory, any case) from its beginning.
// Does nothing while the music is switched off. A piece asked for before the soundfont is ready starts when
// it is.
void PlayMidi(const QString &file);
void StopMidi();
// Playing or paused; a piece waiting for the soundfont counts as playing.
bool MidiIsPlaying();
// Restarts file when nothing plays (unless the music is switched off).
void KeepMidiPlaying(const QString &file);
// Switches the music off (or on again) for the rest of the run; a piece playing stops only when
// its caller stops it.
void SetMusicOff(bool off);
// Plays a WAV file once, asynchronously; a new call cuts off the sound that plays.
void PlayWav(const QString &file);

// For tests and the benchmark.
// While held, the worker opens the audio device but waits before loading the soundfont.
void HoldSoundfontLoading(bool hold);
// Synthesizer voices now sounding for the music (0 while silent or without a synthesizer).
int SoundingMusicVoices();
// True while a WAV sound plays.
bool WavIsPlaying();
