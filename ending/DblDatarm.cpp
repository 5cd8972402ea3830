#include "ending/DblDatarm.h"

#include "core/GameState.h"
#include "ending/DataRoom.h"

namespace {
const QString RowFont = QStringLiteral("ＭＳ Ｐ明朝");
} // namespace

DblDatarm::DblDatarm() {
    SetCaption(QStringLiteral("Duskbell Data room"));
    SetClientSize(6180, 5235);

    Image1 = AddPicture(0, 0, 480, 480, QStringLiteral("datarm.png"));
    Label1 = AddLabel(480, 120, 2295, 375, QStringLiteral("データルーム"));
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 15.75));
    Label1->SetForeColor(QColor(0, 0, 255));
    Label2 = AddLabel(3240, 240, 2655, 255, QStringLiteral("クリアした女の子　一覧表"));
    Label2->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 11.25));
    Label2->SetForeColor(QColor(255, 0, 255));
    Line1 = AddLine(-120, 600, 6600, 600);

    for (int r = 0; r < 9; ++r) {
        Image2[r] = AddPicture(120, 720 + 480 * r, 480, 480);
        Image2[r + 10] = AddPicture(720, 720 + 480 * r, 480, 480);
        Label3[r] = AddLabel(1200, 840 + 480 * r, 1935, 375);
        Label3[r]->SetFont(JFont(RowFont, 11.25));
    }

    Shape1 = AddShape(3435, 840, 2580, 495);
    Image4[0] = AddPicture(3480, 840, 480, 480, QStringLiteral("mark1.png"));
    Label4[0] = AddLabel(3960, 960, 735, 255, QStringLiteral("=告白"));
    Image4[1] = AddPicture(4800, 840, 480, 480, QStringLiteral("mark2.png"));
    Label4[1] = AddLabel(5280, 960, 735, 255, QStringLiteral("=両想い"));

    Label5 = AddLabel(3360, 1560, 2775, 2055);

    Command3 = AddButton(3360, 3960, 2775, 495, QStringLiteral("オプションセット"));
    Command3->SetEnabled(false);
    Command2 = AddButton(3360, 4800, 1095, 375, QStringLiteral("データ消去"));
    Command1 = AddButton(4680, 4800, 1455, 375, QStringLiteral("戻る"));
    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
    Command3->Click = [this] { Command3_Click(); };
    ShowFocusMarks();
    Image1->SetAccessibleName(QStringLiteral("データルーム"));
    Image4[0]->SetAccessibleName(QStringLiteral("告白のマーク"));
    Image4[1]->SetAccessibleName(QStringLiteral("両想いのマーク"));

    // Below the visible client area: the store of portraits.
    for (int k = 0; k < 9; ++k) {
        Image3[k] = AddPicture(120 + 480 * k, 5400, 480, 480, QStringLiteral("face%1.png").arg(k + 1));
        Image3[k]->Hide();
    }
}

void DblDatarm::Form_Load() {
    CenterForm(*this);
    const std::vector<RecordRow> rows = DataRoomRows();
    for (size_t row = 0; row < 9; ++row) {
        const RecordRow r = row < rows.size() ? rows[row] : RecordRow{};
        Image2[row]->SetAccessibleName(DataRoomPortraitName(r));
        Image2[row + 10]->SetAccessibleName(row < rows.size() ? DataRoomMarkName(r)
                                                              : DataRoomPortraitName(r));
    }
    // Nine rows: a longer record (never written by the game) shows its first nine pairs.
    for (size_t row = 0; row < rows.size() && row < 9; ++row) {
        const RecordRow &r = rows[row];
        if (r.ending >= 1) {
            Image2[row]->SetPicture(Image3[r.ending - 1]->Picture());
            Label3[row]->SetCaption(DataRoomName(r.ending));
        }
        if (r.level & LevelMutual)
            Image2[row + 10]->SetPicture(Image4[1]->Picture());
        else if (r.level != 0)
            Image2[row + 10]->SetPicture(Image4[0]->Picture());
    }
    Command3->SetEnabled(OptionSetOpen(rows));
    Label5->SetCaption(
        QStringLiteral("　クリアした順番に、上から並んでいます。") + G.CrLf +
        QStringLiteral("　「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。") +
        G.CrLf + QStringLiteral("　一定数クリアすると、下の「オプションセット」ボタンが有効になります。") +
        G.CrLf +
        QStringLiteral("　全てのクリアデータを消去したいときは、データ消去ボタンを押してください。"));
}

void DblDatarm::Form_Shown() {
    Command1->SetFocus();
}

void DblDatarm::Form_KeyDown(Key key, int) {
    if (key != Key::Enter) return;
    for (Button *button : {Command1, Command2, Command3})
        if (button->HasFocus() && button->Enabled()) return button->Press();
}

void DblDatarm::Command1_Click() {
    Unload<DblDatarm>();
}

void DblDatarm::Command2_Click() {
    AskToEraseRecord();
}

void DblDatarm::Command3_Click() {
    ThankForPlaying();
}
