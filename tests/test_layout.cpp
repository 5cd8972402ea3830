// Where files live: a portable folder keeps its saved game beside the program; an installed tree
// reads its data from share/games/duskbell, never writes there, and saves in the player's data folder.
#include "TestSupport.h"
#include "frontend/SaveFile.h"
#include "platform/Layout.h"
#include "platform/Settings.h"
#include <QDirIterator>

namespace {
QStringList listing(const QString &folder) {
    QStringList all;
    for (QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo f(it.next());
        all << f.filePath() + ' ' + QString::number(f.size()) + ' ' +
                   f.lastModified().toString(Qt::ISODateWithMs);
    }
    all.sort();
    return all;
}
} // namespace

class TestLayout : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    // In either layout an afternoon is saved where it belongs and comes back whole from there.
    void eachLayoutSavesWhereItBelongs() {
        const QDir root(World().folder->path()), game(QStringLiteral(GAME_DIR));
        const QString data = root.filePath("P/share/games/duskbell"),
                      home = root.filePath("home/data/duskbell");
        QVERIFY(root.mkpath("P/games") && root.mkpath(data));
        for (const QString &f : game.entryList(QDir::Files))
            QVERIFY(QFile::copy(game.filePath(f), data + '/' + f));
        qputenv("XDG_DATA_HOME", root.filePath("home/data").toUtf8());
        QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const QStringList before = listing(data);
        const std::tuple<QString, Layout, QString, QString> cases[] = {
            // program, layout, data, save
            {root.path(), Layout::Portable, root.path(), root.path()},
            {root.filePath("P/games"), Layout::Installed, data, home}};
        for (const auto &[program, layout, dataAt, save] : cases) {
            DecideLayout(program);
            QVERIFY(GameLayout() == layout && DataFolder() == dataAt && SaveFolder() == save &&
                    QDir::setCurrent(dataAt));
            G.Myouji = QStringLiteral("山田"), G.Namae = QStringLiteral("花子"), G.TargetGirl = 5,
            G.GameMinute = 12, G.Location = 7;
            QVERIFY(WriteSaveFile() && QFileInfo(save + "/DBLDATA.DAT").isFile());
            ResetGameState();
            G.CrLf = QStringLiteral("\r\n");
            QVERIFY(LoadSaveFile() && G.Myouji == QStringLiteral("山田") && G.GameMinute == 12 &&
                    G.Location == 7);
            QVERIFY(!QFileInfo::exists(save + "/DBLDATA.DAT"));
        }
        QCOMPARE(listing(data), before); // the read-only data folder is never written
        // A folder with no data beside or above the program stays portable and reports what is missing.
        QTemporaryDir empty;
        DecideLayout(empty.path());
        QVERIFY(GameLayout() == Layout::Portable);
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qunsetenv("XDG_DATA_HOME");
    }

    // A relative XDG_DATA_HOME or XDG_CONFIG_HOME is ignored: the game runs in its data folder.
    void relativeXdgFoldersAreIgnored() {
        const QDir root(World().folder->path());
        const QString data = root.filePath("P/share/games/duskbell"), home = root.filePath("home");
        QVERIFY(root.mkpath("P/games") && root.mkpath(data) &&
                QFile::copy(GAME_DIR "/DblKCode.dat", data + "/DblKCode.dat"));
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.toUtf8()), qputenv("XDG_DATA_HOME", "share"),
            qputenv("XDG_CONFIG_HOME", "config");
        DecideLayout(root.filePath("P/games")), SetSettingsFolder({});
        G.Myouji = QStringLiteral("山田"), G.Namae = QStringLiteral("花子"), G.TargetGirl = 5, G.Location = 7;
        QVERIFY(QDir::setCurrent(data) && WriteSaveFile() &&
                SaveSetting(QStringLiteral("Velmor"), QStringLiteral("Duskwatch"), "SavedMyouji", G.Myouji));
        QVERIFY(QFileInfo(home + "/.local/share/duskbell/DBLDATA.DAT").isFile() &&
                QFileInfo(home + "/.config/Velmor.ini").isFile());
        QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"DblKCode.dat"});
        qputenv("HOME", oldHome), qunsetenv("XDG_DATA_HOME"), qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
