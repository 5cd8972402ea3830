#include "platform/System.h"

#include "platform/Settings.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QApplication>
#include <QMessageBox>
#include "platform/Speech.h"
#include <QPushButton>
#include <QSocketNotifier>
#include <QTime>
#include <cstdlib>
#include <csignal>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace {
double timeScale = 1.0;
std::mt19937 generator{0};
std::function<int()> hourSource;
std::function<void()> endHook;
std::function<MsgAnswer(const MsgBoxRequest &)> msgHook;
} // namespace

void SetTimeScale(double scale) { timeScale = scale > 0 ? scale : 1.0; }
double TimeScale() { return timeScale; }

void Randomize() { generator.seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch())); }
void Randomize(unsigned seed) { generator.seed(seed); }
double Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator); }

int CurrentHour() { return hourSource ? hourSource() : QTime::currentTime().hour(); }
void SetHourSource(std::function<int()> source) { hourSource = std::move(source); }

void SetEndProcessHook(std::function<void()> hook) { endHook = std::move(hook); }

void EndProcess() {
    FlushSettings();
    if (endHook) {
        endHook();
        throw ProcessEnded{};
    }
    // Leave at once: returning into suspended waits would run more of the game.
    std::fflush(nullptr);
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
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &sa, nullptr);
}

void SetMsgBoxHook(std::function<MsgAnswer(const MsgBoxRequest &)> hook) { msgHook = std::move(hook); }

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) {
    const MsgAnswer first = buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    return MsgBox(text, buttons, icon, title, first);
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title,
                 MsgAnswer defaultButton) {
    Speak(text);
    if (msgHook) return msgHook(MsgBoxRequest{text, title, buttons, icon, defaultButton});
    // Over the window it speaks for, on that window's screen.
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
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
