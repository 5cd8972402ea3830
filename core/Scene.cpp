#include "core/Scene.h"

#include "core/Choices.h"
#include "core/GameState.h"
#include "core/Lines.h"
#include "core/Views.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include <array>

namespace {
// Music by the girl digit of a picture code; 7 is heroine 4's other look and shares her theme.
constexpr std::array<const char *, 10> MusicByDigit = {
    "M00C.mid", "M10C.mid", "M20C.mid", "M30C.mid", "M40C.mid", "M50C.mid", "M60C.mid", "M40C.mid", "", ""};

std::vector<std::pair<QString, QString>> pastLines;
QString shownSpeaker;
int waiting = 0; // waits under way: a tick can run one inside another
} // namespace

QString MusicOfDigit(QChar digit) {
    if (digit < '0' || digit > '9') return {};
    return QString::fromLatin1(MusicByDigit[digit.unicode() - '0']);
}

QString EmptyPlaceCode() {
    return QStringLiteral("C") + QString::number(G.Location, 16).toUpper() + QStringLiteral("0C");
}

const std::vector<std::pair<QString, QString>> &AfternoonLines() {
    return pastLines;
}
void ForgetAfternoonLines() {
    pastLines.clear();
}

void KeepLine(const QString &speaker, const QString &text) {
    if (text.isEmpty()) return;
    pastLines.emplace_back(speaker, text);
    View().campus->KeepLine(speaker, text);
}
QString ShownSpeaker() {
    return shownSpeaker;
}

void ShowScene(const QString &code, const QString &text, const QString &speaker) {
    CampusView &campus = *View().campus;
    shownSpeaker = speaker;
    if (!text.isEmpty()) pastLines.emplace_back(speaker, text);
    campus.ShowLine(speaker, text);
    if (code.isEmpty()) return;
    QString c = code;
    if (G.ContactLensFlag && c.size() >= 3 && c[2] == '4') c[2] = '7';
    // A missing or broken picture leaves the picture area empty; the story goes on.
    campus.ShowPicture(c + ".DBL");
    if (G.Mode == ModeEnding) {
        campus.ShowCaption(QStringLiteral("-Duskbell-"));
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
    // Cleared first: a click that the prompt itself brings on (a player who never waits) counts.
    G.Clicked = False;
    ++waiting;
    View().campus->ShowPrompt(true);
    PumpUntil([] { return G.Clicked != 0; });
    --waiting;
    View().campus->ShowPrompt(false);
}

void PlayerClicked() {
    G.Clicked = True;
}
bool LineWaiting() {
    return waiting > 0;
}

void ArriveAlone() {
    ShowScene(EmptyPlaceCode(), Str(ArriveAloneLine), QString());
    G.TalkCode.clear();
    G.Mode = ModeFree;
    RefreshChoices();
}
