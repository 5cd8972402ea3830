#include "frontend/SaveFile.h"

#include "platform/DiskFile.h"
#include "platform/Layout.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {
// A new file takes the writer's spelling; every other use finds the one file by any spelling.
constexpr const char *WrittenName = "DBLDATA.DAT";

// An affection value is one character, code 72 plus the value; outside this range the character
// would be a blank, a comma, a quote or a control character and would not read back.
constexpr int LikingMin = -27, LikingMax = 54;

// A name goes in quotes when it would not read back bare: a leading blank, or a comma.
QString nameField(const QString &v) {
    const bool quote = v.startsWith(' ') || v.contains(',');
    return quote ? '"' + v + '"' : v;
}

// One description of the file serves both directions, so writer and reader cannot drift apart.
class SaveIo {
  public:
    explicit SaveIo(QStringList lines) : lines_(std::move(lines)), reading_(true) {}
    SaveIo() = default;

    void Text(QString &v) {
        if (!reading_) {
            out_ << nameField(v);
            return;
        }
        const QString *line = next();
        if (!line) return;
        v = FieldReader(*line).ReadField();
        if (CheckName(v).fault != NameFault::None) ok_ = false;
    }
    void Number(Integer &v, int lo, int hi) {
        if (!reading_) {
            out_ << (v < 0 ? QStringLiteral("%1 ").arg(v) : QStringLiteral(" %1 ").arg(v));
            return;
        }
        const QString *line = next();
        if (!line) return;
        // The form of the line is checked by writing back; here only what the game can use.
        const int n = Val(*line);
        if (n < lo || n > hi) ok_ = false;
        v = static_cast<Integer>(n);
    }
    void LikingChar(Integer &v) {
        if (!reading_) {
            // Beyond the carriable range only the extremes matter to the ending: keep the nearest.
            out_ << QString(QChar(72 + std::clamp<int>(v, LikingMin, LikingMax)));
            return;
        }
        const QString *line = next();
        if (!line) return;
        // Out of range or empty, the value would be written back as another character: refused there.
        v = static_cast<Integer>(line->isEmpty() ? LikingMin - 1 : line->at(0).unicode() - 72);
    }

    bool ok() const { return ok_ && (!reading_ || index_ == lines_.size()); }
    QString text() const { return out_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

  private:
    const QString *next() {
        if (index_ >= lines_.size()) {
            ok_ = false;
            return nullptr;
        }
        return &lines_[index_++];
    }
    QStringList lines_, out_;
    qsizetype index_ = 0;
    bool reading_ = false, ok_ = true;
};

void Sync(SaveIo &io, GameState &g) {
    io.Text(g.Myouji);
    io.Text(g.Namae);
    // A phone call holds the gate back, so the clock can stand past 5:00 PM when the player quits.
    io.Number(g.GameMinute, 0, 32767);
    for (int k = 1; k <= 6; ++k)
        io.LikingChar(g.Affection[k]);
    for (int k = 1; k <= 6; ++k)
        io.Number(g.MetFlag[k], 0, 1);
    // Only an afternoon after the album pick can be saved.
    io.Number(g.TargetGirl, 1, 6);
    io.Number(g.Location, 1, 7);
}

QString saveFolder() {
    return QDir(SaveFolder()).absolutePath();
}

void refuse(const QString &why) {
    // The file stays where it is: the player may still want it, and nothing of it was used.
    MsgBox(why + G.CrLf + QStringLiteral("（ファイル「DblData.dat」は ") +
               QDir::toNativeSeparators(saveFolder()) + QStringLiteral(" に") + G.CrLf +
               QStringLiteral("そのまま残してあります）"),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
}

} // namespace

NameCheck CheckName(const QString &name) {
    if (name.isEmpty()) return {NameFault::Empty, {}};
    if (name.contains('"')) return {NameFault::Quote, {}};
    for (char32_t cp : name.toUcs4()) {
        const QString ch = QString::fromUcs4(&cp, 1);
        if (!QChar::isPrint(cp) || cp == 0xFFFD) return {NameFault::Control, {}};
        if (!CanEncodeCp932(ch)) return {NameFault::Unwritable, ch};
    }
    // The last word: what the reader makes of the written field.
    if (FieldReader(nameField(name) + QStringLiteral("\r\n")).ReadField() != name)
        return {NameFault::Control, {}};
    return {};
}

QString SaveText(const GameState &g) {
    SaveIo io;
    GameState copy = g;
    Sync(io, copy);
    return io.text();
}

bool StoreSaveFile() {
    return WriteTextFile(SavePath(QString::fromLatin1(WrittenName)), SaveText());
}

bool WriteSaveFile() {
    const bool hadSave = SaveFileExists();
    if (StoreSaveFile()) return true;
    const WriteFault fault = LastWriteFault();
    QString text = QStringLiteral("セーブデータを書き込めませんでした。") + WriteFaultText(fault) + G.CrLf +
                   PlaceNote(saveFolder()) + G.CrLf;
    if (hadSave) text += QStringLiteral("前のセーブデータはそのまま残っています。") + G.CrLf;
    text += QStringLiteral("ゲームはこのまま続きます。") + G.CrLf +
            (fault == WriteFault::NoSpace
                 ? QStringLiteral("ディスクの空きを作ってから、もう一度終了してください。")
                 : QStringLiteral("フォルダーに書き込めるようにしてから、もう一度終了してください。"));
    MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
    return false;
}

bool LoadSaveFile() {
    FileStatus status;
    // A real save is well under a kilobyte: anything this large is no save, and is never read whole.
    const QString text = ReadTextFile(SavePath(QString::fromLatin1(SaveFileName)), &status, 64 << 10);
    if (status == FileStatus::Missing) {
        MsgBox(QStringLiteral("セーブデータが見つかりませんでした。") + G.CrLf + PlaceNote(saveFolder()),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
        return false;
    }
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    GameState loaded = G;
    SaveIo io(lines);
    Sync(io, loaded);
    // Only what the writer itself would write is taken, so a resumed afternoon saves back the same.
    if (status != FileStatus::Ok || !io.ok() || SaveText(loaded) != text) {
        refuse(QStringLiteral("セーブデータが壊れているため、続きから遊ぶことができません。"));
        return false;
    }
    G = loaded;
    KillFile(SavePath(QString::fromLatin1(SaveFileName)));
    return true;
}

bool SaveFileExists() {
    return FileExists(SavePath(QString::fromLatin1(WrittenName)));
}

void DeleteSaveFile() {
    // On a case-sensitive disk more than one spelling may lie side by side.
    for (int i = 0; i < 4 && SaveFileExists(); ++i)
        KillFile(SavePath(QString::fromLatin1(SaveFileName)));
}

void CleanSaveLeftovers() {
    // The atomic writer's temporary files are the name plus a dot and six random characters.
    static const QRegularExpression leftover(QStringLiteral("^dbldata\\.dat\\.[A-Za-z0-9]{6}$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QDir dir(SaveFolder());
    for (const QString &f : dir.entryList(QDir::Files | QDir::Hidden))
        if (leftover.match(f).hasMatch()) QFile::remove(dir.filePath(f));
}
