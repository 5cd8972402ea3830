// Players beyond the mouse: the lookback never clicks nor changes the game, and the keyboard alone plays.
#include "TestSupport.h"
#include "WindowInput.h"
#include "core/DblLog.h"
#include "core/Prologue.h"
#include "core/PrologueLines.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "ending/ClearRecord.h"
#include "ending/DblEnding.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "platform/Settings.h"
#include "platform/Speech.h"
#include "platform/System.h"
#include "talk/DblAlbum.h"
#include "talk/DblSerif.h"
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <cmath>

namespace {
void WheelOn(QWidget *w, int delta) {
    QPoint at;
    QWindow *win = WindowOf(w, at);
    QWheelEvent e(at, win->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QCoreApplication::sendEvent(win, &e);
}
QTextBrowser *logText() {
    return IsLoaded<DblLog>() ? static_cast<QTextBrowser *>(Win<DblLog>().Text1->Widget()) : nullptr;
}
bool logAtEnd() {
    return logText()->verticalScrollBar()->value() == logText()->verticalScrollBar()->maximum();
}
// Whether a key sent to a window has reached a control yet.
struct KeyArrival : QObject {
    KeyArrival() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *to, QEvent *e) override {
        if (e->type() == QEvent::KeyPress && to->isWidgetType()) inFlight = false;
        return false;
    }
    bool inFlight = false;
};
// What Orca has spoken so far, read from its log as it grows: each utterance is "SPEECH OUTPUT: '...'"
// up to "'{", line breaks and all. Words are heard when an utterance begins with them (after the role
// word of a notification), so a line under another speaker's name is not heard. Blanks are left out, as
// Orca turns line breaks into pauses.
class OrcaEar {
  public:
    bool On() const { return !log_.fileName().isEmpty(); }
    // Whether the words were spoken at all; and whether since the last words heard afresh.
    bool Heard(const QString &words) { return find(words, 0) >= 0; }
    bool HeardAfresh(const QString &words) {
        const qsizetype at = find(words, fresh_);
        if (at >= 0) fresh_ = at + 1;
        return at >= 0;
    }

  private:
    qsizetype find(const QString &words, qsizetype from) {
        if (log_.open(QIODevice::ReadOnly)) {
            log_.seek(read_), unread_ += log_.readAll(), read_ = log_.pos(), log_.close();
            for (qsizetype at, to;
                 (at = unread_.indexOf("SPEECH OUTPUT: '")) >= 0 && (to = unread_.indexOf("'{", at)) >= 0;
                 unread_.remove(0, to))
                said_ << bare(QString::fromUtf8(unread_.mid(at + 16, to - at - 16)))
                             .remove(QRegularExpression(QStringLiteral("^notification")));
        }
        for (qsizetype i = from; i < said_.size(); ++i)
            if (said_[i].startsWith(bare(words))) return i;
        return -1;
    }
    static QString bare(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); }
    QFile log_{qEnvironmentVariable("DUSKBELL_ORCA_LOG")};
    qint64 read_ = 0;
    QByteArray unread_;
    QStringList said_;
    qsizetype fresh_ = 0;
};
} // namespace

