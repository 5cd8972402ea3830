// Players beyond the mouse: the lookback never clicks nor changes the game, and the keyboard alone plays.
#include "TestSupport.h"
#include "WindowInput.h"
#include "core/DblLog.h"
#include "core/Prologue.h"
#include "core/PrologueLines.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "frontend/DblStart.h"
#include "platform/Settings.h"
#include "platform/Speech.h"
#include "platform/System.h"
#include "talk/DblAlbum.h"
#include "talk/DblSerif.h"
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <cmath>
#include <tuple>

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
} // namespace

class TestPlayers : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

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
            {"wheel, Esc", [&] { WheelOn(m.Image1->Widget(), 120); }, [] { WheelOn(logText(), 120); }, false,
             [] { KeyOn(logText(), Qt::Key_Escape); }},
            {"Page Up, click", [&] { KeyOn(m.Label1, Qt::Key_PageUp); },
             [] { KeyOn(logText(), Qt::Key_PageUp); }, false, [] { ClickOn(logText()); }},
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

    void functionKeysWalkOnlyWhenNoLineWaits() {
        DblMain &m = StandAt(3, 5, G.Mode);
        for (Button *b : m.Command1)
            b->SetEnabled(true);
        const struct {
            Qt::Key key;
            bool waiting;
            int destination;
            bool click;
        } keys[] = {{Qt::Key_F2, true, 0, false},
                    {Qt::Key_2, false, 0, true},
                    {Qt::Key_F8, false, 0, false},
                    {Qt::Key_F2, false, 2, false}};
        for (const auto &k : keys) {
            G.Clicked = 0, G.Destination = 0;
            bool clicked = false;
            const auto press = [&] { KeyOn(&m, k.key), clicked = G.Clicked != 0; };
            if (k.waiting) // the key comes while a line really waits; then the line is clicked away
                Later([&] { press(), PlayerClicked(); }), WaitClick();
            else
                press();
            QVERIFY(G.Destination == k.destination && clicked == k.click && G.GameMinute == 5);
        }
    }

    // From the start screen to her answer with nothing but keys; the clock moves only when the player lets
    // it.
    void keyboardAlonePlaysThePrologueTheAlbumAndAReply() {
        ResetWorld(0.01);
        DblStart &start = Win<DblStart>();
        start.Show();
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up})
            KeyOn(&start, k); // the first item, then around to the last
        QVERIFY(start.MenuFocus == 2 &&
                static_cast<QLabel *>(start.Label1[2]->Widget())->frameShape() == QFrame::Box);
        KeyOn(&start, Qt::Key_Down);
        int steps = 0, ticks = 0, replies = 0, walks = 0;
        QString read; // what a screen reader finds on the framed photo
        // Each key from a queued call: a key that starts a wait must not stop the next one (a timer never
        // re-enters).
        const auto act = [&] {
            ++steps;
            if (DblAlbum *a = IsLoaded<DblAlbum>() ? &Win<DblAlbum>() : nullptr; a && a->Visible()) {
                if (a->KeyFocus >= 0)
                    read = QAccessible::queryAccessibleInterface(a->Image1[a->KeyFocus]->Widget())
                               ->text(QAccessible::Name);
                KeyOn(a, a->KeyFocus == 1 ? Qt::Key_Return : Qt::Key_Right); // the second girl, picked twice
            } else if (IsLoaded<DblSerif>() && Win<DblSerif>().Command1[1]->Enabled()) {
                DblSerif &s = Win<DblSerif>();
                const bool onSecond = s.Command1[1]->HasFocus();
                KeyOn(&s, onSecond ? Qt::Key_Return : Qt::Key_Down), replies += onSecond;
            } else if (!IsLoaded<DblMain>() || replies > 0) {
            } else if (DblMain &m = Win<DblMain>(); !m.Label3->Caption().isEmpty() && G.Clicked == 0) {
                KeyOn(&m, Qt::Key_Space);
            } else if (G.Mode == ModeFree && walks == 0 && m.Command1[0]->Enabled()) {
                KeyOn(&m, Qt::Key_F1), ++walks; // to the rooftop, where she is at 4:34
            } else if (m.Timer1->Enabled() && steps % 3 == 0) {
                m.Timer1->Tick(), ++ticks;
            }
        };
        QTimer player;
        QObject::connect(&player, &QTimer::timeout,
                         [&] { QMetaObject::invokeMethod(&player, act, Qt::QueuedConnection); });
        player.start(1);
        // Into the name boxes, both names, onto OK; the whole prologue and the album run inside its key.
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_A, Qt::Key_Tab, Qt::Key_B, Qt::Key_Tab, Qt::Key_Return})
            KeyOn(&start, k);
        QVERIFY(RunUntil([&] { return replies == 1 && G.Mode == ModeFree && !IsLoaded<DblSerif>(); }, 20000));
        DblMain &m = Win<DblMain>();
        QVERIFY(G.Myouji == "a" && G.Namae == "b" && G.TargetGirl == 2 && walks == 1 && G.Location == 1);
        QCOMPARE(read, QStringLiteral("春日　ひなた"));
        QCOMPARE(int(G.GameMinute), 1 + ticks); // the clock moved only on the player's ticks
        QVERIFY(AfternoonLines().size() > 9 &&
                AfternoonLines()[0].second == QString::fromUtf16(PrologueLines[0]) &&
                !m.Label2->Caption().isEmpty() &&
                AfternoonLines().back() == std::make_pair(m.Label2->Caption(), m.Label1->Caption()));
        // The lookback keeps what he saw elsewhere too: her thought over the album, then his own reply
        // under his name, right before her answer.
        const auto &lines = AfternoonLines();
        const auto thought = std::find(
            lines.begin(), lines.end(),
            std::make_pair(QString(), QStringLiteral("一度も、ちゃんと話したことなんてないんだよな……。")));
        QVERIFY(thought != lines.end() && lines[lines.size() - 2].first == QStringLiteral("a　b") &&
                !lines[lines.size() - 2].second.isEmpty());
        OpenLookback(m);
        QVERIFY(logText()->toPlainText().contains(
            QStringLiteral("一度も、ちゃんと話したことなんてないんだよな……。")));
    }

    // F12, on any window and never a click, turns the game's own voice on and off, remembered outside the
    // game's section; it reads a line with its speaker, the reply the keys reach and a message box.
    void theOwnVoiceReadsLinesRepliesAndMessages() {
        DblMain &m = Win<DblMain>();
        m.Show(), m.Activate();
        G.Clicked = 0;
        KeyOn(&m, Qt::Key_F12);
        QVERIFY(SelfVoicing() && G.Clicked == 0);
        QCOMPARE(
            GetSetting(QStringLiteral("Velmor"), QStringLiteral("Access"), QStringLiteral("SelfVoicing")),
            QStringLiteral("1"));
        QCOMPARE(
            GetSetting(QStringLiteral("Velmor"), QStringLiteral("Duskwatch"), QStringLiteral("SelfVoicing")),
            QString());
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
                GetSetting(QStringLiteral("Velmor"), QStringLiteral("Access"),
                           QStringLiteral("SelfVoicing")) == QStringLiteral("0"));
    }

    // Page Up opens the lookback from the reply window too, and Esc gives the keys back to the window
    // that had them: the replies while she waits, the story otherwise.
    void theLookbackGivesTheKeysBack() {
        DblMain &m = Win<DblMain>();
        m.Show(), m.Activate();
        View().replies->Offer({QStringLiteral("うん"), QStringLiteral("いいね"), QStringLiteral("別に"),
                               QStringLiteral("えっ"), QStringLiteral("じゃあ")});
        for (Form *had : {static_cast<Form *>(&Win<DblSerif>()), static_cast<Form *>(&m)}) {
            QVERIFY(RunUntil([&] { return had->Widget()->isActiveWindow(); }, 5000));
            KeyOn(had, Qt::Key_PageUp);
            QVERIFY(IsLoaded<DblLog>() &&
                    RunUntil([] { return Win<DblLog>().Widget()->isActiveWindow(); }, 5000));
            KeyOn(Win<DblLog>().Text1, Qt::Key_Escape);
            QVERIFY(!IsLoaded<DblLog>() && RunUntil([&] { return had->Widget()->isActiveWindow(); }, 5000));
            Unload<DblSerif>();
        }
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

    // A real screen reader speaks each new line once, who says it first: on the campus window, over the
    // start screen and in the album (only beside Orca, tests/orca.sh).
    void orcaSpeaksEachLineWithItsSpeaker() {
        const QString log = qEnvironmentVariable("DUSKBELL_ORCA_LOG");
        if (log.isEmpty()) QSKIP("needs Orca (tests/orca.sh)");
        const auto spoken = [&](const QString &words) {
            return RunUntil(
                [&] {
                    QFile f(log);
                    return f.open(QIODevice::ReadOnly) &&
                           QString::fromUtf8(f.readAll())
                               .contains(QStringLiteral("SPEECH OUTPUT: '") + words);
                },
                30000);
        };
        DblMain &m = Win<DblMain>();
        m.Show(), m.Activate();
        QVERIFY(RunUntil([&] { return m.Widget()->isActiveWindow(); }, 30000));
        // The hero's own line right after a call: never under the last speaker's name.
        for (const auto &[speaker, text, heard] :
             {std::tuple{"", "私立夕鐘学園高校。", "私立夕鐘学園高校。"},
              {"電話の声", "もしもし、俺だよ。", "電話の声「もしもし、俺だよ。」"},
              {"俺", "し、白石さん！？", "俺「し、白石さん！？」"}}) {
            ShowScene({}, QString::fromUtf8(text), QString::fromUtf8(speaker));
            QVERIFY(spoken(QString::fromUtf8(heard)));
        }
        DblAlbum &album = Win<DblAlbum>();
        album.Show(), album.Activate();
        QVERIFY(RunUntil([&] { return album.Widget()->isActiveWindow(); }, 30000));
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right})
            KeyOn(&album, k);
        QVERIFY(spoken(QStringLiteral("一度も、ちゃんと話したことなんてないんだよな……。")));
        Unload<DblAlbum>(), Unload<DblMain>();
        DblStart &start = Win<DblStart>();
        start.Show(), start.Activate();
        QVERIFY(spoken(QStringLiteral("相沢　ゆかり「")));
    }
};

QTEST_MAIN(TestPlayers)
#include "test_players.moc"
