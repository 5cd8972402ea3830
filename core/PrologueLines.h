// The opening narration of an afternoon.
#pragma once
#include <array>

inline constexpr std::array<const char16_t *, 7> PrologueLines = {
    u"私立夕鐘学園高校。",
    u"ついさっき、卒業式が終わった。\r\n三年間なんて、本当にあっという間だった。",
    u"成績はずっとパッとしなかったけど、甘い担任のおかげで、\r\nなんとか大学にも推薦で滑り込めた。",
    u"ただ……結局、三年間で彼女はできなかった。\r\n押しが弱いせいなのかもしれない。",
    u"それでも、恋に興味がなかったわけじゃない。\r\n隣のクラスに、ちょっと気になる子がいたんだ。",
    u"五時に校門が閉まるまで、あと三十分。\r\n彼女はまだ、どこかにいるはずだ。\r\n今日が最後のチャンスだ。こ"
    u"の恋に、賭けてみよう。",
    u"俺はもらったばかりの卒業アルバムを開き、\r\n隣のクラスのページをめくった。",
};

inline constexpr const char16_t *AfterAlbumLine =
    u"さて、まずはどこへ行こうか。\r\n……それとも、しばらくここにいてみようかな。";
inline constexpr const char16_t *ResumeLine = u"さて、これからどこへ行こうか。";
