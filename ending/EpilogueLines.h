// How things went on: the narration after the confession, one table per ending. Only words here.
#pragma once
#include <array>
#include <span>

inline constexpr const char16_t *EpilogueFirstLine = u"――こうして、俺の卒業式の一日は終わった。";

namespace epilogue {
inline constexpr const char16_t *Reina[] = {
    u"あれから、俺と玲奈は順調に付き合っている。",
    u"大学に進んだ玲奈は、今ではキャンパス中の憧れの的だ。",
    u"それでも玲奈は、ほかの男には見向きもしない。",
    u"玲奈との幸せな未来のために、\r\n俺は今、いい会社に入れるよう必死に勉強している。",
    u"玲奈と出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Hinata[] = {
    u"ひなたとは、自分でも意外なくらい、うまくいっている。",
    u"少し大人になったひなたは、\r\n今では真面目に勉強にも打ち込んでいる。",
    u"それでも明るさは相変わらずで、\r\nこの前は俺の大学のコンパに乱入して、\r\nカラオケで二十曲も歌っていっ"
    u"た。",
    u"そんなひなたは、俺の自慢の彼女だ。",
    u"ひなたと出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Saya[] = {
    u"俺と沙耶は、周りがうらやむほどのカップルになった。",
    u"専門学校に進んだ沙耶は、\r\nすっかり角が取れて、穏やかになった。",
    u"沙耶にテニスを教わって、\r\n今度ふたりでダブルスの大会に出ることになった。",
    u"『変われたのは、そばにいてくれたからよ』と沙耶は言うけれど、\r\nそれは沙耶自身ががんばったからだと、俺"
    u"は思う。",
    u"沙耶と出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Shiori[] = {
    u"詩織とは、とてもうまくいっている。",
    u"あの日の手紙には、古い恋の歌が一首、\r\n丁寧な字で書かれていた。",
    u"一年間の浪人生活の末、詩織は国立大学の文学部に合格した。\r\nそれでも、俺の前で自慢するようなことは一度"
    u"もない。",
    u"『いつか……ウエディングドレス、着てみたいです』と、\r\n詩織は真っ赤になって言う。",
    u"詩織と出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Misaki[] = {
    u"美咲とは、いい関係が続いている。",
    u"美咲は短大で、保育士になるための勉強をしている。",
    u"ふたりのデートは、たいてい遊園地だ。",
    u"美咲の無邪気な笑顔を、俺は何よりも大切に思っている。",
    u"美咲と出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Reika[] = {
    u"麗華とは、今も手紙のやりとりを続けている。\r\n忙しい麗華からの電話は、撮影の合間のほんの数分だけだ。",
    u"麗華は、国際映画祭に出品された映画で、\r\n見事に脇役を射止めた。",
    u"大きなスクリーンに映った麗華は、\r\nまるで本物のスターのようだった。",
    u"もしかしたら、これからはもう、\r\nほとんど会えなくなるのかもしれない。",
    u"それでも、麗華と出会えたあの三十分を、\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Yukari[] = {
    u"ゆかりとは、とてもうまくいっている。",
    u"始まりはぎこちなかったし、今でもしょっちゅうケンカはする。",
    u"同じ大学だから毎日のように顔を合わせているのに、\r\n長い休みになると、ゆかりに会えないのが寂しくなる。",
    u"ゆかりの気の強さのおかげで、\r\nほかの男が寄ってくる心配もない。",
    u"そんなゆかりも、俺とふたりきりのときは、すごく甘えてくる。",
    u"ゆかりと本当の意味で出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
inline constexpr const char16_t *Madoka[] = {
    u"まどかとは、うまくいっている。",
    u"俺が止めたのに、まどかは俺の通う\r\nランクの低い大学を目指して、受験勉強をしている。",
    u"俺のことを分かろうと、まどかはいつも一生懸命だ。",
    u"未来の義姉さんになるゆかりに嫌われないためにも、\r\n俺はまどかを大切にしようと思う。",
    u"まどかと出会えた、あの三十分。\r\n俺はいつまでも、大切にしていくだろう。",
};
} // namespace epilogue

// Index: ending number 1 to 9; ending 7 has no narration of its own.
inline constexpr std::array<std::span<const char16_t *const>, 10> EpilogueLines = {{
    {},
    epilogue::Reina,
    epilogue::Hinata,
    epilogue::Saya,
    epilogue::Shiori,
    epilogue::Misaki,
    epilogue::Reika,
    {},
    epilogue::Yukari,
    epilogue::Madoka,
}};
