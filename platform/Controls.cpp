#include "platform/Controls.h"

#include "platform/Scale.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWheelEvent>

Key KeyOf(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<Key>(int(Key::F1) + qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Shift:
        return Key::Shift;
    case Qt::Key_Control:
        return Key::Control;
    case Qt::Key_Alt:
        return Key::Alt;
    default:
        return Key::Other;
    }
}

int ShiftState(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? ShiftMask : 0) | (mods & Qt::ControlModifier ? CtrlMask : 0) |
           (mods & Qt::AltModifier ? AltMask : 0);
}

int ButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

namespace {
void mouseTo(const std::function<void(int, int, int, int)> &handler, QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    if (handler) handler(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
}

// Each widget owns its control: both go when the window's widget deletes its children.
class LabelWidget final : public QLabel {
  public:
    explicit LabelWidget(QWidget *parent) : QLabel(parent), face(this) {}
    Label face;

  protected:
    void mousePressEvent(QMouseEvent *e) override {
        pressed_ = true;
        mouseTo(face.MouseDown, e);
    }
    void mouseReleaseEvent(QMouseEvent *e) override {
        const bool wasPressed = pressed_;
        pressed_ = false;
        if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) &&
            face.Click)
            face.Click();
    }
    void mouseMoveEvent(QMouseEvent *e) override { mouseTo(face.MouseMove, e); }

  private:
    bool pressed_ = false;
};

class ButtonWidget final : public QPushButton {
  public:
    explicit ButtonWidget(QWidget *parent) : QPushButton(parent), face(this) {
        connect(this, &QPushButton::clicked, this, [this] {
            if (face.Click) face.Click();
        });
    }
    Button face;
};

class TextBoxWidget final : public QLineEdit {
  public:
    explicit TextBoxWidget(QWidget *parent) : QLineEdit(parent), face(this) {
        setAttribute(Qt::WA_InputMethodEnabled, true);
        setInputMethodHints(Qt::ImhNone);
        connect(this, &QLineEdit::returnPressed, this, [this] {
            if (face.EnterPressed) face.EnterPressed();
        });
    }
    TextBox face;
};

class ShapeWidget final : public QWidget {
  public:
    explicit ShapeWidget(QWidget *parent) : QWidget(parent), face(this) {
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
    Shape face;

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        if (face.Paint) return face.Paint(p, width(), height());
        // Drawn at scale 1 and enlarged whole, so a stroke keeps its place and weight at every scale.
        const int s = FormScale();
        p.scale(s, s);
        if (face.IsLine) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(face.BorderColor, face.BorderWidth));
            p.drawLine(face.From, face.To);
            return;
        }
        const QRect r(0, 0, width() / s, height() / s);
        if (face.Filled) p.fillRect(r, face.FillColor);
        if (face.BorderWidth > 0) {
            p.setPen(QPen(face.BorderColor, face.BorderWidth));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent *e) override {
        mouseTo(face.MouseDown, e);
        if (face.Click) face.Click();
    }
};

class TextViewWidget final : public QTextBrowser {
  public:
    explicit TextViewWidget(QWidget *parent) : QTextBrowser(parent), face(this) {
        setFrameShape(QFrame::NoFrame);
        setOpenLinks(false);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        viewport()->installEventFilter(this);
        installEventFilter(this);
    }
    TextView face;

  protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (e->type() == QEvent::KeyPress && face.KeyDown) {
            auto *k = static_cast<QKeyEvent *>(e);
            if (face.KeyDown(KeyOf(k->key()), ShiftState(k->modifiers()))) return true;
        }
        if (e->type() == QEvent::MouseButtonPress && watched == viewport() && face.MouseDown &&
            face.MouseDown())
            return true;
        if (e->type() == QEvent::Wheel && watched == viewport() && face.Wheel &&
            face.Wheel(static_cast<QWheelEvent *>(e)->angleDelta().y()))
            return true;
        return QTextBrowser::eventFilter(watched, e);
    }
};

class PanelWidget final : public QWidget {
  public:
    explicit PanelWidget(QWidget *parent) : QWidget(parent), face(this) {}
    Panel face;
};

template <class W> auto *addControl(QWidget *parent, int l, int t, int w, int h) {
    auto *widget = new W(parent);
    PlaceWidget(widget, l, t, w, h);
    return &widget->face;
}
} // namespace

void PlaceWidget(QWidget *w, int l, int t, int wd, int h) {
    w->setGeometry(Px(l), Px(t), Px(wd), Px(h));
}

Label *NewLabel(QWidget *parent, int l, int t, int w, int h) {
    return addControl<LabelWidget>(parent, l, t, w, h);
}
Button *NewButton(QWidget *parent, int l, int t, int w, int h) {
    return addControl<ButtonWidget>(parent, l, t, w, h);
}
TextBox *NewTextBox(QWidget *parent, int l, int t, int w, int h) {
    return addControl<TextBoxWidget>(parent, l, t, w, h);
}
Shape *NewShape(QWidget *parent, int l, int t, int w, int h) {
    return addControl<ShapeWidget>(parent, l, t, w, h);
}
TextView *NewTextView(QWidget *parent, int l, int t, int w, int h) {
    return addControl<TextViewWidget>(parent, l, t, w, h);
}
Panel *NewPanel(QWidget *parent, int l, int t, int w, int h) {
    return addControl<PanelWidget>(parent, l, t, w, h);
}

