#include "core/Prologue.h"

#include "core/Choices.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/PrologueLines.h"
#include "core/Scene.h"
#include "frontend/StartScreen.h"
#include "talk/Album.h"

void StartClock() {
    DblMain &m = Win<DblMain>();
    m.Timer1->SetEnabled(true);
    m.Timer1->SetInterval(60000);
    G.Mode = ModeFree;
    m.lblClock->setText(QStringLiteral("4:%1 PM").arg(G.GameMinute + 30));
    RefreshChoices();
}

void BeginAfternoon(bool resume) {
    Win<DblMain>().Show();
    CloseStartScreen();
    if (resume) {
        ShowScene(EmptyPlaceCode(), QString::fromUtf16(ResumeLine), QString());
    } else {
        for (size_t i = 0; i < PrologueLines.size(); ++i) {
            ShowScene(i == 0 ? QStringLiteral("C30C") : QString(), QString::fromUtf16(PrologueLines[i]), QString());
            WaitClick();
        }
        PickInAlbum();
        ShowScene(QString(), QString::fromUtf16(AfterAlbumLine), QString());
        G.Location = 3;
        G.GameMinute = 1;
    }
    StartClock();
}
