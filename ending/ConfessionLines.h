// What is said at the gate at 5:00 PM: the lines before the confession and one script per ending.
// The logic that plays them lives in Ending.cpp; this file is only words.
#pragma once
#include "core/Names.h"
#include <array>
#include <span>

// Who a line belongs to: the player (his words, his thoughts in parentheses, or narration) has an
// empty speaker label; the heroine's lines carry her display name.
enum class Who : char { Player, Heroine };
// A line may have the player's name put in after its lead-in: the surname (then "after" begins with
// 君) or the given name (then "after" begins with さん).
enum class Insert : char { None, Surname, GivenName };

struct ScriptLine {
    Who who;
    const char16_t *text; // the whole line, or the lead-in before the name
    Insert name = Insert::None;
    const char16_t *after = u"";
};

struct ConfessionScript {
    const char16_t *picture; // shown with the first line, kept for the rest
    const char16_t *speaker; // the heroine's display name
    std::span<const ScriptLine> opening;
    std::span<const ScriptLine> mutual;    // she is the girl he picked in the album
    std::span<const ScriptLine> surprised; // she is not; scripts 8 and 9 have no branches
};

// Before the confession: the gate closes, then someone calls out. The greeting itself is the
// surname with 君… (先輩… from the younger sister), spoken by "女の子の声".
inline constexpr const char16_t *GateClosedLine = u"五時のチャイムが鳴り、校門がゆっくりと閉まっていく。\r\n"
                                                  u"……俺の高校生活、結局彼女はできずじまいか。";
inline constexpr const char16_t *CalledFromBehindLine =
    u"そう思って、校門を出ようとしたそのときだった。\r\n背中のほうから、俺を呼ぶ声がした。";
inline constexpr const char16_t *GirlsVoice = u"女の子の声";
inline constexpr const char16_t *GreetingClassmate = u"君…";
inline constexpr const char16_t *GreetingJunior = u"先輩…";

