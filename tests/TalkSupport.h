// Helpers of the talk tests: conversation files and pictures of the tests' own, and placing the player.
#pragma once
#include "Player.h"
#include "TestSupport.h"
#include "core/Choices.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "platform/TextFile.h"
#include "talk/DblSerif.h"
#include <QImage>
#include <QTest>

// Writes a file of the scratch folder, never through a link into the built game folder.
inline void WriteOwnFile(const QString &name, const QString &text) {
    KillFile(name);
    QVERIFY(WriteTextFile(name, text));
}

// A picture in one flat colour, so a test can tell which picture the campus window shows.
inline void PaintPicture(const QString &code, QRgb colour) {
    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(colour);
    KillFile(code + ".DBL");
    QVERIFY(img.save(code + ".DBL", "PNG"));
}
inline QRgb ShownColour() {
    const QImage img = Win<DblMain>().Image1->pixmap().toImage();
    return img.isNull() ? 0 : img.pixel(5, 5);
}

// Every encounter code the timetable can make, "14A" first.
inline QStringList AllCodes() {
    QStringList codes;
    for (const char *pair : {"14", "16", "21", "22", "34", "32", "35", "43", "45", "46", "52", "56", "65", "63",
                             "76", "71", "72"})
        codes << QString::fromLatin1(pair) + 'A' << QString::fromLatin1(pair) + 'B';
    return codes;
}

// Synthetic files for all 34 codes: code i offers talks 101+10i..110+10i, each with a reply
// "返事<n>です" and a response "答え<n>よ" changing her liking by SynthChange(n).
inline int SynthChange(int talk) { return talk % 7 - 3; }
inline QString SynthReply(int talk) { return QStringLiteral("返事%1です").arg(talk); }
inline QString SynthResponse(int talk) { return QStringLiteral("答え%1よ").arg(talk); }
inline void WriteSynthTalkFiles() {
    const QStringList codes = AllCodes();
    QString kcode, kaiwa, resp;
    for (int i = 0; i < codes.size(); ++i) {
        kcode += codes[i];
        resp += codes[i] + "\r\n";
        for (int t = 101 + 10 * i; t <= 110 + 10 * i; ++t) {
            const int c = SynthChange(t);
            kcode += ',' + QString::number(t);
            kaiwa += QString::number(t) + SynthReply(t) + "\r\n";
            resp += QString::number(t) + SynthResponse(t) + (c < 0 ? "-" : c > 0 ? "+" : "0") +
                    QString::number(std::abs(c)) + "\r\n";
        }
        kcode += "\r\n";
    }
    WriteOwnFile(QStringLiteral("DblKCode.dat"), kcode);
    WriteOwnFile(QStringLiteral("DblKaiwa.dat"), kaiwa);
    WriteOwnFile(QStringLiteral("DblResp.dat"), resp);
}

// The player stands free at a place at a game minute, the campus window up.
inline DblMain &StandAt(int location, int minute, Integer mode = ModeFree) {
    G.Location = static_cast<Integer>(location);
    G.GameMinute = static_cast<Integer>(minute);
    Win<DblMain>().Show();
    G.Mode = mode;
    RefreshChoices();
    return Win<DblMain>();
}

inline bool PromptShown() {
    return IsLoaded<DblMain>() && Win<DblMain>().Label3->text() == QStringLiteral("クリックしてください");
}
