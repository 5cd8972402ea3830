#include "talk/Encounter.h"

#include "core/GameState.h"
#include "core/Scene.h"
#include "platform/TextFile.h"
#include "talk/Conversation.h"
#include "talk/EncounterLines.h"
#include "talk/Timetable.h"

namespace {

const EncounterEntry *entryOf(int location, int heroine) {
    for (const EncounterEntry &e : Encounters)
        if (e.location == location && e.heroine == heroine) return &e;
    return nullptr;
}

// Heroine of the timetable at Location in a slot, or 0.
int heroineHere(int slot) {
    if (slot < 0 || G.Location < 1 || G.Location > 7) return 0;
    return Timetable[slot][G.Location];
}

// Greets the player and opens the exchange. Met as soon as she has greeted him.
void meet(int heroine, QChar variant, int slot) {
    const EncounterEntry *e = entryOf(G.Location, heroine);
    if (!e) { // the timetable and the table of greetings always agree; never leave a walk unfinished
        if (variant == 'A') ArriveAlone();
        return;
    }
    const QString code = EncounterCode(G.Location, heroine, variant);
    ShowScene(Str(variant == 'A' ? e->pictureA : e->pictureB), GreetingOf(code, slot),
              Str(HeroineName[heroine]));
    G.MetFlag[heroine] = 1;
    OpenConversation(code);
}

} // namespace

QString EncounterCode(int location, int heroine, QChar variant) {
    return QString::number(location) + QString::number(heroine) + variant;
}

QString GreetingOf(const QString &code, int slot) {
    if (code.size() != 3) return {};
    const int location = code[0].digitValue(), heroine = code[1].digitValue();
    const EncounterEntry *e = entryOf(location, heroine);
    if (!e) return {};
    if (code[2] == 'B') return Str(e->greetingB);
    if (code[2] != 'A') return {};
    for (const SlotGreeting &s : SlotGreetings)
        if (s.location == location && s.heroine == heroine && s.slot == slot) return Str(s.greeting);
    return Str(e->greetingA);
}

void EncounterOnArrival() {
    const int slot = SlotOfMinute(G.GameMinute);
    if (slot < 0) return;
    const int heroine = heroineHere(slot);
    // A girl already met is treated as absent.
    if (heroine == 0 || G.MetFlag[heroine] != 0) {
        ArriveAlone();
        return;
    }
    meet(heroine, 'A', slot);
}

void EncounterWhileWaiting() {
    if (G.GameMinute % 5 != 1 || G.GameMinute < 6 || G.GameMinute > 26) return;
    const int slot = SlotOfMinute(G.GameMinute);
    const int heroine = heroineHere(slot);
    if (heroine == 0 || G.MetFlag[heroine] != 0) return;
    meet(heroine, 'B', slot);
}