namespace confession {
using W = Who;
using I = Insert;

// ---- 1 白石　玲奈 ----
inline constexpr ScriptLine ReinaOpening[] = {
    {W::Player, u"「し、白石さん！？」"},
    {W::Heroine, u"よかった、まだいらしたんですね……。\r\nあの……春休みに、一緒に昔の洋画を観に行きませんか？"},
    {W::Player, u"「えっ……？」"},
    {W::Heroine, u"わたし、", I::Surname, u"君のことが、ずっと……。\r\n……ごめんなさい、うまく言えなくて……。"},
};
inline constexpr ScriptLine ReinaMutual[] = {
    {W::Player, u"「白石さん。……俺も、初めて見たときからずっと、\r\n白石さんのことが好きだったんだ」"},
    {W::Heroine, u"……うれしい。夢みたいです……。\r\nこれから、ふたりでたくさん映画を観に行きましょうね。"},
};
inline constexpr ScriptLine ReinaSurprised[] = {
    {W::Player, u"「で、でも、俺なんかでいいの？\r\n白石さんは学校中の憧れなのに……」"},
    {W::Heroine, u"三年前に、決めたんです。わたしには、", I::Surname,
     u"君しかいないって。\r\n……ずっと、言えませんでしたけど。"},
    {W::Player, u"「……ありがとう。白石さん、俺の彼女になってください」"},
    {W::Heroine,
     u"はい……！　滝本君に相談して、よかったです。\r\n背中を押してもらえたから、勇気を出せました。"},
    {W::Player, u"（健二のやつ、そんなこと一言も言わなかったくせに……。\r\nでも、俺は本当に幸せ者だな）"},
};

// ---- 2 春日　ひなた ----
inline constexpr ScriptLine HinataOpening[] = {
    {W::Player, u"「あれっ、春日さん！？」"},
    {W::Heroine, u"見つけたー！　ねえねえ、これからカラオケ行かない？\r\n卒業記念に、パーッと歌おうよ！"},
    {W::Player, u"「あれ？　春日さんって、クラスの女子たちと\r\nカラオケに行くんじゃなかったの？」"},
    {W::Heroine, u"えへへ、こっそり抜けてきちゃった。\r\nだってね、", I::Surname,
     u"君と……その……一緒にいたいなって……。"},
    {W::Player, u"「え……それって、もしかして、俺のこと……？」"},
    {W::Heroine, u"も、もー！　全部言わせないでよぉ……。\r\nすっごく恥ずかしいんだから……。"},
};
inline constexpr ScriptLine HinataMutual[] = {
    {W::Player, u"「……俺も、春日さんのことが好きだったんだ」"},
    {W::Heroine, u"ほんと！？　やったぁ！\r\n好きな人とデュエットするの、ずっと夢だったんだよ！"},
};
inline constexpr ScriptLine HinataSurprised[] = {
    {W::Player,
     u"「でも、俺、春日さんのことまだよく知らないし……。\r\n春日さんの元気についていけるかどうか……」"},
    {W::Heroine, u"そんなの平気だよ！　あたし、", I::Surname,
     u"君の好みの女の子に\r\nなれるように、がんばって変わるから！"},
    {W::Player, u"「春日さん……。……よし、今夜は朝まで一緒に歌おう！」"},
    {W::Heroine, u"きゃー！　やったやったぁ！　うれしいよぉ！"},
    {W::Player, u"（この子となら、きっとうまくやっていけそうな気がする）"},
};

// ---- 3 桐島　沙耶 ----
// Said in both branches.
inline constexpr ScriptLine SayaHonest = {W::Heroine,
                                          u"あたし、口が悪いから、男子なんてめったに話しかけてこないの。\r\n"
                                          u"……でも、不思議。話してると、素直になれたのよね。"};
inline constexpr ScriptLine SayaOpening[] = {
    {W::Player, u"「き、桐島さん！？」"},
    {W::Heroine, u"ちょっと、", I::Surname, u"君。来週の土曜日って、空いてる？"},
    {W::Player, u"「土曜日？　何かあるの？」"},
    {W::Heroine,
     u"テニスの国際大会のチケット、二枚あるの。\r\n……たまたまよ、たまたま。余ってるだけなんだから。"},
    {W::Player, u"「それって、もしかして……」"},
    {W::Heroine, u"……さっき、", I::Surname, u"君が普通に話しかけてくれたの、\r\nうれしかったのよ。……悪い？"},
};
inline constexpr ScriptLine SayaMutual[] = {
    {W::Player, u"「ごめん。俺、ずっと桐島さんのこと、かわいいなって思ってたんだ」"},
    SayaHonest,
    {W::Player, u"「桐島さん、俺と付き合ってくれないかな」"},
    {W::Heroine, u"……うん。そのかわり、うんと甘えさせてよね。"},
};
inline constexpr ScriptLine SayaSurprised[] = {
    {W::Player, u"「えっ、俺が？　だって、桐島さんはテニス部のアイドルじゃないか」"},
    SayaHonest,
    {W::Player,
     u"「じゃあ、土曜日は一緒にテニスを観よう。\r\n週末には、桐島さんにテニスを教えてもらおうかな」"},
    {W::Heroine, u"ふん、手加減しないからね。……それと、その……\r\n", I::GivenName,
     u"さん、って……名前で呼んでも、いい？"},
    {W::Player, u"「もちろん！」\r\n（やった……！　あの桐島さんが、俺の彼女だ！）"},
};

// ---- 4 水瀬　詩織 (also her contact-lens look) ----
// A short, surprised breath; 朝倉　美咲 catches hers the same way.
inline constexpr ScriptLine ShortGasp = {W::Heroine, u"えっ……。"};
// Said in both branches, in this order.
inline constexpr ScriptLine ShioriTears = {W::Heroine, u"……っ、ひっく……う、うぅ……。"};
inline constexpr ScriptLine ShioriDontCry = {W::Player,
                                             u"「な、泣かないで！　ご、ごめん、今のは取り消すから！」"};
inline constexpr ScriptLine ShioriJoy = {W::Heroine,
                                         u"と、取り消しちゃ、だめです……！\r\nこれは……うれし涙、なんです……。"};
inline constexpr ScriptLine ShioriOpening[] = {
    {W::Player, u"「水瀬さん！？」"},
    {W::Heroine, u"あ、あの……", I::Surname, u"君……。\r\nこ、これ……読んで、もらえませんか……。"},
    {W::Player, u"「これって……もしかして……」"},
    {W::Heroine,
     u"ご、ごめんなさい……。もし、ほかに好きな人がいるなら……\r\n読まずに、破ってください……。……さようなら。"},
};
inline constexpr ScriptLine ShioriMutual[] = {
    {W::Player, u"「待って！　読む前に、返事をしてもいいかな」"},
    ShortGasp,
    {W::Player, u"「先に言わせてほしいんだ。俺、水瀬さんのことが好きだ」"},
    ShioriTears,
    ShioriDontCry,
    ShioriJoy,
    {W::Player, u"「それって、どういう……？」"},
    {W::Heroine, u"わたし……", I::Surname, u"君の……お、お嫁さんに、なります……。"},
    {W::Player, u"（ちょっと気が早いけど……すごく、うれしい）"},
};
inline constexpr ScriptLine ShioriSurprised[] = {
    {W::Player, u"「もちろん、ちゃんと読むよ」"},
    {W::Heroine, u"だ、だめです……！　目の前で読まれたら、恥ずかしくて……。"},
    {W::Player, u"「水瀬さん。俺、今は付き合ってる人なんていないよ」"},
    {W::Heroine, u"ほ、ほんとう……ですか……？　そ、それって……つまり……。"},
    {W::Player, u"「春休みに、一緒に古本屋めぐりをしない？\r\n俺とデートしてほしいんだ」"},
    ShioriTears,
    ShioriDontCry,
    ShioriJoy,
    {W::Player, u"（やっぱり、この子のことが好きだ。\r\n……俺には、もったいないくらいの子だけど）"},
};

// ---- 5 朝倉　美咲 ----
inline constexpr ScriptLine MisakiOpening[] = {
    {W::Player, u"「朝倉さん！？」"},
    {W::Heroine, u"はぁ、はぁ……よかった、間に合った！　あの、", I::Surname, u"君！\r\nえっと……その……。"},
    {W::Player, u"「どうしたの、そんなに息を切らして」"},
    {W::Heroine, u"あたし、春から短大に行くんす。だから……\r\nあたしのこと、忘れないでほしいんだ！"},
    {W::Player, u"「それを言うために、ここまで走ってきたの？」"},
    {W::Heroine, u"言わなかったら、一生後悔すると思ったから！\r\n……それじゃ、さよなら！"},
    {W::Player, u"「待って！　それ……俺にだけ、言いに来たの？」"},
    {W::Heroine, u"……うん。"},
};
inline constexpr ScriptLine MisakiMutual[] = {
    {W::Player, u"「これからも会ってくれないと、俺、忘れちゃうかもしれないよ」"},
    {W::Heroine, u"ええっ！？"},
    {W::Player, u"「だから……これからは、俺と付き合ってくれないかな」"},
    {W::Heroine, u"……っ、はい！　うれしい！\r\n絶対、絶対、あたしのこと忘れちゃだめっすよ！"},
};
inline constexpr ScriptLine MisakiSurprised[] = {
    {W::Player, u"「俺も、朝倉さんのこと忘れたくないよ」"},
    ShortGasp,
    {W::Player, u"「朝倉さん、俺の彼女になってくれないかな」"},
    {W::Heroine, u"あ、あたしなんかで……いいんすか？"},
    {W::Player, u"（卒業式の日に、校門で告白される……。\r\nずっと夢見てたシチュエーションそのものだ）"},
};

// ---- 6 西園寺　麗華 ----
inline constexpr ScriptLine ReikaOpening[] = {
    {W::Player, u"「さ、西園寺さん！？」"},
    {W::Heroine, u"ごきげんよう、", I::Surname,
     u"君。\r\nわたくし、明日京都へ帰りますの。東京に戻りましたら、\r\n芸能事務所に入りますのよ。"},
    {W::Player, u"「じゃあ、本当に女優になるんだね」"},
    {W::Heroine, u"ええ。ですから……これきり、\r\nもう二度とお会いできないかもしれませんわね。"},
    {W::Player, u"「西園寺さんのことは、スクリーンで観られるよ」"},
    {W::Heroine, u"でも、わたくしからは、", I::Surname,
     u"君が見えませんのよ。\r\n……それが、寂しいのですわ。"},
};
inline constexpr ScriptLine ReikaMutual[] = {
    {W::Player, u"「じゃあ、俺、ファンレターを書くよ」"},
    {W::Heroine, u"でしたら、こちらが寮の住所ですわ。\r\n事務所を通したお手紙なんて、いけませんことよ。"},
    {W::Player, u"「それより、電話をくれないかな。俺、ＰＨＳを持ってるから」"},
    {W::Heroine, u"……おほほ、わたくしとしたことが、涙なんて……。\r\nこれは、うれし涙ですわ。"},
};
inline constexpr ScriptLine ReikaSurprised[] = {
    {W::Player, u"「西園寺さん……もしかして、俺のこと……？」"},
    {W::Heroine, u"……ご迷惑、かしら。このわたくしが、はしたないことを……。\r\nどうか、お許しくださいませ。"},
    {W::Player, u"「迷惑なんてとんでもない！　女優が彼女だなんて、光栄だよ」"},
    {W::Heroine, u"おほほ、デビュー前からスキャンダルですわね。\r\n……でも、わたくし、幸せですわ。"},
    {W::Player, u"（ちょっと強引だけど、自信のある女性っていいよな。\r\n西園寺さんと、付き合ってみよう）"},
};

// ---- 8 相沢　ゆかり ----
inline constexpr ScriptLine YukariScript[] = {
    {W::Player, u"「相沢！？」\r\n（三年間ずっと同じクラスだった、相沢ゆかりだ）"},
    {W::Heroine, u"バカね、", I::Surname, u"君。まだ残ってたの？\r\nどうせ、振られちゃったんでしょ。"},
    {W::Player, u"「さては滝本のやつから聞いたな。\r\n……そういう相沢こそ、彼氏はできたのかよ」"},
    {W::Heroine, u"……バカ。"},
    {W::Player, u"「なあ、相沢。お前、俺より成績いいのに、\r\nなんで俺と同じ二流大学なんか選んだんだ？」"},
    {W::Heroine, u"ほんっとに鈍いんだから。\r\n……一緒にいたいからに決まってるでしょ、バカ。"},
    {W::Player, u"「えっ……ええっ！？」"},
    {W::Heroine, u"……もう、すっごく恥ずかしいんだからね。\r\nこんなこと言わせて。"},
    {W::Player, u"「……俺、バカだな。ずっとそばにいたのに、全然気づかなかった」"},
    {W::Player,
     u"「そういえば滝本のやつ、\r\n『自分のクラスの女の子のことも忘れんなよ』なんて言ってたっけ」"},
    {W::Heroine, u"滝本君にまでバレてたなんて……。もう、最悪。"},
    {W::Player, u"「続きは、俺の彼女になってから聞かせてくれないか」"},
    {W::Heroine, u"……たった今、彼女になったわよ。\r\nだから、これから何度だって言ってあげる。"},
    {W::Player, u"「相沢。これからは、ずっと俺のそばにいてくれ」"},
    {W::Heroine, u"……っ、バカ……。\r\n彼女を泣かせるなんて、彼氏失格なんだから……。"},
};

// ---- 9 相沢　まどか ----
inline constexpr ScriptLine MadokaScript[] = {
    {W::Player, u"「えっと……君は？」"},
    {W::Heroine, u"はじめまして！　２年Ｃ組の相沢まどかです！\r\nいつもお姉ちゃんがお世話になってます！"},
    {W::Player, u"「相沢……？　ってことは、相沢ゆかりの妹さん！？」"},
    {W::Heroine, u"はい！　わたし、去年の学園祭で先輩のこと見つけたんです。"},
    {W::Player, u"「えっ……俺のこと？」"},
    {W::Heroine,
     u"コンピュータ部のブースで、来る人来る人みんなに、\r\nすっごく丁寧に教えてくれてたじゃないですか！"},
    {W::Player, u"「ああ……あれは、その、まあ……」"},
    {W::Heroine, u"先輩、年下は嫌いですか？\r\n嫌いなら……お姉ちゃんの彼氏になってあげてください！"},
    {W::Player, u"「年下が嫌いなんてことはないよ。\r\nまどかちゃんみたいな子なら、うれしいな」"},
    {W::Heroine, u"やったぁ！　じゃあ、これからは\r\n『まどっち』って呼んでくださいね、先輩！"},
    {W::Player, u"（ちょっと強引だけど……\r\nあの気の強いお姉さんよりは、ずっといいかもな）"},
};
} // namespace confession

// Index: ending number 1 to 9. Ending 7 is never decided at the gate, so it has no script.
inline constexpr std::array<ConfessionScript, 10> ConfessionScripts = {{
    {},
    {u"C81C", HeroineName[1], confession::ReinaOpening, confession::ReinaMutual, confession::ReinaSurprised},
    {u"C82C", HeroineName[2], confession::HinataOpening, confession::HinataMutual,
     confession::HinataSurprised},
    {u"C83C", HeroineName[3], confession::SayaOpening, confession::SayaMutual, confession::SayaSurprised},
    {u"C84C", HeroineName[4], confession::ShioriOpening, confession::ShioriMutual,
     confession::ShioriSurprised},
    {u"C85C", HeroineName[5], confession::MisakiOpening, confession::MisakiMutual,
     confession::MisakiSurprised},
    {u"C86C", HeroineName[6], confession::ReikaOpening, confession::ReikaMutual, confession::ReikaSurprised},
    {},
    {u"C88C", HeroineName[8], confession::YukariScript, {}, {}},
    {u"C89C", HeroineName[9], confession::MadokaScript, {}, {}},
}};
