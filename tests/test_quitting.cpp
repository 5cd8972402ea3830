// Nothing a player or the desktop does loses the afternoon or the record: close boxes at awkward
// moments, folders that refuse writes, dead locks and leftovers, signals, and kills in mid-write.
#include "EndingSupport.h"
#include "core/Main.h"
#include "core/Prologue.h"
#include "ending/ClearRecord.h"
#include "ending/Ending.h"
#include "ending/EpilogueLines.h"
#include "frontend/DblStart.h"
#include "frontend/SaveFile.h"
#include "frontend/Windows.h"
#include "platform/DiskFile.h"
#include "platform/Settings.h"
#include "sound/Music.h"
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>

namespace {
// Free at a place after the pick with the clock running; every girl met, so nothing else happens.
DblMain &freeAt(int minute) {
    G.Myouji = QStringLiteral("佐々木"), G.Namae = QStringLiteral("健"), G.TargetGirl = 2, G.PhoneCount = 5;
    G.MetFlag = {0, 1, 1, 1, 1, 1, 1}, G.Affection = {0, 0, 9, 0, 0, 0, 0};
    G.Location = 3, G.GameMinute = static_cast<Integer>(minute);
    StartClock();
    Win<DblMain>().Show();
    return Win<DblMain>();
}

// The afternoons a child process keeps on writing, and the two records.
GameState state(bool b) {
    GameState g;
    g.Myouji = QStringLiteral(" 山,田"), g.Namae = b ? QStringLiteral("花子さん") : QStringLiteral("太郎"),
    g.GameMinute = b ? 32 : 7;
    g.Affection = {0, 1, 2, 3, 4, 5, 6}, g.TargetGirl = b ? 6 : 1, g.Location = 2;
    if (b) g.MetFlag = {0, 1, 1, 1, 1, 1, 1};
    return g;
}
const QString RecordA = QStringLiteral("鶴1鷹2"), RecordB = QStringLiteral("鶴3鷹2蘭1楓1");

// A child process of this test in the folder: "campus", "start", or "writer:K", which writes both files
// over and over and kills itself at the K-th point of its writes.
int runChild(const QString &mode, const QString &folder) {
    QDir::setCurrent(folder);
    InstallWindowViews();
    SetSettingsFolder(folder + QStringLiteral("/settings"));
    G.CrLf = QStringLiteral("\r\n");
    // The game's own order: our handlers first, then the sound system that would take them.
    OnQuitSignals(EndAtDesktopRequest);
    OnDesktopGone(EndAtDesktopRequest);
    StartMusicSystem();
    while (!SoundfontReady())
        QThread::msleep(5);
    CleanSaveLeftovers();
    const bool asking = mode == QLatin1String("asking"); // the campus window with its close question open
    if (mode == QLatin1String("campus") || asking)
        G = state(false), G.CrLf = QStringLiteral("\r\n"), BeginAfternoon(true);
    if (mode == QLatin1String("start")) Win<DblStart>().Show();
    const auto ready = [] { std::printf("ready\n"), std::fflush(stdout); };
    if (mode == QLatin1String("campus") || asking) {
        if (asking) QTimer::singleShot(0, [] { CloseBox(&Win<DblMain>()); });
        // Ready once the player could see it on the screen.
        auto *seen = new QTimer(qApp);
        QObject::connect(seen, &QTimer::timeout, [=] {
            QWidget *w = asking ? QApplication::activeModalWidget() : Win<DblMain>().Widget();
            if (w && w->windowHandle() && w->windowHandle()->isExposed()) seen->stop(), ready();
        });
        seen->start(5);
    } else {
        ready();
    }
    if (mode.startsWith(QLatin1String("writer:")))
        SetWriteStepHook([k = mode.mid(7).toInt(), n = 0](WriteStep) mutable {
            if (++n == k) ::raise(SIGKILL);
        });
    for (bool a = false; mode.startsWith(QLatin1String("writer:")); a = !a)
        G = a ? state(false) : state(true), StoreSaveFile(), WriteClearRecord(a ? RecordA : RecordB);
    if (mode == QLatin1String("full")) { // no file may grow past 150 bytes; the game takes SIGXFSZ itself
        const rlimit limit{150, 150};
        setrlimit(RLIMIT_FSIZE, &limit);
        SetMsgBoxHook(
            [](const MsgBoxRequest &r) { return std::printf("%s\n", qPrintable(r.text)), MsgAnswer::Ok; });
        G = state(false), G.Namae = QString(100, QChar(u'あ'));
        std::printf("%d%d%d\n", WriteSaveFile(), SaveSetting("Velmor", "Duskwatch", "SavedNamae", G.Namae),
                    WriteClearRecord(RecordB));
        return 0;
    }
    return QApplication::exec();
}

// Starts a child in the test's folder and waits until it is ready; its process id, or 0.
qint64 startChild(QProcess &p, const char *mode) {
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), QString::fromLatin1(mode), QDir::currentPath()});
    while (!p.canReadLine())
        if (!p.waitForReadyRead(10000)) return 0;
    return p.readLine() == "ready\n" ? p.processId() : 0;
}

