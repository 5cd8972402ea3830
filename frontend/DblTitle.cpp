#include "frontend/DblTitle.h"

#include "core/GameState.h"
#include "frontend/DblOption.h"
#include "frontend/Start.h"
#include "platform/System.h"
#include "sound/Music.h"
#include <cstdlib>

namespace {
constexpr int CoverHeight = 2175; // enough to hide the 144-pixel logotype
}

DblTitle::DblTitle() {
    SetCaption(QStringLiteral("Duskbell  (C) 2025 Velmor"));
    SetBackColor(TitleTeal);
    SetBackPicture(LoadPicture(QStringLiteral("logo.png")));
    SetClientSize(5355, 3135);

    for (int i = 0; i < 2; ++i) {
        Shape1[i] = AddShape(0, 0, 15, CoverHeight);
        Shape1[i]->Filled = true;
        Shape1[i]->FillColor = TitleTeal;
        Shape1[i]->BorderWidth = 0;
        setCover(i, coverLeft_[i], coverWidth_[i]);
    }

    Label1 = AddLabel(1440, 2280, 2415, 375, QStringLiteral("© 2025 Velmor"));
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 11.25));
    Label1->SetForeColor(QColor(255, 255, 128));
    Label1->SetAlignment(Align::TopCenter);

    Label2 = AddLabel(2040, 2760, 1215, 255, QStringLiteral("S t a r t"));
    Label2->SetAlignment(Align::Center);
    Label2->SetForeColor(Qt::white);
    Label2->SetBackColor(StartColour);
    Label2->SetMouseTracking(true);
    Label2->SetHandCursor();
    Label2->MouseMove = [this](int, int, int, int) { Label2_MouseMove(); };
    Label2->MouseDown = [this](int button, int shift, int, int) { Label2_MouseDown(button, shift); };
    Label2->Click = [this] { Label2_Click(); };
    // The one item takes the keys, with a mark the eye finds and a name a screen reader says.
    Label2->SetFocusable(true);
    Label2->SetAccessibleName(QStringLiteral("Start"));
    Label2->SetFocusMark(QColor(255, 255, 128));
    SetFocusProxy(Label2);

    Line1[0] = AddLine(2050, 3000, 3240, 3000);
    Line1[1] = AddLine(3240, 2770, 3240, 3000);
    for (Shape *l : Line1) {
        l->BorderColor = QColor(0, 64, 0);
        l->BorderWidth = 2;
        // Room for the second pixel of the stroke.
        l->Grow(1);
    }

    Timer1 = AddTimer(250, true);
    Timer1->Tick = [this] { Timer1_Timer(); };
}

void DblTitle::setCover(int i, int left, int width) {
    coverLeft_[i] = left;
    coverWidth_[i] = width;
    Place(Shape1[i], left, 0, width, CoverHeight);
    Shape1[i]->SetVisible(width > 0);
}

void DblTitle::Form_Load() {
    // Played once: nothing on this screen restarts it.
    PlayMidi(QStringLiteral("M90C.mid"));
    CenterForm(*this);
    setCover(1, 0, 5550);
}

void DblTitle::Form_QueryUnload(bool &cancel, bool byUser) {
    (void)cancel;
    StopMidi();
    if (byUser) EndProcess();
}

void DblTitle::Form_MouseMove(int, int, int, int) {
    Label2->SetBackColor(StartColour);
}

void DblTitle::Form_KeyDown(Key key, int shift) {
    if (key == Key::F8) return ShowOptions(*this);
    if (key != Key::Enter && key != Key::Space) return;
    Label2_MouseDown(LeftButton, shift);
    Label2_Click();
}

void DblTitle::Label2_MouseMove() {
    Label2->SetBackColor(StartHoverColour);
}

void DblTitle::Label2_MouseDown(int, int shift) {
    // The quiet start: music stays off for the rest of the run.
    if (shift != 0) SwitchMusicOff();
}

void DblTitle::Label2_Click() {
    LeaveTitle();
}

void DblTitle::Timer1_Timer() {
    if (WipeStep < 5550) {
        WipeStep += 555;
        setCover(1, WipeStep, coverWidth_[1]);
    } else if (WipeStep == 5570) {
        setCover(0, coverLeft_[0], 2760);
        setCover(1, 2760, coverWidth_[1]);
        WipeStep = 6000;
    } else if (WipeStep == 6000) {
        setCover(0, coverLeft_[0], std::abs(coverWidth_[0] - 276));
        setCover(1, coverLeft_[1] + 276, coverWidth_[1]);
        if (coverWidth_[0] < 100) WipeStep = 7000;
    } else if (WipeStep >= 7000 && WipeStep <= 7020) {
        ++WipeStep;
    } else if (WipeStep == 7021) {
        WipeStep = 0;
    } else {
        ++WipeStep;
    }
}
