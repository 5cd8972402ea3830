// Duskbell: the program.
#include "core/Main.h"
#include "core/Store.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "sound/Music.h"
#include <QApplication>
#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    // The X11 class of every window and the Wayland app id: how docks match windows to the menu entry.
    QApplication::setApplicationName(QStringLiteral("Duskbell"));
    QApplication::setDesktopFileName(QStringLiteral("com.velmor.Duskbell"));
    // The desktop's requests to end are answered from the first moment, a refused second copy included.
    OnQuitSignals(EndAtDesktopRequest);
    OnDesktopGone(EndAtDesktopRequest);
    // Two copies at once would write over each other's record and save.
    if (!ClaimStoreForThisCopy()) {
        const QString text = QStringLiteral("Duskbell はもう起動しています。\r\n"
                                            "二つ同時に遊ぶと、記録やセーブデータが消えてしまいます。\r\n"
                                            "先に起動した Duskbell で遊んでください。");
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
        return 1;
    }
    // The game ends itself (after saving or after the staff roll), never by its last window closing.
    app.setQuitOnLastWindowClosed(false);
    EnterProgramFolder();
    InitFonts();
    UseChosenScale();
    StartMusicSystem();
    Main();
    return app.exec();
}
