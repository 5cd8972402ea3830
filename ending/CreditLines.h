// The staff roll: who made Duskbell, step by step. Only words and picture codes here.
#pragma once
#include <array>

inline constexpr const char16_t *CreditHeading = u"'Duskbell' staff";
inline constexpr const char16_t *CreditFarewell = u"また　遊んでね。";

struct Credit {
    int step; // tick of the roll's timer that shows it
    const char16_t *role;
    const char16_t *name;
    const char16_t *secondName; // nullptr for a one-line credit
    const char16_t *picture;
};

inline constexpr std::array<Credit, 9> Credits = {{
    {3, u"ＣＧ（人物）", u"早瀬　みのり", nullptr, u"C10C"},
    {6, u"ＣＧ（背景）", u"北条　拓海", nullptr, u"C20C"},
    {9, u"ＢＧＭ", u"宮野　奏", u"小田切　律", u"C30C"},
    {12, u"プログラミング", u"佐伯　悠斗", nullptr, u"C40C"},
    {15, u"協力", u"テストプレイのみなさん", u"IPAフォント", u"C50C"},
    {18, u"想い出の提供", u"卒業していったすべての先輩たち", nullptr, u"C60C"},
    {21, u"スーパーバイザ", u"真壁　透", nullptr, u"C70C"},
    {24, u"企画", u"Duskbell制作チーム", nullptr, u"C00B"},
    {27, u"製作", u"Duskbell制作チーム", nullptr, u"C80D"},
}};

// The roll's last steps: the farewell over the girl of the ending, then the window closes.
inline constexpr int FarewellStep = 30;
inline constexpr int LastStep = 33;
