#include "core/Fault.h"

#include "core/GameState.h"
#include "frontend/SaveFile.h"
#include "platform/System.h"
#include "sound/Music.h"

void StopOnDamagedData(const QString &what) {
    // The resumed save was deleted when it was read: without this the afternoon would be lost.
    const bool saved = SaveOffered() && StoreSaveFile();
    StopMidi();
    QString text = what + G.CrLf + QStringLiteral("ゲームのファイルが壊れているか、足りません。") + G.CrLf +
                   QStringLiteral("Duskbell を入れ直してください。");
    if (saved)
        text +=
            G.CrLf + QStringLiteral("ここまでの続きはセーブしてあります。次回「前回の続き」から遊べます。");
    FatalDataError(text);
}
