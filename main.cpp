// Duskbell: the program.
#include "core/Main.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "sound/Music.h"
#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    // The X11 class of every window and the Wayland app id: how docks match windows to the menu entry.
    QApplication::setApplicationName(QStringLiteral("Duskbell"));
    QApplication::setDesktopFileName(QStringLiteral("com.velmor.Duskbell"));
    // The game ends itself (after saving or after the staff roll), never by its last window closing.
    app.setQuitOnLastWindowClosed(false);
    EnterProgramFolder();
    InitFonts();
    OnQuitSignals(EndAtDesktopRequest);
    StartMusicSystem();
    Main();
    return app.exec();
}
