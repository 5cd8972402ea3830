#include "frontend/DblStart.h"

#include "core/GameState.h"
#include "core/Store.h"
#include "ending/DblDatarm.h"
#include "frontend/DblOption.h"
#include "frontend/SaveFile.h"
#include "frontend/Start.h"
#include "platform/Speech.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include <QPainter>
#include <QPainterPath>

DblStart::DblStart() {
    SetCaption(QStringLiteral("Duskbell -start-"));
    SetBackColor(QColor(192, 255, 255));
    SetClientSize(6285, 4755);
    ShowFocusMarks();

    // The sister first, so that the classmate lies on top of her.
    Image1[1] = AddPicture(0, 240, 2175, 4500, QStringLiteral("hostess9.png"));
    Image1[0] = AddPicture(0, 240, 2175, 4500, QStringLiteral("hostess8.png"));
    // The pictures are cut out, so the one behind would show through around the one in front.
    Image1[1]->Hide();

    Shape1 = AddShape(1920, 30, 4215, 975);
    Shape1->Filled = true;
    Shape1->FillColor = Qt::white;
    Shape1->BorderColor = Qt::black;
    // The bubble's tail points down-left at the hostess: one antialiased path, filled white and
    // outlined on its two edges, laid over the bubble's border so that the border opens into it.
    Tail = AddShape(1635, 465, 300, 450);
    Tail->Paint = [](QPainter &p, int width, int height) {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(FormScale(), FormScale());
        const qreal w = width / FormScale(), h = height / FormScale();
        const QPointF top(w, 1.5), tip(1.5, h - 1.5), bottom(w, 15.5);
        QPainterPath fill(top);
        fill.lineTo(tip);
        fill.lineTo(bottom);
        fill.closeSubpath();
        p.fillPath(fill, Qt::white);
        QPainterPath edges(top - QPointF(0.5, 0));
        edges.lineTo(tip);
        edges.lineTo(bottom - QPointF(0.5, 0));
        p.strokePath(edges, QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
    Tail->SetMouseTransparent(true);

    Serif = AddLabel(2160, 150, 3855, 735);
    Serif->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    const char16_t *items[3] = {u"新しくはじめる", u"前回の続き", u"データルーム"};
    for (int i = 0; i < 3; ++i) {
        Label *l = AddLabel(2640, 1560 + 840 * i, 3255, 495, Str(items[i]));
        l->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 20.25));
        l->SetAlignment(Align::Center);
        l->SetBackColor(MenuColour[i]);
        l->SetMouseTracking(true);
        l->SetHandCursor();
        l->SetBorderWidth(3); // the focus frame, shown on the item the arrows have reached
        l->MouseMove = [this, i](int, int, int, int) { Label1_MouseMove(i); };
        l->Click = [this, i] { Label1_Click(i); };
        Label1[i] = l;
    }

    Picture1 = AddPanel(2760, 1560, 2895, 2175);
    Picture1->SetBackColor(QColor(192, 255, 255));
    Label2 = Picture1->AddLabel(120, 120, 1695, 255, QStringLiteral("みょうじ"));
    Text1 = Picture1->AddTextBox(120, 360, 2535, 375);
    Label3 = Picture1->AddLabel(120, 960, 2055, 255, QStringLiteral("なまえ"));
    Text2 = Picture1->AddTextBox(120, 1200, 2535, 375);
    OKBUTTON = Picture1->AddButton(1680, 1680, 975, 375, QStringLiteral("O K"));
    for (TextBox *t : {Text1, Text2})
        t->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    Text1->SetAccessibleName(QStringLiteral("みょうじ"));
    Text2->SetAccessibleName(QStringLiteral("なまえ"));
    SetTabOrder(Text1, Text2);
    SetTabOrder(Text2, OKBUTTON);
    OKBUTTON->Click = [this] { OKBUTTON_Click(); };
    // Enter moves on as the player expects: from the surname to the given name, then confirms.
    Text1->EnterPressed = [this] { Text2->SetFocus(); };
    Text2->EnterPressed = [this] { OKBUTTON->Press(); };
    Picture1->Hide();

    LOADOK = AddButton(3600, 2040, 1215, 495, QStringLiteral("O K"));
    LOADOK->Click = [this] { LOADOK_Click(); };
    LOADOK->Hide();

    Label4 = AddLabel(1440, 4320, 4095, 255, Str(CastLine[0]));

    Timer1 = AddTimer(1000, true);
    Timer1->Tick = [this] { Timer1_Timer(); };
}

QString DblStart::Say(const HostessLine &line) const {
    return Str(line[HostessIsJunior ? 1 : 0]);
}

void DblStart::Form_Load() {
    HostessIsJunior = false;
    MenuAtRest = false;
    // The title stopped its music; the keep-alive tick starts this one.
    G.MusicFile = QStringLiteral("M91C.mid");
    CenterForm(*this);
    Section1();
}

