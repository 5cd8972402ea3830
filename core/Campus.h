// The campus: places, their captions, the walks between them and which buttons each place offers.
#pragma once
#include <array>

constexpr int PlaceCount = 7;

// Button caption of location i + 1 (the schoolyard's holds an ideographic space).
constexpr std::array<const char16_t *, PlaceCount> PlaceButton = {u"校舎Ａ", u"校舎Ｂ", u"校　庭", u"体育館",
                                                                  u"プール", u"コート", u"自然園"};

// Window caption after arriving at location i + 1.
constexpr std::array<const char16_t *, PlaceCount> PlaceCaption = {
    u"【校舎Ａ：屋上】 -Duskbell-", u"【校舎Ｂ：音楽室】 -Duskbell-", u"【校庭】 -Duskbell-",
    u"【体育館】 -Duskbell-",       u"【プール】 -Duskbell-",         u"【テニスコート】 -Duskbell-",
    u"【自然園】 -Duskbell-"};

// Walking minutes between locations (1-based); 0 means the two are not connected.
constexpr std::array<std::array<int, 8>, 8> WalkMinutes = {{
    {0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 3, 3, 2, 2, 0, 0}, // 1 rooftop
    {0, 3, 0, 0, 1, 0, 0, 0}, // 2 music room
    {0, 3, 0, 0, 0, 0, 0, 1}, // 3 schoolyard
    {0, 2, 1, 0, 0, 0, 1, 0}, // 4 gymnasium
    {0, 2, 0, 0, 0, 0, 0, 1}, // 5 pool
    {0, 0, 0, 0, 1, 0, 0, 0}, // 6 tennis court
    {0, 0, 0, 1, 0, 1, 0, 0}, // 7 nature garden
}};

// Minutes at which a completed walk looks for a girl; every other arrival finds the place empty.
constexpr bool IsEncounterMinute(int minute) {
    for (int m : {3, 4, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23, 26, 27, 28})
        if (m == minute) return true;
    return false;
}
