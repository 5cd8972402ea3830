#include "ending/Ending.h"

#include "core/Choices.h"
#include "core/DblMain.h"
#include "core/GameState.h"

void CloseGate() {
    DblMain &m = Win<DblMain>();
    m.Timer1->SetInterval(0);
    m.Timer1->SetEnabled(false);
    G.Mode = ModeEnding;
    RefreshChoices();
    m.lblClock->setText(QString());
}