// The environment of a program on a private X server of its own, started in server; empty if none started.
QProcessEnvironment onNewDisplay(QProcess &server) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The server takes a free display and names it on its standard output once it listens.
    server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    while (!server.canReadLine())
        if (!server.waitForReadyRead(30000)) return {};
    env.insert(QStringLiteral("DISPLAY"),
               QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

// The save holds the first afternoon whole.
bool firstAfternoonSaved() {
    ResetGameState();
    G.CrLf = QStringLiteral("\r\n");
    const GameState a = state(false);
    return LoadSaveFile() && G.Myouji == a.Myouji && G.Namae == a.Namae && G.GameMinute == a.GameMinute &&
           G.Affection == a.Affection && G.TargetGirl == a.TargetGirl && G.Location == a.Location;
}

QStringList leftovers() {
    return QDir::current().entryList({QStringLiteral("DBLDATA.DAT.*")}, QDir::Files) +
           QDir(QStringLiteral("settings")).entryList({QStringLiteral("Velmor.ini.*")}, QDir::Files);
}
} // namespace

class TestQuitting : public QObject {
    Q_OBJECT
    // The campus child ended by itself, asked nothing, and left the afternoon it played saved whole.
    void expectSavedAfternoon(QProcess &child) {
        const bool ended = child.waitForFinished(30000);
        const QByteArray said = child.readAllStandardError();
        QVERIFY2(ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 said.constData());
        // No box was asked for, and a session manager was there to be heard.
        QVERIFY2(!said.contains(QStringLiteral("Duskbell:").toLocal8Bit()) &&
                     !said.contains("Session management error"),
                 said.constData());
        QVERIFY(firstAfternoonSaved() && leftovers().isEmpty());
    }

  private slots:
    void init() { ResetWorld(6000); } // a game minute in 10 ms

    // At 4:59 PM the save question, and the box that tells of a refused save, stay open over several
    // minutes' worth of ticks: the gate waits. A folder that refuses the save: a true message, and the
    // afternoon goes on until a save is written.
    void closingAsksWithoutLosingTheAfternoon() {
        for (auto [answer, refused] :
             {std::pair{MsgAnswer::Cancel, false}, {MsgAnswer::Yes, false}, {MsgAnswer::Yes, true}}) {
            ResetWorld(6000);
            DblMain &m = freeAt(29);
            if (refused) { // where the file should go, something that is no file
                QVERIFY(QDir().mkdir(QStringLiteral("DBLDATA.DAT")));
                World().answers = {MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::Yes};
            }
            SetMsgBoxHook(
                [answer = answer](const MsgBoxRequest &r) mutable { // answered after the loop ran under it
                    World().boxes.push_back(r);
                    RunUntil([] { return false; }, 100);
                    std::vector<MsgAnswer> &queue = World().answers;
                    if (!queue.empty()) answer = queue.front(), queue.erase(queue.begin());
                    return answer;
                });
            const bool ended = RunEnding([&] { CloseBox(&m); });
            QVERIFY(World().boxes.size() == 1u + refused && G.GameMinute == 29 && G.Mode == ModeFree &&
                    ended == (answer == MsgAnswer::Yes && !refused));
            if (ended) {
                QVERIFY(World().ended && LoadSaveFile() && G.GameMinute == 29 && G.Namae == "健");
            } else if (refused) {
                QVERIFY(
                    World().boxes[1].text.contains(QStringLiteral("書き込めませんでした")) &&
                    !World().boxes[1].text.contains(QStringLiteral("前のセーブデータ"))); // there was none
                QVERIFY(IsLoaded<DblMain>() && m.Timer1->Enabled() &&
                        QDir().rmdir(QStringLiteral("DBLDATA.DAT")));
                QVERIFY(RunEnding([&] { CloseBox(&m); }) && FileExists(QStringLiteral("DblData.dat")));
            } else { // Cancel: the next tick brings the gate.
                QVERIFY(IsLoaded<DblMain>());
                Later([] { G.Mode == ModeEnding ? LeaveGame() : void(); }, 50);
                QVERIFY(RunEnding([] { RunUntil([] { return false; }, 3000); }) && G.GameMinute == 30);
            }
        }
    }

