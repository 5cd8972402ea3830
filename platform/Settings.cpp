#include "platform/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {
QString folder;  // empty: the user's configuration folder
std::unique_ptr<QSettings> store;
QString storeApp;

QSettings &open(const QString &app) {
    if (!store || storeApp != app) {
        if (store) store->sync();
        const QString base =
            folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : folder;
        QDir().mkpath(base);
        // QSettings writes INI files through a temporary file and a rename, so a crash keeps the old file.
        store = std::make_unique<QSettings>(base + "/" + app + ".ini", QSettings::IniFormat);
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
} // namespace

void SetSettingsFolder(const QString &f) {
    if (store) store->sync();
    store.reset();
    folder = f;
}

QString GetSetting(const QString &app, const QString &section, const QString &key) {
    QSettings &s = open(app);
    s.beginGroup(section);
    const QString v = s.value(storedKey(s, key)).toString();
    s.endGroup();
    return v;
}

void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) {
    QSettings &s = open(app);
    s.beginGroup(section);
    s.setValue(storedKey(s, key), value);
    s.endGroup();
    s.sync();
}

void DeleteSetting(const QString &app, const QString &section) {
    QSettings &s = open(app);
    s.remove(section);
    s.sync();
}

void FlushSettings() {
    if (store) store->sync();
}
