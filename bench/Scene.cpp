// A look at any scene without playing to it: the real campus window showing a picture code with a
// chosen line and speaker, at a chosen minute and place, with chosen likings; with --play the
// afternoon goes on from there through the game's own clock. Not part of the installed game.
//
//   duskbell_scene CODE [--line TEXT] [--speaker NAME] [--minute M] [--place P] [--liking a,b,c,d,e,f]
//                       [--pick G] [--lenses] [--play] [--shot FILE.png] [--game DIR]
//
// CODE is a picture code ("C52C"). The line's "\n" breaks it. --shot saves the window and ends.
#include "core/Scene.h"
#include "core/Balance.h"
#include "core/Campus.h"
#include "core/Choices.h"
#include "core/Clock.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Views.h"
#include "frontend/Windows.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "sound/Music.h"
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

namespace {
int usage() {
    std::fprintf(
        stderr,
        "usage: duskbell_scene CODE [--line TEXT] [--speaker NAME] [--minute M] [--place P]\n"
        "       [--liking a,b,c,d,e,f] [--pick G] [--lenses] [--play] [--shot FILE.png] [--game DIR]\n");
    return 2;
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args[0].startsWith("--")) return usage();
    const QString code = args.takeFirst();
    QString line, speaker, shot, game = QCoreApplication::applicationDirPath() + QStringLiteral("/game");
    int minute = FirstMinute, place = code.size() >= 2 ? code[1].digitValue() : 0, pick = 1;
    bool play = false, lenses = false;
    std::array<int, 7> liking{};
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool more = i + 1 < args.size();
        if (a == "--line" && more)
            line = args[++i].replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
        else if (a == "--speaker" && more)
            speaker = args[++i];
        else if (a == "--minute" && more)
            minute = args[++i].toInt();
        else if (a == "--place" && more)
            place = args[++i].toInt();
        else if (a == "--pick" && more)
            pick = args[++i].toInt();
        else if (a == "--shot" && more)
            shot = QDir::current().absoluteFilePath(args[++i]);
        else if (a == "--game" && more)
            game = args[++i];
        else if (a == "--liking" && more) {
            const QStringList v = args[++i].split(',');
            for (int k = 0; k < 6 && k < v.size(); ++k)
                liking[k + 1] = v[k].toInt();
        } else if (a == "--play")
            play = true;
        else if (a == "--lenses")
            lenses = true;
        else
            return usage();
    }
    if (!QDir::setCurrent(game)) {
        std::fprintf(stderr, "no game folder at %s\n", qPrintable(game));
        return 1;
    }
    InitFonts();
    InstallWindowViews();
    Randomize();
    if (!shot.isEmpty())
        SetMusicOff(true);
    else
        StartMusicSystem();
    G.CrLf = QStringLiteral("\r\n");
    G.Myouji = QStringLiteral("鳴海"), G.Namae = QStringLiteral("悠");
    G.TargetGirl = static_cast<Integer>(std::clamp(pick, 1, 6));
    G.ContactLensFlag = lenses ? True : False;
    for (int k = 1; k <= 6; ++k)
        G.Affection[k] = static_cast<Integer>(liking[k]);
    G.Location = static_cast<Integer>(place >= 1 && place <= PlaceCount ? place : 3);
    G.GameMinute = static_cast<Integer>(std::clamp(minute, 0, GateMinute));
    CampusView &campus = *View().campus;
    campus.Open();
    campus.ShowCaption(Str(PlaceCaption[G.Location - 1]));
    ShowScene(code, line, speaker);
    if (play) {
        StartClock();
    } else {
        G.Mode = ModeFree;
        campus.ShowClock(ClockText(G.GameMinute));
        RefreshChoices();
    }
    if (!shot.isEmpty()) {
        DoEvents();
        const bool ok = Win<DblMain>().Widget()->grab().save(shot, "png");
        if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(shot));
        return ok ? 0 : 1;
    }
    return app.exec();
}
