#include "ending/DblEnding.h"

#include "core/Views.h"
#include "ending/CreditLines.h"
#include "platform/TextFile.h"
#include "sound/Music.h"

DblEnding::DblEnding() {
    SetCaption(QStringLiteral("Duskbell"));
    SetBackColor(QColor(192, 192, 192));
    SetClientSize(4470, 4725);
    Image1 = AddPicture(0, 0, 4500, 3000);
    Label1 = AddLabel(120, 3120, 4215, 255);
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    Label2 = AddLabel(120, 3600, 4215, 975);
    Label2->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 11.25));
    // The frame lies over everything; it draws only its border.
    Shape1 = AddShape(0, 0, 4475, 4720);
    Shape1->BorderColor = QColor(255, 192, 255);
    Shape1->SetMouseTransparent(true);
    Timer1 = AddTimer(3000, true);
    Timer1->Tick = [this] { Timer1_Timer(); };
}

void DblEnding::Form_Load() {
    // The campus window's afternoon is over; it goes without asking about saving.
    View().campus->Close();
    CenterForm(*this);
    Step = 0;
    PlayMidi(QStringLiteral("M93C.mid"));
}

void DblEnding::Form_QueryUnload(bool &cancel, bool byUser) {
    if (!byUser) return;
    // The player leaves the roll early: the window only hides, so the ending is still recorded.
    cancel = true;
    Timer1->SetEnabled(false);
    StopMidi();
    Hide();
}

void DblEnding::Timer1_Timer() {
    Step = static_cast<Integer>(Step + 1);
    if (Step == 1 || Step == 2) {
        Label2->SetCaption(Str(CreditHeading));
        return;
    }
    for (const Credit &c : Credits) {
        if (c.step != Step) continue;
        Label1->SetCaption(Str(c.role));
        QString names = Str(c.name);
        if (c.secondName) names += QStringLiteral("\r\n") + Str(c.secondName);
        Label2->SetCaption(names);
        Image1->SetPicture(LoadPicture(Str(c.picture) + QStringLiteral(".DBL")));
        return;
    }
    if (Step == FarewellStep) {
        Label1->SetCaption(QString());
        Label2->SetCaption(Str(CreditFarewell));
        // The confession picture of the ending as it was decided; no other look is swapped in here.
        Image1->SetPicture(LoadPicture(QStringLiteral("C8") + QString::number(G.EndingNo, 16).toUpper() +
                                       QStringLiteral("C.DBL")));
    } else if (Step == LastStep) {
        StopMidi();
        UnloadNow();
    }
}