    // The gesture at 4:59 PM starts the gate inside its own mouse press; the gate's lines are then
    // clicked through, the gesture again does nothing, and closing the staff roll still records.
    void fromTheGestureToAClosedRoll() {
        ResetWorld(100); // the clock never ticks on its own here; a roll step in 30 ms
        UseCodedPictures();
        DblMain &m = freeAt(29);
        const auto gesture = [&] {
            PressOn(m.KaKushiDummy, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
        };
        Player player;
        std::vector<Shown> lines;
        WriteDown(player, lines, true);
        bool gestured = false;
        player.BeforeClick = [&, write = player.BeforeClick] {
            write();
            if (!gestured) gestured = true, gesture();
        };
        std::function<void()> closeRoll = [&] {
            if (IsLoaded<DblEnding>() && Win<DblEnding>().Visible() && Win<DblEnding>().Step >= 3)
                CloseBox(&Win<DblEnding>());
            else
                Later(closeRoll, 10);
        };
        Later(closeRoll, 10);
        QVERIFY(RunEnding(gesture) && World().ended && gestured && G.EndingNo == 2);
        const auto gateLines =
            std::count_if(lines.begin(), lines.end(), [](const Shown &l) { return l.code == "C80C"; });
        QCOMPARE(gateLines, 3); // once: the gate, the voice from behind, the greeting
        QCOMPARE(lines.back().text, QString::fromUtf16(EpilogueLines[2].back()));
        QCOMPARE(ReadClearRecord(), EndingChar(2) + QStringLiteral("2"));
    }

    // The desktop ends the game in the middle of the confession: the ending is in the record already.
    void theDesktopEndsTheConfession() {
        DblMain &m = freeAt(29);
        std::function<void()> read = [&] {
            if (G.Mode == ModeEnding && !m.Label2->Caption().isEmpty() &&
                m.Label2->Caption() != QStringLiteral("女の子の声"))
                EndAtDesktopRequest();
            G.Clicked = True, Later(read, 20);
        };
        Later(read, 20);
        QVERIFY(RunEnding([] { RunUntil([] { return false; }, 20000); }) && World().ended &&
                G.Mode == ModeEnding);
        QCOMPARE(ReadClearRecord(), EndingChar(2) + QStringLiteral("2"));
    }

    // Leftovers of killed writes go (the dead lock's own removal locks too), a dead lock costs nothing,
    // and a record another tool wrote with commas and a semicolon is kept whole and added to, beside
    // its other lines. A settings folder that refuses writes, or a lock that cannot be removed: the
    // player is told why and where the record should have gone.
    void leftoversLocksForeignRecordsAndARecordThatCannotBeStored() {
        PutGameFile(QStringLiteral("DBLDATA.DAT.aB3dE9"), "half a save");
        PutGameFile(QStringLiteral("settings/Velmor.ini.Zz09Yy"), "half a record");
        for (const char *rm :
             {"settings/Velmor.ini.lock.rmlock", "settings/Velmor.ini.lock.rmlock.rmlock"}) // empty, just now
            QVERIFY(QFile(QString::fromLatin1(rm)).open(QIODevice::WriteOnly));
        PutGameFile(QStringLiteral("settings/Velmor.ini"),
                    "; theirs\n[Other]\nx=1\n[Duskwatch]\nCString=鶴1,鷹2;雁1\n");
        QFile lock(QStringLiteral("settings/Velmor.ini.lock")); // empty and a minute old: its writer died
        QVERIFY(lock.open(QIODevice::ReadWrite) && lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                                                    QFileDevice::FileModificationTime));
        lock.close();
        SetSettingsFolder(QDir::current().filePath(QStringLiteral("settings")));
        CleanSaveLeftovers();
        QCOMPARE(ReadClearRecord(), QStringLiteral("鶴1,鷹2;雁1"));
        QVERIFY(WriteClearRecord(AddClear(ReadClearRecord(), 9, LevelConfessed)));
        QFile ini(QStringLiteral("settings/Velmor.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly) &&
                ini.readAll() == "; theirs\n[Other]\nx=1\n[Duskwatch]\nCString=\"鶴1,鷹2;雁1蘭1\"\n");
        QCOMPARE(ReadClearRecord(), QStringLiteral("鶴1,鷹2;雁1蘭1"));
        QVERIFY(leftovers().isEmpty());
        ResetWorld(1000);
        QVERIFY(QFile(QStringLiteral("blocker")).open(QIODevice::WriteOnly));
        SetSettingsFolder(QDir::current().filePath(QStringLiteral("blocker/settings")));
        G.EndingNo = 3, G.TargetGirl = 3;
        QVERIFY(RunEnding([] { RecordEnding(); }) && World().ended && World().boxes.size() == 1);
        QVERIFY(World().boxes[0].text.startsWith(QStringLiteral("クリアの記録を保存できませんでした。")));
        QVERIFY(World().boxes[0].text.contains(
            QDir::toNativeSeparators(QDir::current().filePath("blocker/settings/Velmor.ini"))));
        ResetWorld(1000);
        QVERIFY(QDir().mkpath(QStringLiteral("settings/Velmor.ini.lock"))); // a lock that no one can remove
        G.EndingNo = 3, G.TargetGirl = 3;
        QVERIFY(RunEnding([] { RecordEnding(); }) && World().boxes.size() == 1);
        QVERIFY(World().boxes[0].text.startsWith(
            QStringLiteral("クリアの記録を保存できませんでした。設定ファイルのロックが外れません。")));
    }

    // On a full disk (here a file-size limit) nothing that does not fit replaces what is there: the
    // player is told that the disk is full, the old save and names stay whole, and what fits is written.
    void aFullDiskKeepsTheOldFiles() {
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), SaveText(state(true))) &&
                WriteClearRecord(RecordA) && SaveSetting("Velmor", "Duskwatch", "SavedNamae", "健"));
        const auto saved = [] {
            QFile f(QStringLiteral("DBLDATA.DAT"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = saved();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), QStringLiteral("full"), QDir::currentPath()});
        QVERIFY(child.waitForFinished(60000) && child.exitCode() == 0);
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        QVERIFY2(out.contains(
                     QStringLiteral("セーブデータを書き込めませんでした。ディスクの空きが足りません。")) &&
                     out.contains(QStringLiteral("前のセーブデータはそのまま残っています。")) &&
                     out.endsWith("001\n"),
                 qPrintable(out));
        QVERIFY(saved() == before && before.size() > 60 && ReadClearRecord() == RecordB &&
                GetSetting("Velmor", "Duskwatch", "SavedNamae") == "健");
        QVERIFY(leftovers().isEmpty());
    }

    // A second copy of the game, on the same store, is refused with a message while the first runs;
    // once the first is gone, even killed, the game starts again.
    void aSecondCopyIsRefused() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir::currentPath());
        const QByteArray lock = QFile::encodeName(QDir::current().filePath(QStringLiteral("Velmor.lock")));
        const auto held = [&] {
            const int fd = ::open(lock.constData(), O_RDWR);
            const bool busy = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            return ::close(fd), busy;
        };
        const QByteArray refusal = QStringLiteral("Duskbell はもう起動しています。").toLocal8Bit();
        QProcess copies[3];
        for (QProcess &p : copies)
            p.setProcessEnvironment(env), p.setProgram(QStringLiteral(GAME_DIR "/duskbell"));
        copies[0].start();
        QVERIFY(RunUntil(held, 30000));
        copies[1].start();
        QByteArray said;
        QVERIFY(
            RunUntil([&] { return (said += copies[1].readAllStandardError()).contains(refusal); }, 30000));
        copies[1].kill(), copies[0].kill();
        QVERIFY(copies[0].waitForFinished() && copies[1].waitForFinished() && !held());
        copies[2].start();
        QVERIFY(RunUntil(held, 30000) && copies[2].state() == QProcess::Running);
        copies[2].terminate();
        QVERIFY(copies[2].waitForFinished(30000) && copies[2].exitCode() == 0 &&
                !copies[2].readAllStandardError().contains(refusal));
    }

    // The display goes away under the game, on the campus window and under its save question: the
    // afternoon is saved as the desktop's signals save it, no box is shown, and the game ends.
    void theDisplayDiesUnderTheGame() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) QSKIP("Xvfb is not installed");
        for (const char *mode : {"campus", "asking"}) {
            QProcess server, child;
            QProcessEnvironment env = onNewDisplay(server);
            QVERIFY(env.contains(QStringLiteral("DISPLAY")));
            child.setProcessEnvironment(env);
            QVERIFY2(startChild(child, mode) > 0, mode);
            server.terminate();
            QVERIFY(server.waitForFinished(30000));
            expectSavedAfternoon(child);
        }
    }

    // A real session manager (xsm) ends the session as it does on SIGTERM, with no interaction
    // allowed: its die saves the afternoon, and the close question never opens.
    void theSessionManagerSaysDie() {
        const QString xsm = QStandardPaths::findExecutable(QStringLiteral("xsm"));
        if (xsm.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("iceauth")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("Xvfb, xsm or iceauth is not installed");
        QProcess server, manager, child;
        QProcessEnvironment env = onNewDisplay(server);
        QVERIFY(env.contains(QStringLiteral("DISPLAY")));
        // The session's one start-up program tells where the manager listens.
        const QString home = QDir::current().filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        PutGameFile(QStringLiteral("home/.xsmstartup"), QFile::encodeName(home) + "/address.sh\n");
        PutGameFile(
            QStringLiteral("home/address.sh"),
            "#!/bin/sh\necho \"$SESSION_MANAGER\" >\"$HOME/a\" && mv \"$HOME/a\" \"$HOME/address\"\n");
        QFile(QStringLiteral("home/address.sh"))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        env.insert(QStringLiteral("HOME"), home);
        manager.setProcessEnvironment(env);
        manager.start(xsm, {});
        QFile address(QStringLiteral("home/address"));
        QVERIFY(RunUntil([&] { return address.exists(); }, 30000) && address.open(QIODevice::ReadOnly));
        env.insert(QStringLiteral("SESSION_MANAGER"), QString::fromLocal8Bit(address.readAll().trimmed()));
        child.setProcessEnvironment(env);
        QVERIFY(startChild(child, "campus") > 0);
        ::kill(static_cast<pid_t>(manager.processId()), SIGTERM);
        QVERIFY(manager.waitForFinished(30000));
        expectSavedAfternoon(child);
        server.terminate();
        QVERIFY(server.waitForFinished(30000));
    }

    // The desktop's signals end the game within a second: after the pick the afternoon is saved as
    // Yes would save it; on the start screen nothing is written. Killed at every point of writing both
    // files, twice over, each kill starting from what the last one left: each file is always the old
    // whole one or the new whole one, and temporary files and locks never pile up.
    void signalsAndKillsNeverLoseAFile() {
        const QString saves[] = {SaveText(state(false)), SaveText(state(true))};
        const std::tuple<const char *, int, int> cases[] = {// mode, signal, rounds
                                                            {"campus", SIGTERM, 1},
                                                            {"campus", SIGHUP, 1},
                                                            {"campus", SIGINT, 1},
                                                            {"start", SIGTERM, 1},
                                                            {"writer", SIGKILL, 12}};
        for (const auto &[cmode, sig, rounds] : cases) {
            const bool killed = sig == SIGKILL;
            if (killed)
                QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), saves[0]) && WriteClearRecord(RecordA));
            for (int round = 0; round < rounds; ++round) {
                if (!killed) QFile::remove(QStringLiteral("DblData.dat"));
                QProcess child;
                // Three points a write, two writes a round of the writer: twelve kills cover every point
                // twice.
                const QByteArray mode =
                    killed ? "writer:" + QByteArray::number(round + 1) : QByteArray(cmode);
                const qint64 pid = startChild(child, mode.constData());
                QVERIFY2(pid > 0, cmode);
                if (!killed) ::kill(static_cast<pid_t>(pid), sig);
                QVERIFY2(child.waitForFinished(5000) && (killed ? child.exitStatus() == QProcess::CrashExit
                                                                : child.exitStatus() == QProcess::NormalExit),
                         cmode);
                if (QByteArray(cmode) == "start") {
                    QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
                } else if (!killed) {
                    QVERIFY2(firstAfternoonSaved(), cmode);
                } else {
                    SetSettingsFolder(QDir::current().filePath(QStringLiteral("settings")));
                    const QString save = ReadTextFile(QStringLiteral("DblData.dat")),
                                  record = ReadClearRecord();
                    // At most the one write of each file that this kill interrupted, and its lock.
                    QVERIFY2((save == saves[0] || save == saves[1]) &&
                                 (record == RecordA || record == RecordB) && leftovers().size() <= 3,
                             qPrintable(save + '|' + record + '|' + leftovers().join(' ')));
                }
            }
        }
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--child")
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestQuitting t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_quitting.moc"
