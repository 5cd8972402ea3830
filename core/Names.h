// Who is who on screen: display names, family name first with an ideographic space.
#pragma once
#include <array>

// Heroine 1..6 of the campus, 8 the classmate, 9 her younger sister (7, heroine 4's other look, has
// no name of her own).
inline constexpr std::array<const char16_t *, 10> HeroineName = {
    u"", u"白石　玲奈",   u"春日　ひなた", u"桐島　沙耶", u"水瀬　詩織", u"朝倉　美咲", u"西園寺　麗華",
    u"", u"相沢　ゆかり", u"相沢　まどか"};
inline constexpr const char16_t *FriendName = u"滝本　健二";
inline constexpr const char16_t *PopularBoyName = u"神谷　光";
