// The afternoon played headless by the game's own procedures: its clock tick, walks, encounters,
// replies, phone calls and ending decision, with views that show nothing and a player who clicks at
// once. The odds of the endings play it, and so does the proof that every ending can be reached.
#pragma once
#include "core/Balance.h"
#include "core/Campus.h"
#include "core/Choices.h"
#include "core/Clock.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "ending/Ending.h"
#include "sound/Music.h"
#include "talk/Conversation.h"
#include "talk/Encounter.h"
#include "talk/TalkFiles.h"
#include "talk/Timetable.h"
#include <algorithm>
#include <array>
#include <map>

// Views that keep only what a player needs to decide: the destinations open and the replies offered.
struct Headless final : CampusView, ReplyView, SequenceView {
    std::array<bool, 7> open{};
    bool offered = false;
    void Open() override {}
    void ShowLine(const QString &, const QString &) override {}
    void ShowPicture(const QString &) override {}
    void ShowCaption(const QString &) override {}
    void ShowClock(const QString &) override {}
    void ShowDestinations(const std::array<bool, 7> &enabled) override { open = enabled; }
    // The player reads fast: every line is clicked away as it appears.
    void ShowPrompt(bool waiting) override {
        if (waiting) PlayerClicked();
    }
    void RunClock(int) override {}
    void Close() override {}
    void Offer(const std::array<QString, 5> &) override { offered = true; }
    void OpenStartScreen() override {}
    void CloseStartScreen() override {}
    void OpenAlbum() override {}
    void AlbumThought(const QString &) override {}
    void CloseAlbum() override {}
    void RollCredits() override {}
};

inline Headless &HeadlessView() {
    static Headless views;
    return views;
}
// Installs the headless views (and silence) in place of whatever views were in use.
inline Headless &HeadlessViews() {
    Headless &views = HeadlessView();
    InstallViews({&views, &views, &views});
    SetMusicOff(true);
    return views;
}

// The player free at the schoolyard at 4:31 PM, after the album pick, with these likings.
inline void FreshAfternoon(const std::array<int, 7> &liking, int pick) {
    HeadlessViews();
    const QString crlf = G.CrLf.isEmpty() ? QStringLiteral("\r\n") : G.CrLf;
    ResetGameState();
    G.CrLf = crlf;
    G.Myouji = QStringLiteral("鳴海");
    G.TargetGirl = static_cast<Integer>(pick);
    for (int i = 1; i <= 6; ++i)
        G.Affection[i] = static_cast<Integer>(liking[i]);
    G.Location = 3;
    G.GameMinute = FirstMinute;
    StartClock();
}

// What a move led to.
enum class After { Free, Greeted, Gate, NoWalk };

// From a moment the player can act: 0 waits a minute (or, while a girl waits for his answer, says
// nothing until she goes), 1..7 walks there by its button. The game's clock runs until he is free
// again, a girl greets him, or it is 4:59 PM with nothing left to answer: the next minute is the gate's.
inline After Step(int move) {
    const bool silent = G.Mode == ModeTalking;
    // The buttons as the game offers them here (a search may have come back to this moment).
    RefreshChoices();
    if (move != 0) {
        if (silent || move < 1 || move > PlaceCount || !HeadlessView().open[move - 1]) return After::NoWalk;
        StartWalk(move);
    }
    do {
        if (G.GameMinute >= GateMinute - 1) return After::Gate;
        ClockTick();
        // Only what the afternoon still needs is kept: long searches would otherwise pile up lines.
        ForgetAfternoonLines();
    } while (G.Mode == ModeWalking || (silent && G.Mode == ModeTalking));
    return G.Mode == ModeTalking ? After::Greeted : After::Free;
}

// The girl present, from her encounter code.
inline int GirlPresent() {
    return G.TalkCode.size() >= 2 ? G.TalkCode[1].digitValue() : 0;
}

// He answers with talk number `talk` of the encounter, as if it had been offered in the first slot.
inline void AnswerWith(int talk) {
    G.OfferedTalk[1] = static_cast<Integer>(talk);
    AnswerReply(1);
}

