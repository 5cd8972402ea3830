// Narration of the campus itself: walking, arriving alone, girls leaving. Kept apart from the logic.
#pragma once

// Walking: the button caption comes first, then one of these.
inline constexpr const char16_t *WalkLineHead = u"へ向かって歩き始めた。";
inline constexpr const char16_t *WalkLineMinutesBefore = u"ここからだと、だいたい";
inline constexpr const char16_t *WalkLineMinutesAfter = u"分くらいかな。";
inline constexpr const char16_t *WalkLineWorried =
    u"へ向かって歩き始めた。……でも、校門が閉まる五時までに間に合うだろうか。";

inline constexpr const char16_t *ArriveAloneLine =
    u"着いてはみたけど、誰もいないみたいだ。\r\nここで誰か来るのを待ってみようか、それとも別の場所へ行ってみようか……。";

inline constexpr const char16_t *IgnoredLine =
    u"何も言えずにいるうちに、彼女は寂しそうな顔をして行ってしまった。\r\n……黙ったままなんて、悪いことをしたな。";
inline constexpr const char16_t *ErrandLine =
    u"「あ、いけない。用事があったんだった」\r\n彼女は何かを思い出したように、小走りでどこかへ行ってしまった。";
