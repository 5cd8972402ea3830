#include "frontend/StartScreen.h"

void CloseStartScreen() {}
