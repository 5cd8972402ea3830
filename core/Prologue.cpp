#include "core/Prologue.h"

#include "core/Choices.h"
#include "core/DblLog.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/PrologueLines.h"
#include "core/Scene.h"
#include "frontend/StartScreen.h"
#include "platform/TextFile.h"
#include "talk/Album.h"

void StartClock() {
    DblMain &m = Win<DblMain>();
    m.Timer1->SetEnabled(true);
    m.Timer1->SetInterval(60000);
    G.Mode = ModeFree;
    // A save made while a phone call held the gate back resumes with the clock past five.
    m.lblClock->setText(G.GameMinute >= 30 ? QStringLiteral("5:00 PM") : QStringLiteral("4:%1 PM").arg(G.GameMinute + 30));
    RefreshChoices();
}

void BeginAfternoon(bool resume) {
    Win<DblMain>().Show();
    // The saved game holds no lines: a resumed afternoon looks back no further than itself.
    Win<DblMain>().PastLines.clear();
    Unload<DblLog>();
    CloseStartScreen();
    if (resume) {
        ShowScene(EmptyPlaceCode(), Str(ResumeLine), QString());
    } else {
        for (size_t i = 0; i < PrologueLines.size(); ++i) {
            ShowScene(i == 0 ? QStringLiteral("C30C") : QString(), Str(PrologueLines[i]), QString());
            WaitClick();
        }
        PickInAlbum();
        ShowScene(QString(), Str(AfterAlbumLine), QString());
        G.Location = 3;
        G.GameMinute = 1;
    }
    StartClock();
}
