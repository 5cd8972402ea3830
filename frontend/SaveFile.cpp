#include "frontend/SaveFile.h"

#include "core/GameState.h"
#include "core/Prologue.h"
#include "platform/Layout.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include <QRegularExpression>

namespace {

// One description of the file serves both directions, so writer and reader cannot drift apart.
class SaveIo {
  public:
    explicit SaveIo(QStringList lines) : lines_(std::move(lines)), reading_(true) {}
    SaveIo() = default;

    void Text(QString &v) {
        if (!reading_) {
            // A leading blank or a comma would not read back bare: such a name goes in quotes.
            const bool quote = v.startsWith(' ') || v.contains(',');
            out_ << (quote ? '"' + v + '"' : v);
            return;
        }
        const QString *line = next();
        if (!line) return;
        v = FieldReader(*line).ReadField();
    }
    void Number(Integer &v, int lo, int hi) {
        if (!reading_) {
            out_ << (v < 0 ? QStringLiteral("%1 ").arg(v) : QStringLiteral(" %1 ").arg(v));
            return;
        }
        const QString *line = next();
        if (!line) return;
        static const QRegularExpression number(QStringLiteral("^ *[-+]?[0-9]{1,5} *$"));
        const int n = Val(*line);
        if (!number.match(*line).hasMatch() || n < lo || n > hi) ok_ = false;
        v = static_cast<Integer>(n);
    }
    // The liking of one girl as the character whose code is 72 plus the value.
    void LikingChar(Integer &v) {
        if (!reading_) {
            out_ << QString(QChar(72 + v));
            return;
        }
        const QString *line = next();
        if (!line) return;
        const QString field = FieldReader(*line).ReadField();
        const int n = field.isEmpty() ? -1000 : field[0].unicode() - 72;
        if (n < -27 || n > 54) ok_ = false;
        v = static_cast<Integer>(n);
    }

    bool ok() const { return ok_ && (!reading_ || index_ == 17); }
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
    io.Number(g.GameMinute, 0, 30);
    for (int k = 1; k <= 6; ++k) io.LikingChar(g.Affection[k]);
    for (int k = 1; k <= 6; ++k) io.Number(g.MetFlag[k], 0, 1);
    io.Number(g.TargetGirl, 0, 6);
    io.Number(g.Location, 1, 7);
}

} // namespace

QString SaveText() {
    SaveIo io;
    Sync(io, G);
    return io.text();
}

bool WriteSaveFile() {
    if (WriteTextFile(SavePath(QStringLiteral("DBLDATA.DAT")), SaveText())) return true;
    MsgBox(QStringLiteral("セーブデータを書き込めませんでした。") + G.CrLf +
               QStringLiteral("前のセーブデータはそのまま残っています。"),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
    return false;
}

bool LoadSaveFile() {
    bool readable = false;
    const QString text = ReadTextFile(SavePath(QString::fromLatin1(SaveFileName)), &readable);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    GameState loaded = G;
    SaveIo io(lines);
    Sync(io, loaded);
    if (!readable || !io.ok()) {
        // The file stays where it is: the player may still want it, and nothing of it was used.
        MsgBox(QStringLiteral("セーブデータが壊れているため、続きから遊ぶことができません。") + G.CrLf +
                   QStringLiteral("（ファイル「DblData.dat」はそのまま残してあります）"),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Duskbell"));
        return false;
    }
    G = loaded;
    KillFile(SavePath(QString::fromLatin1(SaveFileName)));
    return true;
}

void ReadSaveFile() {
    if (LoadSaveFile()) BeginAfternoon(true);
}
