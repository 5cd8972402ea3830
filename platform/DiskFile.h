// Whole files on disk, read with a size cap and replaced only by a write that is checked to the end.
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Why the last write did not reach the disk.
enum class WriteFault { None, NoSpace, Denied, ReadOnly, Busy, Unreadable, Other };

// Replaces the file with the bytes: written beside it, flushed to the disk, its size and bytes read
// back, then renamed over it. On any failure the old file stays as it was and false is returned.
bool WriteFileVerified(const QString &path, const QByteArray &bytes);
// The points of a checked write, in order: the temporary file opened, written and checked, renamed
// over the old one. A test can end its process at any one of them.
enum class WriteStep { TempOpened, TempWritten, Renamed };
void SetWriteStepHook(std::function<void(WriteStep)> hook);
// The fault of the last failed write (None after a write that went through).
WriteFault LastWriteFault();
void SetWriteFault(WriteFault fault);
// One sentence for the player that says what kept the write from the disk.
QString WriteFaultText(WriteFault fault);

// How reading a whole file went.
enum class ReadResult { Ok, Missing, Unreadable, TooLarge };
// The file's bytes, never more than maxBytes: anything larger, or no regular file at all (a device,
// a pipe), is refused before a byte is read.
QByteArray ReadFileCapped(const QString &path, qint64 maxBytes, ReadResult *result);
