#include "talk/DblSerif.h"

#include "core/DblLog.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "talk/Conversation.h"

DblSerif::DblSerif() {
    SetCaption(QStringLiteral("Duskbell Serif"));
    SetClientSize(7515, 2070);
    ShowFocusMarks();
    Label1 = AddLabel(0, 0, 2655, 255, QStringLiteral("返事は…"));
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    for (int i = 0; i < 5; ++i) {
        Command1[i] = AddButton(0, 240 + 360 * i, 7575, 375, QString());
        Command1[i]->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
        Command1[i]->Click = [this, i] { Command1_Click(i); };
    }
}

void DblSerif::Form_Load() {
    placeUnderCampus();
}

void DblSerif::Form_Rescaled() {
    placeUnderCampus();
}

void DblSerif::placeUnderCampus() {
    // Under the campus window, centred on the available area of the campus window's screen.
    const QRect area = ScreenArea(IsLoaded<DblMain>() ? &Win<DblMain>() : nullptr);
    Move(area.x() + (area.width() - Width()) / 2, G.SerifTop);
}

void DblSerif::Form_Shown() {
    Activate();
    Command1[0]->SetFocus();
}

void DblSerif::Form_Unload() {
    if (IsLoaded<DblMain>()) Win<DblMain>().Activate();
}

void DblSerif::Form_KeyDown(Key key, int) {
    // The lookback opens from here too; closing it gives the keys back to the replies.
    if (key == Key::PageUp && IsLoaded<DblMain>()) {
        OpenLookback(Win<DblMain>());
        return;
    }
    const int index = FunctionKeyIndex(key);
    if (index >= 0 && index < 5) {
        if (Command1[index]->Enabled()) Command1_Click(index);
        return;
    }
    int at = -1;
    for (int i = 0; i < 5; ++i)
        if (Command1[i]->HasFocus()) at = i;
    if ((key == Key::Enter) && at >= 0) {
        Command1_Click(at);
    } else if (key == Key::Up || key == Key::Down) {
        const int step = key == Key::Up ? 4 : 1;
        Command1[at < 0 ? 0 : (at + step) % 5]->SetFocus();
    }
}

// The player cannot send the question away by closing it: he answers, or she leaves.
void DblSerif::Form_QueryUnload(bool &cancel, bool byUser) {
    if (byUser) cancel = true;
}

void DblSerif::Command1_Click(int index) {
    AnswerReply(index + 1);
}

void DblSerif::SetReply(int index, const QString &text) {
    QString shown = text;
    Command1[index]->SetCaption(shown.replace('&', QStringLiteral("&&")));
}

QString DblSerif::Reply(int index) const {
    QString text = Command1[index]->Caption();
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}
