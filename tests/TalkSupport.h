// Helpers of the talk tests: conversation files of their own, pictures shown, placing the player.
#pragma once
#include "Player.h" // the campus and reply windows, the game state
#include "TestSupport.h"
#include "core/Choices.h"
#include "platform/TextFile.h"

// Every encounter code the timetable can make, "14A" first.
inline const QStringList AllCodes = QStringLiteral("14A 14B 16A 16B 21A 21B 22A 22B 34A 34B 32A 32B 35A 35B "
                                                   "43A 43B 45A 45B 46A 46B 52A 52B 56A 56B 65A 65B 63A 63B "
                                                   "76A 76B 71A 71B 72A 72B")
                                        .split(' ');
// Writes a file of the scratch folder, never through a link into the built game folder.
inline void WriteOwnFile(const QString &name, const QString &text) {
    KillFile(name);
    QVERIFY(WriteTextFile(name, text));
}
// Code i offers talks 101+10i..110+10i; t: reply "ＸＸＸ返事tＸＸＸ", response "答えt", liking t % 7 - 3.
inline void WriteSynthTalkFiles() {
    QString kcode, kaiwa, resp;
    for (int i = 0; i < AllCodes.size(); ++i) {
        kcode += AllCodes[i], resp += AllCodes[i] + "\r\n";
        for (int t = 101 + 10 * i; t <= 110 + 10 * i; ++t) {
            kcode += ',' + QString::number(t);
            kaiwa += QStringLiteral("%1ＸＸＸ返事%1ＸＸＸ\r\n").arg(t);
            resp += QStringLiteral("%1答え%1%2\r\n")
                        .arg(t)
                        .arg(t % 7 == 3 ? "00" : QString::asprintf("%+d", t % 7 - 3));
        }
        kcode += "\r\n";
    }
    WriteOwnFile(QStringLiteral("DblKCode.dat"), kcode);
    WriteOwnFile(QStringLiteral("DblKaiwa.dat"), kaiwa);
    WriteOwnFile(QStringLiteral("DblResp.dat"), resp);
}
// The campus window shows the game's picture of this code.
inline bool Shows(const QString &code) {
    return Win<DblMain>().Image1->pixmap().toImage() == LoadPicture(code + ".DBL").toImage();
}
// The player at a place at a game minute, the campus window up and its buttons set for the mode.
inline DblMain &StandAt(int location, int minute, Integer mode = ModeFree) {
    G.Location = static_cast<Integer>(location);
    G.GameMinute = static_cast<Integer>(minute);
    Win<DblMain>().Show();
    G.Mode = mode;
    RefreshChoices();
    return Win<DblMain>();
}
