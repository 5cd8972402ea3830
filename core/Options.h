// The game's own options: its voice, the slower clock and the window scale. Each change takes effect
// at once and is remembered for the player, outside the record's section.
#pragma once
#include <QString>

enum class Option { Voice, Clock, Scale };
constexpr int OptionCount = 3;

// The voice and the clock as the player chose them last (the scale is the windows' seam's).
void UseChosenOptions();
// The real milliseconds of one game minute: the afternoon's own, or the slower clock's.
int GameMinuteMs();
// The option's next value, round (after the last comes the first): taken at once and kept.
void ChangeOption(Option option);
// How the option reads now, its value included, as the options window shows it and a screen reader
// says it.
QString OptionText(Option option);
