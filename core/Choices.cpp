#include "core/Choices.h"

#include "core/GameState.h"
#include "core/Views.h"
#include <array>
#include <initializer_list>

namespace {
// Button indexes enabled at each location (1-based) while the player stands free.
const std::array<std::initializer_list<int>, 8> ButtonsAt = {
    {{}, {2, 1, 4, 3}, {0, 3}, {0, 6}, {1, 5, 0}, {0, 6}, {3}, {4, 2}}};
} // namespace

void RefreshChoices() {
    if (G.Mode != ModeWalking && G.Mode != ModeTalking && G.Mode != ModeEnding && G.Mode != ModeFree) return;
    std::array<bool, 7> enabled{};
    if (G.Mode == ModeFree && G.Location >= 1 && G.Location <= 7)
        for (int i : ButtonsAt[G.Location])
            enabled[i] = true;
    View().campus->ShowDestinations(enabled);
}
