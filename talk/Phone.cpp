#include "talk/Phone.h"

#include "core/GameState.h"
#include "core/Scene.h"
#include "platform/TextFile.h"
#include "talk/PhoneLines.h"
#include <span>

namespace {

const QString CallPicture = QStringLiteral("C00A");
const QString HangUpPicture = QStringLiteral("C00B");

void say(const char16_t *line, bool friendSpeaks) {
    ShowScene(CallPicture, Str(line), friendSpeaks ? Str(FriendName) : QString());
    WaitClick();
}

// Ringing and the friend's hello with the surname, each followed by a wait.
void opening(const char16_t *reason) {
    say(PhoneRinging, false);
    ShowScene(CallPicture, Str(PhoneHello) + G.Myouji + Str(reason), Str(FriendName));
    WaitClick();
}

// The steps after the opening, then the closing narration, which waits for nobody.
void rest(std::span<const PhoneStep> steps, const char16_t *closing) {
    for (const PhoneStep &s : steps)
        say(s.line, s.friendSpeaks);
    ShowScene(HangUpPicture, Str(closing), QString());
}

void firstCall() {
    opening(FirstCallReason);
    // Without a girl picked there is no hint, but its wait stays: the hello needs two clicks.
    if (G.TargetGirl >= 1 && G.TargetGirl <= 6)
        ShowScene(CallPicture, Str(TargetHint[G.TargetGirl]), Str(FriendName));
    WaitClick();
    rest(FirstCallRest, FirstCallClosing);
}

} // namespace

void PhoneCall() {
    // Ticks that come while the call waits for clicks only move the clock.
    G.Mode = ModePhone;
    G.PhoneCount = static_cast<Integer>(G.PhoneCount + 1);
    switch (G.PhoneCount) {
    case 1:
        firstCall();
        break;
    case 2:
        opening(SecondCallReason);
        rest(SecondCallRest, SecondCallClosing);
        break;
    case 4:
        opening(ThirdCallReason);
        rest(ThirdCallRest, ThirdCallClosing);
        break;
    default:
        break; // the third walk, and every walk after the fourth, is quiet
    }
    if (G.GameMinute > 29) {
        ShowScene(CallPicture, Str(TalkedTillFive), QString());
        WaitClick();
    }
    G.Mode = ModeWalking;
}