void DblStart::Form_QueryUnload(bool &cancel, bool byUser) {
    (void)cancel, (void)byUser;
    StopMidi();
}

void DblStart::Section1() {
    // Once the sister's ending has been seen, anywhere in the record, she greets instead.
    if (SisterHosts()) {
        HostessIsJunior = true;
        Image1[0]->Hide();
        Image1[1]->Show();
        Label4->SetCaption(Str(CastLine[1]));
    }
    const int h = CurrentHour();
    const char16_t *greeting = h < 4 ? GreetNight : h < 11 ? GreetMorning : h < 18 ? GreetDay : GreetNight;
    ShowSerif(Str(greeting) + Say(AskToday));
}

void DblStart::ShowSerif(const QString &text) {
    Serif->SetCaption(text);
    // Her name as the cast line under her picture gives it, before " : as your ...".
    Announce(this, SpokenLine(Label4->Caption().section(QStringLiteral(" : "), 0, 0), text));
}

void DblStart::RestoreMenuColours() {
    for (int i = 0; i < 3; ++i)
        Label1[i]->SetBackColor(MenuColour[i]);
}

void DblStart::Label1_MouseMove(int index) {
    RestoreMenuColours();
    Label1[index]->SetBackColor(MenuHoverColour);
    MenuAtRest = false;
}

void DblStart::Form_KeyDown(Key key, int) {
    const bool enter = key == Key::Enter;
    if (key == Key::F8) {
        ShowOptions(*this);
    } else if (enter && OKBUTTON->HasFocus() && OKBUTTON->Visible()) {
        OKBUTTON_Click();
    } else if (enter && LOADOK->HasFocus() && LOADOK->Visible()) {
        LOADOK_Click();
    } else if (Label1[0]->Visible() && (key == Key::Up || key == Key::Down)) {
        if (MenuFocus >= 0) Label1[MenuFocus]->SetBorder(false);
        MenuFocus = MenuFocus < 0 ? 0 : (MenuFocus + (key == Key::Up ? 2 : 1)) % 3;
        Label1[MenuFocus]->SetBorder(true);
        Label1_MouseMove(MenuFocus);
        Announce(this, Label1[MenuFocus]->Caption());
    } else if (enter && Label1[0]->Visible() && MenuFocus >= 0) {
        Label1_Click(MenuFocus);
    }
}

void DblStart::Form_MouseMove(int, int, int, int) {
    if (MenuAtRest) return;
    RestoreMenuColours();
    MenuAtRest = true;
}

void DblStart::Label1_Click(int index) {
    switch (index) {
    case 0:
        for (Label *l : Label1)
            l->Hide();
        Picture1->Show();
        Text1->SetText(LastMyouji());
        Text2->SetText(LastNamae());
        Text1->SetFocus();
        ShowSerif(Say(AskNames));
        break;
    case 1:
        if (SaveFileExists()) {
            for (Label *l : Label1)
                l->Hide();
            LOADOK->Show();
            LOADOK->SetFocus();
            ShowSerif(Say(WillLoad));
        } else {
            ShowSerif(Say(NoSave));
        }
        break;
    case 2:
        if (!ReadClearRecord().isEmpty()) {
            Win<DblDatarm>().ShowModal();
            Unload<DblDatarm>();
        } else {
            ShowSerif(Str(NoRecord));
        }
        break;
    }
}

QString DblStart::RefusalFor(const QString &name, int which) const {
    const QString field = Str(WhichName[which]);
    const NameCheck check = CheckName(name);
    switch (check.fault) {
    case NameFault::None:
        return {};
    case NameFault::Empty:
        return Say(EmptyName);
    case NameFault::Quote:
        return Say(NameHasQuote).arg(field);
    case NameFault::Unwritable:
        return Say(NameHasUnwritable).arg(field, check.character);
    case NameFault::Control:
        break;
    }
    return Say(NameHasOddCharacter).arg(field);
}

void DblStart::OKBUTTON_Click() {
    const QString myouji = Text1->Text(), namae = Text2->Text();
    // Blanks alone are a name: nothing is trimmed.
    for (const QString &refusal : {RefusalFor(myouji, 0), RefusalFor(namae, 1)}) {
        if (!refusal.isEmpty()) {
            ShowSerif(refusal);
            return;
        }
    }
    StartNewGame(myouji, namae);
}

void DblStart::LOADOK_Click() {
    if (ContinueSavedGame()) return;
    // A damaged save is refused (and kept); back to the menu rather than a dead button.
    LOADOK->Hide();
    for (Label *l : Label1)
        l->Show();
    ShowSerif(Say(SaveDamaged));
}

void DblStart::Timer1_Timer() {
    KeepMidiPlaying(G.MusicFile);
}
