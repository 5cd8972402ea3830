// Helpers for the ending tests: pictures that tell which code is on screen, a short piece of music,
// and a player who clicks through every line of the campus window and writes down what he saw.
#pragma once
#include "TestSupport.h"
#include "core/Choices.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "ending/Ending.h"
#include "platform/Form.h"
#include "platform/TextFile.h"
#include "talk/DblSerif.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextLayout>
#include <QTimer>
#include <functional>
#include <map>
#include <vector>

namespace ending_test {

// Every picture code the ending shows, each drawn as a plain picture of its own colour, so a test
// can tell from the screen which code is up, whatever the game's own pictures look like.
inline const QStringList &Codes() {
    static const QStringList codes = {"C80C", "C80D", "C81C", "C82C", "C83C", "C84C", "C85C", "C86C", "C87C",
                                      "C88C", "C89C", "C10C", "C20C", "C30C", "C40C", "C50C", "C60C", "C70C",
                                      "C00B"};
    return codes;
}

inline QRgb ColourOf(int index) { return qRgb(20 + 11 * index, 240 - 9 * index, (60 + 37 * index) % 256); }

// Replaces the game folder's pictures of the ending by the coded ones (the scratch folder only).
inline void UseCodedPictures() {
    const QDir here = QDir::current();
    for (const QString &f : here.entryList(QDir::Files))
        if (f.endsWith(QStringLiteral(".dbl"), Qt::CaseInsensitive)) QFile::remove(here.filePath(f));
    for (int i = 0; i < Codes().size(); ++i) {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(ColourOf(i));
        img.save(here.filePath(Codes()[i] + QStringLiteral(".DBL")), "PNG");
    }
}

// The code whose picture a control shows; "" for no picture, "?" for a picture of no code.
inline QString CodeOn(const QPixmap &p) {
    if (p.isNull()) return {};
    const QRgb px = p.toImage().pixel(10, 10);
    for (int i = 0; i < Codes().size(); ++i)
        if (ColourOf(i) == px) return Codes()[i];
    return QStringLiteral("?");
}

// A standard MIDI file of one long note, so that music is playing while the roll runs.
inline void WriteLongPiece(const QString &name) {
    QByteArray track;
    const auto delta = [&track](quint32 v) {  // variable-length quantity
        QByteArray b;
        b.prepend(char(v & 0x7f));
        while (v >>= 7) b.prepend(char((v & 0x7f) | 0x80));
        track += b;
    };
    delta(0);
    track += QByteArray("\xC0\x00", 2);  // piano
    delta(0);
    track += QByteArray("\x90\x3C\x40", 3);  // middle C on
    delta(96 * 2 * 300);
    track += QByteArray("\x80\x3C\x00", 3);  // off after 300 s at 120 bpm
    delta(0);
    track += QByteArray("\xFF\x2F\x00", 3);
    QByteArray smf("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14);
    smf += "MTrk";
    const quint32 n = static_cast<quint32>(track.size());
    smf += char(n >> 24), smf += char(n >> 16), smf += char(n >> 8), smf += char(n);
    smf += track;
    QFile::remove(name);
    QFile f(name);
    if (f.open(QIODevice::WriteOnly)) f.write(smf);
}

// Lines the text takes in a label of the given width, wrapped as the label wraps it.
inline int WrappedLines(const QFont &font, const QString &text, int width) {
    int lines = 0;
    for (const QString &para : QString(text).remove(QChar('\r')).split(QChar('\n'))) {
        QTextLayout layout(para, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
    }
    return lines;
}

struct Shown {
    QString code, text, speaker;
    bool saveExists = false;  // the saved game was still there while the line waited
    int wrappedLines = 0;     // lines the text takes in the text area
};

// Clicks the campus window whenever a line waits for him, after writing the line down.
class Reader {
  public:
    Reader() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    std::vector<Shown> lines;
    std::function<void()> onLine;  // runs while a line waits, before the click

  private:
    void poll() {
        if (!IsLoaded<DblMain>()) return;
        DblMain &m = Win<DblMain>();
        if (m.Label3->text() != QStringLiteral("クリックしてください") || G.Clicked != 0) return;
        lines.push_back({CodeOn(m.Image1->pixmap()), m.Label1->text(), m.Label2->text(),
                         FileExists(QStringLiteral("DblData.dat")),
                         WrappedLines(m.Label1->font(), m.Label1->text(), m.Label1->width())});
        if (onLine) onLine();
        ClickOn(m.Image1);
    }
    QTimer timer_;
};

// CloseGate played through on the campus window, with a saved game beside it unless told.
struct Play {
    std::vector<Shown> lines;
    bool ended = false;
    // Seen while the first line waited.
    bool clockStopped = false, buttonsOff = false, clockBlank = false, endingMode = false, replyWindow = false;
    QString music;
};

inline Play PlayGate(const std::function<void()> &setUp, bool withSave = true) {
    ResetWorld(300);
    UseCodedPictures();
    if (withSave) WriteTextFile(QStringLiteral("DblData.dat"), QStringLiteral("saved"));
    setUp();
    DblMain &m = Win<DblMain>();
    m.Show();
    G.Mode = ModeFree;
    RefreshChoices();  // the buttons of the place are on until the gate
    m.Timer1->SetInterval(60000);
    m.Timer1->SetEnabled(true);
    Play play;
    Reader reader;
    reader.onLine = [&] {
        if (reader.lines.size() != 1) return;
        play.clockStopped = !m.Timer1->Enabled() && m.Timer1->Interval() == 0;
        play.buttonsOff = true;
        for (Button *b : m.Command1) play.buttonsOff = play.buttonsOff && !b->isEnabled();
        play.clockBlank = m.lblClock->text().isEmpty();
        play.endingMode = G.Mode == ModeEnding;
        play.music = G.MusicFile;
        play.replyWindow = IsLoaded<DblSerif>();
    };
    play.ended = RunEnding([] { CloseGate(); });
    play.lines = reader.lines;
    return play;
}

} // namespace ending_test
