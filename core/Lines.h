// Narration of the campus itself: walking, arriving alone, girls leaving. Kept apart from the logic.
#pragma once

// Walking: the button caption comes first, then one of these; the second sentence starts a line of
// its own, so the minutes never leave a word alone on the next line.
inline constexpr const char16_t *WalkLineHead = u"へ向かって歩き始めた。";
inline constexpr const char16_t *WalkLineMinutesBefore = u"\r\nここからだと、だいたい";
inline constexpr const char16_t *WalkLineMinutesAfter = u"分くらいかな。";
inline constexpr const char16_t *WalkLineWorried =
    u"へ向かって歩き始めた。\r\n……でも、校門が閉まる五時までに間に合うだろうか。";

inline constexpr const char16_t *ArriveAloneLine =
    u"着いてはみたけど、誰もいないみたいだ。\r\nここで誰か来るのを待ってみようか、\r\nそれとも別の場所へ行っ"
    u"てみようか……。";

// A girl leaves: ignored (hurt, in her own way) or after the talk (an errand of her own). Index: the
// girl, 1 to 6; [0] is told of nobody in particular, for a code that names no girl.
inline constexpr const char16_t *IgnoredLines[7] = {
    u"何も言えずにいるうちに、彼女は寂しそうな顔をして行ってしまった。\r\n……黙ったままなんて、悪いことをした"
    u"な。",
    u"黙ったままの俺に、白石さんは困ったように目を伏せた。\r\nそして小さく会釈すると、静かに行ってしまった。"
    u"\r\n……あの白石さんが、話しかけてくれたのに。",
    u"何も言わない俺に、春日さんは頬をふくらませた。\r\n『……もういいよーだ』\r\nくるりと背を向けて、走ってい"
    u"ってしまった。",
    u"黙りこんだ俺を、桐島さんはじろりとにらんだ。\r\n『……何なの、感じ悪い』\r\nそう吐き捨てて、さっさと行っ"
    u"てしまった。",
    u"何も言えずにいるうちに、水瀬さんはうつむいてしまった。\r\n『ご、ごめんなさい……』\r\n消えそうな声でそう"
    u"言って、行ってしまった。",
    u"黙ったままの俺に、朝倉さんは口をとがらせた。\r\n『……はっきりしない人、キライっす』\r\nくるっと背を向け"
    u"て、行ってしまった。",
    u"黙りこんだ俺に、西園寺さんはつんと顎を上げた。\r\n『このわたくしを無視なさるなんて』\r\n振り返りもせず"
    u"に、行ってしまった。",
};
inline constexpr const char16_t *ErrandLines[7] = {
    u"彼女はふと何かを思い出したような顔をすると、\r\n小さく会釈して、足早にどこかへ行ってしまった。",
    u"白石さんは、はっとしたように時計を見た。\r\n『茶道部の先生に、ご挨拶をしないと……』\r\n名残惜しそうに会"
    u"釈して、静かに行ってしまった。",
    u"春日さんが、あっと声を上げた。\r\n『みんなとカラオケの約束、忘れてた！　またねー！』\r\n大きく手を振り"
    u"ながら、駆けていってしまった。",
    u"桐島さんは、ふと校舎の時計を見上げた。\r\n『いけない、後輩たちに呼ばれてたんだった』\r\nラケットバッグ"
    u"を背負い直して、行ってしまった。",
    u"水瀬さんは、胸に抱えた本に目を落とした。\r\n『あ、あの……図書室に、この本を返さないと……』\r\nぺこりと頭"
    u"を下げて、小走りに行ってしまった。",
    u"朝倉さんが、いきなり飛び上がった。\r\n『やばっ、部室の片付け当番だった！』\r\nジャンパーを抱え直すと、"
    u"全速力で駆けていった。",
    u"西園寺さんは、優雅に髪をかき上げた。\r\n『あら、もうこんな時間。寮で荷造りをしなくては』\r\nそう言って"
    u"会釈すると、しずしずと去っていった。",
};
inline constexpr const char16_t *IgnoredLineOf(int girl) {
    return IgnoredLines[girl >= 1 && girl <= 6 ? girl : 0];
}
inline constexpr const char16_t *ErrandLineOf(int girl) {
    return ErrandLines[girl >= 1 && girl <= 6 ? girl : 0];
}
