// Where each girl is during the afternoon: six time slots by seven places.
#pragma once
#include <array>

// Slot of a game minute, or -1 when the minute belongs to no slot.
constexpr int SlotOfMinute(int minute) {
    if (minute >= 3 && minute <= 4) return 0;
    for (int s = 1; s <= 5; ++s)
        if (minute >= 5 * s + 1 && minute <= 5 * s + 3) return s;
    return -1;
}

// Heroine present by slot and location (index 1..7); 0 for nobody.
constexpr std::array<std::array<int, 8>, 6> Timetable = {{
    {0, 4, 0, 0, 0, 0, 0, 0},
    {0, 4, 1, 0, 0, 2, 0, 6},
    {0, 6, 2, 4, 3, 0, 5, 1},
    {0, 4, 1, 2, 5, 6, 3, 0},
    {0, 0, 1, 5, 6, 0, 3, 2},
    {0, 0, 0, 5, 0, 0, 3, 0},
}};
