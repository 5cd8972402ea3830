#include "core/Main.h"

#include "core/Clock.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "ending/Ending.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "frontend/SaveFile.h"
#include "frontend/Windows.h"
#include "platform/System.h"
#include "sound/Music.h"

void Main() {
    InstallWindowViews();
    CleanSaveLeftovers();
    Win<Demoform>().Show();
    // The demo hides itself when its schedule is over; nothing shortens it.
    PumpUntil([] { return !IsLoaded<Demoform>() || !Win<Demoform>().Visible(); });
    Unload<Demoform>();
    Randomize();
    G.CrLf = QStringLiteral("\r\n");
    Win<DblTitle>().Show();
}

void EndAtDesktopRequest() {
    // Nobody is there to answer a box: the afternoon is saved as Yes would save it, where the close
    // box would offer that, and an ending already reached goes into the record.
    if (EndingRecordPending())
        StoreEnding();
    else if (IsLoaded<DblMain>() && SaveOffered())
        StoreSaveFile();
    StopMidi();
    EndProcess();
}
