// Nothing a player or the desktop does loses the afternoon or the record: close boxes at awkward
// moments, folders that refuse writes, dead locks and leftovers, signals, and kills in mid-write.
#include "EndingSupport.h"
#include "core/Choices.h"
#include "core/Main.h"
#include "core/Prologue.h"
#include "ending/ClearRecord.h"
#include "ending/DblEnding.h"
#include "ending/Ending.h"
#include "ending/EpilogueLines.h"
#include "frontend/DblStart.h"
#include "frontend/SaveFile.h"
#include "platform/Settings.h"
#include "sound/Music.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <csignal>

namespace {
// Free at a place after the pick with the clock running; every girl met, so nothing else happens.
DblMain &freeAt(int minute) {
    G.Myouji = QStringLiteral("佐々木");
    G.Namae = QStringLiteral("健");
    G.Location = 3;
    G.GameMinute = static_cast<Integer>(minute);
    G.TargetGirl = 2;
    G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
    G.Affection = {0, 0, 9, 0, 0, 0, 0};
    G.PhoneCount = 5;
    StartClock();
    Win<DblMain>().Show();
    return Win<DblMain>();
}

// Answers the next message box only after the event loop has run for a while under it.
void answerLate(MsgAnswer answer, int ms) {
    SetMsgBoxHook([answer, ms](const MsgBoxRequest &r) {
        World().boxes.push_back(r);
        RunUntil([] { return false; }, ms);
        return answer;
    });
}

// The afternoons a child process keeps on writing, and the two records.
GameState stateA() {
    GameState g;
    g.Myouji = QStringLiteral(" 山,田");
    g.Namae = QStringLiteral("太郎");
    g.GameMinute = 7;
    g.Affection = {0, 1, 2, 3, 4, 5, 6};
    g.TargetGirl = 1;
    g.Location = 2;
    return g;
}
GameState stateB() {
    GameState g = stateA();
    g.Namae = QStringLiteral("花子さん");
    g.GameMinute = 32;
    g.MetFlag = {0, 1, 1, 1, 1, 1, 1};
    g.TargetGirl = 6;
    return g;
}
const QString RecordA = QStringLiteral("鶴1鷹2"), RecordB = QStringLiteral("鶴3鷹2蘭1楓1");

// A child process of this test in the folder: "campus", "start" or "writer".
int runChild(const QString &mode, const QString &folder) {
    QDir::setCurrent(folder);
    SetSettingsFolder(folder + QStringLiteral("/settings"));
    G.CrLf = QStringLiteral("\r\n");
    // The game's own order: our handlers first, then the sound system that would take them.
    OnQuitSignals(EndAtDesktopRequest);
    StartMusicSystem();
    while (!SoundfontReady()) QThread::msleep(5);
    CleanSaveLeftovers();
    if (mode == QLatin1String("campus")) {
        G = stateA();
        G.CrLf = QStringLiteral("\r\n");
        BeginAfternoon(true);
    } else if (mode == QLatin1String("start")) {
        Win<DblStart>().Show();
    }
    std::printf("ready\n");
    std::fflush(stdout);
    if (mode == QLatin1String("writer")) {
        for (bool a = false;; a = !a) {
            G = a ? stateA() : stateB();
            StoreSaveFile();
            WriteClearRecord(a ? RecordA : RecordB);
        }
    }
    return QApplication::exec();
}

// Starts a child in the test's folder and waits until it is ready; its process id, or 0.
qint64 startChild(QProcess &p, const char *mode) {
    p.setProgram(QCoreApplication::applicationFilePath());
    p.setArguments({QStringLiteral("--child"), QString::fromLatin1(mode), QDir::currentPath()});
    p.start();
    if (!p.waitForStarted(5000)) return 0;
    while (!p.canReadLine())
        if (!p.waitForReadyRead(10000)) return 0;
    return p.readLine() == "ready\n" ? p.processId() : 0;
}

QStringList leftovers() {
    return QDir::current().entryList({QStringLiteral("DBLDATA.DAT.*")}, QDir::Files) +
           QDir(QStringLiteral("settings")).entryList({QStringLiteral("Velmor.ini.*")}, QDir::Files);
}
} // namespace

