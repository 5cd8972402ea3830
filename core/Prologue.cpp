#include "core/Prologue.h"

#include "core/Balance.h"
#include "core/Clock.h"
#include "core/GameState.h"
#include "core/PrologueLines.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "platform/TextFile.h"
#include "talk/Album.h"

void BeginAfternoon(bool resume) {
    View().campus->Open();
    // The saved game holds no lines: a resumed afternoon looks back no further than itself.
    ForgetAfternoonLines();
    View().sequence->CloseStartScreen();
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
        G.GameMinute = FirstMinute;
    }
    StartClock();
}
