#include "talk/TalkFiles.h"

#include "core/Fault.h"
#include "platform/TextFile.h"

namespace {

[[noreturn]] void missing(const QString &what) {
    StopOnDamagedData(what);
}

QString readWhole(const char *name) {
    FileStatus status;
    const QString text = ReadTextFile(QString::fromLatin1(name), &status);
    if (status == FileStatus::Missing)
        missing(QStringLiteral("データファイル %1 が見つかりません。").arg(QString::fromLatin1(name)));
    if (status == FileStatus::Unreadable)
        missing(QStringLiteral(
                    "データファイル %1 を開けません（読み取りが許されていないか、ファイルではありません）。")
                    .arg(QString::fromLatin1(name)));
    if (status == FileStatus::Damaged)
        missing(
            QStringLiteral("データファイル %1 が壊れていて、読めません。").arg(QString::fromLatin1(name)));
    return text;
}

// Reads fields until one equals key; false when the file ends first.
bool seek(FieldReader &in, const QString &key) {
    while (!in.AtEnd())
        if (in.ReadFieldView() == key) return true;
    return false;
}

} // namespace

int TalkNumberOf(QStringView line) {
    return Val(line.left(3));
}

std::array<int, 10> ReadCandidates(const QString &code) {
    FieldReader in(readWhole(TalkCodeFile));
    if (!seek(in, code))
        missing(QStringLiteral("%1 に出会い「%2」の記録がありません。")
                    .arg(QString::fromLatin1(TalkCodeFile), code));
    std::array<int, 10> talk{};
    for (int &t : talk) {
        if (in.AtEnd())
            missing(
                QStringLiteral("%1 の出会い「%2」の記録が途中で終わっています（会話番号は十個必要です）。")
                    .arg(QString::fromLatin1(TalkCodeFile), code));
        t = in.ReadNumber();
    }
    return talk;
}

QString ReadReplyText(int talk) {
    FieldReader in(readWhole(TalkLineFile));
    // The search starts from an empty field, so talk number 0 stands for an empty reply.
    QStringView field;
    while (TalkNumberOf(field) != talk) {
        if (in.AtEnd())
            missing(QStringLiteral("%1 に会話番号 %2 の返事がありません。")
                        .arg(QString::fromLatin1(TalkLineFile))
                        .arg(talk));
        field = in.ReadFieldView();
    }
    return field.mid(3).toString();
}

QString ReadResponseLine(const QString &code, int talk) {
    FieldReader in(readWhole(ResponseFile));
    if (!seek(in, code))
        missing(QStringLiteral("%1 に出会い「%2」の答えの見出しがありません。")
                    .arg(QString::fromLatin1(ResponseFile), code));
    // The header itself holds no response, so the search begins below it (a number equal to the
    // header's value would otherwise stop there). A line missing here is taken from a later section.
    QStringView line;
    do {
        if (in.AtEnd())
            missing(QStringLiteral("%1 の出会い「%2」に会話番号 %3 への答えがありません。")
                        .arg(QString::fromLatin1(ResponseFile), code)
                        .arg(talk));
        line = in.ReadFieldView();
    } while (TalkNumberOf(line) != talk);
    if (line.size() < 5)
        missing(QStringLiteral("%1 の出会い「%2」、会話番号 %3 の答えの行が短すぎます。")
                    .arg(QString::fromLatin1(ResponseFile), code)
                    .arg(talk));
    return line.toString();
}

QString ResponseText(const QString &line) {
    return line.size() < 5 ? QString() : line.mid(3, line.size() - 5);
}

int ResponseChange(const QString &line) {
    return Val(line.right(2));
}
