// The player's thoughts over the class album of 3-B. Kept apart from the logic.
#pragma once
#include "core/Names.h"
#include <array>

inline constexpr const char16_t *AlbumOpening = u"俺がちょっと気になっていた子は……";

// Over photo 0..7. The girls' lines run on as one monologue and do not describe the girl pointed at.
inline constexpr std::array<const char16_t *, 8> AlbumThought = {
    u"このクラスの女の子って、みんなかわいいんだけどな……。",
    u"一度も、ちゃんと話したことなんてないんだよな……。",
    u"うちのクラスより、かわいい子が多い気がするぞ。",
    u"まだ学校に残ってるのかな……。",
    u"部活も趣味も、なんにも知らないんだよな……。",
    u"急がないと、校門が閉まっちゃうぞ。",
    u"こいつは滝本健二。入学したときからの親友で、同じ写真部の仲間だ。",
    u"こいつは神谷光。学年一の人気者で、口ぐせは「ヒカルンって呼んでくれよ」だ。",
};

// The names printed under the photos, for a screen reader: the six girls, the friend, the popular boy.
inline constexpr std::array<const char16_t *, 8> AlbumName = {HeroineName[1], HeroineName[2], HeroineName[3],
                                                              HeroineName[4], HeroineName[5], HeroineName[6],
                                                              FriendName,     PopularBoyName};

inline constexpr const char16_t *AlbumPicked = u"そう、この子だ。ダメでもともと、探しに行ってみよう！";
inline constexpr const char16_t *AlbumPickedLenses =
    u"そう、この子だ。コンタクトにして、雰囲気が変わったんだよな。探しに行こう！";
