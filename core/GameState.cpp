#include "core/GameState.h"

GameState G;

void ResetGameState() { G = GameState{}; }
