// Reading the game's text files: case-blind names, code page 932, fields, numbers and numeric values.
#include "TestSupport.h"
#include "platform/TextFile.h"
#include <QDir>
#include <QFile>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void namesMatchWithoutRegardToCase() {
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), QStringLiteral("x\r\n")));
        QVERIFY(FileExists(QStringLiteral("DblData.dat")));
        QVERIFY(FileExists(QStringLiteral("dbldata.dat")));
        // Writing under another spelling replaces the one file rather than making a second.
        QVERIFY(WriteTextFile(QStringLiteral("dbldata.dat"), QStringLiteral("y\r\n")));
        const QStringList saves =
            QDir::current().entryList(QDir::Files).filter(QStringLiteral("dbldata"), Qt::CaseInsensitive);
        QCOMPARE(saves.size(), 1);
        QCOMPARE(ReadTextFile(QStringLiteral("DblData.DAT")), QStringLiteral("y\r\n"));
        KillFile(QStringLiteral("DBLDATA.dat"));
        QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
        KillFile(QStringLiteral("DblData.dat"));  // deleting what is not there is harmless
    }

    void textIsCodePage932OnDisk() {
        const QString text = QStringLiteral("白石　玲奈、～①\r\n");
        QVERIFY(WriteTextFile(QStringLiteral("t.txt"), text));
        QFile f(QStringLiteral("t.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        f.close();
        QCOMPARE(raw.left(2), QByteArray("\x94\x92"));  // 白 in Shift-JIS
        QCOMPARE(raw.size(), 8 * 2 + 2);  // eight double-byte characters and CR LF
        FileStatus status;
        QCOMPARE(ReadTextFile(QStringLiteral("T.TXT"), &status), text);
        QCOMPARE(status, FileStatus::Ok);
        ReadTextFile(QStringLiteral("missing.txt"), &status);
        QCOMPARE(status, FileStatus::Missing);
        // Half a two-byte character at the end, and a byte that is no character: damaged, not missing,
        // and nothing half-decoded is handed on.
        for (const QByteArray &bad : {raw.left(raw.size() - 3), QByteArray("ab\xa0" "cd\r\n")}) {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bad);
            f.close();
            QCOMPARE(ReadTextFile(QStringLiteral("t.txt"), &status), QString());
            QCOMPARE(status, FileStatus::Damaged);
        }
    }

    void encodabilityIsExact() {
        QVERIFY(CanEncodeCp932(QStringLiteral("山田　太郎ＡＢＣ～")));
        QVERIFY(!CanEncodeCp932(QStringLiteral("Ω😀")));
        QVERIFY(!CanEncodeCp932(QStringLiteral("한국")));
        QVERIFY(!WriteTextFile(QStringLiteral("bad.txt"), QStringLiteral("😀")));
        QVERIFY(!FileExists(QStringLiteral("bad.txt")));
    }

    void numericValue() {
        QCOMPARE(Val(QStringLiteral("012")), 12);
        QCOMPARE(Val(QStringLiteral("+3")), 3);
        QCOMPARE(Val(QStringLiteral("-2")), -2);
        QCOMPARE(Val(QString()), 0);
        QCOMPARE(Val(QStringLiteral(" 1 2x")), 12);
        QCOMPARE(Val(QStringLiteral("12あ")), 12);
        QCOMPARE(Val(QStringLiteral("あ12")), 0);
        QCOMPARE(Val(QStringLiteral("05")), 5);
    }

    void fieldsAndNumbers() {
        FieldReader r(QStringLiteral("14A,101, 102\r\n  \"a, b\"tail,c d \r\n-7 x\r\nlast"));
        QCOMPARE(r.ReadField(), QStringLiteral("14A"));
        QCOMPARE(r.ReadNumber(), 101);
        QCOMPARE(r.ReadNumber(), 102);
        QCOMPARE(r.ReadField(), QStringLiteral("a, b"));  // quotes keep the comma, the tail is dropped
        QCOMPARE(r.ReadField(), QStringLiteral("c d "));  // trailing blanks stay
        QCOMPARE(r.ReadNumber(), -7);                    // the rest of the field is consumed
        QCOMPARE(r.ReadField(), QStringLiteral("last"));
        QVERIFY(r.AtEnd());
        QCOMPARE(r.ReadField(), QString());  // reading past the end gives nothing and never hangs
    }
};

QTEST_MAIN(TestTextFile)
#include "test_textfile.moc"
