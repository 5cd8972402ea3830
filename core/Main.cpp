#include "core/Main.h"

#include "core/GameState.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "platform/System.h"
#include <QPointer>

void Main() {
    QPointer<Demoform> demo(&Win<Demoform>());
    demo->Show();
    // The demo hides itself when its schedule is over; nothing shortens it.
    PumpUntil([&] { return !demo || !demo->isVisible(); });
    Unload<Demoform>();
    Randomize();
    G.CrLf = QStringLiteral("\r\n");
    Win<DblTitle>().Show();
}
