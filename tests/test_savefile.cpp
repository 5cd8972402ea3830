// The game's text files: case-blind names, code page 932, fields, numbers and numeric values. The saved
// afternoon: 17 CR LF lines in code page 932, written atomically, read back exactly once, a damaged file
// refused and kept.
#include "TestSupport.h"
#include "core/Prologue.h"
#include "frontend/SaveFile.h"
#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace {
QByteArray fileBytes() {
    QFile f(FindFile(QStringLiteral("DblData.dat")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void sampleState() {
    G.Myouji = QStringLiteral("山田"), G.Namae = QStringLiteral("太郎"), G.GameMinute = 12, G.TargetGirl = 3,
    G.Location = 7;
    G.Affection = {0, 0, 4, -3, 10, 2, 1};
    G.MetFlag = {0, 1, 0, 0, 0, 0, 1};
}
// What the save carries.
auto saved(const GameState &g) {
    return std::tuple(g.Myouji, g.Namae, g.GameMinute, g.Affection, g.MetFlag, g.TargetGirl, g.Location);
}
} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void namesMatchWithoutRegardToCase() {
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), QStringLiteral("x\r\n")));
        QVERIFY(FileExists(QStringLiteral("DblData.dat")) && FileExists(QStringLiteral("dbldata.dat")));
        // Writing under another spelling replaces the one file rather than making a second.
        QVERIFY(WriteTextFile(QStringLiteral("dbldata.dat"), QStringLiteral("y\r\n")));
        QCOMPARE(QDir().entryList({QStringLiteral("dbldata*")}, QDir::Files).size(),
                 1); // filters ignore case
        QCOMPARE(ReadTextFile(QStringLiteral("DblData.DAT")), QStringLiteral("y\r\n"));
        KillFile(QStringLiteral("DBLDATA.dat"));
        QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
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
        QVERIFY(ReadTextFile(QStringLiteral("missing.txt"), &status).isEmpty() &&
                status == FileStatus::Missing);
        // Half a two-byte character at the end, and a byte that is no character: damaged, not missing,
        // and nothing half-decoded is handed on.
        for (const QByteArray &bad : {raw.left(raw.size() - 3), QByteArray("ab\xa0"
                                                                           "cd\r\n")}) {
            PutGameFile(QStringLiteral("t.txt"), bad);
            QVERIFY(ReadTextFile(QStringLiteral("t.txt"), &status).isEmpty() &&
                    status == FileStatus::Damaged);
        }
        // What code page 932 cannot hold is refused, and no file is left.
        QVERIFY(CanEncodeCp932(QStringLiteral("山田　太郎ＡＢＣ～")));
        for (const QString s : {"Ω😀", "한국"})
            QVERIFY(!CanEncodeCp932(s));
        QVERIFY(!WriteTextFile(QStringLiteral("bad.txt"), QStringLiteral("😀")) &&
                !FileExists(QStringLiteral("bad.txt")));
    }

    void numericValueAndFields() {
        for (auto [text, value] : {std::pair{" 1 2x", 12}, {"-2", -2}, {"あ12", 0}})
            QVERIFY2(Val(QString::fromUtf8(text)) == value, text);
        FieldReader r(QStringLiteral("14A,101, 102\r\n  \"a, b\"tail,c d \r\n-7 x\r\nlast"));
        QCOMPARE(r.ReadField(), QStringLiteral("14A"));
        QVERIFY(r.ReadNumber() == 101 && r.ReadNumber() == 102);
        QCOMPARE(r.ReadField(), QStringLiteral("a, b")); // quotes keep the comma, the tail is dropped
        QCOMPARE(r.ReadField(), QStringLiteral("c d ")); // trailing blanks stay
        QCOMPARE(r.ReadNumber(), -7);                    // the rest of the field is consumed
        QCOMPARE(r.ReadField(), QStringLiteral("last"));
        QVERIFY(r.AtEnd() && r.ReadField().isEmpty()); // reading past the end gives nothing and never hangs
    }

    // Byte for byte, kept when a write fails; read back into a fresh state, the file used up; names of blanks
    // and commas kept.
    void writesTheSeventeenLinesAndReadsThemBackOnce() {
        sampleState();
        QVERIFY(WriteSaveFile());
        const QByteArray bytes("\x8e\x52\x93\x63\r\n" // 山田
                               "\x91\xbe\x98\x59\r\n" // 太郎
                               " 12 \r\nH\r\nL\r\nE\r\nR\r\nJ\r\nI\r\n"
                               " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n 7 \r\n");
        QCOMPARE(fileBytes(), bytes);
        G.Myouji = QStringLiteral("😀"); // not in the file's code page: refused, the old save kept
        QVERIFY(!WriteSaveFile() && World().boxes.size() == 1 && fileBytes() == bytes);
        World().boxes.clear();
        for (const QString name : {"山田", " 先頭に空白", "カンマ,入り", "　", "   "}) {
            sampleState();
            G.Myouji = G.Namae = name;
            QVERIFY(WriteSaveFile());
            const GameState before = G;
            ResetGameState();
            G.CrLf = QStringLiteral("\r\n");
            G.PhoneCount = 2; // not part of the save: kept as it is
            QVERIFY(LoadSaveFile());
            QVERIFY2(saved(G) == saved(before) && G.PhoneCount == 2 && !FileExists("dbldata.dat") &&
                         World().boxes.empty(),
                     qPrintable(name));
        }
    }

    // Only what the writer itself writes is taken: anything else is refused, named damaged and kept.
    void damagedFilesAreRefusedAndKept() {
        const QByteArray base("a\r\nb\r\n 12 \r\nH\r\nL\r\nE\r\nR\r\nJ\r\nI\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n "
                              "0 \r\n 1 \r\n 3 \r\n 7 \r\n");
        QList<QByteArray> damaged = {QByteArray(), base.left(17), base + "extra\r\n",
                                     QByteArray(base).replace("\r\n", "\n")};
        const std::pair<int, QByteArray> lines[] = {{2, " xx "}, {16, " 9 "}, {2, "12"},   {2, " +12 "},
                                                    {3, ""},     {3, " "},    {15, " 0 "}, // no pick yet
                                                    {0, "a\tb"}, {0, "\"a"},  {1, "\x82"}, {0, "\x83\x7f"},
                                                    {9, " 2 "},  {16, " 8 "}};
        for (const auto &[line, bytes] : lines) {
            QList<QByteArray> l = base.split('\n');
            l[line] = bytes + "\r";
            damaged << l.join('\n');
        }
        for (const QByteArray &bytes : damaged) {
            QFile f(QStringLiteral("DblData.dat"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
            f.close();
            sampleState();
            World().boxes.clear();
            QVERIFY2(!LoadSaveFile(), bytes.constData());
            QVERIFY(World().boxes.size() == 1 && World().boxes[0].text.contains(QStringLiteral("壊れて")));
            QCOMPARE(fileBytes(), bytes); // left in place untouched
            QVERIFY(G.GameMinute == 12 && G.Myouji == "山田");
        }
        PutGameFile(QStringLiteral("DblData.dat"), base);
        QVERIFY(LoadSaveFile()); // the lines that were spoiled above are good as they stand
        // What no save can be: a device, a pipe that nobody writes, a file of 400 MB. Refused at once,
        // never read whole (the first two never end), and left where they are.
        const std::function<bool()> puts[] = {
            [] { return QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("DblData.dat")); },
            [] { return ::mkfifo("DblData.dat", 0644) == 0; },
            [] {
                QFile f(QStringLiteral("DblData.dat"));
                return f.open(QIODevice::WriteOnly) && f.resize(400 << 20);
            }};
        for (const auto &put : puts) {
            World().boxes.clear();
            QVERIFY(put() && FileExists(QStringLiteral("dbldata.dat")) && !LoadSaveFile() &&
                    FileExists(QStringLiteral("DblData.dat")));
            QVERIFY(World().boxes.size() == 1 && World().boxes[0].text.contains(QStringLiteral("壊れて")));
            KillFile(QStringLiteral("DblData.dat"));
        }
    }

    // A phone call can hold the clock past five; such a save reads back and resumes at "5:00 PM".
    // Liking beyond what one character carries is written as the nearest value that reads back.
    void heldClockAndExtremeLikingReadBack() {
        sampleState();
        G.GameMinute = 32;
        G.Affection = {0, 60, -40, 54, -27, 0, 0};
        QVERIFY(WriteSaveFile() && LoadSaveFile());
        QVERIFY(G.GameMinute == 32 && G.Affection == (std::array<Integer, 7>{0, 54, -27, 54, -27, 0, 0}));
        BeginAfternoon(true);
        QCOMPARE(Win<DblMain>().lblClock->Caption(), QStringLiteral("5:00 PM"));
    }
};

QTEST_MAIN(TestSaveFile)
#include "test_savefile.moc"