Label *LabelOf(QWidget *w) {
    auto *label = dynamic_cast<LabelWidget *>(w);
    return label ? &label->face : nullptr;
}

// ---- Control ----

void Control::SetVisible(bool on) {
    widget_->setVisible(on);
}
bool Control::Visible() const {
    return widget_->isVisible();
}
void Control::SetEnabled(bool on) {
    widget_->setEnabled(on);
}
bool Control::Enabled() const {
    return widget_->isEnabled();
}
void Control::SetFocus() {
    widget_->setFocus();
}
bool Control::HasFocus() const {
    return widget_->window()->focusWidget() == widget_;
}
void Control::SetFocusable(bool on) {
    widget_->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}
void Control::SetFont(const QFont &f) {
    widget_->setFont(f);
}
void Control::SetAccessibleName(const QString &name) {
    widget_->setAccessibleName(name);
}
void Control::SetAccessibleDescription(const QString &text) {
    widget_->setAccessibleDescription(text);
}
void Control::SetMouseTracking(bool on) {
    widget_->setMouseTracking(on);
}
void Control::SetMouseTransparent(bool on) {
    widget_->setAttribute(Qt::WA_TransparentForMouseEvents, on);
}
void Control::SetHandCursor() {
    widget_->setCursor(Qt::PointingHandCursor);
}

// ---- Label ----

Label::Label(QLabel *label) : Control(label), label_(label) {
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setWordWrap(true);
    SetTransparent();
}

void Label::SetCaption(const QString &c) {
    label_->setText(c);
}
QString Label::Caption() const {
    return label_->text();
}

void Label::SetBackColor(const QColor &c) {
    label_->setAutoFillBackground(true);
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, c);
    label_->setPalette(p);
}

void Label::SetTransparent() {
    label_->setAutoFillBackground(false);
}

void Label::SetForeColor(const QColor &c) {
    QPalette p = label_->palette();
    p.setColor(QPalette::WindowText, c);
    label_->setPalette(p);
}

void Label::SetAlignment(Align a) {
    constexpr Qt::Alignment flags[] = {Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignTop,
                                       Qt::AlignHCenter | Qt::AlignTop, Qt::AlignCenter};
    label_->setAlignment(flags[int(a)]);
}

void Label::SetWordWrap(bool on) {
    label_->setWordWrap(on);
}

void Label::SetPicture(const QPixmap &p) {
    label_->setWordWrap(false);
    label_->setPixmap(p);
    if (p.isNull()) label_->clear();
}
QPixmap Label::Picture() const {
    return label_->pixmap();
}

void Label::SetBorder(bool on) {
    label_->setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}
void Label::SetBorderWidth(int pixels) {
    label_->setLineWidth(pixels);
}

void Label::SetFocusMark(const QColor &c) {
    label_->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px solid rgb(%1, %2, %3); }")
                              .arg(c.red())
                              .arg(c.green())
                              .arg(c.blue()));
}

// ---- Button, TextBox, Shape, TextView, Panel ----

Button::Button(QPushButton *button) : Control(button), button_(button) {}
void Button::SetCaption(const QString &c) {
    button_->setText(c);
}
QString Button::Caption() const {
    return button_->text();
}
void Button::Press() {
    button_->click();
}

TextBox::TextBox(QLineEdit *edit) : Control(edit), edit_(edit) {}
void TextBox::SetText(const QString &t) {
    edit_->setText(t);
}
QString TextBox::Text() const {
    return edit_->text();
}

void Shape::Grow(int pixels) {
    Widget()->resize(Widget()->width() + pixels * FormScale(), Widget()->height() + pixels * FormScale());
}

TextView::TextView(QTextBrowser *browser) : Control(browser), browser_(browser) {}

void TextView::Append(const QString &html) {
    browser_->append(html);
}

void TextView::ScrollToEnd() {
    // A long text is laid out a piece at a time; counting its pages finishes the layout, so that the
    // scroll bar knows the whole length.
    browser_->document()->pageCount();
    browser_->verticalScrollBar()->setValue(browser_->verticalScrollBar()->maximum());
}

bool TextView::AtEnd() const {
    const QScrollBar *bar = browser_->verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void TextView::SetColors(const QColor &back, const QColor &fore) {
    const auto rgb = [](const QColor &c) {
        return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
    };
    browser_->setStyleSheet(
        QStringLiteral("QTextBrowser { background: %1; color: %2; }").arg(rgb(back), rgb(fore)));
}

void Panel::SetBackColor(const QColor &c) {
    QPalette p = Widget()->palette();
    p.setColor(QPalette::Window, c);
    Widget()->setPalette(p);
    Widget()->setAutoFillBackground(true);
}

Label *Panel::AddLabel(int l, int t, int w, int h, const QString &caption) {
    Label *lb = NewLabel(Widget(), l, t, w, h);
    lb->SetCaption(caption);
    return lb;
}

Button *Panel::AddButton(int l, int t, int w, int h, const QString &caption) {
    Button *b = NewButton(Widget(), l, t, w, h);
    b->SetCaption(caption);
    return b;
}

TextBox *Panel::AddTextBox(int l, int t, int w, int h) {
    return NewTextBox(Widget(), l, t, w, h);
}
