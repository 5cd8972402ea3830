#include "talk/Encounter.h"

#include "core/Scene.h"

// Until the girls walk the campus, every place is empty.
void EncounterOnArrival() { ArriveAlone(); }
void EncounterWhileWaiting() {}
