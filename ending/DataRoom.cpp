#include "ending/DataRoom.h"

#include "core/GameState.h"
#include "core/Names.h"
#include "core/Store.h"
#include "platform/System.h"
#include "platform/TextFile.h"

std::vector<RecordRow> DataRoomRows() {
    return RecordRows(ReadClearRecord());
}

QString DataRoomName(int ending) {
    if (ending < 1 || ending > 9) return {};
    // Her other look has no script of its own: her name, marked as the other version.
    if (ending == 7) return Str(HeroineName[4]).remove(QChar(0x3000)) + QStringLiteral("（別Ver.）");
    return Str(HeroineName[ending]);
}

QString DataRoomPortraitName(const RecordRow &row) {
    return row.ending >= 1 && row.ending <= 9 ? DataRoomName(row.ending) + QStringLiteral("のエンディング")
                                              : QStringLiteral("空き");
}

QString DataRoomMarkName(const RecordRow &row) {
    if (row.level & LevelMutual) return QStringLiteral("両想いでクリア");
    return row.level != 0 ? QStringLiteral("告白でクリア") : QStringLiteral("クリアの印なし");
}

bool OptionSetOpen(const std::vector<RecordRow> &rows) {
    return rows.size() > 7;
}

void AskToEraseRecord() {
    const MsgAnswer a =
        MsgBox(QStringLiteral(
                   "全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？"),
               MsgButtons::YesNo, MsgIcon::Exclamation, QStringLiteral("Data Clear!!!"), MsgAnswer::No);
    // The window keeps showing what it read; the start screen finds the record gone.
    if (a == MsgAnswer::Yes && !EraseStore())
        MsgBox(QStringLiteral("記録を消せませんでした。記録はそのまま残っています。") + G.CrLf +
                   PlaceNote(StoreFile()),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
}

void ThankForPlaying() {
    MsgBox(QStringLiteral("おめでとうございます！") + G.CrLf +
               QStringLiteral("ほとんどの女の子とのエンディングを見ることができました。") + G.CrLf +
               QStringLiteral("最後まで遊んでくれて、本当にありがとう！"),
           MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Duskbell"));
}
