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
    u"着いてはみたけど、誰もいないみたいだ。\r\nここで誰か来るのを待ってみようか、\r\nそれとも別の場所へ行ってみようか……。";

inline constexpr const char16_t *IgnoredLine =
    u"何も言えずにいるうちに、彼女は寂しそうな顔をして行ってしまった。\r\n……黙ったままなんて、悪いことをしたな。";
// Told, not said: every girl leaves this way, so no girl's voice is put in it.
inline constexpr const char16_t *ErrandLine =
    u"彼女はふと何かを思い出したような顔をすると、\r\n小さく会釈して、足早にどこかへ行ってしまった。";
