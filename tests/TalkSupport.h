// Helpers of the talk tests: small conversation files of the tests' own, and a player who clicks
// through scripted lines and answers the girls.
#pragma once
#include "Player.h"
#include "TestSupport.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "platform/TextFile.h"
#include "talk/DblSerif.h"
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>

namespace talktest {

// Writes a file of the scratch folder, never through a link into the built game folder.
inline void WriteOwnFile(const QString &name, const QString &text) {
    KillFile(name);
    QVERIFY(WriteTextFile(name, text));
}

// Every encounter code the timetable can make, A then B for each place and girl.
inline QStringList AllCodes() {
    const int pairs[17][2] = {{1, 4}, {1, 6}, {2, 1}, {2, 2}, {3, 4}, {3, 2}, {3, 5}, {4, 3}, {4, 5},
                              {4, 6}, {5, 2}, {5, 6}, {6, 5}, {6, 3}, {7, 6}, {7, 1}, {7, 2}};
    QStringList codes;
    for (const auto &p : pairs)
        for (QChar v : {QChar('A'), QChar('B')})
            codes << QString::number(p[0]) + QString::number(p[1]) + v;
    return codes;
}

// Talk number of slot 1..10 of code i in the synthetic files: 101..440, never a header's value.
inline int SynthTalk(int codeIndex, int slot) {
    return 100 + codeIndex * 10 + slot;
}
// Liking change of a synthetic response: -3..+3 by talk number.
inline int SynthChange(int talk) {
    return talk % 7 - 3;
}
inline QString ChangeText(int change) {
    return change == 0
               ? QStringLiteral("00")
               : (change > 0 ? QStringLiteral("+") : QStringLiteral("-")) + QString::number(std::abs(change));
}
inline QString SynthReply(int talk) {
    return QStringLiteral("返事%1です").arg(talk);
}
inline QString SynthResponse(int talk) {
    return QStringLiteral("答え%1よ").arg(talk);
}

// The three files for all 34 codes: records on one line, replies and responses one a line.
inline void WriteSynthTalkFiles() {
    const QStringList codes = AllCodes();
    QString kcode, kaiwa, resp;
    for (int i = 0; i < codes.size(); ++i) {
        kcode += codes[i];
        for (int s = 1; s <= 10; ++s)
            kcode += QStringLiteral(",%1").arg(SynthTalk(i, s), 3, 10, QChar('0'));
        kcode += QStringLiteral("\r\n");
        resp += codes[i] + QStringLiteral("\r\n");
        for (int s = 1; s <= 10; ++s) {
            const int t = SynthTalk(i, s);
            kaiwa += QStringLiteral("%1%2\r\n").arg(t, 3, 10, QChar('0')).arg(SynthReply(t));
            resp += QStringLiteral("%1%2%3\r\n")
                        .arg(t, 3, 10, QChar('0'))
                        .arg(SynthResponse(t), ChangeText(SynthChange(t)));
        }
    }
    WriteOwnFile(QStringLiteral("DblKCode.dat"), kcode);
    WriteOwnFile(QStringLiteral("DblKaiwa.dat"), kaiwa);
    WriteOwnFile(QStringLiteral("DblResp.dat"), resp);
}

// Runs f every few milliseconds, also while an earlier run waits in a nested loop (a plain timer
// would not fire again until its earlier run returned).
class Repeater {
  public:
    Repeater(int ms, std::function<void()> f) : f_(std::move(f)) {
        QObject::connect(&timer_, &QTimer::timeout, &context_, [this] {
            QMetaObject::invokeMethod(
                &context_, [this] { f_(); }, Qt::QueuedConnection);
        });
        timer_.start(ms);
    }

  private:
    std::function<void()> f_;
    QObject context_;
    QTimer timer_;
};

inline bool PromptShown() {
    return IsLoaded<DblMain>() && Win<DblMain>().Label3->text() == QStringLiteral("クリックしてください");
}

using ::Player;

} // namespace talktest
