#include "core/DblLog.h"

#include "core/Scene.h"
#include "platform/Speech.h"
#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWheelEvent>

namespace {
QString LineHtml(const QString &speaker, const QString &text) {
    QString body = text.toHtmlEscaped();
    body.replace(QStringLiteral("\r\n"), QStringLiteral("<br>")).replace('\n', QStringLiteral("<br>"));
    const QString head =
        speaker.isEmpty() ? QString() : QStringLiteral("<b>%1</b><br>").arg(speaker.toHtmlEscaped());
    return QStringLiteral("<p style=\"margin-bottom:6px\">") + head + body + QStringLiteral("</p>");
}
} // namespace

DblLog::DblLog() {
    // No frame of its own: it lies over the campus window, which keeps the desktop's frame.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    SetCaption(QStringLiteral("Duskbell  Lookback"));
    SetBackColor(QColor(255, 224, 192));
    Text1 = new QTextBrowser(this);
    Text1->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setStyleSheet(QStringLiteral("QTextBrowser { background: rgb(255,224,192); color: black; }"));
    Text1->setOpenLinks(false);
    Text1->setAccessibleName(QStringLiteral("これまでのセリフ"));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->viewport()->installEventFilter(this);
    Text1->installEventFilter(this);
}

void DblLog::Form_Load() {
    for (const auto &[speaker, text] : AfternoonLines())
        Text1->append(LineHtml(speaker, text));
}

void DblLog::ScrollToEnd() {
    // A long text is laid out a piece at a time; counting its pages finishes the layout, so that the
    // scroll bar knows the whole length.
    Text1->document()->pageCount();
    Text1->verticalScrollBar()->setValue(Text1->verticalScrollBar()->maximum());
}

void DblLog::Follow(Form &campus) {
    campus_ = &campus;
    const QRect r = campus.geometry();
    SetClientSize(Tw(r.width()), Tw(r.height()));
    Move(Tw(r.x()), Tw(r.y()));
    Place(Text1, 120, 60, Tw(r.width()) - 180, Tw(r.height()) - 120);
}

void DblLog::Form_Rescaled() {
    if (campus_) Follow(*campus_);
}

void DblLog::AddLine(const QString &speaker, const QString &text) {
    QScrollBar *bar = Text1->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    Text1->append(LineHtml(speaker, text));
    if (atEnd) ScrollToEnd();
    Announce(this, SpokenLine(speaker, text));
}

void DblLog::Form_KeyDown(Key key, int) {
    if (key == Key::Escape) UnloadNow();
}

void DblLog::Form_MouseDown(int, int, int, int) {
    UnloadNow();
}

void DblLog::TakeKeys() {
    QWidget *active = QApplication::activeWindow();
    if (active && active != this) keysBefore_ = active;
    activateWindow();
    Text1->setFocus();
}

void DblLog::Form_Unload() {
    // The keys go back where they were: the reply window while she waits for an answer, else the story.
    QWidget *back = keysBefore_ && keysBefore_->isVisible() ? keysBefore_.data() : campus_.data();
    if (back) back->activateWindow();
}

bool DblLog::eventFilter(QObject *watched, QEvent *e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
        UnloadNow();
        return true;
    }
    if (e->type() == QEvent::MouseButtonPress && watched == Text1->viewport()) {
        UnloadNow();
        return true;
    }
    if (e->type() == QEvent::Wheel && watched == Text1->viewport()) {
        const QScrollBar *bar = Text1->verticalScrollBar();
        if (static_cast<QWheelEvent *>(e)->angleDelta().y() < 0 && bar->value() >= bar->maximum()) {
            UnloadNow();
            return true;
        }
    }
    return Form::eventFilter(watched, e);
}

void OpenLookback(Form &campus) {
    DblLog &log = Win<DblLog>();
    log.Follow(campus);
    log.Show();
    log.ScrollToEnd();
    log.TakeKeys();
}
