#include "platform/DiskFile.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
WriteFault lastFault = WriteFault::None;

WriteFault faultOf(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return WriteFault::NoSpace;
    case EACCES:
    case EPERM:
        return WriteFault::Denied;
    case EROFS:
        return WriteFault::ReadOnly;
    default:
        return WriteFault::Other;
    }
}

bool writeAll(int fd, const char *p, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        p += n, size -= n;
    }
    return true;
}

// What the disk holds now matches what was meant: the size as the file system reports it, and the bytes.
bool readsBack(int fd, const QByteArray &bytes) {
    struct stat st;
    // A file shorter than what was written lost the rest to a full disk.
    if (::fstat(fd, &st) != 0) return false;
    if (st.st_size != bytes.size()) return errno = ENOSPC, false;
    QByteArray back(bytes.size() + 1, '\0');
    qint64 got = 0;
    while (got < back.size()) {
        const ssize_t n = ::pread(fd, back.data() + got, static_cast<size_t>(back.size() - got), got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += n;
    }
    if (got != bytes.size() || back.left(got) != bytes) return errno = EIO, false;
    return true;
}

mode_t newFileMode(const QString &target) {
    struct stat st;
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
} // namespace

WriteFault LastWriteFault() {
    return lastFault;
}
void SetWriteFault(WriteFault fault) {
    lastFault = fault;
}

namespace {
std::function<void(WriteStep)> stepHook;
void step(WriteStep s) {
    if (stepHook) stepHook(s);
}
} // namespace

void SetWriteStepHook(std::function<void(WriteStep)> hook) {
    stepHook = std::move(hook);
}

bool WriteFileVerified(const QString &path, const QByteArray &bytes) {
    // A link to a file of the player's writes through to it; a link to anything else is replaced.
    const QFileInfo info(path);
    const QString target =
        info.isSymLink() && QFileInfo(info.symLinkTarget()).isFile() ? info.canonicalFilePath() : path;
    QByteArray temp = QFile::encodeName(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return lastFault = faultOf(errno), false;
    step(WriteStep::TempOpened);
    // Every step is checked: a full disk can let each write through and fail only at the flush.
    bool ok = ::fchmod(fd, newFileMode(target)) == 0 && writeAll(fd, bytes.constData(), bytes.size()) &&
              ::fsync(fd) == 0 && readsBack(fd, bytes);
    int err = errno;
    if (::close(fd) != 0 && ok) ok = false, err = errno;
    if (ok) step(WriteStep::TempWritten);
    if (ok && ::rename(temp.constData(), QFile::encodeName(target).constData()) != 0) ok = false, err = errno;
    if (!ok) {
        ::unlink(temp.constData());
        return lastFault = faultOf(err), false;
    }
    step(WriteStep::Renamed);
    // The rename itself is kept by the folder's entry reaching the disk.
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) ::fsync(dir), ::close(dir);
    lastFault = WriteFault::None;
    return true;
}

QString WriteFaultText(WriteFault fault) {
    switch (fault) {
    case WriteFault::None:
        return {};
    case WriteFault::NoSpace:
        return QStringLiteral("ディスクの空きが足りません。");
    case WriteFault::Denied:
        return QStringLiteral("フォルダーへの書き込みが許されていません。");
    case WriteFault::ReadOnly:
        return QStringLiteral("書き込みのできないディスクです。");
    case WriteFault::Busy:
        return QStringLiteral("設定ファイルのロックが外れません。");
    case WriteFault::Unreadable:
        return QStringLiteral("今あるファイルが読めないため、上書きしませんでした。");
    case WriteFault::Other:
        break;
    }
    return QStringLiteral("ディスクに書き込めませんでした。");
}

QByteArray ReadFileCapped(const QString &path, qint64 maxBytes, ReadResult *result) {
    ReadResult dummy;
    ReadResult &r = result ? *result : dummy;
    // Without blocking: a pipe in the file's place would otherwise wait for a writer forever.
    const int fd =
        path.isEmpty() ? -1 : ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        r = (path.isEmpty() || errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing
                                                                    : ReadResult::Unreadable;
        return {};
    }
    struct stat st;
    QByteArray bytes;
    r = ReadResult::TooLarge;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes) {
        // One byte more than the file measured tells a file that grew since.
        bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
        qint64 got = 0;
        bool failed = false;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            got += n;
        }
        if (failed)
            r = ReadResult::Unreadable, bytes.clear();
        else if (got > st.st_size)
            bytes.clear();
        else
            r = ReadResult::Ok, bytes.resize(static_cast<qsizetype>(got));
    }
    ::close(fd);
    return bytes;
}
