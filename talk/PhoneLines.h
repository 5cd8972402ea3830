// The friend's three phone calls, line by line. Kept apart from the logic.
#pragma once
#include "core/Names.h"
#include <array>

// Every call opens with the ringing and the friend's hello, then the surname, then the rest of his
// first sentence, which differs by call and breaks the line after the name, however long it is.
inline constexpr const char16_t *PhoneRinging = u"……ん？　ポケットのＰＨＳが鳴っている。";
inline constexpr const char16_t *PhoneHello = u"もしもし、";

// One step of a call after the opening two: its line and whether the friend says it.
struct PhoneStep {
    bool friendSpeaks;
    const char16_t *line;
};

// First call: a hint about the girl he picked (inserted after the opening), then these.
inline constexpr const char16_t *FirstCallReason =
    u"か？\r\nオレだよ、オレ。お前に教えときたいことがあってさ。";
inline constexpr std::array<const char16_t *, 7> TargetHint = {
    u"",
    u"白石のやつ、昔の外国映画を観るのが趣味らしいぜ。\r\nああいう映画みたいな場面には、弱いんじゃないか？",
    u"春日はな、スポーツがまるっきりダメなんだ。\r\nだから、運動の話だけはやめとけよ。",
    u"桐島は硬式テニス部だろ？\r\nテニスの話なら、けっこう乗ってくるらしいぜ。",
    u"水瀬は頭いいのに、受験に失敗して浪人するんだよ。\r\nだから、大学の話は禁句だぜ。",
    u"朝倉は野球部のマネージャーだろ？\r\n男らしくないヤツは嫌いみたいだぜ。",
    u"西園寺はかなりプライドが高いからな。\r\n卒業したら、女優デビューが決まってるんだってよ。",
};
inline constexpr std::array<PhoneStep, 2> FirstCallRest = {{
    {false, u"「……なんで、俺があの子を気にしてるって知ってるんだよ？」"},
    // The pick has cost her a little liking: the friend says so, in his way.
    {true, u"三年もつるんでりゃ、お前の好みくらい分かるって。\r\nただ、じろじろ見てたの、向こうも気づいてるぞ"
           u"。\r\n気の利いたこと言えよ。またな！"},
}};
inline constexpr const char16_t *FirstCallClosing = u"電話は切れた。……持つべきものは友達、だな。";

// Second call: remember the girls of his own class.
inline constexpr const char16_t *SecondCallReason = u"か？\r\nオレだよ。さっき言い忘れたことがあってさ。";
inline constexpr std::array<PhoneStep, 3> SecondCallRest = {{
    // The classmate is the one meant: someone of his own class, close by all along.
    {true, u"オレのクラスの子もいいけどさ、\r\n自分のクラスの女の子のことも忘れんなよ。\r\n案外、すぐ近くで見"
           u"てるヤツがいるかもな。"},
    {false, u"「えっ……？」"},
    {true, u"ま、とにかくがんばれよ！　じゃあな！"},
}};
inline constexpr const char16_t *SecondCallClosing =
    u"電話は切れた。……自分のクラスの女の子？\r\n健二のやつ、何が言いたかったんだろう。";

// Third call: banter about Sunday.
inline constexpr const char16_t *ThirdCallReason = u"か？\r\nオレだ、オレ。大事なこと言い忘れてたぜ。";
inline constexpr std::array<PhoneStep, 1> ThirdCallRest = {{
    {true, u"日曜にお前んち遊びに行くからさ、\r\nそれまでに彼女作って紹介しろよな！　じゃあな！"},
}};
inline constexpr const char16_t *ThirdCallClosing =
    u"電話は切れた。……あいつ、もしかして彼女ができたのか？\r\nダブルデートってのも、悪くないかもな。";

// The call ran past the gate's closing time.
inline constexpr const char16_t *TalkedTillFive =
    u"……しまった！　長話をしているうちに、もう五時になってしまった！";
