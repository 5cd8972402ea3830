// Screenshots of the game's windows, for the software centre and for looking at the pictures at any
// screen scale (run with QT_SCALE_FACTOR): the title with its logotype uncovered, and the campus
// window on the schoolyard at 4:31 PM with a girl greeting the player.
#include "core/Choices.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "frontend/DblTitle.h"
#include "frontend/Windows.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "talk/EncounterLines.h"
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

static bool save(Form &w, const QString &file) {
    if (w.Widget()->grab().save(file, "png")) return true;
    std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(file));
    return false;
}

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: dbl_screenshot GAMEDIR OUTDIR\n");
        return 2;
    }
    const QDir out(QDir(argv[2]).absolutePath());
    QDir::setCurrent(argv[1]);
    InitFonts();
    ResetGameState();
    InstallWindowViews();
    SetTimeScale(20); // the title's wipe opens in a moment

    DblTitle &title = Win<DblTitle>();
    title.Show();
    PumpUntil([&] { return title.WipeStep >= 7000; });
    bool ok = save(title, out.filePath("title.png"));
    Unload<DblTitle>();

    G.Location = 3;
    G.GameMinute = 1;
    DblMain &campus = Win<DblMain>();
    campus.Show();
    G.Mode = ModeFree;
    RefreshChoices();
    ShowScene(QStringLiteral("C32C"), QString::fromUtf16(greet::Hinata_NiceWeather),
              QString::fromUtf16(HeroineName[2]));
    campus.lblClock->SetCaption(QStringLiteral("4:31 PM"));
    DoEvents();
    ok = save(campus, out.filePath("campus.png")) && ok;
    UnloadAllForms();
    return ok ? 0 : 1;
}
