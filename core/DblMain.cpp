#include "core/DblMain.h"

#include "core/Campus.h"
#include "core/Clock.h"
#include "core/DblLog.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "platform/Speech.h"
#include "platform/TextFile.h"
#include "sound/Music.h"

DblMain::DblMain() {
    SetCaption(QStringLiteral("Duskbell"));
    SetClientSize(5700, 4230);
    SetIcon(LoadPicture(QStringLiteral("duskbell.png")));

    Image1 = AddPicture(120, 0, 4500, 3000);
    Image1->SetBackColor(QColor(0, 0, 0));
    Image1->SetAccessibleName(QStringLiteral("場面"));
    Label2 = AddLabel(120, 3120, 1575, 255);
    Label2->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true));
    Label1 = AddLabel(120, 3360, 5535, 855);
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    Label3 = AddLabel(3960, 3960, 1575, 240);
    // A red dark enough to read: 4.5:1 or more on the window's grey.
    Label3->SetForeColor(QColor(200, 0, 0));
    // Small enough that the whole prompt fits the narrow label.
    Label3->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 8));
    Label3->SetAlignment(Align::TopRight);
    KaKushiDummy = AddLabel(1920, 3165, 1335, 200);
    lblClock = AddLabel(4920, 0, 735, 255, QStringLiteral("4:30 PM"));
    lblClock->SetForeColor(QColor(0, 0, 255));
    lblClock->SetBackColor(QColor(255, 224, 192));
    lblClock->SetAlignment(Align::Center);
    lblClock->SetAccessibleDescription(QStringLiteral("時計"));
    for (int i = 0; i < 7; ++i) {
        Command1[i] = AddButton(4920, 480 + 360 * i, 735, 255, Str(PlaceButton[i]));
        Command1[i]->SetEnabled(false);
        // Keys belong to the window (they advance the story), never to a button.
        Command1[i]->SetFocusable(false);
        Command1[i]->Click = [this, i] { Command1_Click(i); };
    }
    for (int i = 0; i < 2; ++i) {
        Image2[i] = AddPicture(5040, 2880, 480, 480, QStringLiteral("walk%1.png").arg(i));
        Image2[i]->Hide();
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
    SetFocusable(true);
}

void DblMain::Form_Load() {
    CenterForm(*this);
    Move(Left(), Top() - 1200);
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
}

void DblMain::Form_Rescaled() {
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
}

void DblMain::Form_Moved() {
    G.SerifTop = static_cast<Integer>(Top() + Height() + 50);
    if (IsLoaded<DblLog>()) Win<DblLog>().Follow(*this);
}

bool DblMain::Form_MouseWheel(int delta) {
    // Under a modal window the campus window takes no input, so the lookback could not be closed.
    if (delta <= 0 || ModalWindowOpen()) return false;
    OpenLookback(*this);
    return true;
}

void DblMain::Form_KeyPress(int) {
    PlayerClicked();
}

void DblMain::Form_KeyDown(Key key, int) {
    // Keys without a character: they never count as a click.
    if (key == Key::PageUp) OpenLookback(*this);
    // F1 to F7 walk as the buttons do, but never over a line that waits to be read.
    const int index = FunctionKeyIndex(key);
    if (index >= 0 && index < 7 && Command1[index]->Enabled() && !LineWaiting()) Command1_Click(index);
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
        Image2[0]->SetVisible(WalkFrame);
        Image2[1]->SetVisible(!WalkFrame);
    } else {
        Image2[0]->Hide();
        Image2[1]->Hide();
    }
}

void DblMain::Form_QueryUnload(bool &cancel, bool byUser) {
    if (byUser) cancel = !CloseCampusRequested();
}

// ---- what the afternoon shows here ----

void DblMain::ShowLine(const QString &speaker, const QString &text) {
    // The speaker first, so that a line is never announced under the previous line's name.
    Label2->SetCaption(speaker);
    // A screen reader reads the line with who says it.
    Label1->SetAccessibleDescription(speaker);
    Label1->SetCaption(text);
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
    lblClock->SetCaption(time);
}

void DblMain::ShowDestinations(const std::array<bool, 7> &enabled) {
    for (int i = 0; i < 7; ++i)
        Command1[i]->SetEnabled(enabled[i]);
}

void DblMain::ShowPrompt(bool waiting) {
    Label3->SetCaption(waiting ? QStringLiteral("クリックしてください") : QString());
}

void DblMain::RunClock(int intervalMs) {
    Timer1->SetEnabled(intervalMs > 0);
    Timer1->SetInterval(intervalMs);
}
