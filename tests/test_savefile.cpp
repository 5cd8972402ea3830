// The saved afternoon: 17 CR LF lines in code page 932, written atomically, read back exactly once,
// and a damaged file refused and kept.
#include "TestSupport.h"
#include "core/GameState.h"
#include "frontend/SaveFile.h"
#include "platform/TextFile.h"
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

    void damagedFilesAreRefusedAndKept() {
        const QList<QByteArray> damaged = {
            QByteArray(),
            QByteArray("a\r\nb\r\n 12 \r\n"),                                           // short
            QByteArray("a\r\nb\r\n xx \r\nH\r\nH\r\nH\r\nH\r\nH\r\nH\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n"),
            QByteArray("a\r\nb\r\n 12 \r\nH\r\nH\r\nH\r\nH\r\nH\r\nH\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 9 \r\n"),
            QByteArray("a\r\nb\r\n 12 \r\n\r\nH\r\nH\r\nH\r\nH\r\nH\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n"),
        };
        for (const QByteArray &bytes : damaged) {
            QFile f(QStringLiteral("DblData.dat"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.close();
            sampleState();
            const GameState before = G;
            World().boxes.clear();
            QVERIFY(!LoadSaveFile());
            QCOMPARE(World().boxes.size(), size_t(1));
            QVERIFY(World().boxes[0].text.contains(QStringLiteral("壊れて")));
            QCOMPARE(fileBytes(), bytes);  // left in place untouched
            QCOMPARE(G.GameMinute, before.GameMinute);
            QCOMPARE(G.Myouji, before.Myouji);
        }
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
