#include "frontend/StartScreen.h"

#include "frontend/DblStart.h"

void CloseStartScreen() { Unload<DblStart>(); }
