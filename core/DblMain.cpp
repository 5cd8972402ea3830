#include "core/DblMain.h"

#include "core/Campus.h"
#include "core/Choices.h"
#include "core/DblLog.h"
#include "core/GameState.h"
#include "core/Lines.h"
#include "core/Scene.h"
#include "ending/Ending.h"
#include "frontend/SaveFile.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include "talk/Conversation.h"
#include "talk/Encounter.h"
#include "talk/Phone.h"
#include <QApplication>
#include <QWheelEvent>
#include <QWindow>

DblMain::DblMain() {
    SetCaption(QStringLiteral("Duskbell"));
    SetClientSize(5700, 4230);
    setWindowIcon(QIcon(LoadPicture(QStringLiteral("duskbell.png"))));

    Image1 = AddPicture(120, 0, 4500, 3000);
    Image1->setStyleSheet(QStringLiteral("background-color: black;"));
    Image1->setAccessibleName(QStringLiteral("場面"));
    Label2 = AddLabel(120, 3120, 1575, 255);
    Label2->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true));
    Label1 = AddLabel(120, 3360, 5535, 855);
    Label1->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    Label3 = AddLabel(3960, 3960, 1575, 240);
    Label3->SetForeColor(Qt::red);
    // Small enough that the whole prompt fits the narrow label.
    Label3->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 8));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    KaKushiDummy = AddLabel(1920, 3165, 1335, 200);
    lblClock = AddLabel(4920, 0, 735, 255, QStringLiteral("4:30 PM"));
    lblClock->SetForeColor(QColor(0, 0, 255));
    lblClock->SetBackColor(QColor(255, 224, 192));
    lblClock->setAlignment(Qt::AlignCenter);
    lblClock->setAccessibleDescription(QStringLiteral("時計"));
    for (int i = 0; i < 7; ++i) {
        Command1[i] = AddButton(4920, 480 + 360 * i, 735, 255, Str(PlaceButton[i]));
        Command1[i]->setEnabled(false);
        // Keys belong to the window (they advance the story), never to a button.
        Command1[i]->setFocusPolicy(Qt::NoFocus);
        Command1[i]->Click = [this, i] { Command1_Click(i); };
    }
    for (int i = 0; i < 2; ++i) {
        Image2[i] = AddPicture(5040, 2880, 480, 480, QStringLiteral("walk%1.png").arg(i));
        Image2[i]->setVisible(false);
    }
    Timer1 = AddTimer(0, false);
    Timer2 = AddTimer(1000, true);
    Timer3 = AddTimer(500, true);
    Timer1->Tick = [this] { Timer1_Timer(); };
    Timer2->Tick = [this] { Timer2_Timer(); };
    Timer3->Tick = [this] { Timer3_Timer(); };

    for (Label *l : {Image1, Label1, Label3})
        l->Click = [] { G.Clicked = True; };
    KaKushiDummy->MouseDown = [this](int button, int shift, int, int) {
        KaKushiDummy_MouseDown(button, shift);
    };
    setFocusPolicy(Qt::StrongFocus);
}

void DblMain::Form_Load() {
    CenterForm(*this);
    Move(Left(), Top() - 1200);
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
}

void DblMain::moveEvent(QMoveEvent *e) {
    Form::moveEvent(e);
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
    if (IsLoaded<DblLog>()) Win<DblLog>().Follow();
}

void DblMain::showEvent(QShowEvent *e) {
    Form::showEvent(e);
    // Seen at the desktop's window, before a label under the pointer could keep it.
    windowHandle()->installEventFilter(this);
}

bool DblMain::eventFilter(QObject *watched, QEvent *e) {
    // Under a modal window the campus window takes no input, so the lookback could not be closed.
    if (e->type() == QEvent::Wheel && watched == windowHandle() && !QApplication::activeModalWidget() &&
        static_cast<QWheelEvent *>(e)->angleDelta().y() > 0) {
        OpenLookback();
        return true;
    }
    return Form::eventFilter(watched, e);
}

void DblMain::Form_KeyPress(int) {
    G.Clicked = True;
}

void DblMain::Form_KeyDown(int key, int) {
    // Keys without a character: they never count as a click.
    if (key == Qt::Key_PageUp) OpenLookback();
    // F1 to F7 walk as the buttons do, but never over a line that waits to be read.
    const int index = key - Qt::Key_F1;
    if (index >= 0 && index < 7 && Command1[index]->isEnabled() && Label3->text().isEmpty())
        Command1_Click(index);
}

void DblMain::Form_Unload() {
    Unload<DblLog>();
}

