#include "core/Choices.h"

#include "core/DblMain.h"
#include "core/GameState.h"
#include <array>
#include <initializer_list>

namespace {
// Button indexes enabled at each location (1-based) while the player stands free.
const std::array<std::initializer_list<int>, 8> ButtonsAt = {{
    {}, {2, 1, 4, 3}, {0, 3}, {0, 6}, {1, 5, 0}, {0, 6}, {3}, {4, 2}}};
} // namespace

void RefreshChoices() {
    if (G.Mode != ModeWalking && G.Mode != ModeTalking && G.Mode != ModeEnding && G.Mode != ModeFree) return;
    DblMain &m = Win<DblMain>();
    for (Button *b : m.Command1) b->setEnabled(false);
    if (G.Mode != ModeFree || G.Location < 1 || G.Location > 7) return;
    for (int i : ButtonsAt[G.Location]) m.Command1[i]->setEnabled(true);
}
