#include "core/Options.h"

#include "core/Balance.h"
#include "core/Store.h"
#include "platform/Scale.h"
#include "platform/Speech.h"

namespace {
int clockChoice = 0; // index into GameMinuteChoicesMs

int choiceOfSeconds(int seconds) {
    for (int i = 1; i < int(GameMinuteChoicesMs.size()); ++i)
        if (GameMinuteChoicesMs[i] == seconds * 1000) return i;
    return 0;
}

void nextScale() {
    // Past the largest size the screen has room for comes the smallest.
    const int before = FormScale();
    StepFormScale(+1);
    if (FormScale() == before) SetFormScale(1);
}
} // namespace

void UseChosenOptions() {
    SetSelfVoicing(SelfVoicingChosen());
    clockChoice = choiceOfSeconds(SlowClockChosen());
}

int GameMinuteMs() {
    return GameMinuteChoicesMs[clockChoice];
}

void ChangeOption(Option option) {
    switch (option) {
    case Option::Voice:
        SetSelfVoicing(!SelfVoicing());
        StoreSelfVoicing(SelfVoicing());
        break;
    case Option::Clock:
        clockChoice = (clockChoice + 1) % int(GameMinuteChoicesMs.size());
        StoreSlowClock(clockChoice == 0 ? 0 : GameMinuteChoicesMs[clockChoice] / 1000);
        break;
    case Option::Scale:
        nextScale();
        break;
    }
}

QString OptionText(Option option) {
    switch (option) {
    case Option::Voice:
        return SelfVoicing() ? QStringLiteral("ゲームの読み上げ：オン")
                             : QStringLiteral("ゲームの読み上げ：オフ");
    case Option::Clock: {
        static const QString pace[] = {QStringLiteral("ふつう"), QStringLiteral("ゆっくり"),
                                       QStringLiteral("もっとゆっくり")};
        return QStringLiteral("時間の進み：%1（1分が%2秒）")
            .arg(pace[clockChoice])
            .arg(GameMinuteChoicesMs[clockChoice] / 1000);
    }
    case Option::Scale:
        return QStringLiteral("画面の大きさ：%1倍").arg(FormScale());
    }
    return {};
}
