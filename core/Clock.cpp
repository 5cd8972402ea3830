#include "core/Clock.h"

#include "core/Balance.h"
#include "core/Campus.h"
#include "core/Choices.h"
#include "core/GameState.h"
#include "core/Lines.h"
#include "core/Options.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "ending/Ending.h"
#include "frontend/SaveFile.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include "talk/Conversation.h"
#include "talk/Encounter.h"
#include "talk/Phone.h"

namespace {
// The save question is open: a minute that passed under it would decide the afternoon behind the
// player's back.
bool askingToQuit = false;

int girlOf(const QString &code) {
    return code.size() >= 2 ? code[1].digitValue() : 0;
}

// At every fifth minute the girl present goes; one left without an answer is hurt.
void girlLeaves() {
    if (G.GameMinute % LeavingEvery != 0 || G.TalkCode.isEmpty()) return;
    if (G.Mode == ModeTalking) {
        const int girl = girlOf(G.TalkCode);
        ShowScene(EmptyPlaceCode(), Str(IgnoredLineOf(girl)), QString());
        if (girl >= 1 && girl <= 6)
            G.Affection[girl] = static_cast<Integer>(G.Affection[girl] - IgnoredPenalty);
        G.TalkCode.clear();
        CloseReplyWindow();
        G.Mode = ModeFree;
        RefreshChoices();
    }
    if (G.Mode == ModeFree && !G.TalkCode.isEmpty()) {
        ShowScene(EmptyPlaceCode(), Str(ErrandLineOf(girlOf(G.TalkCode))), QString());
        G.TalkCode.clear();
    }
}

void walkOn() {
    if (G.GameMinute < G.ArriveMinute) {
        if (G.ArriveMinute - G.GameMinute == CallAhead) PhoneCall();
        return;
    }
    G.Location = G.Destination;
    if (G.Location >= 1 && G.Location <= PlaceCount)
        View().campus->ShowCaption(Str(PlaceCaption[G.Location - 1]));
    if (IsEncounterMinute(G.GameMinute))
        EncounterOnArrival();
    else
        ArriveAlone();
}
} // namespace

QString ClockText(int minute) {
    return minute >= GateMinute ? QStringLiteral("5:00 PM")
                                : QStringLiteral("4:%1 PM").arg(minute + 30, 2, 10, QChar('0'));
}

void ClockTick() {
    if (askingToQuit) return;
    if (G.GameMinute < 32767) G.GameMinute = static_cast<Integer>(G.GameMinute + 1);
    View().campus->ShowClock(ClockText(G.GameMinute));
    if (G.GameMinute >= GateMinute) {
        // A phone call holds the gate back until it is over.
        if (G.Mode != ModePhone) CloseGate();
        return;
    }
    if (G.GameMinute % LeavingEvery == 1 && G.Mode == ModeFree) EncounterWhileWaiting();
    girlLeaves();
    if (G.Mode == ModeWalking) walkOn();
}

void StartWalk(int destination) {
    G.Destination = static_cast<Integer>(destination);
    G.Mode = ModeWalking;
    RefreshChoices();
    const bool known =
        G.Location >= 1 && G.Location <= PlaceCount && destination >= 1 && destination <= PlaceCount;
    const int minutes = known ? WalkMinutes[G.Location][destination] : 0;
    G.ArriveMinute = static_cast<Integer>(G.GameMinute + minutes);
    View().campus->ShowCaption(QStringLiteral("【移動中】 -Duskbell-"));
    QString text = known ? Str(PlaceButton[destination - 1]) : QString();
    if (G.ArriveMinute >= 28)
        text += Str(WalkLineWorried);
    else
        text += Str(WalkLineHead) + Str(WalkLineMinutesBefore) + QChar(u'０' + minutes) +
                Str(WalkLineMinutesAfter);
    ShowScene(QStringLiteral("C00B"), text, QString());
}

void SkipMinute() {
    // After 5:00 PM there is no next minute: a tick would start the gate a second time.
    if (G.Mode != ModeEnding) ClockTick();
}

void StartClock() {
    View().campus->RunClock(GameMinuteMs());
    G.Mode = ModeFree;
    // A save made while a phone call held the gate back resumes with the clock past five.
    View().campus->ShowClock(ClockText(G.GameMinute));
    RefreshChoices();
}

bool CloseCampusRequested() {
    if (askingToQuit) return false;
    if (!SaveOffered()) {
        MsgBox(QStringLiteral("ここではゲームの中断はできません"), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Duskbell"));
        return false;
    }
    const QString text = QStringLiteral("Duskbell を終了します。") + G.CrLf +
                         QStringLiteral("次回、続きを遊ぶために、データをセーブしますか？") + G.CrLf +
                         QStringLiteral("（セーブしないと次回、続きができません）");
    askingToQuit = true;
    const MsgAnswer answer =
        MsgBox(text, MsgButtons::YesNoCancel, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
    // The clock also waits under the box that tells of a failed save: the game goes on from there.
    const bool saved = answer == MsgAnswer::Yes && WriteSaveFile();
    askingToQuit = false;
    // A save that could not be written leaves the player in the game, as Cancel does.
    if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !saved)) return false;
    StopMidi();
    EndProcess();
}
