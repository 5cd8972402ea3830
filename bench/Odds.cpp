// How often a simple way of playing reaches each ending: whole afternoons played by the game's own
// clock tick, walks, encounters, reply draws, phone calls and ending decision (headless), with random
// starting likings, the album pick's cost and random draws of five replies, all from the game's one
// random generator.
//
//   duskbell_odds [--game DIR] [AFTERNOONS]
//
// Prints the liking changes of every encounter, then one line per way of playing: the ending it aims
// at, its share of AFTERNOONS (2 000) afternoons and the share it should reach.
#include "bench/Afternoon.h"
#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

namespace {

// Every encounter code the timetable makes, with its replies.
std::map<QString, Replies> AllReplies() {
    std::map<QString, Replies> all;
    for (const auto &row : Timetable)
        for (int place = 1; place <= PlaceCount; ++place)
            for (QChar variant : {QChar('A'), QChar('B')})
                if (row[place] != 0) {
                    const QString code = EncounterCode(place, row[place], variant);
                    all[code] = RepliesOf(code);
                }
    return all;
}

// Bands a player can tell apart by what she answers.
const char *BandOf(int change) {
    return change >= 5 ? "warm" : change >= 1 ? "mild" : change == 0 ? "reserved" : "cold";
}

void PrintReplies() {
    std::printf("Liking changes per encounter, best first (warm +5 and up, mild +1..+4, reserved 00, cold "
                "below 0)\n");
    std::map<int, int> all;
    const std::map<QString, Replies> talk = AllReplies();
    for (const auto &[code, r] : talk) {
        std::array<int, 10> c = r.change;
        std::sort(c.rbegin(), c.rend());
        std::map<std::string, int> bands;
        std::printf("%s ", qPrintable(code));
        for (int v : c) {
            std::printf(v ? " %+d" : " 00", v);
            ++bands[BandOf(v)], ++all[v];
        }
        // The share of draws of five that offer at least one of a band: 1 - C(10-n,5)/C(10,5).
        const auto offered = [](int n) {
            double none = 1;
            for (int k = 0; k < 5; ++k)
                none *= std::max(0, 10 - n - k) / double(10 - k);
            return 100 * (1 - none);
        };
        std::printf(
            "   warm %d mild %d reserved %d cold %d   offered: warm %5.1f%% reserved %5.1f%% cold %5.1f%%\n",
            bands["warm"], bands["mild"], bands["reserved"], bands["cold"], offered(bands["warm"]),
            offered(bands["reserved"]), offered(bands["cold"]));
    }
    std::printf("All %zu responses:", talk.size() * 10);
    for (const auto &[v, n] : all)
        v ? std::printf(" %+d:%d", v, n) : std::printf(" 00:%d", n);
    std::printf("\n\n");
}

int Random(int n) {
    return std::min(n - 1, static_cast<int>(Rnd() * n));
}

// Whether the girl can still be met from this free moment (he answers everyone at once, so no one
// else holds him up).
bool CanMeet(int girl) {
    static std::map<std::array<int, 3>, bool> memo;
    const std::array<int, 3> key = {G.GameMinute, G.Location, girl};
    if (auto it = memo.find(key); it != memo.end()) return it->second;
    const GameState here = G;
    bool can = false;
    for (int move = 0; move <= PlaceCount && !can; ++move) {
        G = here;
        const After a = Step(move);
        if (a == After::Greeted && GirlPresent() != girl) AnswerWith(RepliesOf(G.TalkCode).talk[0]);
        can =
            a == After::Greeted ? GirlPresent() == girl || CanMeet(girl) : a == After::Free && CanMeet(girl);
    }
    G = here;
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
    return int(std::min_element(o.begin(), o.end(), [&](int a, int b) { return rank(a) < rank(b); }) -
               o.begin());
}

struct Way {
    const char *ending, *how;
    int pick; // 1..6, or 0 for a pick at random
    // At random; only where his pick can still be found; never idle unless a girl is due.
    enum Route { Wander, Seek, Busy } route;
    Answerer answer;
    int aim; // the ending aimed at; 0: the girl he picked
    double target;
    std::function<void()> fresh = {};            // before each afternoon
    std::function<void(bool reached)> done = {}; // after it
};

// Where he goes next from a free moment: 0 waits a minute, 1..7 walks there.
int ChooseMove(const Way &way, int pick) {
    const GameState here = G;
    std::vector<int> moves;
    for (int move = 0; move <= PlaceCount; ++move) {
        G = here;
        const bool girlDue = (G.GameMinute + 1) % 5 == 1;
        const After a = Step(move);
        if (a == After::NoWalk) continue;
        const bool greetedByHer = a == After::Greeted && GirlPresent() == pick;
        if (a == After::Greeted && !greetedByHer) AnswerWith(RepliesOf(G.TalkCode).talk[0]);
        const bool findable = here.MetFlag[pick] != 0 || greetedByHer || (a != After::Gate && CanMeet(pick));
        if ((way.route != Way::Seek || findable) && (way.route != Way::Busy || move != 0 || girlDue))
            moves.push_back(move);
    }
    G = here;
    return moves[Random(int(moves.size()))];
}

struct Result {
    int ending, met;
};

// One afternoon through the game: between two ticks of its clock the player answers the reply window
// or sets off for a destination, as the campus window lets him; every line is clicked away as it comes.
Result PlayAfternoon(const Way &way, int pick, const std::array<int, 7> &liking) {
    FreshAfternoon(liking, pick);
    for (;;) {
        if (G.Mode == ModeTalking) {
            const Replies &r = RepliesOf(G.TalkCode);
            std::array<int, 5> offered{};
            for (int k = 0; k < 5; ++k)
                offered[k] =
                    r.change[std::find(r.talk.begin(), r.talk.end(), G.OfferedTalk[k + 1]) - r.talk.begin()];
            const int said = way.answer(GirlPresent(), pick, offered);
            if (said >= 0) {
                AnswerReply(said + 1);
            } else if (Step(0) == After::Gate) {
                break;
            }
            continue;
        }
        if (Step(ChooseMove(way, pick)) == After::Gate) break;
    }
    Result r{DecideEnding(), 0};
    for (int i = 1; i <= 6; ++i)
        r.met += G.MetFlag[i] != 0;
    return r;
}

struct Outcome {
    double share, metGirls;
};

Outcome Play(const Way &way, int afternoons) {
    int reached = 0;
    long met = 0;
    for (int a = 0; a < afternoons; ++a) {
        if (way.fresh) way.fresh();
        std::array<int, 7> liking{};
        for (int i = 1; i <= 6; ++i)
            liking[i] = static_cast<int>(Rnd() * (StartLikingMax + 1));
        const int pick = way.pick ? way.pick : 1 + Random(6);
        liking[pick] -= AlbumPickCost;
        const Result r = PlayAfternoon(way, pick, liking);
        const bool hit = r.ending == (way.aim ? way.aim : pick);
        reached += hit;
        met += r.met;
        if (way.done) way.done(hit);
    }
    return {100.0 * reached / std::max(1, afternoons), double(met) / std::max(1, afternoons)};
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString game = QCoreApplication::applicationDirPath() + QStringLiteral("/game");
    int afternoons = 2000;
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
    PrintReplies();
    // What holds whatever five replies are drawn, for a player who sees the likings (the talk-data test
    // holds these too); ending 8 cannot be made sure, however the girls start.
    std::printf("From 4:31 at the schoolyard, whatever the draws:\n");
    const char *yes[] = {"no", "yes"};
    for (int g = 1; g <= 6; ++g)
        std::printf("girl %d: surely won from her worst start %s; can lead to 8 (alone at 3) %s, to 9 (all "
                    "at 4) %s\n",
                    g, yes[Provable({g, 6, 0, true}, WorstFor(g))], yes[Provable({8, 1, g}, AloneAt3(g))],
                    yes[Provable({9, 1, g}, AllAt4())]);
    std::printf("ending 8 surely reached by answering every girl (all at 4) %s\n\n",
                yes[Provable({8, 6, 0, false}, AllAt4())]);
    Randomize(20261207u); // the same afternoons every run

    const Answerer herBestPolite = [](int girl, int pick, const auto &o) {
        return girl == pick ? Best(o) : Polite(o);
    };
    const Answerer warmToAll = [](int, int, const auto &o) { return Best(o); };
    const Answerer politeToAll = [](int, int, const auto &o) { return Polite(o); };
    // The coldest reply, or nothing when every reply offered is kind.
    const Answerer coldToAll = [](int, int, const auto &o) { return o[Coldest(o)] < 0 ? Coldest(o) : -1; };
    // One warm word for the first other girl he meets, polite to the rest.
    int warmWordsLeft = 0, warmAfternoons = 0, keptAnyway = 0;
    const Answerer oneWarmWord = [&warmWordsLeft](int girl, int pick, const auto &o) {
        if (girl == pick) return Best(o);
        return warmWordsLeft-- > 0 ? Best(o) : Polite(o);
    };

    static const char *girls[] = {"", "1", "2", "3", "4", "5", "6"};
    std::vector<Way> ways;
    for (int g = 1; g <= 6; ++g)
        ways.push_back({girls[g], "pick her, find her, her best reply offered, polite to the others", g,
                        Way::Seek, herBestPolite, 0, 95});
    ways.push_back(
        {"8", "wander, a reserved (polite) reply to every girl", 0, Way::Wander, politeToAll, 8, 50});
    ways.push_back({"8", "keep walking (wait only for a girl due), a reserved reply to every girl", 0,
                    Way::Busy, politeToAll, 8, 50});
    ways.push_back({"9", "wander, the coldest reply to every girl, none if all are kind", 0, Way::Wander,
                    coldToAll, 9, 95});
    ways.push_back({"pick", "pick her, find her, the best reply offered to her and to every other girl", 0,
                    Way::Seek, warmToAll, 0, 0});
    // The cost of kindness, over the afternoons in which he said a warm word to another girl.
    ways.push_back({"pick",
                    "as above, but the best reply to the first other girl only, polite after (share of "
                    "the afternoons with that warm word)",
                    0, Way::Seek, oneWarmWord, 0, 0, [&] { warmWordsLeft = 1; },
                    [&](bool hit) {
                        if (warmWordsLeft <= 0) ++warmAfternoons, keptAnyway += hit;
                    }});

    std::printf("%-6s %7s %6s %5s  %s\n", "ending", "share", "target", "met", "way of playing");
    // A way that counts its own afternoons (the warm word) gives its share of those.
    for (const Way &way : ways) {
        warmAfternoons = keptAnyway = 0;
        Outcome o = Play(way, afternoons);
        if (warmAfternoons) o.share = 100.0 * keptAnyway / warmAfternoons;
        std::printf("%-6s %6.1f%% %5s %5.2f  %s\n", way.ending, o.share,
                    way.target ? qPrintable(QString::number(way.target) + '%') : "", o.metGirls, way.how);
    }
    return 0;
}
