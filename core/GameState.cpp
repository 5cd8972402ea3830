#include "core/GameState.h"

GameState G;

bool SaveOffered() {
    return G.Mode != ModeEnding && G.TargetGirl != 0;
}

void ResetGameState() {
    G = GameState{};
}
