#include "platform/Settings.h"

#include "platform/Layout.h"
#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <memory>

namespace {
QString folder;  // empty: the user's configuration folder
std::unique_ptr<QSettings> store;
QString storeApp;

QString baseFolder() {
    return folder.isEmpty() ? UserConfigHome() : folder;
}

// A process killed while writing can leave its lock behind, empty; the store would then wait half a
// minute for it to go stale. One that nobody holds is cleared at once, a fresh empty one within a second.
void clearDeadLock(const QString &file) {
    QLockFile probe(file + QStringLiteral(".lock"));
    probe.setStaleLockTime(1000);
    if (probe.tryLock(1100)) probe.unlock();
}

// Temporary files of writes that a killed process never renamed into place.
void clearLeftovers(const QString &file) {
    const QFileInfo info(file);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDir dir = info.dir();
    for (const QString &f : dir.entryList(QDir::Files | QDir::Hidden))
        if (leftover.match(f).hasMatch()) QFile::remove(dir.filePath(f));
}

QSettings &open(const QString &app) {
    if (!store || storeApp != app) {
        if (store) store->sync();
        QDir().mkpath(baseFolder());
        const QString file = SettingsFile(app);
        clearLeftovers(file);
        // QSettings writes INI files through a temporary file and a rename, so a crash keeps the old file.
        store = std::make_unique<QSettings>(file, QSettings::IniFormat);
        storeApp = app;
    }
    return *store;
}

// The stored spelling of a key that matches without regard to case, or the key itself.
QString storedKey(QSettings &s, const QString &key) {
    const QStringList keys = s.childKeys();
    for (const QString &k : keys)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return k;
    return key;
}

// Writes to disk; on failure the store forgets what it could not write, so it reads the disk again.
bool commit(QSettings &s) {
    clearDeadLock(s.fileName());
    s.sync();
    if (s.status() == QSettings::NoError) return true;
    store.reset();
    return false;
}
} // namespace

QString SettingsFile(const QString &app) { return QDir(baseFolder()).filePath(app + QStringLiteral(".ini")); }

void SetSettingsFolder(const QString &f) {
    if (store) store->sync();
    store.reset();
    folder = f;
}

QString GetSetting(const QString &app, const QString &section, const QString &key) {
    QSettings &s = open(app);
    s.beginGroup(section);
    const QVariant v = s.value(storedKey(s, key));
    s.endGroup();
    // Another tool may have written commas without quotes, which the store reads as a list: the
    // value is still one string to the game.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

bool SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) {
    QSettings &s = open(app);
    s.beginGroup(section);
    s.setValue(storedKey(s, key), value);
    s.endGroup();
    return commit(s);
}

bool DeleteSetting(const QString &app, const QString &section) {
    QSettings &s = open(app);
    s.remove(section);
    return commit(s);
}

void FlushSettings() {
    if (store) store->sync();
}
