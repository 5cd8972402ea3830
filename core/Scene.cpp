#include "core/Scene.h"

#include "core/Choices.h"
#include "core/DblLog.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Lines.h"
#include "platform/Form.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include <QGuiApplication>
#include <QScreen>
#include <array>

namespace {
// Music by the girl digit of a picture code; 7 is heroine 4's other look and shares her theme.
constexpr std::array<const char *, 10> MusicByDigit = {
    "M00C.mid", "M10C.mid", "M20C.mid", "M30C.mid", "M40C.mid", "M50C.mid", "M60C.mid", "M40C.mid", "", ""};
} // namespace

QString MusicOfDigit(QChar digit) {
    if (digit < '0' || digit > '9') return {};
    return QString::fromLatin1(MusicByDigit[digit.unicode() - '0']);
}

QString EmptyPlaceCode() {
    return QStringLiteral("C") + QString::number(G.Location, 16).toUpper() + QStringLiteral("0C");
}

void RecordLine(const QString &speaker, const QString &text) {
    if (text.isEmpty()) return;
    Win<DblMain>().PastLines.emplace_back(speaker, text);
    if (IsLoaded<DblLog>()) Win<DblLog>().AddLine(speaker, text);
}

void ShowScene(const QString &code, const QString &text, const QString &speaker) {
    DblMain &m = Win<DblMain>();
    m.Label2->setText(speaker);
    m.Label1->setText(text);
    // A screen reader reads the line with who says it; the label's own change notice announces it.
    m.Label1->setAccessibleDescription(speaker);
    RecordLine(speaker, text);
    if (code.isEmpty()) return;
    QString c = code;
    if (G.ContactLensFlag && c.size() >= 3 && c[2] == '4') c[2] = '7';
    // A missing or broken picture leaves the picture area empty; the story goes on.
    m.Image1->SetPicture(LoadPicture(c + ".DBL"));
    if (G.Mode == ModeEnding) {
        m.SetCaption(QStringLiteral("-Duskbell-"));
        return;
    }
    const QString previous = G.MusicRequest;
    G.MusicRequest = c.size() >= 3 ? MusicOfDigit(c[2]) : QString();
    if (G.MusicRequest != previous) {
        PlayMidi(G.MusicRequest);
        G.MusicFile = G.MusicRequest;
    }
}

void WaitClick() {
    Win<DblMain>().Label3->setText(QStringLiteral("クリックしてください"));
    G.Clicked = False;
    PumpUntil([] { return G.Clicked != 0; });
    if (IsLoaded<DblMain>()) Win<DblMain>().Label3->setText(QString());
}

void ArriveAlone() {
    ShowScene(EmptyPlaceCode(), Str(ArriveAloneLine), QString());
    G.TalkCode.clear();
    G.Mode = ModeFree;
    RefreshChoices();
}

void CenterForm(Form &form) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = static_cast<int>(Tw(screen.width()) - form.Width()) / 2;
    const int top = static_cast<int>(Tw(screen.height()) - form.Height()) / 2;
    form.Move(left, top);
}
