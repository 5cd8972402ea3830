#include "core/DblLog.h"

#include "core/Scene.h"
#include "platform/Speech.h"
#include <algorithm>

namespace {
QString LineHtml(const QString &speaker, const QString &text) {
    QString body = text.toHtmlEscaped();
    body.replace(QStringLiteral("\r\n"), QStringLiteral("<br>")).replace('\n', QStringLiteral("<br>"));
    const QString head =
        speaker.isEmpty() ? QString() : QStringLiteral("<b>%1</b><br>").arg(speaker.toHtmlEscaped());
    return QStringLiteral("<p style=\"margin-bottom:6px\">") + head + body + QStringLiteral("</p>");
}

// The window, while it is still loaded; null once it is gone.
Form *stillLoaded(Form *form) {
    const std::vector<Form *> forms = LoadedForms();
    return std::find(forms.begin(), forms.end(), form) != forms.end() ? form : nullptr;
}
} // namespace

DblLog::DblLog() {
    // No frame of its own: it lies over the campus window, which keeps the desktop's frame.
    SetFrameless();
    SetCaption(QStringLiteral("Duskbell  Lookback"));
    SetBackColor(QColor(255, 224, 192));
    Text1 = AddTextView(0, 0, 0, 0);
    Text1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    Text1->SetColors(QColor(255, 224, 192), QColor(0, 0, 0));
    Text1->SetAccessibleName(QStringLiteral("これまでのセリフ"));
    // Esc, clicks and the wheel past the end close the lookback instead of reaching the text.
    Text1->KeyDown = [this](Key key, int) {
        if (key != Key::Escape) return false;
        UnloadNow();
        return true;
    };
    Text1->MouseDown = [this] {
        UnloadNow();
        return true;
    };
    Text1->Wheel = [this](int delta) {
        if (delta >= 0 || !Text1->AtEnd()) return false;
        UnloadNow();
        return true;
    };
}

void DblLog::Form_Load() {
    for (const auto &[speaker, text] : AfternoonLines())
        Text1->Append(LineHtml(speaker, text));
}

void DblLog::ScrollToEnd() {
    Text1->ScrollToEnd();
}

void DblLog::Follow(Form &campus) {
    campus_ = &campus;
    const QRect r = campus.ClientRect();
    SetClientSize(r.width(), r.height());
    Move(r.x(), r.y());
    Place(Text1, 120, 60, r.width() - 180, r.height() - 120);
}

void DblLog::Form_Rescaled() {
    if (stillLoaded(campus_)) Follow(*campus_);
}

void DblLog::AddLine(const QString &speaker, const QString &text) {
    const bool atEnd = Text1->AtEnd();
    Text1->Append(LineHtml(speaker, text));
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
    Form *active = ActiveForm();
    if (active && active != this) keysBefore_ = active;
    Activate();
    Text1->SetFocus();
}

void DblLog::Form_Unload() {
    // The keys go back where they were: the reply window while she waits for an answer, else the story.
    Form *before = stillLoaded(keysBefore_);
    Form *back = before && before->Visible() ? before : stillLoaded(campus_);
    if (back) back->Activate();
}

void OpenLookback(Form &campus) {
    DblLog &log = Win<DblLog>();
    log.Follow(campus);
    log.Show();
    log.ScrollToEnd();
    log.TakeKeys();
}
