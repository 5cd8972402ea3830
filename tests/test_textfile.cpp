// Reading the game's text files: case-blind names, code page 932, fields, numbers and numeric values.
#include "TestSupport.h"
#include <QDir>
#include <QFile>

class TestTextFile : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void namesMatchWithoutRegardToCase() {
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), QStringLiteral("x\r\n")));
        QVERIFY(FileExists(QStringLiteral("DblData.dat")) && FileExists(QStringLiteral("dbldata.dat")));
        // Writing under another spelling replaces the one file rather than making a second.
        QVERIFY(WriteTextFile(QStringLiteral("dbldata.dat"), QStringLiteral("y\r\n")));
        QCOMPARE(QDir::current().entryList(QDir::Files).filter(QStringLiteral("dbldata"), Qt::CaseInsensitive).size(), 1);
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
        // 白 in Shift-JIS; eight double-byte characters and CR LF.
        QVERIFY(raw.startsWith("\x94\x92") && raw.size() == 8 * 2 + 2);
        FileStatus status;
        QVERIFY(ReadTextFile(QStringLiteral("T.TXT"), &status) == text && status == FileStatus::Ok);
        ReadTextFile(QStringLiteral("missing.txt"), &status);
        QCOMPARE(status, FileStatus::Missing);
        // Half a two-byte character at the end, and a byte that is no character: damaged, not missing,
        // and nothing half-decoded is handed on.
        for (const QByteArray &bad : {raw.left(raw.size() - 3), QByteArray("ab\xa0" "cd\r\n")}) {
            PutGameFile(QStringLiteral("t.txt"), bad);
            QVERIFY(ReadTextFile(QStringLiteral("t.txt"), &status).isEmpty() && status == FileStatus::Damaged);
        }
        // What code page 932 cannot hold is refused, and no file is left.
        QVERIFY(CanEncodeCp932(QStringLiteral("山田　太郎ＡＢＣ～")));
        for (const QString s : {"Ω😀", "한국"}) QVERIFY(!CanEncodeCp932(s));
        QVERIFY(!WriteTextFile(QStringLiteral("bad.txt"), QStringLiteral("😀")) && !FileExists(QStringLiteral("bad.txt")));
    }

    void numericValueAndFields() {
        for (auto [text, value] : {std::pair{"012", 12}, {"+3", 3}, {"-2", -2}, {"", 0}, {" 1 2x", 12}, {"12あ", 12},
                                   {"あ12", 0}, {"05", 5}})
            QVERIFY2(Val(QString::fromUtf8(text)) == value, text);
        FieldReader r(QStringLiteral("14A,101, 102\r\n  \"a, b\"tail,c d \r\n-7 x\r\nlast"));
        QCOMPARE(r.ReadField(), QStringLiteral("14A"));
        QVERIFY(r.ReadNumber() == 101 && r.ReadNumber() == 102);
        QCOMPARE(r.ReadField(), QStringLiteral("a, b"));  // quotes keep the comma, the tail is dropped
        QCOMPARE(r.ReadField(), QStringLiteral("c d "));  // trailing blanks stay
        QCOMPARE(r.ReadNumber(), -7);                    // the rest of the field is consumed
        QCOMPARE(r.ReadField(), QStringLiteral("last"));
        QVERIFY(r.AtEnd() && r.ReadField().isEmpty());  // reading past the end gives nothing and never hangs
    }
};

QTEST_MAIN(TestTextFile)
#include "test_textfile.moc"
