// Who the girls are on screen and what each says on meeting the player. Kept apart from the logic.
#pragma once
#include "core/Names.h"
#include <array>

// Greetings that more than one encounter shares, word for word.
namespace greet {
inline constexpr const char16_t *Shiori_AtLast = u"あ、あの……とうとう卒業……なんですね。";
inline constexpr const char16_t *Shiori_AtLastSchoolyard = u"あ、あの……とうとう、卒業……なんですね。";
inline constexpr const char16_t *Reina_CaughtTrailing =
    u"あ……っ。ご、ごめんなさい、\r\nどなたもいらっしゃらないと思っていたものですから……";
inline constexpr const char16_t *Reina_CaughtStop =
    u"あ……っ。ご、ごめんなさい、\r\nどなたもいらっしゃらないと思っていたものですから。";
inline constexpr const char16_t *Hinata_Surprised =
    u"わっ、びっくりしたぁ！　誰かいるなんて思わなかったよ～。";
inline constexpr const char16_t *Hinata_NiceWeather =
    u"やっほー！　今日はいいお天気だね！　まさに卒業式日和だよ！";
inline constexpr const char16_t *Saya_WhatDoYouWant =
    u"何？　あたしに何か用？\r\n……用がないなら、じろじろ見ないでくれる？";
inline constexpr const char16_t *Saya_HalfKnows = u"わっ、びっくりした。……あんた、確か隣のクラスの……だっけ？";
} // namespace greet

// One place where a girl can be met: the pictures and greetings of arriving (A) and waiting (B).
struct EncounterEntry {
    int location, heroine;
    const char16_t *pictureA, *pictureB;
    const char16_t *greetingA, *greetingB;
};

inline constexpr std::array<EncounterEntry, 17> Encounters = {{
    {1, 4, u"C14C", u"C14C", greet::Shiori_AtLast,
     u"あ、あの……ここ、座っても……いいですか？\r\n夕日が、よく見えるので……。"},
    {1, 6, u"C16C", u"C16C", u"あら、ごきげんよう。屋上で夕風に吹かれるのも、悪くありませんわね。",
     u"あら、先客がいらしたのね。\r\nわたくしも、ここからの眺めを楽しませていただきますわ。"},
    {2, 1, u"C21A", u"C21B", greet::Reina_CaughtTrailing,
     u"あっ……！　ご、ごめんなさい、\r\nどなたかいらっしゃるとは思わなくて……。\r\nお邪魔、でしたかしら……。"},
    {2, 2, u"C22C", u"C22C",
     u"あっ、こんにちは！　……もしかして、鼻歌聞いてた？\r\nもー、恥ずかしいなぁ、えへへ。",
     greet::Hinata_Surprised},
    {3, 4, u"C34C", u"C34C", greet::Shiori_AtLastSchoolyard,
     u"あ、あの……今日は、よく晴れましたね……。\r\n風が、もう春のにおい……です。"},
    {3, 2, u"C32C", u"C32C", greet::Hinata_NiceWeather,
     u"あれっ、先客がいたんだ！　えへへ、ちょっとお邪魔するね～。"},
    {3, 5, u"C35A", u"C35B", u"はぁ……もう卒業かぁ。三年なんて、あっという間だったなぁ！",
     u"こんにちはっす！　いやー、とうとう卒業だね！"},
    {4, 3, u"C43C", u"C43C", greet::Saya_WhatDoYouWant, greet::Saya_HalfKnows},
    {4, 5, u"C45C", u"C45C", u"こんにちは！　あたしに何か用っすか？",
     u"あっ、こんにちは！　あたしも、ここにいていい？"},
    {4, 6, u"C46C", u"C46C", u"あら、ごきげんよう。わたくしに何かご用かしら？",
     u"あら、ごきげんよう。\r\n卒業の日の体育館というのも、なかなか趣がありますわね。"},
    {5, 2, u"C52C", u"C52C",
     u"あはは、もしかしてプールに入りに来たの？\r\nまだ三月だよ、風邪ひいちゃうよ～！",
     greet::Hinata_Surprised},
    {5, 6, u"C56C", u"C56C", u"あら、ごきげんよう。\r\nまさか、この季節に泳ぎにいらしたのかしら？　おほほ。",
     u"あら、ごきげんよう。……わたくし、お邪魔だったかしら？"},
    {6, 5, u"C65C", u"C65C", u"おっ、こんにちは！　もしかして、あたしに用？\r\n何でも言ってほしいっす！",
     u"こんにちはーっ！　今日もいい天気だね！"},
    {6, 3, u"C63C", u"C63C", greet::Saya_WhatDoYouWant, greet::Saya_HalfKnows},
    {7, 6, u"C76C", u"C76C", u"あら、ごきげんよう。今日は良いお天気ですわね。",
     u"あら、ごきげんよう。お隣、よろしいかしら？"},
    {7, 1, u"C71C", u"C71C", u"こんにちは。卒業の日が晴れて……本当によかったですね。",
     u"あの……お隣、座ってもよろしいですか……？"},
    {7, 2, u"C72A", u"C72B", greet::Hinata_NiceWeather,
     u"ねえねえ、クッキー焼いてきたんだよ！\r\n今日のは自信作なんだ～。一緒に食べよ？"},
}};

// Arrival greetings that change with the time slot (the encounter code stays the same).
struct SlotGreeting {
    int location, heroine, slot;
    const char16_t *greeting;
};

inline constexpr std::array<SlotGreeting, 3> SlotGreetings = {{
    {1, 4, 3, greet::Shiori_AtLastSchoolyard}, // late on the rooftop she says it as in the schoolyard
    {2, 1, 3, greet::Reina_CaughtStop},
    {3, 5, 5, u"はぁ……とうとう卒業かぁ。なんか、まだ実感ないなぁ！"},
}};
