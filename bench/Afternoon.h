// The afternoon reduced to its choices: where the player goes, minute by minute, and what he answers
// each girl, on the game's own timetable, walks and talk data, with the game's own ending decision.
// The odds of the endings play it, and so does the proof that every ending can be reached.
#pragma once
#include "core/Campus.h"
#include "core/GameState.h"
#include "ending/Ending.h"
#include "talk/Encounter.h"
#include "talk/TalkFiles.h"
#include "talk/Timetable.h"
#include <algorithm>
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

// Whether a player who sees the girls' liking can reach an ending from here on, having met `must` if
// that is set. With need 6 he makes sure of it whatever five replies are drawn (all five may be among
// any five of the ten, so six must lead there); with need 1 some draw will do. He may leave a girl
// unanswered, as the game lets him, where `silence` is set.
struct Proof {
    int goal, need, must = 0;
    bool silence = false;
    std::map<QString, Replies> talk = ReadAllReplies();
    std::map<std::array<int, 5>, bool> memo;

    // What the gate will make of the girls met: for a girl, her liking and the least that beats every
    // other girl met (ties go to the lower number); for 8 or 9, the best liking of them all.
    std::array<int, 5> Key(const Moment &m) const {
        int mark = goal <= 6 ? 5 : 2;
        for (int i = 1; i <= 6; ++i)
            if ((m.met >> i & 1) && i != goal)
                mark = std::max(mark, std::min(m.liking[i] + (goal <= 6 && i < goal), 20));
        return {m.minute, m.place, m.met, goal <= 6 ? m.liking[goal] : 0, goal <= 6 ? mark : std::min(mark, 5)};
    }
    bool From(const Moment &m) {
        const std::array<int, 5> key = Key(m);
        if (auto it = memo.find(key); it != memo.end()) return it->second;
        bool can = false;
        for (int move = 0; move <= PlaceCount && !can; ++move) {
            Moment n = m;
            int girl = 0;
            QString code;
            if (Move(n, move, girl, code))
                can = n.minute >= 30 ? Reached(n) : girl == 0 ? From(n) : Greeted(n, girl, code);
        }
        return memo[key] = can;
    }
    bool Greeted(const Moment &n, int girl, const QString &code) {
        int leading = 0;
        for (int change : talk.at(code).change) {
            Moment after = n;
            Answer(after, girl, change);
            if ((leading += From(after)) >= need) return true;
        }
        Moment after = n;
        Silence(after, girl);
        return silence && (after.minute >= 30 ? Reached(after) : From(after));
    }
    bool Reached(const Moment &m) const { return EndingAt(m) == goal && (must == 0 || m.met >> must & 1); }
};
inline Moment Start(std::array<int, 7> liking) {
    Moment m;
    m.liking = liking;
    return m;
}
// The starts of the proof: the worst for a girl (hers at 0 less the album pick, the others at 4); one
// girl alone at 3, the least a polite word keeps for the classmate; every girl at 4, the pick at 2.
inline Moment WorstFor(int girl) {
    std::array<int, 7> l = {0, 4, 4, 4, 4, 4, 4};
    l[girl] = -2;
    return Start(l);
}
inline Moment AloneAt3(int girl) {
    std::array<int, 7> l = {};
    l[girl] = 3, l[girl % 6 + 1] = -2;
    return Start(l);
}
inline Moment AllAt4() {
    return Start({0, 4, 4, 4, 4, 4, 2});
}
