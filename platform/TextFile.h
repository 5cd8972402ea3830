// Text files of the game folder: names matched without regard to case, contents in code page 932.
#pragma once
#include <QString>

// A line of the game's text tables as a string.
inline QString Str(const char16_t *s) {
    return QString::fromUtf16(s);
}

// Path of the file in the current directory whose name matches without regard to case, or empty.
QString FindFile(const QString &name);
bool FileExists(const QString &name);
// Deletes the file if present (any case of its name).
void KillFile(const QString &name);

// How reading a whole file went: a damaged file is told apart from a missing one.
enum class FileStatus { Ok, Missing, Unreadable, Damaged };
// Whole file decoded from code page 932. Only a file that decodes exactly is taken: a byte that is no
// code page 932 character (or half a two-byte character at the end), more than maxBytes, or no
// regular file at all makes it Damaged and gives "".
QString ReadTextFile(const QString &name, FileStatus *status = nullptr, qint64 maxBytes = 4 << 20);
// Encodes to code page 932 and replaces the file atomically (temporary file, then rename), checked
// to the disk; LastWriteFault() tells why it failed.
bool WriteTextFile(const QString &name, const QString &text);
// True when every character survives a round trip through code page 932.
bool CanEncodeCp932(const QString &text);

// Numeric value of a text: blanks ignored, optional sign, leading digits; 0 when no digit.
int Val(QStringView text);

// Field-based reading of a decoded text file: fields end at a comma or a line end; a field that
// opens with a double quote runs to the next double quote; unquoted fields skip leading blanks.
class FieldReader {
  public:
    explicit FieldReader(QString text) : text_(std::move(text)) {}
    bool AtEnd() const;
    QString ReadField();
    // The same field, as a view into the text (valid while the reader lives).
    QStringView ReadFieldView();
    // Skips leading blanks, reads an optionally signed integer and consumes the rest of the line.
    int ReadNumber();

  private:
    void skipBlanks();
    void endField();
    QString text_;
    qsizetype pos_ = 0;
};
