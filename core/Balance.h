// The numbers that balance the afternoon, named once.
#pragma once
#include <array>

constexpr int ClockIntervalMs = 60000; // one game minute in real time
constexpr int GateMinute = 30;         // 5:00 PM: the gate closes
constexpr int FirstMinute = 1;         // 4:31 PM, when the prologue hands over
constexpr int LeavingEvery = 5;        // a girl present leaves at every minute divisible by this
constexpr int IgnoredPenalty = 3;      // liking lost by a girl left without an answer
constexpr int AlbumPickCost = 2;       // liking his album pick starts behind by
constexpr int StartLikingMax = 4;      // a new afternoon deals each girl 0..this
constexpr int OwnEndingLiking = 5;     // the best liking at the gate from which she confesses herself
constexpr int ClassmateLiking = 3;     // from here up to her own ending, the classmate confesses
constexpr int RepliesOffered = 5;      // of the ten candidates of an encounter
constexpr int CallAhead = 2;           // minutes left of a walk when the friend calls
// The slower clock, an assist the player may choose: a game minute in 90 or 120 real seconds (the
// afternoon's own minute first). Every other wait counts game minutes, so it stretches with it.
constexpr std::array<int, 3> GameMinuteChoicesMs = {ClockIntervalMs, 90000, 120000};
