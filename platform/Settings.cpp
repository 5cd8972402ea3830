#include "platform/Settings.h"

#include "platform/DiskFile.h"
#include "platform/Layout.h"
#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The store is an INI file read and written here line by line: every line the game does not change
// stays byte for byte, a value runs to the end of its line (a semicolon inside it is no comment), and
// each change reaches the disk through the checked writer or not at all.
namespace {
QString folder; // empty: the user's configuration folder
// Far beyond the few short keys a real store holds; anything larger is not read at all.
constexpr qint64 StoreCap = 1 << 20;
// How long a write waits for the store's lock before telling the player it cannot write.
constexpr int LockWaitMs = 2000;

QString baseFolder() {
    return folder.isEmpty() ? UserConfigHome() : folder;
}

// Temporary files of writes that a killed process never renamed into place, and the chains of
// ".rmlock" files that a kill leaves while a dead lock is being cleared: one of those left behind
// would keep every later dead lock from being cleared. Only one copy of the game runs at a time.
void clearLeftovers(const QString &file) {
    const QFileInfo info(file);
    const QString name = QRegularExpression::escape(info.fileName());
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        name + QStringLiteral("\\.[A-Za-z0-9]{6}|") + name + QStringLiteral("\\.lock(\\.rmlock)+")));
    const QDir dir = info.dir();
    for (const QString &f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (leftover.match(f).hasMatch()) QFile::remove(dir.filePath(f));
}

// The store's lines; false when a file is there that cannot be read whole.
bool load(const QString &file, QList<QByteArray> &lines) {
    ReadResult r;
    const QByteArray bytes = ReadFileCapped(file, StoreCap, &r);
    lines.clear();
    if (r != ReadResult::Ok) return r == ReadResult::Missing;
    lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return true;
}

bool sameName(const QByteArray &a, const QString &b) {
    return QString::fromUtf8(a.trimmed()).compare(b, Qt::CaseInsensitive) == 0;
}

// The line without its blanks, and without the byte-order mark a Windows editor puts first.
QByteArray bare(const QByteArray &line) {
    const QByteArray t = line.trimmed();
    return t.startsWith("\xEF\xBB\xBF") ? t.mid(3).trimmed() : t;
}

// "[name]": true and the name.
bool header(const QByteArray &line, QByteArray &name) {
    const QByteArray t = bare(line);
    if (!t.startsWith('[') || !t.endsWith(']')) return false;
    name = t.mid(1, t.size() - 2);
    return true;
}

// "key=value": true, the key and the raw value.
bool entry(const QByteArray &line, QByteArray &key, QByteArray &value) {
    const QByteArray t = bare(line);
    const qsizetype eq = t.indexOf('=');
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || eq <= 0) return false;
    key = t.left(eq), value = t.mid(eq + 1).trimmed();
    return true;
}

int digitIn(QChar c, int base) {
    const int d = c >= '0' && c <= '9'   ? c.unicode() - '0'
                  : c >= 'a' && c <= 'f' ? c.unicode() - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c.unicode() - 'A' + 10
                                         : 99;
    return d < base ? d : -1;
}

// The value as its writer meant it: quotes group, backslashes escape as the INI writers write them.
QString unescape(const QByteArray &raw) {
    const QString s = QString::fromUtf8(raw);
    if (s == QLatin1String("@Invalid()")) return {};
    QString out;
    for (qsizetype i = s.startsWith(QLatin1String("@@")) ? 1 : 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == '"') continue;
        if (c != '\\' || i + 1 >= s.size()) {
            out += c;
            continue;
        }
        const QChar e = s[++i];
        static const QString named = QStringLiteral("abfnrtv"), codes = QStringLiteral("\a\b\f\n\r\t\v");
        int base = e == 'x' ? 16 : (e >= '0' && e <= '7') ? 8 : 0, digits = base == 16 ? 4 : 3;
        if (named.contains(e)) {
            out += codes[named.indexOf(e)];
        } else if (base) {
            qsizetype j = base == 16 ? i + 1 : i;
            uint v = 0;
            for (int n = 0, d; j < s.size() && n < digits && (d = digitIn(s[j], base)) >= 0; ++j, ++n)
                v = v * base + d;
            out += QChar(char16_t(v)), i = j - 1;
        } else {
            out += e;
        }
    }
    return out;
}