void DblMain::Command1_Click(int index) {
    G.Destination = static_cast<Integer>(index + 1);
    G.Mode = ModeWalking;
    RefreshChoices();
    const int minutes = (G.Location >= 1 && G.Location <= 7) ? WalkMinutes[G.Location][G.Destination] : 0;
    G.ArriveMinute = static_cast<Integer>(G.GameMinute + minutes);
    SetCaption(QStringLiteral("【移動中】 -Duskbell-"));
    QString text = Command1[index]->text();
    if (G.ArriveMinute >= 28)
        text += Str(WalkLineWorried);
    else
        text += Str(WalkLineHead) + Str(WalkLineMinutesBefore) + QString::number(minutes) +
                Str(WalkLineMinutesAfter);
    ShowScene(QStringLiteral("C00B"), text, QString());
}

void DblMain::KaKushiDummy_MouseDown(int button, int shift) {
    // After 5:00 PM there is no next minute: a tick would start the gate a second time.
    if (G.Mode == ModeEnding) return;
    if (button == RightButton && shift == (ShiftMask | CtrlMask)) Timer1_Timer();
}

void DblMain::Timer1_Timer() {
    // A minute that passed under the save question would decide the afternoon behind the player's back.
    if (AskingToQuit) return;
    if (G.GameMinute < 32767) G.GameMinute = static_cast<Integer>(G.GameMinute + 1);
    if (G.GameMinute >= 30) {
        lblClock->setText(QStringLiteral("5:00 PM"));
        if (G.Mode != ModePhone) CloseGate();
        return;
    }
    lblClock->setText(QStringLiteral("4:%1 PM").arg(G.GameMinute + 30));
    if (G.GameMinute % 5 == 1 && G.Mode == ModeFree) EncounterWhileWaiting();
    if (G.GameMinute % 5 == 0 && !G.TalkCode.isEmpty() && G.Mode == ModeTalking) {
        ShowScene(EmptyPlaceCode(), Str(IgnoredLine), QString());
        const int girl = G.TalkCode.size() >= 2 ? G.TalkCode[1].digitValue() : 0;
        if (girl >= 1 && girl <= 6) G.Affection[girl] = static_cast<Integer>(G.Affection[girl] - 3);
        G.TalkCode.clear();
        CloseReplyWindow();
        G.Mode = ModeFree;
        RefreshChoices();
    }
    if (G.GameMinute % 5 == 0 && !G.TalkCode.isEmpty() && G.Mode == ModeFree) {
        ShowScene(EmptyPlaceCode(), Str(ErrandLine), QString());
        G.TalkCode.clear();
    }
    if (G.Mode == ModeWalking) {
        if (G.GameMinute < G.ArriveMinute) {
            if (G.ArriveMinute - G.GameMinute == 2) PhoneCall();
        } else {
            G.Location = G.Destination;
            if (G.Location >= 1 && G.Location <= 7) SetCaption(Str(PlaceCaption[G.Location - 1]));
            if (IsEncounterMinute(G.GameMinute))
                EncounterOnArrival();
            else
                ArriveAlone();
        }
    }
}

void DblMain::Timer2_Timer() {
    KeepMidiPlaying();
}

void DblMain::Timer3_Timer() {
    if (G.Mode == ModeWalking) {
        WalkFrame = !WalkFrame;
        Image2[0]->setVisible(WalkFrame);
        Image2[1]->setVisible(!WalkFrame);
    } else {
        Image2[0]->setVisible(false);
        Image2[1]->setVisible(false);
    }
}

bool SaveOffered() { return G.Mode != ModeEnding && G.TargetGirl != 0; }

void DblMain::Form_QueryUnload(bool &cancel, bool byUser) {
    if (!byUser) return;
    if (AskingToQuit) {
        cancel = true;
        return;
    }
    if (!SaveOffered()) {
        MsgBox(QStringLiteral("ここではゲームの中断はできません"), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Duskbell"));
        cancel = true;
        return;
    }
    const QString text = QStringLiteral("Duskbell を終了します。") + G.CrLf +
                         QStringLiteral("次回、続きを遊ぶために、データをセーブしますか？") + G.CrLf +
                         QStringLiteral("（セーブしないと次回、続きができません）");
    AskingToQuit = true;
    const MsgAnswer answer = MsgBox(text, MsgButtons::YesNoCancel, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
    // The clock also waits under the box that tells of a failed save: the game goes on from there.
    const bool saved = answer == MsgAnswer::Yes && WriteSaveFile();
    AskingToQuit = false;
    switch (answer) {
    case MsgAnswer::Yes:
        // A save that could not be written leaves the player in the game, as Cancel does.
        if (!saved) {
            cancel = true;
            return;
        }
        StopMidi();
        EndProcess();
    case MsgAnswer::No:
        StopMidi();
        EndProcess();
    default:
        cancel = true;
    }
}
