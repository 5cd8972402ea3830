#include "platform/System.h"

#include "platform/Settings.h"
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <cstdlib>
#include <random>

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

void SetMsgBoxHook(std::function<MsgAnswer(const MsgBoxRequest &)> hook) { msgHook = std::move(hook); }

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) {
    const MsgAnswer first = buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    return MsgBox(text, buttons, icon, title, first);
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title,
                 MsgAnswer defaultButton) {
    if (msgHook) return msgHook(MsgBoxRequest{text, title, buttons, icon, defaultButton});
    QMessageBox box;
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

void FatalDataError(const QString &text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Duskbell"));
    EndProcess();
}