// The liking change of each of an encounter's ten candidates, read by the game's readers: what a
// player who sees the girls' liking knows of each reply.
struct Replies {
    std::array<int, 10> talk{}, change{};
};
inline const Replies &RepliesOf(const QString &code) {
    static std::map<QString, Replies> known;
    auto it = known.find(code);
    if (it != known.end()) return it->second;
    Replies r;
    r.talk = ReadCandidates(code);
    for (int i = 0; i < 10; ++i)
        r.change[i] = ResponseChange(ReadResponseLine(code, r.talk[i]));
    return known[code] = r;
}

// Whether a player who sees the girls' liking can reach an ending from here on, having met `must` if
// that is set. With need 6 he makes sure of it whatever five replies are drawn (all five may be among
// any five of the ten, so six must lead there); with need 1 some draw will do. He may leave a girl
// unanswered, as the game lets him, where `silence` is set.
struct Proof {
    int goal, need, must = 0;
    bool silence = false;
    std::map<std::array<int, 5>, bool> memo;

    // What the gate will make of the girls met: for a girl, her liking and the least that beats every
    // other girl met (ties go to the lower number); for 8 or 9, the best liking of them all.
    std::array<int, 5> Key() const {
        int met = 0;
        for (int i = 1; i <= 6; ++i)
            met |= (G.MetFlag[i] != 0) << i;
        int mark = goal <= 6 ? OwnEndingLiking : ClassmateLiking - 1;
        for (int i = 1; i <= 6; ++i)
            if ((met >> i & 1) && i != goal)
                mark = std::max(mark, std::min(G.Affection[i] + (goal <= 6 && i < goal), 20));
        const int own = goal <= 6 ? G.Affection[goal] : 0;
        return {G.GameMinute * 8 + G.Location, met, own, goal <= 6 ? mark : std::min(mark, 5),
                G.Mode == ModeTalking ? G.TalkCode[0].unicode() * 256 + G.TalkCode[2].unicode() : 0};
    }
    bool Reached() const { return DecideEnding() == goal && (must == 0 || G.MetFlag[must] != 0); }
    // From a free moment, or a greeting still to answer.
    bool From() {
        const std::array<int, 5> key = Key();
        if (auto it = memo.find(key); it != memo.end()) return it->second;
        const GameState here = G;
        bool can = false;
        if (G.Mode == ModeTalking) {
            can = Greeted(here);
        } else {
            for (int move = 0; move <= PlaceCount && !can; ++move) {
                G = here;
                const After a = Step(move);
                can = a == After::Gate ? Reached() : a == After::NoWalk ? false : From();
            }
        }
        G = here;
        return memo[key] = can;
    }
    bool Greeted(const GameState &here) {
        int leading = 0;
        const Replies &r = RepliesOf(G.TalkCode);
        // Replies of equal change leave the afternoon alike: each change is played once, counted as often
        // as it is offered among the ten.
        std::map<int, int> changes;
        for (int i = 0; i < 10; ++i)
            changes.try_emplace(r.change[i], i);
        for (const auto &[change, first] : changes) {
            G = here;
            AnswerWith(r.talk[first]);
            if (Next() && (leading += int(std::count(r.change.begin(), r.change.end(), change))) >= need)
                return true;
        }
        if (!silence) return false;
        G = here;
        return Next(Step(0));
    }
    // After an answer he stands free; after a silence, wherever the clock left him.
    bool Next(After a = After::Free) { return a == After::Gate ? Reached() : From(); }
};

// The starts of the proof: the worst for a girl (hers at 0 less the album pick, the others at 4); one
// girl alone at 3, the least a polite word keeps for the classmate; every girl at 4, the pick at 2.
inline std::array<int, 7> WorstFor(int girl) {
    std::array<int, 7> l = {0, 4, 4, 4, 4, 4, 4};
    l[girl] = -AlbumPickCost;
    return l;
}
inline std::array<int, 7> AloneAt3(int girl) {
    std::array<int, 7> l = {};
    l[girl] = 3, l[girl % 6 + 1] = -AlbumPickCost;
    return l;
}
inline std::array<int, 7> AllAt4() {
    return {0, 4, 4, 4, 4, 4, 2};
}

// The proof from a start.
inline bool Provable(Proof proof, const std::array<int, 7> &liking) {
    FreshAfternoon(liking, proof.goal <= 6 ? proof.goal : 1);
    return proof.From();
}