class TestPlayers : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    // By the wheel (Page Up and Esc: the keys-alone afternoon), and it never clicks nor changes the mode.
    void lookbackOpensScrollsAndClosesWithoutAClick() {
        DblMain &m = Win<DblMain>();
        m.Show(); // forty lines, every other one spoken
        for (int i = 0; i < 40; ++i)
            ShowScene({}, QStringLiteral("line %1").arg(i), i % 2 ? "Saya" : "");
        m.Label3->SetCaption(QStringLiteral("クリックしてください")),
            G.Clicked = 0; // a line waits to be clicked away
        const Integer mode = G.Mode;
        const struct {
            const char *how;
            std::function<void()> open, scroll;
            bool atEnd;
            std::function<void()> close;
        } ways[] = {
            {"wheel, click", [&] { WheelOn(m.Image1->Widget(), 120); }, [] { WheelOn(logText(), 120); },
             false, [] { ClickOn(logText()); }},
            {"wheel, wheel down at the end", [&] { WheelOn(m.Label1->Widget(), 120); },
             [] { KeyOn(logText(), Qt::Key_Up), WheelOn(logText(), -120); }, true,
             [] { WheelOn(logText(), -120); }},
        };
        for (const auto &w : ways) {
            w.open();
            QVERIFY2(logText() && Win<DblLog>().Visible() &&
                         Win<DblLog>().Widget()->geometry() == m.Widget()->geometry() && logAtEnd() &&
                         logText()->toPlainText().startsWith("line 0\nSaya\nline 1\n") &&
                         logText()->toPlainText().endsWith("Saya\nline 39"),
                     w.how);
            w.scroll();
            QVERIFY2(logText() && logAtEnd() == w.atEnd, w.how);
            w.close();
            QVERIFY2(!IsLoaded<DblLog>() && G.Clicked == 0 && G.Mode == mode, w.how);
        }
        // Open, it follows the campus window and takes new lines at the bottom.
        KeyOn(&m, Qt::Key_PageUp);
        m.Move(m.Left() + 600, m.Top() + 300);
        ShowScene({}, QStringLiteral("line 40"), {});
        QVERIFY(Win<DblLog>().Widget()->geometry() == m.Widget()->geometry() &&
                logText()->toPlainText().endsWith("line 39\nline 40"));
        // A resumed afternoon looks back only on itself.
        BeginAfternoon(true);
        QVERIFY(!IsLoaded<DblLog>() && AfternoonLines().size() == 1 &&
                AfternoonLines()[0].second == QString::fromUtf16(ResumeLine));
    }

    // A whole afternoon by keys alone, each sent to the window that has the focus, from the title to the
    // staff roll: names (one refused), prologue, album, walks, a call, replies, the gate; a look back from
    // the story and before each reply gives the keys back. The clock moves only when he lets it. Beside
    // Orca (tests/orca.sh) he listens: each line, reply and thought is spoken, who says it first.
    void keysAlonePlayAWholeAfternoon() {
        ResetWorld(0.01);
        OrcaEar ear;
        Win<DblTitle>().Show();
        int steps = 0, replies = 0, walks = 0, lookbacks = 0;
        bool lookedBack = false;
        QStringList unheard;
        // Enter into the boxes, a name, Enter twice (the second missing: refused), the second, Tab, Enter.
        const QString keys = QStringLiteral("\1a\1\1b\t\1");
        QString typed = keys;
        // Presses a key where the desktop sends it, once the window that should have the keys has them and
        // the last key has arrived (a screen reader sees each key first, so keys come late).
        KeyArrival arrival;
        const auto press = [&](auto *should, Qt::Key key) {
            QWindow *focus = QGuiApplication::focusWindow();
            if (arrival.inFlight || !focus || focus != should->Widget()->window()->windowHandle())
                return false;
            arrival.inFlight = true;
            QTest::keyClick(focus, key);
            return true;
        };
        // Beside Orca, goes on only once the words were spoken (or were waited for long enough).
        QString awaited, last;
        QElapsedTimer since;
        const auto heard = [&](const QString &words) {
            if (!ear.On() || words.isEmpty() || words == last) return true;
            if (words != awaited) awaited = words, since.start();
            if (ear.HeardAfresh(words)) return last = words, true;
            if (since.elapsed() < 60000) return false; // a loaded machine slows Orca down
            unheard << words, awaited.clear();
            return true;
        };
        // A line as a screen reader should say it: who speaks first; his own replies as he chose them.
        const auto spoken = [](const QString &speaker, const QString &line) {
            return speaker.isEmpty() || speaker == G.Myouji + QStringLiteral("　") + G.Namae
                       ? line
                       : speaker + QStringLiteral("「") + line + QStringLiteral("」");
        };
        const auto act = [&] {
            if (arrival.inFlight) return;
            ++steps;
            if (IsLoaded<DblTitle>()) {
                press(&Win<DblTitle>(), Qt::Key_Return);
            } else if (IsLoaded<DblStart>()) {
                // The hostess is heard, who says it first, also while a name box keeps the keys; and the
                // menu item the arrows reach.
                DblStart &s = Win<DblStart>();
                if (!heard(s.MenuFocus == 0 && typed == keys ? QStringLiteral("新しくはじめる")
                                                             : "相沢　ゆかり「" + s.Serif->Caption().left(8)))
                    return;
                if (s.MenuFocus < 0) return void(press(&s, Qt::Key_Down)); // onto the first item
                if (typed.isEmpty()) return;
                // Taken off first: a key may start a wait, inside which the player goes on.
                const QChar c = typed[0];
                typed.remove(0, 1);
                if (!press(&s, c == '\1'   ? Qt::Key_Return
                               : c == '\t' ? Qt::Key_Tab
                                           : Qt::Key(c.toUpper().unicode())))
                    typed.prepend(c);
            } else if (DblAlbum *a = IsLoaded<DblAlbum>() ? &Win<DblAlbum>() : nullptr; a && a->Visible()) {
                if (!heard(a->Label1->Caption())) return;
                press(a, a->KeyFocus == 1 ? Qt::Key_Return : Qt::Key_Right); // the second girl, picked twice
            } else if (IsLoaded<DblLog>()) {
                press(Win<DblLog>().Text1, Qt::Key_Escape);
            } else if (IsLoaded<DblSerif>() && Win<DblSerif>().Command1[1]->Enabled()) {
                DblSerif &s = Win<DblSerif>();
                if (lookbacks == replies && press(&s, Qt::Key_PageUp)) return void(++lookbacks);
                if (!s.Command1[1]->HasFocus()) return void(press(&s, Qt::Key_Down));
                if (heard(s.Command1[1]->Caption()) && press(&s, Qt::Key_Return)) ++replies;
            } else if (IsLoaded<DblEnding>()) {
                DblEnding &e = Win<DblEnding>();
                if (e.Timer1->Enabled()) e.Timer1->Tick();
            } else if (!IsLoaded<DblMain>()) {
            } else if (DblMain &m = Win<DblMain>();
                       !heard(spoken(m.Label2->Caption(), m.Label1->Caption()))) {
            } else if (!m.Label3->Caption().isEmpty() && G.Clicked == 0) {
                press(&m, Qt::Key_Space);
            } else if (G.Mode == ModeFree && !lookedBack) { // once from the story: the keys must come back
                lookedBack = press(&m, Qt::Key_PageUp);
            } else if (G.Mode == ModeFree && walks < 3 && m.Command1[walks * 2]->Enabled()) {
                if (press(&m, Qt::Key(Qt::Key_F1 + walks * 2))) ++walks; // rooftop, then two places more
            } else if (m.Timer1->Enabled() && steps % 3 == 0) {
                m.Timer1->Tick();
            }
        };
        QTimer player;
        QObject::connect(&player, &QTimer::timeout,
                         [&] { QMetaObject::invokeMethod(&player, act, Qt::QueuedConnection); });
        player.start(ear.On() ? 20 : 1);
        // Beside Orca the player waits for every word, however slow Orca is on a loaded machine: the
        // time allowed is only a net against a game that stalls.
        const bool ended = RunEnding([&] { RunUntil([] { return false; }, ear.On() ? 900000 : 120000); });
        QVERIFY2(unheard.isEmpty(), qPrintable(unheard.join('\n')));
        QVERIFY(ended && lookedBack && lookbacks == replies);
        QVERIFY(G.Myouji == "a" && G.Namae == "b" && G.TargetGirl == 2 && walks >= 2 && replies >= 2);
        QVERIFY(G.EndingNo >= 1 && ReadClearRecord().size() == 2 && G.GameMinute == 30); // the gate at 5:00
        // The lookback kept what he saw elsewhere too: her thought over the album, his own reply under his
        // name right before her answer.
        const auto &lines = AfternoonLines();
        QVERIFY(lines.size() > 20 && lines[0].second == QString::fromUtf16(PrologueLines[0]));
        const auto thought =
            std::pair(QString(), QStringLiteral("一度も、ちゃんと話したことなんてないんだよな……。"));
        QVERIFY(std::ranges::find(lines, thought) != lines.end() &&
                std::ranges::find(lines, QStringLiteral("a　b"), &std::pair<QString, QString>::first) !=
                    lines.end());
        if (ear.On()) {
            for (const auto &[speaker, line] : lines)
                if (!ear.Heard(spoken(speaker, line))) unheard << spoken(speaker, line);
            for (const char *words :
                 {"私立夕鐘学園高校。", "……ん？　ポケットのＰＨＳが鳴っている。", "滝本　健二「もしもし、a"})
                QVERIFY2(ear.Heard(QString::fromUtf8(words)), words);
        }
        QVERIFY2(unheard.isEmpty(), qPrintable(unheard.join('\n')));
    }

    // F12, on any window and never a click, turns the game's own voice on and off, remembered outside the
    // game's section; it reads a line with its speaker, the reply the keys reach and a message box.
    void theOwnVoiceReadsLinesRepliesAndMessages() {
        DblMain &m = Win<DblMain>();
        m.Show(), m.Activate();
        G.Clicked = 0;
        KeyOn(&m, Qt::Key_F12);
        QVERIFY(SelfVoicing() && G.Clicked == 0 && GetSetting("Velmor", "Access", "SelfVoicing") == "1" &&
                GetSetting("Velmor", "Duskwatch", "SelfVoicing").isEmpty());
        ShowScene({}, QStringLiteral("やっほー！"), QStringLiteral("春日　ひなた"));
        QCOMPARE(LastSpoken(), QStringLiteral("春日　ひなた「やっほー！」"));
        View().replies->Offer({QStringLiteral("うん"), QStringLiteral("いいね"), QStringLiteral("別に"),
                               QStringLiteral("えっ"), QStringLiteral("じゃあ")});
        DblSerif &s = Win<DblSerif>();
        QVERIFY(RunUntil([&] { return s.Widget()->isActiveWindow(); }, 5000));
        KeyOn(&s, Qt::Key_Down);
        QVERIFY2(LastSpoken().contains(QStringLiteral("いいね")), qPrintable(LastSpoken()));
        MsgBox(QStringLiteral("セーブしました。"), MsgButtons::Ok, MsgIcon::Information,
               QStringLiteral("Duskbell"));
        QCOMPARE(LastSpoken(), QStringLiteral("セーブしました。"));
        KeyOn(&s, Qt::Key_F12), ShowScene({}, QStringLiteral("またね"),
                                          QStringLiteral("春日　ひなた")); // off from the replies too
        QVERIFY(!SelfVoicing() && LastSpoken().isEmpty() &&
                GetSetting("Velmor", "Access", "SelfVoicing") == "0");
    }

    // Text the colours leave free reads at 4.5:1 or more: the click prompt, a disabled destination.
    void promptAndDisabledButtonsReadWell() {
        const auto lum = [](const QColor &c) {
            const auto lin = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
        };
        const auto contrast = [&](const QColor &a, const QColor &b) {
            return std::max(lum(a), lum(b)) / std::min(lum(a), lum(b));
        };
        DblMain &m = Win<DblMain>();
        const QPalette b = m.Command1[0]->Widget()->palette();
        QVERIFY(contrast(m.Label3->Widget()->palette().color(QPalette::WindowText),
                         m.Widget()->palette().color(QPalette::Window)) >= 4.5);
        QVERIFY(contrast(b.color(QPalette::Disabled, QPalette::ButtonText),
                         b.color(QPalette::Disabled, QPalette::Button)) >= 4.5);
    }
};

QTEST_MAIN(TestPlayers)
#include "test_players.moc"
