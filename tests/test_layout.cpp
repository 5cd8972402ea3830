// Where files live: a portable folder keeps its saved game beside the program; an installed tree
// reads its data from share/games/duskbell, never writes there, and saves in the player's data folder.
#include "TestSupport.h"
#include "core/GameState.h"
#include "frontend/SaveFile.h"
#include "platform/Layout.h"
#include "platform/TextFile.h"
#include <QDirIterator>
#include <QTest>

namespace {
// Saves an afternoon, loads it back into a fresh state and says whether it came back whole.
bool saveAndContinue(const QString &expectedFile) {
    G.Myouji = QStringLiteral("山田");
    G.Namae = QStringLiteral("花子");
    G.TargetGirl = 5;
    G.GameMinute = 12;
    G.Location = 7;
    if (!WriteSaveFile() || !QFileInfo(expectedFile).isFile()) return false;
    ResetGameState();
    G.CrLf = QStringLiteral("\r\n");
    return LoadSaveFile() && G.Myouji == QStringLiteral("山田") && G.GameMinute == 12 && G.Location == 7 &&
           !QFileInfo::exists(expectedFile);
}

QStringList listing(const QString &folder) {
    QStringList all;
    for (QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo f(it.next());
        all << f.filePath() + ' ' + QString::number(f.size()) + ' ' + f.lastModified().toString(Qt::ISODateWithMs);
    }
    all.sort();
    return all;
}
} // namespace

class TestLayout : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void portableFolderKeepsEverythingBesideTheProgram() {
        const QString folder = QDir::currentPath();
        DecideLayout(folder);
        QVERIFY(GameLayout() == Layout::Portable);
        QCOMPARE(DataFolder(), folder);
        QCOMPARE(SaveFolder(), folder);
        QVERIFY(saveAndContinue(folder + "/DBLDATA.DAT"));
        // A folder with no data beside or above the program stays portable and reports what is missing.
        QTemporaryDir empty;
        DecideLayout(empty.path());
        QVERIFY(GameLayout() == Layout::Portable);
    }

    void installedTreeSavesInThePlayersDataFolder() {
        const QDir root(World().folder->path());
        root.mkpath("P/games");
        root.mkpath("P/share/games/duskbell");
        const QString data = root.filePath("P/share/games/duskbell");
        const QDir game(QStringLiteral(GAME_DIR));
        for (const QString &f : game.entryList(QDir::Files)) QVERIFY(QFile::copy(game.filePath(f), data + '/' + f));
        qputenv("XDG_DATA_HOME", root.filePath("home/data").toUtf8());
        QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const QStringList before = listing(data);

        DecideLayout(root.filePath("P/games"));
        QVERIFY(GameLayout() == Layout::Installed);
        QCOMPARE(DataFolder(), data);
        QCOMPARE(SaveFolder(), root.filePath("home/data/duskbell"));
        QVERIFY(QDir::setCurrent(DataFolder()));
        QVERIFY(saveAndContinue(root.filePath("home/data/duskbell/DBLDATA.DAT")));
        QCOMPARE(listing(data), before);
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
