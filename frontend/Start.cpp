#include "frontend/Start.h"

#include "core/Balance.h"
#include "core/GameState.h"
#include "core/Prologue.h"
#include "core/Store.h"
#include "core/Views.h"
#include "ending/ClearRecord.h"
#include "frontend/SaveFile.h"
#include "platform/System.h"
#include "sound/Music.h"

void LeaveTitle() {
    StopMidi();
    View().sequence->OpenStartScreen();
}

void SwitchMusicOff() {
    G.MusicOff = True;
    SetMusicOff(true);
}

bool SisterHosts() {
    return ReadClearRecord().contains(EndingChar(9));
}

void StartNewGame(const QString &myouji, const QString &namae) {
    G.Myouji = myouji;
    G.Namae = namae;
    SaveLastNames(myouji, namae);
    G.GameMinute = 0;
    for (int k = 1; k <= 6; ++k) {
        G.Affection[k] = static_cast<Integer>(Rnd() * (StartLikingMax + 1));
        G.MetFlag[k] = 0;
    }
    BeginAfternoon(false);
}

bool ContinueSavedGame() {
    if (!LoadSaveFile()) return false;
    BeginAfternoon(true);
    return true;
}
