// Helpers for the ending tests: pictures that tell which code is on screen, and the gate played
// through the campus window by the one player, who writes each line down before clicking it away.
#pragma once
#include "Player.h"
#include "TestSupport.h"
#include "core/Choices.h"
#include "ending/Ending.h"
#include "platform/TextFile.h"
#include <QDir>
#include <QImage>

namespace ending_test {

inline const QStringList Codes = {"C80C", "C80D", "C81C", "C82C", "C83C", "C84C", "C85C", "C86C", "C87C", "C88C",
                                  "C89C", "C10C", "C20C", "C30C", "C40C", "C50C", "C60C", "C70C", "C00B"};
inline QRgb ColourOf(int i) { return qRgb(20 + 11 * i, 240 - 9 * i, (60 + 37 * i) % 256); }

// Each code of the ending drawn in a plain colour of its own. The game's pictures are links into
// the built game folder: they are removed, never written through.
inline void UseCodedPictures() {
    for (const QString &f : QDir::current().entryList({QStringLiteral("*.dbl")}, QDir::Files))
        QFile::remove(f);
    for (int i = 0; i < Codes.size(); ++i) {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(ColourOf(i));
        img.save(QDir::current().filePath(Codes[i] + QStringLiteral(".DBL")), "PNG");
    }
}

// The code a control shows; "" for no picture, "?" for a picture of no code.
inline QString CodeOn(const QPixmap &p) {
    if (p.isNull()) return {};
    const QRgb px = p.toImage().pixel(10, 10);
    for (int i = 0; i < Codes.size(); ++i)
        if (ColourOf(i) == px) return Codes[i];
    return QStringLiteral("?");
}

struct Shown {
    QString code, text, speaker;
    bool saveExists;  // the saved game was still there while the line waited
};

// Writes down every line of the campus window the player is about to click.
inline void WriteDown(Player &player, std::vector<Shown> &lines, bool endingOnly = false) {
    player.BeforeClick = [&lines, endingOnly] {
        const DblMain &m = Win<DblMain>();
        if (!endingOnly || G.Mode == ModeEnding)
            lines.push_back({CodeOn(m.Image1->pixmap()), m.Label1->text(), m.Label2->text(),
                             FileExists(QStringLiteral("DblData.dat"))});
    };
}

struct Play {
    std::vector<Shown> lines;
    bool ended = false;
    bool shutAtFirstLine = false;  // clock stopped and blank, buttons off, ending mode and music, no reply window
};

// The campus window free at 5:00 PM, set up by setUp, with a saved game (in two spellings) unless told.
inline Play PlayGate(const std::function<void()> &setUp, bool withSave = true) {
    ResetWorld(300);
    UseCodedPictures();
    for (const char *name : {"DblData.dat", "DBLDATA.DAT"})
        if (withSave) WriteTextFile(QString::fromLatin1(name), QStringLiteral("saved"));
    setUp();
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = ModeFree;
    RefreshChoices();
    m.Timer1->SetInterval(60000);
    m.Timer1->SetEnabled(true);
    Play play;
    Player player;
    WriteDown(player, play.lines);
    const auto note = player.BeforeClick;
    player.BeforeClick = [&] {
        if (play.lines.empty()) {
            bool off = !m.Timer1->Enabled() && m.Timer1->Interval() == 0 && m.lblClock->text().isEmpty();
            for (Button *b : m.Command1) off = off && !b->isEnabled();
            play.shutAtFirstLine = off && G.Mode == ModeEnding && G.MusicFile == QStringLiteral("M92C.mid") &&
                                   !IsLoaded<DblSerif>();
        }
        note();
    };
    play.ended = RunEnding([] { CloseGate(); });
    return play;
}

} // namespace ending_test
