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
    setStyleSheet(QString::fromLatin1(FocusMarkStyle));

    // The sister first, so that the classmate lies on top of her.
    Image1[1] = AddPicture(0, 240, 2175, 4500, QStringLiteral("hostess9.png"));
    Image1[0] = AddPicture(0, 240, 2175, 4500, QStringLiteral("hostess8.png"));
    // The pictures are cut out, so the one behind would show through around the one in front.
    Image1[1]->hide();

    Shape1 = AddShape(1920, 30, 4215, 975);
    Shape1->Filled = true;
    Shape1->FillColor = Qt::white;
    Shape1->BorderColor = Qt::black;
    // The bubble's tail points down-left at the hostess: one antialiased path, filled white and
    // outlined on its two edges, laid over the bubble's border so that the border opens into it.
    struct BubbleTail : QWidget {
        using QWidget::QWidget;
        void paintEvent(QPaintEvent *) override {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(FormScale(), FormScale());
            const qreal w = width() / FormScale(), h = height() / FormScale();
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
        }
    };
    Tail = new BubbleTail(this);
    Tail->setAttribute(Qt::WA_TransparentForMouseEvents);
    Place(Tail, 1635, 465, 300, 450);

    Serif = AddLabel(2160, 150, 3855, 735);
    Serif->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    const char16_t *items[3] = {u"新しくはじめる", u"前回の続き", u"データルーム"};
    for (int i = 0; i < 3; ++i) {
        Label *l = AddLabel(2640, 1560 + 840 * i, 3255, 495, Str(items[i]));
        l->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 20.25));
        l->setAlignment(Qt::AlignCenter);
        l->SetBackColor(MenuColour[i]);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->setLineWidth(3); // the focus frame, shown on the item the arrows have reached
        l->MouseMove = [this, i](int, int, int, int) { Label1_MouseMove(i); };
        l->Click = [this, i] { Label1_Click(i); };
        Label1[i] = l;
    }

    Picture1 = new QWidget(this);
    Place(Picture1, 2760, 1560, 2895, 2175);
    {
        QPalette p = Picture1->palette();
        p.setColor(QPalette::Window, QColor(192, 255, 255));
        Picture1->setPalette(p);
        Picture1->setAutoFillBackground(true);
    }
    Label2 = new Label(Picture1);
    Place(Label2, 120, 120, 1695, 255);
    Label2->setText(QStringLiteral("みょうじ"));
    Text1 = new QLineEdit(Picture1);
    Place(Text1, 120, 360, 2535, 375);
    Label3 = new Label(Picture1);
    Place(Label3, 120, 960, 2055, 255);
    Label3->setText(QStringLiteral("なまえ"));
    Text2 = new QLineEdit(Picture1);
    Place(Text2, 120, 1200, 2535, 375);
    OKBUTTON = new Button(Picture1);
    Place(OKBUTTON, 1680, 1680, 975, 375);
    OKBUTTON->setText(QStringLiteral("O K"));
    for (QLineEdit *t : {Text1, Text2}) {
        // Japanese names are typed through the desktop's input method.
        t->setAttribute(Qt::WA_InputMethodEnabled, true);
        t->setInputMethodHints(Qt::ImhNone);
        t->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    }
    Text1->setAccessibleName(QStringLiteral("みょうじ"));
    Text2->setAccessibleName(QStringLiteral("なまえ"));
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, OKBUTTON);
    OKBUTTON->Click = [this] { OKBUTTON_Click(); };
    // Enter moves on as the player expects: from the surname to the given name, then confirms.
    QObject::connect(Text1, &QLineEdit::returnPressed, Text2, [this] { Text2->setFocus(); });
    QObject::connect(Text2, &QLineEdit::returnPressed, OKBUTTON, [this] { OKBUTTON->click(); });
    Picture1->hide();

    LOADOK = AddButton(3600, 2040, 1215, 495, QStringLiteral("O K"));
    LOADOK->Click = [this] { LOADOK_Click(); };
    LOADOK->hide();

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
        Image1[0]->hide();
        Image1[1]->show();
        Label4->setText(Str(CastLine[1]));
    }
    const int h = CurrentHour();
    const char16_t *greeting = h < 4 ? GreetNight : h < 11 ? GreetMorning : h < 18 ? GreetDay : GreetNight;
    ShowSerif(Str(greeting) + Say(AskToday));
}

void DblStart::ShowSerif(const QString &text) {
    Serif->setText(text);
    // Her name as the cast line under her picture gives it, before " : as your ...".
    Announce(this, SpokenLine(Label4->text().section(QStringLiteral(" : "), 0, 0), text));
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
    } else if (enter && focusWidget() == OKBUTTON && OKBUTTON->isVisible()) {
        OKBUTTON_Click();
    } else if (enter && focusWidget() == LOADOK && LOADOK->isVisible()) {
        LOADOK_Click();
    } else if (Label1[0]->isVisible() && (key == Key::Up || key == Key::Down)) {
        if (MenuFocus >= 0) Label1[MenuFocus]->setFrameStyle(QFrame::NoFrame);
        MenuFocus = MenuFocus < 0 ? 0 : (MenuFocus + (key == Key::Up ? 2 : 1)) % 3;
        Label1[MenuFocus]->setFrameStyle(QFrame::Box | QFrame::Plain);
        Label1_MouseMove(MenuFocus);
        Announce(this, Label1[MenuFocus]->text());
    } else if (enter && Label1[0]->isVisible() && MenuFocus >= 0) {
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
            l->hide();
        Picture1->show();
        Text1->setText(LastMyouji());
        Text2->setText(LastNamae());
        Text1->setFocus();
        ShowSerif(Say(AskNames));
        break;
    case 1:
        if (SaveFileExists()) {
            for (Label *l : Label1)
                l->hide();
            LOADOK->show();
            LOADOK->setFocus();
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
    const QString myouji = Text1->text(), namae = Text2->text();
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
    LOADOK->hide();
    for (Label *l : Label1)
        l->show();
    ShowSerif(Say(SaveDamaged));
}

void DblStart::Timer1_Timer() {
    KeepMidiPlaying(G.MusicFile);
}
