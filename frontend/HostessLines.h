// What the start screen's hostess says. Every line has two wordings: [0] for the classmate (Yukari),
// [1] for her younger sister (Madoka), who takes over once her ending has been seen.
#pragma once
#include <array>

using HostessLine = std::array<const char16_t *, 2>;

// The greeting by the hour comes first, then this (the classmate's wording starts on a new line).
inline constexpr const char16_t *GreetNight = u"こんばんは。";
inline constexpr const char16_t *GreetMorning = u"おはよう。";
inline constexpr const char16_t *GreetDay = u"こんにちは。";
inline constexpr HostessLine AskToday = {u"\r\n今日はどうするの？", u"先輩！\r\n今日はどうしますか？"};

inline constexpr HostessLine CastLine = {u"相沢　ゆかり : as your classmate",
                                         u"相沢　まどか : as your little lover"};

inline constexpr HostessLine AskNames = {u"わたしは同級生なんだからあなたの名前くらい知ってるけど、卒業名簿に"
                                         u"載せるから、苗字と名前を正確に入力してね。",
                                         u"先輩、私先輩が卒業する前にサイン帳に名前を書いて欲しいな。"};

inline constexpr HostessLine WillLoad = {
    u"じゃぁ、データを読み込むわね。このデータは今回限り使えなくなるから、やめるときはちゃんとセーブしてから"
    u"にしてね。",
    u"じゃぁ、データを読み込みますね。ゲームを途中で止めるときは、ちゃんとセーブしてくださいね。セーブを忘れ"
    u"ると、次回続きが出来ませんよ。"};

// Not from the original menu: the saved game could not be read, and it was left where it is.
inline constexpr HostessLine SaveDamaged = {u"あら？　記録が壊れてて読めなかったわ。\r\nファイルはそのまま残"
                                            u"してあるから、\r\n今日は新しくはじめたら？",
                                            u"あれれ？　先輩、記録が読めませんでした……。\r\nファイルはそのま"
                                            u"まにしてありますから、\r\n新しくはじめませんか？"};

inline constexpr HostessLine NoSave = {
    u"ねぇ？前回の記録が残ってないわよ。セーブをしていないんじゃない？",
    u"あれ？先輩、前回の記録がありませんよ。もしかして、セーブを忘れたんじゃ…？"};

// Both sisters say this one the same way.
inline constexpr const char16_t *NoRecord =
    u"ここは、一度でもゲームを最後まで終わらせなきゃ入れないところなのよ。";

inline constexpr HostessLine EmptyName = {
    u"ねぇ、ふざけてないでちゃんと苗字と名前を書いて！卒業出来なくなっちゃうわよ！",
    u"先輩……まどっちのサイン帳には、\r\n名前、書いてくれないんですか……？"};

// Names that the saved game could not give back as they were typed. %1 is "苗字" or "名前",
// %2 the character that cannot be written.
inline constexpr std::array<const char16_t *, 2> WhichName = {u"苗字", u"名前"};

inline constexpr HostessLine NameHasQuote = {
    u"%1に「\"」なんて記号、\r\n名簿に載せられるわけないでしょ。\r\nバカね、ちゃんと書き直して。",
    u"%1に「\"」の記号は使えないんです。\r\nサイン帳が読めなくなっちゃいますよ～。"};

inline constexpr HostessLine NameHasUnwritable = {
    u"%1の「%2」って字は、\r\n卒業名簿には載せられないのよ。\r\nほかの字で書いてちょうだい。",
    u"先輩、%1の「%2」は\r\nサイン帳に書けない字みたいです……。\r\n別の字にしてもらえますか？"};

// The same when the character cannot even be shown (a control character and the like).
inline constexpr HostessLine NameHasOddCharacter = {
    u"%1に、名簿に書けない文字が\r\n混ざってるわよ。打ち直してちょうだい。",
    u"先輩、%1に、サイン帳に書けない\r\n文字が混ざってますよ～。\r\n打ち直してもらえますか？"};
