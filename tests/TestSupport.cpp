#include "TestSupport.h"
#include "WindowInput.h"

#include "core/DblMain.h"
#include "core/GameState.h"
#include "platform/Form.h"
#include "platform/Settings.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QCloseEvent>
#include <QWindow>

namespace {
TestWorld world;
} // namespace

TestWorld &World() { return world; }

TestWorld &ResetWorld(double timeScale) {
    UnloadAllForms();
    ResetGameState();
    G.CrLf = QStringLiteral("\r\n");
    SetTimeScale(timeScale);
    Randomize(12345u);
    world.boxes.clear();
    world.answers.clear();
    world.ended = false;
    world.folder = std::make_unique<QTemporaryDir>();
    // The game's files, linked into a folder of the test's own so saves land there.
    const QDir game(QStringLiteral(GAME_DIR));
    for (const QString &f : game.entryList(QDir::Files))
        QFile::link(game.filePath(f), world.folder->filePath(f));
    QDir::setCurrent(world.folder->path());
    QDir().mkpath(world.folder->filePath(QStringLiteral("settings")));
    SetSettingsFolder(world.folder->filePath(QStringLiteral("settings")));
    SetMsgBoxHook([](const MsgBoxRequest &r) {
        world.boxes.push_back(r);
        if (!world.answers.empty()) {
            const MsgAnswer a = world.answers.front();
            world.answers.erase(world.answers.begin());
            return a;
        }
        return r.defaultButton;
    });
    SetEndProcessHook([] { world.ended = true; });
    SetHourSource({});
    return world;
}

bool RunUntil(const std::function<bool()> &done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // keeps the wait from sleeping past the deadline
    wake.start(10);
    PumpUntil([&] { return done() || clock.elapsed() > timeoutMs; });
    return done();
}

bool RunEnding(const std::function<void()> &f) {
    try {
        f();
    } catch (const ProcessEnded &) {
        return true;
    }
    return false;
}

void ClickOn(QWidget *w, Qt::KeyboardModifiers mods, Qt::MouseButton button) { ClickThroughWindow(w, mods, button); }

void PressOn(QWidget *w, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    QPoint at;
    if (QWindow *win = WindowOf(w, at)) {
        MouseToWindow(win, QEvent::MouseButtonPress, at, button, button, mods);
        MouseToWindow(win, QEvent::MouseButtonRelease, at, button, Qt::NoButton, mods);
        return;
    }
    QTest::mousePress(w, button, mods, w->rect().center());
}

void KeyOn(QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods) {
    QPoint at;
    if (QWindow *win = WindowOf(w, at)) {
        QTest::keyClick(win, key, mods);
        return;
    }
    QTest::keyClick(w, key, mods);
}

void CloseBox(QWidget *w) {
    // What a window manager's close button sends: a close event to the desktop's window.
    QCloseEvent e;
    if (QWindow *win = w->window()->windowHandle())
        QCoreApplication::sendEvent(win, &e);
    else
        QCoreApplication::sendEvent(w->window(), &e);
}

void Later(std::function<void()> f, int ms) { QTimer::singleShot(ms, std::move(f)); }

void LeaveGame() { throw ProcessEnded{}; }