class TestQuitting : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(6000); }  // a game minute in 10 ms

    // At 4:59 PM the save question stays open over several minutes' worth of ticks: the gate waits.
    void theSaveQuestionHoldsTheClock() {
        for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Yes}) {
            ResetWorld(6000);
            DblMain &m = freeAt(29);
            answerLate(answer, 100);
            const bool ended = RunEnding([&] { CloseBox(&m); });
            QVERIFY(World().boxes.size() == 1 && G.GameMinute == 29 && G.Mode == ModeFree);
            if (answer == MsgAnswer::Yes) {
                QVERIFY(ended && World().ended && LoadSaveFile() && G.GameMinute == 29 && G.Namae == "健");
                continue;
            }
            // Cancel: the next tick brings the gate.
            QVERIFY(!ended && IsLoaded<DblMain>());
            Later([] { if (G.Mode == ModeEnding) LeaveGame(); }, 50);
            QVERIFY(RunEnding([] { RunUntil([] { return false; }, 3000); }) && G.GameMinute == 30);
        }
    }

    // A folder that refuses the save: a true message, and the afternoon goes on until a save is written.
    void aSaveThatCannotBeWrittenKeepsThePlayerIn() {
        DblMain &m = freeAt(12);
        QVERIFY(QDir().mkdir(QStringLiteral("DBLDATA.DAT")));  // where the file should go, something that is no file
        World().answers = {MsgAnswer::Yes};
        QVERIFY(!RunEnding([&] { CloseBox(&m); }));
        QVERIFY(World().boxes.size() == 2 && World().boxes[1].text.contains(QStringLiteral("書き込めませんでした")));
        QVERIFY(!World().boxes[1].text.contains(QStringLiteral("前のセーブデータ")));  // there was none
        QVERIFY(IsLoaded<DblMain>() && m.Timer1->Enabled() && G.Mode == ModeFree);
        QVERIFY(QDir().rmdir(QStringLiteral("DBLDATA.DAT")));
        World().answers = {MsgAnswer::Yes};
        QVERIFY(RunEnding([&] { CloseBox(&m); }) && FileExists(QStringLiteral("DblData.dat")));
    }

    // The gesture at 4:59 PM starts the gate inside its own mouse press; the gate's lines are then
    // clicked through, the gesture again does nothing, and closing the staff roll still records.
    void fromTheGestureToAClosedRoll() {
        ResetWorld(100);  // the clock never ticks on its own here; a roll step in 30 ms
        UseCodedPictures();
        DblMain &m = freeAt(29);
        Player player;
        std::vector<Shown> lines;
        WriteDown(player, lines, true);
        bool gestured = false;
        player.BeforeClick = [&, write = player.BeforeClick] {
            write();
            if (!gestured) {
                gestured = true;
                PressOn(m.KaKushiDummy, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
            }
        };
        std::function<void()> closeRoll = [&] {
            if (IsLoaded<DblEnding>() && Win<DblEnding>().isVisible() && Win<DblEnding>().Step >= 3)
                CloseBox(&Win<DblEnding>());
            else
                Later(closeRoll, 10);
        };
        Later(closeRoll, 10);
        QVERIFY(RunEnding([&] { PressOn(m.KaKushiDummy, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier); }));
        QVERIFY(World().ended && gestured && G.EndingNo == 2);
        const auto gateLines = std::count_if(lines.begin(), lines.end(), [](const Shown &l) { return l.code == "C80C"; });
        QCOMPARE(gateLines, 3);  // once: the gate, the voice from behind, the greeting
        QCOMPARE(lines.back().text, QString::fromUtf16(EpilogueLines[2].back()));
        QCOMPARE(ReadClearRecord(), EndingChar(2) + QStringLiteral("2"));
    }

    // A settings folder that refuses writes: the player is told where the record should have gone.
    void aRecordThatCannotBeStoredIsReported() {
        ResetWorld(1000);
        QFile blocker(QStringLiteral("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SetSettingsFolder(QDir::current().filePath(QStringLiteral("blocker/settings")));
        G.EndingNo = 3;
        G.TargetGirl = 3;
        QVERIFY(RunEnding([] { RecordEnding(); }) && World().ended && World().boxes.size() == 1);
        QVERIFY(World().boxes[0].text.startsWith(QStringLiteral("クリアの記録を保存できませんでした。")));
        QVERIFY(World().boxes[0].text.contains(QDir::toNativeSeparators(QDir::current().filePath("blocker/settings/Velmor.ini"))));
    }

    // Leftovers of killed writes go, a dead lock costs nothing, and a record another tool wrote with
    // commas is kept and added to.
    void leftoversLocksAndForeignRecords() {
        QFile::copy(QStringLiteral("M00C.mid"), QStringLiteral("DBLDATA.DAT.aB3dE9"));
        QFile(QStringLiteral("settings/Velmor.ini.lock")).open(QIODevice::WriteOnly);  // empty: its writer died
        QFile::copy(QStringLiteral("M00C.mid"), QStringLiteral("settings/Velmor.ini.Zz09Yy"));
        QFile ini(QStringLiteral("settings/Velmor.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Duskwatch]\nCString=鶴1,鷹2\n");
        ini.close();
        QFile lock(QStringLiteral("settings/Velmor.ini.lock"));
        QVERIFY(lock.open(QIODevice::ReadWrite) &&
                lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        lock.close();
        SetSettingsFolder(QDir::current().filePath(QStringLiteral("settings")));
        CleanSaveLeftovers();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ReadClearRecord(), QStringLiteral("鶴1,鷹2"));
        QVERIFY(WriteClearRecord(AddClear(ReadClearRecord(), 9, LevelConfessed)));
        QVERIFY2(clock.elapsed() < 10000, "a dead lock held the store for half a minute");
        SetSettingsFolder(QDir::current().filePath(QStringLiteral("settings")));
        QCOMPARE(ReadClearRecord(), QStringLiteral("鶴1,鷹2蘭1"));
        QVERIFY(leftovers().isEmpty());
    }

    // The desktop's signals end the game within a second: after the pick the afternoon is saved as
    // Yes would save it; on the start screen nothing is written.
    void signalsEndTheGameAndSaveTheAfternoon() {
        const std::pair<const char *, int> cases[] = {
            {"campus", SIGTERM}, {"campus", SIGHUP}, {"campus", SIGINT}, {"start", SIGTERM}};
        for (auto [mode, sig] : cases) {
            QFile::remove(QStringLiteral("DblData.dat"));
            QProcess child;
            const qint64 pid = startChild(child, mode);
            QVERIFY2(pid > 0, mode);
            ::kill(static_cast<pid_t>(pid), sig);
            QVERIFY2(child.waitForFinished(1000), mode);
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            if (QByteArray(mode) == "start") {
                QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
                continue;
            }
            ResetGameState();
            G.CrLf = QStringLiteral("\r\n");
            QVERIFY(LoadSaveFile());
            const GameState a = stateA();
            QVERIFY(G.Myouji == a.Myouji && G.GameMinute == a.GameMinute && G.Affection == a.Affection &&
                    G.TargetGirl == a.TargetGirl && G.Location == a.Location);
        }
    }

    // Killed at random moments while writing both files, over and over: each file is always the old
    // whole one or the new whole one, and temporary files never pile up.
    void killsInMidWriteLeaveWholeFiles() {
        const QString saves[] = {SaveText(stateA()), SaveText(stateB())};
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), saves[0]) && WriteClearRecord(RecordA));
        for (int round = 0; round < 40; ++round) {
            QProcess child;
            const qint64 pid = startChild(child, "writer");
            QVERIFY(pid > 0);
            QTest::qWait(QRandomGenerator::global()->bounded(1, 30));
            ::kill(static_cast<pid_t>(pid), SIGKILL);
            QVERIFY(child.waitForFinished(5000));
            const QString save = ReadTextFile(QStringLiteral("DblData.dat"));
            QVERIFY2(save == saves[0] || save == saves[1], qPrintable(save));
            // At most the one write of each file that this kill interrupted, and its lock.
            QVERIFY2(leftovers().size() <= 3, qPrintable(leftovers().join(' ')));
            SetSettingsFolder(QDir::current().filePath(QStringLiteral("settings")));
            const QString record = ReadClearRecord();
            QVERIFY2(record == RecordA || record == RecordB, qPrintable(record));
        }
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--child") return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestQuitting t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_quitting.moc"
