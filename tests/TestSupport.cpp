#include "TestSupport.h"
#include "WindowInput.h"

#include "core/Choices.h"
#include "frontend/Windows.h"
#include "platform/Form.h"
#include "platform/Settings.h"
#include "sound/Music.h"
#include <QCloseEvent>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

namespace {
TestWorld world;
}

TestWorld &World() {
    return world;
}

TestWorld &ResetWorld(double timeScale) {
    UnloadAllForms();
    ResetGameState();
    ForgetAfternoonLines();
    SetMusicOff(false);
    G.CrLf = QStringLiteral("\r\n");
    SetTimeScale(timeScale);
    Randomize(12345u);
    world = {{}, {}, false, std::make_unique<QTemporaryDir>()};
    // The game's files, linked into a folder of the test's own so saves land there.
    const QDir game(QStringLiteral(GAME_DIR));
    // Only what the game ships: a save left behind by a hand-played game is no part of the world.
    for (const QString &f : game.entryList(QDir::Files))
        if (!f.startsWith(QStringLiteral("dbldata.dat"), Qt::CaseInsensitive))
            QFile::link(game.filePath(f), world.folder->filePath(f));
    QDir::setCurrent(world.folder->path());
    QDir().mkpath(world.folder->filePath(QStringLiteral("settings")));
    SetSettingsFolder(world.folder->filePath(QStringLiteral("settings")));
    InstallWindowViews(); // with the options of this world's store
    SetMsgBoxHook([](const MsgBoxRequest &r) {
        world.boxes.push_back(r);
        if (world.answers.empty()) return r.defaultButton;
        const MsgAnswer a = world.answers.front();
        world.answers.erase(world.answers.begin());
        return a;
    });
    SetEndProcessHook([] {
        world.ended = true;
        throw ProcessEnded{};
    });
    SetHourSource({});
    return world;
}

bool RunUntil(const std::function<bool()> &done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // keeps the wait from sleeping past the deadline
    wake.start(10);
    PumpUntil([&] { return done() || clock.elapsed() > timeoutMs; });
    return done();
}

bool RunEnding(const std::function<void()> &f) {
    try {
        f();
        return false;
    } catch (const ProcessEnded &) {
        return true;
    }
}

void LeaveGame() {
    throw ProcessEnded{};
}
void Later(std::function<void()> f, int ms) {
    QTimer::singleShot(ms, std::move(f));
}
void ClickOn(QWidget *w, Qt::KeyboardModifiers mods, Qt::MouseButton button) {
    PressThroughWindow(w, button, mods);
}
void PressOn(QWidget *w, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    PressThroughWindow(w, button, mods, false);
}

void KeyOn(QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods) {
    QPoint at;
    QWindow *win = WindowOf(w, at);
    win ? QTest::keyClick(win, key, mods) : QTest::keyClick(w, key, mods);
}

void CloseBox(QWidget *w) {
    // What a window manager's close button sends: a close event to the desktop's window.
    QCloseEvent e;
    QWindow *win = w->window()->windowHandle();
    win ? QCoreApplication::sendEvent(win, &e) : QCoreApplication::sendEvent(w->window(), &e);
}

void PutGameFile(const QString &name, const QByteArray &bytes) {
    KillFile(name);
    QFile f(QDir::current().filePath(name));
    if (!bytes.isEmpty() && (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()))
        qFatal("cannot write %s", qPrintable(name));
}

void PutTextFile(const QString &name, const QString &text) {
    KillFile(name);
    if (!WriteTextFile(name, text)) qFatal("cannot write %s", qPrintable(name));
}

QByteArray TinyWav(int ms) {
    const quint32 bytes = 22050 * ms / 1000 * 2;
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4), s << bytes + 36, s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4), s << bytes;
    for (quint32 i = 0; i < bytes / 2; ++i)
        s << qint16((i / 50) % 2 ? 2000 : -2000);
    return b;
}

QByteArray TinyMidi(int quarters) {
    // Program 0, note on, the note's length as a variable-length delta, note off, end of track.
    QByteArray delta(1, char(96 * quarters & 0x7f));
    for (int v = 96 * quarters >> 7; v; v >>= 7)
        delta.prepend(char(0x80 | (v & 0x7f)));
    const QByteArray t =
        QByteArray::fromHex("00c00000903c64") + delta + QByteArray::fromHex("803c0000ff2f00");
    return QByteArray::fromHex("4d546864000000060000000100604d54726b000000") + char(t.size()) + t;
}

void WriteSynthTalkFiles() {
    const QStringList codes =
        QString("14A 14B 16A 16B 21A 21B 22A 22B 34A 34B 32A 32B 35A 35B 43A 43B 45A 45B 46A "
                "46B 52A 52B 56A 56B 65A 65B 63A 63B 76A 76B 71A 71B 72A 72B")
            .split(' ');
    QString kcode, kaiwa, resp;
    for (int i = 0; i < codes.size(); ++i) {
        kcode += codes[i], resp += codes[i] + "\r\n";
        for (int t = 101 + 10 * i; t <= 110 + 10 * i; ++t) {
            kcode += ',' + QString::number(t);
            kaiwa += QStringLiteral("%1ＸＸＸ返事%1ＸＸＸ\r\n").arg(t);
            resp += QStringLiteral("%1答え%1%2\r\n")
                        .arg(t)
                        .arg(t % 7 == 3 ? "00" : QString::asprintf("%+d", t % 7 - 3));
        }
        kcode += "\r\n";
    }
    for (auto [name, text] :
         {std::pair{"DblKCode.dat", kcode}, {"DblKaiwa.dat", kaiwa}, {"DblResp.dat", resp}})
        PutTextFile(name, text);
}

DblMain &StandAt(int location, int minute, Integer mode) {
    G.Location = static_cast<Integer>(location), G.GameMinute = static_cast<Integer>(minute);
    Win<DblMain>().Show();
    G.Mode = mode, RefreshChoices();
    return Win<DblMain>();
}

bool Shows(const QString &code) {
    return Win<DblMain>().Image1->Picture().toImage() == LoadPicture(code + ".DBL").toImage();
}
