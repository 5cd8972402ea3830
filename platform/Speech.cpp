#include "platform/Speech.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <condition_variable>
#include <libspeechd.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {
// An invisible object that holds a line while it has the keys, and passes every key to its window.
class LineReader : public QWidget {
  public:
    explicit LineReader(QWidget *window) : QWidget(window) {
        setFocusPolicy(Qt::ClickFocus); // out of the Tab order, and never clicked: see below
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
    }
};

// An invisible notice for a window whose keys are at work in a control: Orca 43 speaks an object of
// the notification role as it shows, and the keys stay where they are.
class LineNotice : public QWidget {
  public:
    explicit LineNotice(QWidget *window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
    }
};

// A reader keeps the plain widget's role (a filler, which Orca speaks by its name alone as it takes
// the keys); a notice has its own.
QAccessibleInterface *noticeAccessible(const QString &, QObject *object) {
    auto *notice = dynamic_cast<LineNotice *>(object);
    return notice ? new QAccessibleWidget(notice, QAccessible::Notification) : nullptr;
}

template <class T> QList<T *> childrenOfType(QWidget *window) {
    QList<T *> found; // by type: without a meta-object of its own, findChildren cannot
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (auto *t = dynamic_cast<T *>(child)) found.append(t);
    return found;
}

// Speech Dispatcher on a thread of its own: connecting may take seconds, or hang where the desktop has
// no sound device, and the game's clock must never wait for it. Only the newest text is kept.
class Voice {
  public:
    void Say(const QString &text, bool interrupt) {
        {
            std::lock_guard lock(mutex_);
            if (interrupt) pending_.clear(), cancel_ = true;
            pending_.push_back(text.toStdString());
            // Never joined: a hung service must not hold up the end of the program.
            if (!started_) std::thread([this] { run(); }).detach(), started_ = true;
        }
        wake_.notify_one();
    }

  private:
    void run() {
        SPDConnection *spd = spd_open("duskbell", "main", nullptr, SPD_MODE_THREADED);
        if (spd) chooseJapanese(spd);
        for (;;) {
            std::vector<std::string> texts;
            bool cancel = false;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return !pending_.empty() || cancel_; });
                texts.swap(pending_);
                std::swap(cancel, cancel_);
            }
            if (!spd) continue; // no service: silent, and the game goes on
            if (cancel) spd_cancel(spd);
            for (const std::string &text : texts)
                if (!text.empty()) spd_say(spd, SPD_MESSAGE, text.c_str());
        }
    }
    // A Japanese voice where one is installed; otherwise the desktop's default voice.
    static void chooseJapanese(SPDConnection *spd) {
        SPDVoice **voices = spd_list_synthesis_voices(spd);
        bool found = false;
        for (SPDVoice **v = voices; v && *v && !found; ++v) {
            if ((*v)->language && std::string((*v)->language).rfind("ja", 0) == 0) {
                found = spd_set_synthesis_voice(spd, (*v)->name) == 0;
            }
        }
        if (voices) free_spd_voices(voices);
        if (found) spd_set_language(spd, "ja");
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<std::string> pending_; // said in turn after what is being said
    bool cancel_ = false, started_ = false;
};

struct State {
    bool on = false;
    QString last;
    Voice voice;
};
// Kept to the end of the process, with the voice's thread that uses it.
State &state() {
    static State *s = new State;
    return *s;
}
} // namespace

void Announce(QWidget *window, const QString &text) {
    if (text.isEmpty()) return;
    Speak(text);
    if (!window) return;
    QWidget *target = window->window();
    if (!target->isVisible()) return SayAsItOpens(target, text);
    // Orca 43 drops name changes on labels, and with Qt 6.4 it cannot read any other object's new
    // name (the toolkit sends the object instead of the text) nor receive an announcement: what it
    // surely speaks is the object that takes the keys. So the line takes the keys, by turns in one of
    // two readers of the window, which pass every key on to the window. Never from a control that
    // has the keys (a reply, a name box, the player may be halfway through a word): the line shows
    // as a notice there instead.
    // Installed once the toolkit runs: installed as the program loaded, it was never asked (the readers
    // it once gave the label role came out as plain fillers, which Orca speaks without a role word).
    static const bool noticeRole = (QAccessible::installFactory(noticeAccessible), true);
    (void)noticeRole;
    QWidget *active = QApplication::activeWindow();
    if (active) target = active;
    QWidget *focus = target->focusWidget();
    if (qobject_cast<QAbstractButton *>(focus) || qobject_cast<QLineEdit *>(focus) ||
        qobject_cast<QAbstractScrollArea *>(focus)) {
        QList<LineNotice *> notices = childrenOfType<LineNotice>(target);
        LineNotice *notice = notices.isEmpty() ? new LineNotice(target) : notices[0];
        notice->hide();
        notice->setAccessibleName(text);
        notice->show();
        return;
    }
    QList<LineReader *> readers = childrenOfType<LineReader>(target);
    while (readers.size() < 2)
        readers.append(new LineReader(target));
    LineReader *next = readers[0] == focus ? readers[1] : readers[0];
    next->setAccessibleName(text);
    next->show();
    next->setFocus(Qt::OtherFocusReason);
}

void SayAsItOpens(QWidget *window, const QString &text) {
    // Orca speaks a frame's name as it activates; a name changed on a frame on screen it cannot read.
    if (!window->window()->isVisible()) window->window()->setAccessibleName(text);
}

void SetSelfVoicing(bool on) {
    if (!on) Speak(QString()); // stops a line being read
    state().on = on;
    // The control that takes the keys is read as it takes them: a reply as the selection moves, a
    // message box's button after its text.
    static const bool following = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
            if (qobject_cast<QAbstractButton *>(now) || qobject_cast<QLineEdit *>(now)) SpeakFocus(now);
        });
        return true;
    }();
    (void)following;
}

bool SelfVoicing() {
    return state().on;
}

void Speak(const QString &text, bool interrupt) {
    if (!state().on) return;
    state().last = text;
    state().voice.Say(text, interrupt);
}

void SpeakFocus(QWidget *control) {
    if (!control) return;
    QString text = control->accessibleName();
    if (text.isEmpty())
        if (auto *button = qobject_cast<QAbstractButton *>(control)) text = button->text();
    Speak(text.remove('&'), false);
}

QString LastSpoken() {
    return state().last;
}
