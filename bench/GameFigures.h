// Figures of the game itself, measured through its real windows (offscreen).
#pragma once
#include <optional>

// Processor time of the whole process over 10 s while the campus window waits for a click, in
// percent of one core: with the music switched off (the cost of waiting itself), and with the
// campus music playing (then mostly the synthesizer's).
std::optional<double> WaitIdleCpuPercent();
std::optional<double> WaitMusicCpuPercent();
// Wall time of one whole afternoon at the benchmark's time scale: new game on the start screen to
// the recorded ending, a player clicking along.
std::optional<double> AfternoonSeconds();
// True once the afternoon has been played in this process.
bool AfternoonPlayed();
