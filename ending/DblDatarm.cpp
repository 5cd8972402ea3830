#include "ending/DblDatarm.h"

#include "core/GameState.h"
#include "core/Scene.h"
#include "ending/ClearRecord.h"
#include "ending/ConfessionLines.h"
#include "platform/Settings.h"
#include "platform/System.h"
#include "platform/TextFile.h"

namespace {
const QString RowFont = QStringLiteral("ＭＳ Ｐ明朝");
} // namespace

QString DatarmRowName(int ending) {
    if (ending < 1 || ending > 9) return {};
    // The same name as her speaker label at the gate; her other look has no script of its own.
    if (ending == 7)
        return Str(ConfessionScripts[4].speaker).remove(QChar(0x3000)) + QStringLiteral("（別Ver.）");
    return Str(ConfessionScripts[ending].speaker);
}

DblDatarm::DblDatarm() {
    SetCaption(QStringLiteral("Duskbell Data room"));
    SetClientSize(6180, 5235);

    Image1 = AddPicture(0, 0, 480, 480, QStringLiteral("datarm.png"));
    Label1 = AddLabel(480, 120, 2295, 375, QStringLiteral("データルーム"));
    Label1->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 15.75));
    Label1->SetForeColor(QColor(0, 0, 255));
    Label2 = AddLabel(3240, 240, 2655, 255, QStringLiteral("クリアした女の子　一覧表"));
    Label2->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 11.25));
    Label2->SetForeColor(QColor(255, 0, 255));
    Line1 = AddLine(-120, 600, 6600, 600);

    for (int r = 0; r < 9; ++r) {
        Image2[r] = AddPicture(120, 720 + 480 * r, 480, 480);
        Image2[r + 10] = AddPicture(720, 720 + 480 * r, 480, 480);
        Label3[r] = AddLabel(1200, 840 + 480 * r, 1935, 375);
        Label3[r]->setFont(JFont(RowFont, 11.25));
    }

    Shape1 = AddShape(3435, 840, 2580, 495);
    Image4[0] = AddPicture(3480, 840, 480, 480, QStringLiteral("mark1.png"));
    Label4[0] = AddLabel(3960, 960, 735, 255, QStringLiteral("=告白"));
    Image4[1] = AddPicture(4800, 840, 480, 480, QStringLiteral("mark2.png"));
    Label4[1] = AddLabel(5280, 960, 735, 255, QStringLiteral("=両想い"));

    Label5 = AddLabel(3360, 1560, 2775, 2055);

    Command3 = AddButton(3360, 3960, 2775, 495, QStringLiteral("オプションセット"));
    Command3->setEnabled(false);
    Command2 = AddButton(3360, 4800, 1095, 375, QStringLiteral("データ消去"));
    Command1 = AddButton(4680, 4800, 1455, 375, QStringLiteral("戻る"));
    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
    Command3->Click = [this] { Command3_Click(); };

    // Below the visible client area: the store of portraits.
    for (int k = 0; k < 9; ++k) {
        Image3[k] = AddPicture(120 + 480 * k, 5400, 480, 480, QStringLiteral("face%1.png").arg(k + 1));
        Image3[k]->hide();
    }
}

void DblDatarm::Form_Load() {
    CenterForm(*this);
    const QString record = ReadClearRecord();
    int row = 0;
    for (qsizetype i = 0; i < record.size(); i += 2, ++row) {
        // Nine rows: a longer record (never written by the game) shows its first nine pairs.
        if (row > 8) continue;
        const int k = EndingOfChar(record[i]);
        // A pair that names no ending uses up its row and shows nothing.
        int level = 0;
        if (k >= 1) {
            Image2[row]->SetPicture(Image3[k - 1]->pixmap());
            Label3[row]->setText(DatarmRowName(k));
            level = i + 1 < record.size() ? Val(record.mid(i + 1, 1)) : 0;
        }
        if (level & 2)
            Image2[row + 10]->SetPicture(Image4[1]->pixmap());
        else if (level != 0)
            Image2[row + 10]->SetPicture(Image4[0]->pixmap());
    }
    // Eight of the nine endings are enough.
    if (row > 7) Command3->setEnabled(true);
    Label5->setText(
        QStringLiteral("　クリアした順番に、上から並んでいます。") + G.CrLf +
        QStringLiteral("　「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。") +
        G.CrLf + QStringLiteral("　一定数クリアすると、下の「オプションセット」ボタンが有効になります。") +
        G.CrLf +
        QStringLiteral("　全てのクリアデータを消去したいときは、データ消去ボタンを押してください。"));
}

void DblDatarm::Command1_Click() {
    Unload<DblDatarm>();
}

void DblDatarm::Command2_Click() {
    const MsgAnswer a =
        MsgBox(QStringLiteral(
                   "全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？"),
               MsgButtons::YesNo, MsgIcon::Exclamation, QStringLiteral("Data Clear!!!"), MsgAnswer::No);
    // The window keeps showing what it read; the start screen finds the record gone.
    if (a == MsgAnswer::Yes && !DeleteSetting(GameSettingsApp, GameSettingsSection))
        MsgBox(QStringLiteral("記録を消せませんでした。記録はそのまま残っています。") + G.CrLf + PlaceNote(SettingsFile(GameSettingsApp)),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
}

void DblDatarm::Command3_Click() {
    MsgBox(QStringLiteral("おめでとうございます！") + G.CrLf +
               QStringLiteral("ほとんどの女の子とのエンディングを見ることができました。") + G.CrLf +
               QStringLiteral("最後まで遊んでくれて、本当にありがとう！"),
           MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Duskbell"));
}
