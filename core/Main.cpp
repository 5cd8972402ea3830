#include "core/Main.h"

#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Prologue.h"
#include "core/Scene.h"
#include "platform/System.h"

void Main() {
    Randomize();
    G.CrLf = QStringLiteral("\r\n");
    // Until the front end exists, the afternoon starts at once at the schoolyard at 4:31 PM.
    G.Location = 3;
    G.GameMinute = 1;
    for (int k = 1; k <= 6; ++k) G.Affection[k] = static_cast<Integer>(Rnd() * 5);
    Win<DblMain>().Show();
    ShowScene(EmptyPlaceCode(), QStringLiteral("さて、どこへ行こうか。"), QString());
    StartClock();
}
