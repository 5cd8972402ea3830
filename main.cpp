// Duskbell: the program.
#include "core/Main.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "sound/Music.h"
#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    // The game ends itself (after saving or after the staff roll), never by its last window closing.
    app.setQuitOnLastWindowClosed(false);
    EnterProgramFolder();
    InitFonts();
    OnQuitSignals(EndAtDesktopRequest);
    StartMusicSystem();
    Main();
    return app.exec();
}
