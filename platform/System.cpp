#include "platform/System.h"
#include "platform/Scale.h"

#include "platform/Speech.h"
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QStyle>
#include <QTime>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace {
double timeScale = 1.0;
std::mt19937 generator{0};
std::function<int()> hourSource;
std::function<void()> endHook;
std::function<MsgAnswer(const MsgBoxRequest &)> msgHook;
bool ending = false; // EndProcess has begun
} // namespace

void SetTimeScale(double scale) {
    timeScale = scale > 0 ? scale : 1.0;
}
double TimeScale() {
    return timeScale;
}

void Randomize() {
    generator.seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
}
void Randomize(unsigned seed) {
    generator.seed(seed);
}
double Rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

int CurrentHour() {
    return hourSource ? hourSource() : QTime::currentTime().hour();
}
void SetHourSource(std::function<int()> source) {
    hourSource = std::move(source);
}

void SetEndProcessHook(std::function<void()> hook) {
    endHook = std::move(hook);
}

void EndProcess() {
    // Every change of the settings store is already on disk.
    // A hook leaves (a test throws); if it returns, the process ends all the same.
    ending = true;
    if (endHook) endHook();
    // Leave at once: returning into suspended waits would run more of the game.
    // Only the program's own streams: flushing every stream would wait for the lock of the speech
    // service's connection, which its reader thread holds while it waits for a reply.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}

namespace {
int signalPipe[2] = {-1, -1};

// Only what is safe inside a signal handler: one byte down a socket, read by the event loop.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}
} // namespace

void OnQuitSignals(std::function<void()> handler) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler = std::move(handler)] {
        char byte;
        [[maybe_unused]] const auto n = ::read(signalPipe[0], &byte, 1);
        handler();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &sa, nullptr);
    // A file-size limit then fails the write, which the player is told of, instead of killing the game
    // in the middle of a save.
    std::signal(SIGXFSZ, SIG_IGN);
}

namespace {
std::function<void()> goneHandler;
bool gone = false;

void desktopGoneNow() {
    if (gone || ending || !goneHandler) return;
    gone = true;
    goneHandler();
}

// When its display connection breaks, the toolkit ends the process with exit() from inside its own
// event handling (and the session library does when the manager's connection breaks). exit() destroys the
// ending thread's thread_local objects before any static one and before the atexit functions, so the handler
// runs while everything it needs is still there.
struct ExitWatch {
    ~ExitWatch() { desktopGoneNow(); }
};

// The session manager's die arrives as the application's quit event, on which the toolkit would
// close every window, and a window that asks before it closes would ask.
class QuitWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *object, QEvent *event) override {
        if (object == qApp && event->type() == QEvent::Quit) {
            desktopGoneNow();
            EndProcess();
        }
        return false;
    }
};
} // namespace

void OnDesktopGone(std::function<void()> handler) {
    goneHandler = std::move(handler);
    // Made on the user-interface thread, the one the toolkit exits from.
    static thread_local ExitWatch exitWatch;
    (void)exitWatch;
    qApp->installEventFilter(new QuitWatch(qApp));
    // A write to a display that has gone fails instead of killing the process before it can save.
    std::signal(SIGPIPE, SIG_IGN);
}

void SetMsgBoxHook(std::function<MsgAnswer(const MsgBoxRequest &)> hook) {
    msgHook = std::move(hook);
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) {
    const MsgAnswer first = buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    return MsgBox(text, buttons, icon, title, first);
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title,
                 MsgAnswer defaultButton) {
    Speak(text);
    if (msgHook) return msgHook(MsgBoxRequest{text, title, buttons, icon, defaultButton});
    // No one to show it to: the text goes where the desktop keeps a program's messages.
    if (gone) {
        std::fprintf(stderr, "%s\n", qPrintable(title + QStringLiteral(": ") + text));
        return defaultButton;
    }
    // Over the window it speaks for, on that window's screen.
    QWidget *owner =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    QMessageBox box(owner);
    // At the windows' scale, the text and the icon alike.
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12 * FormScale());
    box.setFont(font);
    if (FormScale() > 1) {
        // The toolkit wraps a box's text past a fixed width in pixels; at a larger scale that would
        // break short Japanese lines, so the label is allowed the scaled width.
        int widest = 0;
        for (const QString &line :
             QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n'))
            widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setMinimumWidth(std::min(widest + 2, 500 * FormScale()));
    }
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (FormScale() > 1 && !box.iconPixmap().isNull()) {
        const QMessageBox::Icon shown = box.icon();
        const QStyle::StandardPixmap kind = shown == QMessageBox::Warning    ? QStyle::SP_MessageBoxWarning
                                            : shown == QMessageBox::Question ? QStyle::SP_MessageBoxQuestion
                                            : shown == QMessageBox::Critical
                                                ? QStyle::SP_MessageBoxCritical
                                                : QStyle::SP_MessageBoxInformation;
        const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * FormScale();
        box.setIconPixmap(
            box.style()->standardIcon(kind, nullptr, &box).pixmap(QSize(side, side), box.devicePixelRatio()));
    }
    QPushButton *ok = nullptr, *yes = nullptr, *no = nullptr, *cancel = nullptr;
    // Japanese captions, as the buttons of a Japanese desktop read.
    if (buttons == MsgButtons::Ok) ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (buttons != MsgButtons::Ok) {
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    }
    if (buttons == MsgButtons::YesNoCancel)
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    QPushButton *def = defaultButton == MsgAnswer::No       ? no
                       : defaultButton == MsgAnswer::Cancel ? cancel
                       : defaultButton == MsgAnswer::Yes    ? yes
                                                            : ok;
    if (def) box.setDefaultButton(def);
    box.setEscapeButton(cancel ? cancel : (no ? no : ok));
    box.exec();
    QAbstractButton *c = box.clickedButton();
    if (c && c == yes) return MsgAnswer::Yes;
    if (c && c == no) return MsgAnswer::No;
    if (c && c == cancel) return MsgAnswer::Cancel;
    if (c && c == ok) return MsgAnswer::Ok;
    return cancel ? MsgAnswer::Cancel : (no ? MsgAnswer::No : MsgAnswer::Ok);
}

QString PlaceNote(const QString &path) {
    return QStringLiteral("（保存先：") + QDir::toNativeSeparators(path) + QStringLiteral("）");
}

void FatalDataError(const QString &text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Duskbell"));
    EndProcess();
}
