#include "ending/Ending.h"

#include "core/Balance.h"
#include "core/Choices.h"
#include "core/Scene.h"
#include "core/Store.h"
#include "core/Views.h"
#include "ending/ClearRecord.h"
#include "ending/ConfessionLines.h"
#include "ending/EpilogueLines.h"
#include "frontend/SaveFile.h"
#include "platform/DiskFile.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include "talk/Conversation.h"

namespace {

// Set once the ending is decided: from then on only the record keeps the afternoon.
bool recordPending = false;

// One line on the campus window, left there until the player clicks.
void Say(const QString &code, const QString &text, const QString &speaker) {
    ShowScene(code, text, speaker);
    WaitClick();
}

QString TextOf(const ScriptLine &line) {
    QString text = Str(line.text);
    if (line.name == Insert::None) return text;
    text += line.name == Insert::Surname ? G.Myouji : G.Namae;
    return text + Str(line.after);
}

void PlayConfession(int ending) {
    if (ending < 1 || ending > 9 || ConfessionScripts[ending].opening.empty()) return;
    const ConfessionScript &script = ConfessionScripts[ending];
    bool first = true;
    auto play = [&](std::span<const ScriptLine> lines) {
        for (const ScriptLine &line : lines) {
            Say(first ? Str(script.picture) : QString(), TextOf(line),
                line.who == Who::Heroine ? Str(script.speaker) : QString());
            first = false;
        }
    };
    play(script.opening);
    // Only the six girls of the campus could have been picked in the album.
    if (ending <= 6) play(G.TargetGirl == ending ? script.mutual : script.surprised);
}
} // namespace

Integer DecideEnding() {
    Integer best = 0, bestGirl = 0;
    // Strictly greater: on equal points the lower-numbered girl keeps the lead.
    for (Integer i = 1; i <= 6; ++i)
        if (G.Affection[i] > best && G.MetFlag[i] != 0) {
            best = G.Affection[i];
            bestGirl = i;
        }
    if (best >= OwnEndingLiking) return bestGirl;
    if (best >= ClassmateLiking) return 8;
    return 9;
}

void CloseGate() {
    // Stopped before the first wait, so no second 5:00 PM can start while the player reads.
    View().campus->RunClock(0);
    G.Mode = ModeEnding;
    RefreshChoices();
    // A girl still waiting for an answer has had her chance: a reply now would end the ending mode.
    CloseReplyWindow();
    G.MusicFile = QStringLiteral("M92C.mid");
    PlayMidi(G.MusicFile);
    View().campus->ShowClock(QString());

    Say(QStringLiteral("C80C"), Str(GateClosedLine), QString());
    QString greeting = G.Myouji + Str(GreetingClassmate);
    G.EndingNo = DecideEnding();
    // From here on a desktop that ends the game, even during the confession, finds the ending recorded.
    recordPending = true;
    if (G.EndingNo == 9) greeting = G.Myouji + Str(GreetingJunior);
    Say(QStringLiteral("C80C"), Str(CalledFromBehindLine), QString());
    Say(QStringLiteral("C80C"), greeting, Str(GirlsVoice));
    PlayConfession(G.EndingNo);
    Epilogue();
}

void Epilogue() {
    // From here on the afternoon cannot be continued, whatever happens next.
    DeleteSaveFile();
    recordPending = true;
    Say(QStringLiteral("C80D"), Str(EpilogueFirstLine), QString());
    if (G.EndingNo >= 1 && G.EndingNo <= 9)
        for (const char16_t *line : EpilogueLines[G.EndingNo])
            Say(QString(), Str(line), QString());
    RecordEnding();
}

bool StoreEnding() {
    if (!recordPending) return true;
    recordPending = false;
    // The level follows the confession as it was decided, before the contact-lens look renames it.
    const int level = G.EndingNo == G.TargetGirl ? LevelMutual : LevelConfessed;
    const QString record = ReadClearRecord();
    if (G.EndingNo == 4 && G.ContactLensFlag) G.EndingNo = 7;
    return WriteClearRecord(AddClear(record, G.EndingNo, level));
}

bool EndingRecordPending() {
    return recordPending;
}

void RecordEnding() {
    recordPending = true;
    View().sequence->RollCredits();
    if (!StoreEnding())
        MsgBox(QStringLiteral("クリアの記録を保存できませんでした。") + WriteFaultText(LastWriteFault()) +
                   G.CrLf + PlaceNote(StoreFile()) + G.CrLf +
                   QStringLiteral("これまでの記録は、そのまま残っています。"),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
    EndProcess();
}
