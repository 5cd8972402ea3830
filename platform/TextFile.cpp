#include "platform/TextFile.h"

#include "platform/DiskFile.h"
#include <QDir>
#include <QFile>
#include <iconv.h>
#include <vector>

QString FindFile(const QString &name) {
    if (name.isEmpty()) return {};
    const QDir dir = QFileInfo(QDir::current(), name).absoluteDir(); // a name may carry its folder
    const QString base = QFileInfo(name).fileName();
    // Whatever stands under the name counts, a device or a dead link too: the reader refuses it as
    // damaged rather than the game calling it missing.
    const QFileInfo exact(dir, base);
    if ((exact.exists() || exact.isSymLink()) && !exact.isDir()) return dir.filePath(base);
    // Names in the game folder are matched as Windows matches them: without regard to case.
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &e : entries)
        if (e.compare(base, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return {};
}

bool FileExists(const QString &name) {
    return !FindFile(name).isEmpty();
}

void KillFile(const QString &name) {
    const QString path = FindFile(name);
    if (!path.isEmpty()) QFile::remove(path);
}

namespace {

// One conversion through iconv; returns false when a character cannot be converted.
bool convert(const char *to, const char *from, const QByteArray &in, QByteArray &out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::vector<char> buf(in.size() * 4 + 16);
    char *src = const_cast<char *>(in.constData());
    size_t srcLeft = in.size();
    char *dst = buf.data();
    size_t dstLeft = buf.size();
    const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) return false;
    out = QByteArray(buf.data(), static_cast<qsizetype>(buf.size() - dstLeft));
    return true;
}

bool toCp932(const QString &text, QByteArray &out) {
    return convert("CP932", "UTF-8", text.toUtf8(), out);
}

} // namespace

QString ReadTextFile(const QString &name, FileStatus *status, qint64 maxBytes) {
    FileStatus dummy;
    FileStatus &st = status ? *status : dummy;
    ReadResult read;
    const QString path = FindFile(name);
    const QByteArray raw = ReadFileCapped(path, maxBytes, &read);
    st = read == ReadResult::Missing      ? FileStatus::Missing
         : read == ReadResult::Unreadable ? FileStatus::Unreadable
                                          : FileStatus::Damaged;
    if (read != ReadResult::Ok) return {};
    // The talk files are read at every encounter: the same bytes decode once. Only identical bytes
    // reuse a decoding, so a changed file is always read as it now is.
    struct Decoded {
        QString path;
        QByteArray raw;
        QString text;
    };
    static Decoded recent[4];
    static int next = 0;
    for (const Decoded &d : recent)
        if (d.path == path && d.raw == raw) {
            st = FileStatus::Ok;
            return d.text;
        }
    QByteArray utf8;
    // A byte dropped silently would change a name or a line without a word: all or nothing.
    if (!convert("UTF-8", "CP932", raw, utf8)) return {};
    st = FileStatus::Ok;
    Decoded &d = recent[next++ % 4];
    d = {path, raw, QString::fromUtf8(utf8)};
    return d.text;
}

bool WriteTextFile(const QString &name, const QString &text) {
    QByteArray bytes;
    if (!toCp932(text, bytes)) return SetWriteFault(WriteFault::Other), false;
    QString path = FindFile(name);
    if (path.isEmpty()) path = QDir::current().filePath(name);
    // Written beside the old file and renamed over it, so a crash leaves the old or the new one whole.
    return WriteFileVerified(path, bytes);
}

bool CanEncodeCp932(const QString &text) {
    QByteArray bytes, back;
    if (!toCp932(text, bytes)) return false;
    if (!convert("UTF-8", "CP932", bytes, back)) return false;
    return QString::fromUtf8(back) == text;
}

int Val(QStringView text) {
    // Blanks count for nothing, wherever they stand.
    qsizetype i = 0;
    const auto skip = [&] {
        while (i < text.size() && text[i] == ' ')
            ++i;
    };
    skip();
    int sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    long long v = 0;
    for (skip(); i < text.size() && text[i] >= '0' && text[i] <= '9'; skip()) {
        v = v * 10 + (text[i].unicode() - '0');
        if (v > 1000000000) break; // far beyond any value the files hold
        ++i;
    }
    return static_cast<int>(sign * v);
}

bool FieldReader::AtEnd() const {
    return pos_ >= text_.size();
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
}

// After a field: step over the comma or the line end that closed it.
void FieldReader::endField() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    }
}

QString FieldReader::ReadField() {
    return ReadFieldView().toString();
}

QStringView FieldReader::ReadFieldView() {
    skipBlanks();
    QStringView field;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        const qsizetype close = text_.indexOf('"', pos_ + 1);
        const qsizetype end = close < 0 ? text_.size() : close;
        field = QStringView(text_).mid(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? text_.size() : close + 1;
        // Whatever follows the closing quote up to the separator is dropped.
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            ++pos_;
        field = QStringView(text_).mid(start, pos_ - start);
    }
    endField();
    return field;
}

int FieldReader::ReadNumber() {
    skipBlanks();
    const qsizetype start = pos_;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
    while (pos_ < text_.size() && text_[pos_].isDigit())
        ++pos_;
    const int v = Val(QStringView(text_).mid(start, pos_ - start));
    // A number field consumes the rest of its field.
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
        ++pos_;
    endField();
    return v;
}
