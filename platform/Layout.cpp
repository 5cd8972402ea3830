#include "platform/Layout.h"

#include <QDir>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

namespace {
// Relative to the program's folder in an installed tree; the install rules lay it out so.
constexpr auto InstalledData = "../share/games/duskbell";
// A file every layout has among the game's data: the conversation codes.
constexpr auto DataMarker = "DblKCode.dat";

Layout layout = Layout::Portable;
QString dataFolder; // empty until decided: the current directory
QString saveFolder;

bool holdsData(const QString &folder) {
    return QFileInfo(QDir(folder), DataMarker).isFile();
}

// The game runs in its data folder, so a relative path would land there: HOME only when absolute.
QString homeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home)) return home;
    const passwd *pw = getpwuid(getuid());
    return pw && pw->pw_dir ? QFile::decodeName(pw->pw_dir) : QDir::rootPath();
}

QString xdgFolder(const char *variable, const char *fallback) {
    const QString value = qEnvironmentVariable(variable);
    return QDir::cleanPath(QDir::isAbsolutePath(value) ? value : homeFolder() + '/' + fallback);
}
} // namespace

void DecideLayout(const QString &programFolder) {
    const QString installed = QDir::cleanPath(QDir(programFolder).filePath(InstalledData));
    layout = !holdsData(programFolder) && holdsData(installed) ? Layout::Installed : Layout::Portable;
    if (layout == Layout::Portable) {
        // A folder without data stays portable, so a damaged copy reports the missing file as before.
        dataFolder = saveFolder = QDir(programFolder).absolutePath();
        return;
    }
    dataFolder = installed;
    saveFolder = UserDataHome() + "/duskbell";
}

QString UserDataHome() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

QString UserConfigHome() {
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

Layout GameLayout() {
    return layout;
}

QString DataFolder() {
    return dataFolder.isEmpty() ? QDir::currentPath() : dataFolder;
}

QString SaveFolder() {
    return layout == Layout::Portable ? DataFolder() : saveFolder;
}

QString SavePath(const QString &name) {
    if (layout == Layout::Portable) return name;
    QDir().mkpath(saveFolder);
    return QDir(saveFolder).filePath(name);
}
