#include "frontend/Demoform.h"

#include "sound/Music.h"

namespace {
// "Velmor" in straight strokes, upright coordinates in twips, slanted when placed: V, E, l, m, o, r.
// Capital V and the tall l reach the top; the others stand in the lower half.
struct Segment {
    int x1, y1, x2, y2;
};
constexpr int Base = 1200, Mid = 600, Top = 240;
// The year line stands at the lower right (from x 3000, y 960): the letters keep clear of it, and of
// the sprite's final pose at the left.
constexpr int V = 1060, E = 1460, L = 1780, M = 2040, O = 2510, R = 2860; // left edge of each letter
constexpr Segment Segments[20] = {
    {},
    // V
    {V, Top, V + 170, Base},
    {V + 170, Base, V + 340, Top},
    // E
    {E, Mid, E, Base},
    {E, Mid, E + 250, Mid},
    {E, 900, E + 200, 900},
    {E, Base, E + 250, Base},
    // l
    {L, Top, L + 100, Top},
    {L + 100, Top, L + 100, Base},
    {L + 100, Base, L + 200, Base},
    // m
    {M, Mid, M, Base},
    {M, Mid, M + 400, Mid},
    {M + 200, Mid, M + 200, Base},
    {M + 400, Mid, M + 400, Base},
    // o
    {O, Mid, O + 280, Mid},
    {O + 280, Mid, O + 280, Base},
    {O + 280, Base, O, Base},
    {O, Base, O, Mid},
    // r
    {R, Mid, R, Base},
    {R, Mid, R + 220, Mid},
};
// The lean of the letters: a point moves right by a fifth of its height above the base line.
constexpr int Slant(int x, int y) {
    return x + (Base - y) / 5;
}
} // namespace

Demoform::Demoform() {
    SetCaption(QStringLiteral("Velmor"));
    SetBackColor(Qt::black);
    SetClientSize(3765, 1380);
    SetFocusable(true);

    for (int i = 1; i <= 19; ++i) {
        const Segment &s = Segments[i];
        Line1[i] = AddLine(Slant(s.x1, s.y1), s.y1, Slant(s.x2, s.y2), s.y2);
    }
    for (const SegmentGroup &g : DemoGroups)
        for (int i = g.first; i <= g.last; ++i)
            Line1[i]->BorderColor = g.colour;

    Label1 = AddLabel(3000, 960, 855, 300, QStringLiteral("2025"));
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐ明朝"), 14.25, true));
    Label1->SetForeColor(QColor(0, 255, 0));
    Label1->SetBackColor(Qt::black);

    // The frame store lies outside the window.
    Image2 = AddPicture(4000, 0, 555, 555, QStringLiteral("sprite1.png"));
    Image3 = AddPicture(4000, 0, 645, 555, QStringLiteral("sprite2.png"));
    Image4 = AddPicture(4000, 0, 630, 1335, QStringLiteral("sprite3.png"));
    Image5 = AddPicture(4000, 0, 870, 1320, QStringLiteral("sprite4.png"));
    for (Label *f : {Image2, Image3, Image4, Image5})
        f->Hide();

    Image1 = AddPicture(120, 240, 0, 0);
    Image1->Hide();

    Timer1 = AddTimer(0, true);
    Timer1->Tick = [this] { Timer1_Timer(); };
}

void Demoform::Form_Load() {
    CenterForm(*this);
    Label1->Hide();
    for (int i = 1; i <= 19; ++i)
        Line1[i]->Hide();
    spriteTop_ = 800;
    showFrame(Image2);
    Timer1->SetInterval(200);
}

void Demoform::showFrame(Label *frame) {
    const QPixmap p = frame->Picture();
    Image1->SetPicture(p);
    // The sprite takes the size of the frame it shows.
    const QSize size = p.deviceIndependentSize().toSize(); // in pixels, whatever the screen's scale
    Place(Image1, spriteLeft_, spriteTop_, Tw(size.width()), Tw(size.height()));
}

void Demoform::showGroup(int group) {
    const SegmentGroup &g = DemoGroups[group - 1];
    for (int i = g.first; i <= g.last; ++i)
        Line1[i]->Show();
}

void Demoform::Form_KeyDown(Key key, int shift) {
    // A modifier key pressed alone counts as held.
    const bool modifier = shift != 0 || key == Key::Shift || key == Key::Control || key == Key::Alt;
    if (!modifier) return;
    PlayWav(QStringLiteral("Dummy.wav")); // cuts off the jingle
    JingleStopped = true;
}

void Demoform::Timer1_Timer() {
    // One step of the sprite: hide, move, change frame, show.
    auto step = [this](int dLeft, int dTop, Label *frame) {
        Image1->Hide();
        spriteLeft_ += dLeft;
        spriteTop_ += dTop;
        showFrame(frame);
        Image1->Show();
    };
    switch (DemoTick) {
    case 1:
        if (!JingleStopped) PlayWav(QStringLiteral("KVDEMO.WAV"));
        break;
    case 4:
        showGroup(1);
        step(-70, 0, Image3);
        break;
    case 5:
        showGroup(2);
        step(70, 0, Image2);
        break;
    case 6:
        showGroup(3);
        step(0, -750, Image4);
        break;
    case 7:
        showGroup(4);
        step(0, 750, Image2);
        break;
    case 8:
        showGroup(5);
        step(0, -750, Image4);
        break;
    case 9:
        showGroup(6);
        step(20, 0, Image5);
        break;
    case 13:
        Label1->Show();
        break;
    case 23:
        Timer1->SetInterval(0);
        Hide();
        break;
    default:
        break;
    }
    ++DemoTick;
}
