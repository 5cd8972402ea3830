// Helpers for the ending tests: pictures that tell which code is on screen, and the lines of the
// campus window written down as the one player clicks them away.
#pragma once
#include "Player.h"
#include "TestSupport.h"
#include <QDir>

inline const QStringList Codes = {"C80C", "C80D", "C81C", "C82C", "C83C", "C84C", "C85C",
                                  "C86C", "C87C", "C88C", "C89C", "C10C", "C20C", "C30C",
                                  "C40C", "C50C", "C60C", "C70C", "C00B"};
inline QRgb ColourOf(int i) {
    return qRgb(20 + 11 * i, 240 - 9 * i, (60 + 37 * i) % 256);
}

// Each code drawn in a plain colour of its own. The game's pictures are links into the built game
// folder: they are removed, never written through.
inline void UseCodedPictures() {
    for (const QString &f : QDir::current().entryList({QStringLiteral("*.dbl")}, QDir::Files))
        QFile::remove(f);
    for (int i = 0; i < Codes.size(); ++i) {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(ColourOf(i)), img.save(Codes[i] + QStringLiteral(".DBL"), "PNG");
    }
}

// The code a control shows; "" for no picture, "?" for a picture of no code.
inline QString CodeOn(const QPixmap &p) {
    if (p.isNull()) return {};
    for (int i = 0; i < Codes.size(); ++i)
        if (ColourOf(i) == p.toImage().pixel(10, 10)) return Codes[i];
    return QStringLiteral("?");
}

// A line of the campus window: its picture's code, text, speaker, and whether the saved game was still there.
struct Shown {
    QString code, text, speaker;
    bool saveExists;
};

// Writes down each line of the campus window (of the ending only, if told) before the player clicks it.
inline void WriteDown(Player &player, std::vector<Shown> &lines, bool endingOnly = false) {
    player.BeforeClick = [&lines, endingOnly] {
        const DblMain &m = Win<DblMain>();
        if (!endingOnly || G.Mode == ModeEnding)
            lines.push_back({CodeOn(m.Image1->Picture()), m.Label1->Caption(), m.Label2->Caption(),
                             FileExists(QStringLiteral("DblData.dat"))});
    };
}