// The value written so that this reader and the usual INI readers both give it back unchanged.
QByteArray escape(const QString &v) {
    QByteArray out = v.startsWith('@') ? "@" : "";
    const bool quote =
        v.contains(';') || v.contains(',') || v.contains('=') || v.startsWith(' ') || v.endsWith(' ');
    for (const QChar c : v) {
        if (c == '"' || c == '\\')
            out += '\\', out += char(c.unicode());
        else if (c.unicode() < 0x20)
            out += QByteArray("\\x") + QByteArray::number(c.unicode() + 0x10000, 16).mid(1);
        else
            out += QString(c).toUtf8();
    }
    return quote ? '"' + out + '"' : out;
}

// Where a key stands: its line, and where a new key of the section goes (after the last key of the
// section's first stretch); -1 when there is none.
struct Place {
    qsizetype keyLine = -1, sectionEnd = -1;
};
Place find(const QList<QByteArray> &lines, const QString &section, const QString &key) {
    Place p;
    bool inside = false, firstDone = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name, k, v;
        if (header(lines[i], name)) {
            firstDone = firstDone || inside;
            inside = sameName(name, section);
            if (inside && !firstDone) p.sectionEnd = i + 1;
        } else if (inside && entry(lines[i], k, v)) {
            if (p.keyLine < 0 && sameName(k, key)) p.keyLine = i;
            if (!firstDone) p.sectionEnd = i + 1;
        }
    }
    return p;
}

// Changes the store under its lock, on top of what is on disk now.
bool rewrite(const QString &app, const std::function<void(QList<QByteArray> &)> &change) {
    const QString file = SettingsFile(app);
    QDir().mkpath(baseFolder());
    clearLeftovers(file);
    QLockFile lock(file + QStringLiteral(".lock"));
    // A process killed while writing leaves an empty lock that no process holds: cleared after a second.
    lock.setStaleLockTime(1000);
    if (!lock.tryLock(LockWaitMs)) {
        const bool denied = lock.error() == QLockFile::PermissionError;
        SetWriteFault(lock.error() == QLockFile::LockFailedError ? WriteFault::Busy
                      : denied                                   ? WriteFault::Denied
                                                                 : WriteFault::Other);
        return false;
    }
    QList<QByteArray> lines;
    if (!load(file, lines)) return SetWriteFault(WriteFault::Unreadable), false;
    change(lines);
    return WriteFileVerified(file, lines.isEmpty() ? QByteArray() : lines.join('\n') + '\n');
}

int heldCopy = -1;
} // namespace

QString SettingsFile(const QString &app) {
    return QDir(baseFolder()).filePath(app + QStringLiteral(".ini"));
}

void SetSettingsFolder(const QString &f) {
    folder = f;
}

QString GetSetting(const QString &app, const QString &section, const QString &key) {
    QList<QByteArray> lines;
    load(SettingsFile(app), lines);
    const Place p = find(lines, section, key);
    QByteArray k, v;
    return p.keyLine >= 0 && entry(lines[p.keyLine], k, v) ? unescape(v) : QString();
}

bool SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) {
    return rewrite(app, [&](QList<QByteArray> &lines) {
        const Place p = find(lines, section, key);
        QByteArray k = key.toUtf8(), v;
        if (p.keyLine >= 0) entry(lines[p.keyLine], k, v); // the key keeps the spelling it has
        const QByteArray line = k + '=' + escape(value);
        if (p.keyLine >= 0) {
            lines[p.keyLine] = line;
        } else if (p.sectionEnd >= 0) {
            lines.insert(p.sectionEnd, line);
        } else {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QByteArray());
            lines.append('[' + section.toUtf8() + ']'), lines.append(line);
        }
    });
}

bool DeleteSetting(const QString &app, const QString &section) {
    return rewrite(app, [&](QList<QByteArray> &lines) {
        bool inside = false;
        QList<QByteArray> kept;
        for (const QByteArray &line : lines) {
            QByteArray name;
            if (header(line, name)) inside = sameName(name, section);
            if (!inside) kept.append(line);
        }
        lines = kept;
    });
}

bool ClaimSingleCopy(const QString &app) {
    if (heldCopy >= 0) return true;
    QDir().mkpath(baseFolder());
    const QByteArray path = QFile::encodeName(QDir(baseFolder()).filePath(app + QStringLiteral(".lock")));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A folder where the claim cannot even be made is reported by the first write, not here.
    if (fd < 0) return true;
    // Kept open for the process's life; the system lets it go however the process ends.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return heldCopy = fd, true;
    const bool other = errno == EWOULDBLOCK;
    ::close(fd);
    return !other;
}
