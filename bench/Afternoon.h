// The afternoon reduced to its choices: where the player goes, minute by minute, and what he answers
// each girl, on the game's own timetable, walks and talk data, with the game's own ending decision.
// The talk-data proof and the odds of the endings both play it.
#pragma once
#include "core/Campus.h"
#include "core/GameState.h"
#include "ending/Ending.h"
#include "talk/Encounter.h"
#include "talk/TalkFiles.h"
#include "talk/Timetable.h"
#include <array>
#include <map>

// The ten replies an encounter can offer and the liking change of each, read by the game's readers
// from the game folder (the current directory).
struct Replies {
    std::array<int, 10> talk{}, change{};
};
inline std::map<QString, Replies> ReadAllReplies() {
    std::map<QString, Replies> all;
    for (const auto &row : Timetable)
        for (int place = 1; place <= PlaceCount; ++place)
            for (QChar variant : {QChar('A'), QChar('B')})
                if (const int girl = row[place]; girl != 0) {
                    const QString code = EncounterCode(place, girl, variant);
                    Replies &r = all[code];
                    r.talk = ReadCandidates(code);
                    for (int i = 0; i < 10; ++i) r.change[i] = ResponseChange(ReadResponseLine(code, r.talk[i]));
                }
    return all;
}

// A free player: the minute, where he stands, the girls met (bit per girl) and their liking.
struct Moment {
    int minute = 1, place = 3, met = 0;
    std::array<int, 7> liking{};
    auto operator<=>(const Moment &) const = default;
};

// Waits a minute (move 0) or walks to place `move`; false when there is no such walk. On the way
// the clock may reach the gate (minute 30); otherwise `girl` and `code` name who greets him, if anyone.
inline bool Move(Moment &m, int move, int &girl, QString &code) {
    girl = 0;
    if (move != 0 && WalkMinutes[m.place][move] == 0) return false;
    m.minute += move == 0 ? 1 : WalkMinutes[m.place][move];
    if (move != 0) m.place = move;
    const bool waited = move == 0;
    if (m.minute >= 30 || (waited ? m.minute % 5 != 1 : !IsEncounterMinute(m.minute))) return true;
    const int slot = SlotOfMinute(m.minute), here = slot < 0 ? 0 : Timetable[slot][m.place];
    if (here != 0 && !(m.met >> here & 1)) {
        girl = here;
        code = EncounterCode(m.place, here, waited ? 'B' : 'A');
    }
    return true;
}
// He answers at once: her liking changes and she counts as met.
inline void Answer(Moment &m, int girl, int change) {
    m.liking[girl] += change;
    m.met |= 1 << girl;
}
// He says nothing: he cannot leave until she does, at the next five minutes, and that costs 3,
// unless the gate closes first.
inline void Silence(Moment &m, int girl) {
    m.met |= 1 << girl;
    m.minute = (m.minute / 5 + 1) * 5;
    if (m.minute < 30) m.liking[girl] -= 3;
}
// Who confesses at the gate, decided by the game.
inline int EndingAt(const Moment &m) {
    for (int i = 1; i <= 6; ++i) {
        G.Affection[i] = static_cast<Integer>(m.liking[i]);
        G.MetFlag[i] = static_cast<Integer>(m.met >> i & 1);
    }
    return DecideEnding();
}
