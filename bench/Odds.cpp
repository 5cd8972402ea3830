// How often a simple way of playing reaches each ending: whole afternoons played on the game's own
// timetable, walks, talk data and ending decision, with random starting likings, the album pick's
// cost and random draws of five replies, all from the game's one random generator.
//
//   duskbell_odds [--game DIR] [AFTERNOONS]
//
// Prints the liking changes of every encounter, then one line per way of playing: the ending it aims
// at, its share of the afternoons and the share it should reach.
#include "bench/Afternoon.h"
#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>

namespace {

std::map<QString, Replies> Talk;

// Bands a player can tell apart by what she answers.
const char *BandOf(int change) {
    return change >= 5 ? "warm" : change >= 1 ? "mild" : change == 0 ? "reserved" : "cold";
}

void PrintReplies() {
    std::printf("Liking changes per encounter, best first (warm +5 and up, mild +1..+4, reserved 00, cold below 0)\n");
    std::map<int, int> all;
    for (const auto &[code, r] : Talk) {
        std::array<int, 10> c = r.change;
        std::sort(c.rbegin(), c.rend());
        std::map<std::string, int> bands;
        std::printf("%s ", qPrintable(code));
        for (int v : c) {
            std::printf(v ? " %+d" : " 00", v);
            ++bands[BandOf(v)], ++all[v];
        }
        std::printf("   warm %d mild %d reserved %d cold %d\n", bands["warm"], bands["mild"], bands["reserved"],
                    bands["cold"]);
    }
    std::printf("All %zu responses:", Talk.size() * 10);
    for (const auto &[v, n] : all) std::printf(" %+d:%d", v, n);
    std::printf("\n\n");
}

// Five of the ten replies, drawn as the game draws them: a slot drawn before is drawn again.
std::array<int, 5> DrawFive() {
    std::array<int, 5> picked{};
    std::array<bool, 10> drawn{};
    for (int n = 0; n < 5;) {
        const int r = std::min(9, static_cast<int>(Rnd() * 10));
        if (drawn[r]) continue;
        drawn[r] = true;
        picked[n++] = r;
    }
    return picked;
}

// Whether the girl can still be met from here (the player answers everyone at once, so no one else
// holds him up).
bool CanMeet(const Moment &m, int girl) {
    static std::map<std::array<int, 3>, bool> memo;
    const std::array<int, 3> key = {m.minute, m.place, girl};
    if (auto it = memo.find(key); it != memo.end()) return it->second;
    bool can = false;
    for (int move = 0; move <= PlaceCount && !can; ++move) {
        Moment n = m;
        int who = 0;
        QString code;
        if (!Move(n, move, who, code) || n.minute >= 30) continue;
        can = who == girl || CanMeet(n, girl);
    }
    return memo[key] = can;
}

// What he says: the index of one of the five changes offered, or -1 for nothing.
using Answerer = std::function<int(int girl, int pick, const std::array<int, 5> &offered)>;

int Best(const std::array<int, 5> &o) {
    return int(std::max_element(o.begin(), o.end()) - o.begin());
}
int Coldest(const std::array<int, 5> &o) {
    return int(std::min_element(o.begin(), o.end()) - o.begin());
}
// Polite: a reserved reply if one is offered, else the mildest cold one, warm only when nothing else is.
int Polite(const std::array<int, 5> &o) {
    const auto rank = [](int v) { return v == 0 ? 0 : v < 0 ? -v : 100 + v; };
    return int(std::min_element(o.begin(), o.end(), [&](int a, int b) { return rank(a) < rank(b); }) - o.begin());
}

struct Way {
    const char *ending, *how;
    int pick;  // 1..6, or 0 for a pick at random
    enum Route { Wander, Seek, Busy } route; // at random; only where his pick can still be found; never idle
    Answerer answer;
    int aim; // the ending aimed at; 0: the girl he picked
    double target;
    std::function<void()> fresh = {};            // before each afternoon
    std::function<void(bool reached)> done = {}; // after it
};

struct Outcome {
    double share, metGirls;
};

Outcome Play(const Way &way, int afternoons) {
    int reached = 0;
    long met = 0;
    for (int a = 0; a < afternoons; ++a) {
        if (way.fresh) way.fresh();
        Moment m;
        for (int i = 1; i <= 6; ++i) m.liking[i] = static_cast<int>(Rnd() * 5);
        const int pick = way.pick ? way.pick : 1 + std::min(5, static_cast<int>(Rnd() * 6));
        m.liking[pick] -= 2;
        while (m.minute < 30) {
            std::vector<int> moves;
            for (int move = 0; move <= PlaceCount; ++move) {
                Moment n = m;
                int who = 0;
                QString code;
                if (!Move(n, move, who, code)) continue;
                const bool found = (m.met >> pick & 1) || who == pick || (n.minute < 30 && CanMeet(n, pick));
                if ((way.route != Way::Seek || found) && (way.route != Way::Busy || move != 0 || n.minute % 5 == 1))
                    moves.push_back(move);
            }
            const int move = moves[std::min<int>(int(moves.size()) - 1, static_cast<int>(Rnd() * moves.size()))];
            int girl = 0;
            QString code;
            Move(m, move, girl, code);
            if (girl == 0 || m.minute >= 30) continue;
            const Replies &r = Talk.at(code);
            const std::array<int, 5> picked = DrawFive();
            std::array<int, 5> offered{};
            for (int k = 0; k < 5; ++k) offered[k] = r.change[picked[k]];
            const int said = way.answer(girl, pick, offered);
            said < 0 ? Silence(m, girl) : Answer(m, girl, offered[said]);
        }
        const bool hit = EndingAt(m) == (way.aim ? way.aim : pick);
        reached += hit;
        if (way.done) way.done(hit);
        met += std::popcount(unsigned(m.met));
    }
    return {100.0 * reached / afternoons, double(met) / afternoons};
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString game = QCoreApplication::applicationDirPath() + QStringLiteral("/game");
    int afternoons = 10000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc)
            game = QString::fromLocal8Bit(argv[++i]);
        else
            afternoons = std::max(1, std::atoi(argv[i]));
    }
    if (!QDir::setCurrent(game)) {
        std::fprintf(stderr, "no game folder at %s\n", qPrintable(game));
        return 1;
    }
    Talk = ReadAllReplies();
    PrintReplies();
    Randomize(20261207u); // the same afternoons every run

    const Answerer herBestPolite = [](int girl, int pick, const auto &o) { return girl == pick ? Best(o) : Polite(o); };
    const Answerer warmToAll = [](int, int, const auto &o) { return Best(o); };
    const Answerer politeToAll = [](int, int, const auto &o) { return Polite(o); };
    // The coldest reply, or nothing when every reply offered is kind.
    const Answerer coldToAll = [](int, int, const auto &o) { return o[Coldest(o)] < 0 ? Coldest(o) : -1; };
    // One warm word for the first other girl he meets, polite to the rest.
    int warmWordsLeft = 0;
    const Answerer oneWarmWord = [&warmWordsLeft](int girl, int pick, const auto &o) {
        if (girl == pick) return Best(o);
        return warmWordsLeft-- > 0 ? Best(o) : Polite(o);
    };

    std::vector<Way> ways;
    static const char *girls[] = {"", "1", "2", "3", "4", "5", "6"};
    for (int g = 1; g <= 6; ++g)
        ways.push_back({girls[g], "pick her, find her, her best reply offered, polite to the others", g, Way::Seek,
                        herBestPolite, g, 95});
    ways.push_back({"8", "wander, a reserved (polite) reply to every girl", 0, Way::Wander, politeToAll, 8, 50});
    ways.push_back({"8", "keep walking (wait only for a girl due), a reserved reply to every girl", 0, Way::Busy, politeToAll, 8, 50});
    ways.push_back({"9", "wander, the coldest reply to every girl, none if all are kind", 0, Way::Wander, coldToAll, 9, 95});
    ways.push_back({"pick", "pick her, find her, her best reply, the best reply to everyone else too", 0, Way::Seek,
                    warmToAll, 0, 0});
    std::printf("%-6s %7s %6s %6s  %s\n", "ending", "share", "target", "met", "way of playing");
    for (const Way &way : ways) {
        const Outcome o = Play(way, afternoons);
        std::printf("%-6s %6.1f%% %5.0f%% %6.2f  %s\n", way.ending, o.share, way.target, o.metGirls, way.how);
    }
    // The cost of kindness, counted over the afternoons in which he did say a warm word to another girl.
    int warm = 0, kept = 0;
    const Way once{"pick", "", 0, Way::Seek, oneWarmWord, 0, 0, [&] { warmWordsLeft = 1; },
                   [&](bool hit) { if (warmWordsLeft <= 0) ++warm, kept += hit; }};
    Play(once, afternoons);
    std::printf("%-6s %6.1f%% %5s %6s  %s (%d afternoons)\n", "pick", 100.0 * kept / std::max(1, warm), "", "",
                "as above, but the best reply to the first other girl met", warm);
    return 0;
}
