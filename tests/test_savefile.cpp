// The saved afternoon: 17 CR LF lines in code page 932, written atomically, read back exactly once,
// and a damaged file refused and kept.
#include "TestSupport.h"
#include "core/GameState.h"
#include "frontend/SaveFile.h"
#include "platform/TextFile.h"
#include "core/DblMain.h"
#include "core/Prologue.h"
#include <QFile>
#include <QTest>

namespace {
QByteArray fileBytes() {
    QFile f(FindFile(QStringLiteral("DblData.dat")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void sampleState() {
    G.Myouji = QStringLiteral("山田");
    G.Namae = QStringLiteral("太郎");
    G.GameMinute = 12;
    G.Affection = {0, 0, 4, -3, 10, 2, 1};
    G.MetFlag = {0, 1, 0, 0, 0, 0, 1};
    G.TargetGirl = 3;
    G.Location = 7;
}
} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void writesTheSeventeenLinesByteForByte() {
        sampleState();
        QVERIFY(WriteSaveFile());
        QByteArray expected = QByteArray("\x8e\x52\x93\x63\r\n"  // 山田
                                         "\x91\xbe\x98\x59\r\n"  // 太郎
                                         " 12 \r\nH\r\nL\r\nE\r\nR\r\nJ\r\nI\r\n"
                                         " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n 7 \r\n");
        QCOMPARE(fileBytes(), expected);
    }

    void readsBackAndDeletesTheFile() {
        sampleState();
        QVERIFY(WriteSaveFile());
        const GameState saved = G;
        ResetGameState();
        G.CrLf = QStringLiteral("\r\n");
        G.PhoneCount = 2;  // not part of the save: kept as it is
        QVERIFY(LoadSaveFile());
        QCOMPARE(G.Myouji, saved.Myouji);
        QCOMPARE(G.Namae, saved.Namae);
        QCOMPARE(G.GameMinute, saved.GameMinute);
        QVERIFY(G.Affection == saved.Affection);
        QVERIFY(G.MetFlag == saved.MetFlag);
        QCOMPARE(G.MetFlag[6], Integer(1));  // the last met flag is line 15
        QCOMPARE(G.TargetGirl, saved.TargetGirl);
        QCOMPARE(G.Location, saved.Location);
        QCOMPARE(G.PhoneCount, Integer(2));
        QVERIFY(!FileExists(QStringLiteral("dbldata.dat")));
        QVERIFY(World().boxes.empty());
    }

    void awkwardNamesSurviveTheRoundTrip() {
        const QStringList names = {QStringLiteral(" 先頭に空白"), QStringLiteral("カンマ,入り"), QStringLiteral("　"),
                                   QStringLiteral("   ")};
        for (const QString &name : names) {
            sampleState();
            G.Myouji = name;
            G.Namae = name;
            QVERIFY(WriteSaveFile());
            G.Myouji.clear();
            G.Namae.clear();
            QVERIFY(LoadSaveFile());
            QCOMPARE(G.Myouji, name);
            QCOMPARE(G.Namae, name);
        }
    }

    // Only what the writer itself writes is taken: anything else is refused, named damaged and kept.
    void damagedFilesAreRefusedAndKept() {
        const QByteArray base("a\r\nb\r\n 12 \r\nH\r\nL\r\nE\r\nR\r\nJ\r\nI\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n 7 \r\n");
        QList<QByteArray> damaged = {QByteArray(), base.left(17), base + "extra\r\n", QByteArray(base).replace("\r\n", "\n")};
        const std::pair<int, QByteArray> lines[] = {
            {2, " xx "}, {16, " 9 "}, {2, "12"}, {2, " +12 "}, {3, ""}, {3, " "}, {15, " 0 "},  // no pick yet
            {0, "a\tb"}, {0, "\"a"}, {1, "\x82"}, {0, "\x83\x7f"}, {9, " 2 "}, {16, " 8 "}};
        for (const auto &[line, bytes] : lines) {
            QList<QByteArray> l = base.split('\n');
            l[line] = bytes + "\r";
            damaged << l.join('\n');
        }
        for (const QByteArray &bytes : damaged) {
            QFile f(QStringLiteral("DblData.dat"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.close();
            sampleState();
            const GameState before = G;
            World().boxes.clear();
            QVERIFY2(!LoadSaveFile(), bytes.constData());
            QCOMPARE(World().boxes.size(), size_t(1));
            QVERIFY(World().boxes[0].text.contains(QStringLiteral("壊れて")));
            QCOMPARE(fileBytes(), bytes);  // left in place untouched
            QCOMPARE(G.GameMinute, before.GameMinute);
            QCOMPARE(G.Myouji, before.Myouji);
        }
        QFile f(QStringLiteral("DblData.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(base) == base.size());
        f.close();
        QVERIFY(LoadSaveFile());  // the lines that were spoiled above are good as they stand
    }

    // A phone call can hold the clock past five; such a save reads back and resumes at "5:00 PM".
    // Liking beyond what one character carries is written as the nearest value that reads back.
    void heldClockAndExtremeLikingReadBack() {
        sampleState();
        G.GameMinute = 32;
        G.Affection = {0, 60, -40, 54, -27, 0, 0};
        QVERIFY(WriteSaveFile());
        QVERIFY(LoadSaveFile());
        QCOMPARE(G.GameMinute, Integer(32));
        QVERIFY(G.Affection == (std::array<Integer, 7>{0, 54, -27, 54, -27, 0, 0}));
        BeginAfternoon(true);
        QCOMPARE(Win<DblMain>().lblClock->text(), QStringLiteral("5:00 PM"));
    }

    void aFailedWriteKeepsTheOldSave() {
        sampleState();
        QVERIFY(WriteSaveFile());
        const QByteArray old = fileBytes();
        G.Myouji = QStringLiteral("😀");  // cannot be written in the file's code page
        QVERIFY(!WriteSaveFile());
        QCOMPARE(World().boxes.size(), size_t(1));
        QCOMPARE(fileBytes(), old);
    }
};

QTEST_MAIN(TestSaveFile)
#include "test_savefile.moc"
