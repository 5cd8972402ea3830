#include "core/DblMain.h"

#include "core/Campus.h"
#include "core/Clock.h"
#include "core/DblLog.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "platform/Speech.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
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
    // A red dark enough to read: 4.5:1 or more on the window's grey.
    Label3->SetForeColor(QColor(200, 0, 0));
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
        l->Click = [] { PlayerClicked(); };
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

void DblMain::Form_Rescaled() {
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
}

void DblMain::moveEvent(QMoveEvent *e) {
    Form::moveEvent(e);
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
    if (IsLoaded<DblLog>()) Win<DblLog>().Follow(*this);
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
        OpenLookback(*this);
        return true;
    }
    return Form::eventFilter(watched, e);
}

void DblMain::Form_KeyPress(int) {
    PlayerClicked();
}

void DblMain::Form_KeyDown(Key key, int) {
    // Keys without a character: they never count as a click.
    if (key == Key::PageUp) OpenLookback(*this);
    // F1 to F7 walk as the buttons do, but never over a line that waits to be read.
    const int index = FunctionKeyIndex(key);
    if (index >= 0 && index < 7 && Command1[index]->isEnabled() && !LineWaiting()) Command1_Click(index);
}

void DblMain::Form_Unload() {
    Unload<DblLog>();
}

void DblMain::Command1_Click(int index) {
    StartWalk(index + 1);
}

void DblMain::KaKushiDummy_MouseDown(int button, int shift) {
    if (button == RightButton && shift == (ShiftMask | CtrlMask)) SkipMinute();
}

void DblMain::Timer1_Timer() {
    ClockTick();
}

void DblMain::Timer2_Timer() {
    KeepMidiPlaying(G.MusicFile);
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

void DblMain::Form_QueryUnload(bool &cancel, bool byUser) {
    if (byUser) cancel = !CloseCampusRequested();
}

// ---- what the afternoon shows here ----

void DblMain::ShowLine(const QString &speaker, const QString &text) {
    // The speaker first, so that a line is never announced under the previous line's name.
    Label2->setText(speaker);
    // A screen reader reads the line with who says it.
    Label1->setAccessibleDescription(speaker);
    Label1->setText(text);
    if (text.isEmpty()) return;
    // Spoken where the player is reading: over the lookback while it is open.
    if (IsLoaded<DblLog>())
        Win<DblLog>().AddLine(speaker, text);
    else
        Announce(this, SpokenLine(speaker, text));
}

void DblMain::KeepLine(const QString &speaker, const QString &text) {
    if (IsLoaded<DblLog>()) Win<DblLog>().AddLine(speaker, text);
}

void DblMain::ShowPicture(const QString &file) {
    Image1->SetPicture(LoadPicture(file));
}
void DblMain::ShowCaption(const QString &caption) {
    SetCaption(caption);
}
void DblMain::ShowClock(const QString &time) {
    lblClock->setText(time);
}

void DblMain::ShowDestinations(const std::array<bool, 7> &enabled) {
    for (int i = 0; i < 7; ++i)
        Command1[i]->setEnabled(enabled[i]);
}

void DblMain::ShowPrompt(bool waiting) {
    Label3->setText(waiting ? QStringLiteral("クリックしてください") : QString());
}

void DblMain::RunClock(int intervalMs) {
    Timer1->SetEnabled(intervalMs > 0);
    Timer1->SetInterval(intervalMs);
}
