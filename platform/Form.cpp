#include "platform/Form.h"

#include "platform/Speech.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>
#include <utility>

namespace {
QList<Form *> &loadedForms() {
    static QList<Form *> forms;
    return forms;
}
} // namespace

namespace {
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
} // namespace

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

QFont JFont(const QString &name, double points, bool bold) {
    QFont f(name);
    // Sized in pixels as at 96 dots per inch, so layouts hold on any screen.
    // Sized in whole pixels at scale 1, then multiplied, so that text lays out alike at every scale.
    f.setPixelSize(qRound(points * 96.0 / 72.0) * FormScale());
    f.setBold(bold);
    return f;
}

namespace {
QImage readPicture(const QString &file) {
    const QString path = FindFile(file);
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}
} // namespace

QString PictureVariant(const QString &file, int scale) {
    if (scale <= 1) return file;
    const qsizetype dot = file.lastIndexOf('.');
    return QString(file).insert(dot < 0 ? file.size() : dot, QStringLiteral("@%1x").arg(scale));
}

namespace {
QHash<qint64, QString> &pictureFiles() {
    static QHash<qint64, QString> files;
    return files;
}
} // namespace

QPixmap LoadPicture(const QString &file) {
    // Pictures are made for 1, 2 and 3 device pixels per pixel. A screen in between takes the next
    // larger one, reduced smoothly here: the toolkit would reduce it without smoothing.
    const qreal ratio = std::max<qreal>(1.0, qGuiApp->devicePixelRatio());
    const qreal wanted = ratio * FormScale();
    int scale = std::min(LargestPictureScale, static_cast<int>(std::ceil(wanted - 0.01)));
    QImage img = readPicture(PictureVariant(file, scale));
    if (img.isNull() && scale > 1) img = readPicture(file), scale = 1;
    if (img.isNull()) return {};
    if (std::abs(wanted - scale) > 0.001) {
        const QSize size = (QSizeF(img.size()) * (wanted / scale)).toSize();
        img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    img.setDevicePixelRatio(ratio);
    QPixmap picture = QPixmap::fromImage(img);
    pictureFiles().insert(picture.cacheKey(), file);
    return picture;
}

QString PictureFile(const QPixmap &p) {
    return p.isNull() ? QString() : pictureFiles().value(p.cacheKey());
}

// ---- the toolkit's widgets behind the controls ----

namespace {
// A focus mark seen at a glance, on the buttons and text boxes that the keys reach.
constexpr char FocusMarkStyle[] = "QPushButton:focus, QLineEdit:focus { border: 2px solid rgb(200, "
                                  "40, 40); background: rgb(255, 255, 192); }";

void place(QWidget *w, int l, int t, int wd, int h) {
    w->setGeometry(Px(l), Px(t), Px(wd), Px(h));
}

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
        mouseTo(face.MouseUp, e);
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
    place(widget, l, t, w, h);
    return &widget->face;
}
} // namespace

// The window's own widget: hands the toolkit's events to the window's handlers.
class FormWidget final : public QWidget {
  public:
    explicit FormWidget(Form *form)
        : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), form_(form) {}
    ~FormWidget() override {
        // Deleted by the toolkit (deleteLater): the window goes with its widget.
        if (Form *form = std::exchange(form_, nullptr)) {
            form->widget_ = nullptr;
            delete form;
        }
    }
    Form *form_;

  protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override {
        if (form_) mouseTo([this](int b, int s, int x, int y) { form_->Form_MouseDown(b, s, x, y); }, e);
    }
    void mouseMoveEvent(QMouseEvent *e) override {
        if (form_) mouseTo([this](int b, int s, int x, int y) { form_->Form_MouseMove(b, s, x, y); }, e);
    }
    void paintEvent(QPaintEvent *e) override {
        QWidget::paintEvent(e);
        if (form_ && !form_->backPicture_.isNull()) {
            QPainter p(this);
            p.drawPixmap(0, 0, form_->backPicture_);
        }
    }
    void showEvent(QShowEvent *e) override {
        QWidget::showEvent(e);
        // The wheel is seen at the desktop's window, before a control under the pointer could keep it.
        windowHandle()->installEventFilter(this);
        if (form_) form_->Form_Shown();
    }
    void moveEvent(QMoveEvent *e) override {
        QWidget::moveEvent(e);
        if (form_) form_->Form_Moved();
    }
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (e->type() == QEvent::Wheel && watched == windowHandle() && form_ &&
            form_->Form_MouseWheel(static_cast<QWheelEvent *>(e)->angleDelta().y()))
            return true;
        return QWidget::eventFilter(watched, e);
    }
};

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
    Label *lb = addControl<LabelWidget>(Widget(), l, t, w, h);
    lb->SetCaption(caption);
    return lb;
}

Button *Panel::AddButton(int l, int t, int w, int h, const QString &caption) {
    Button *b = addControl<ButtonWidget>(Widget(), l, t, w, h);
    b->SetCaption(caption);
    return b;
}

TextBox *Panel::AddTextBox(int l, int t, int w, int h) {
    return addControl<TextBoxWidget>(Widget(), l, t, w, h);
}

// ---- Timer ----

Timer::Timer(QObject *parent) : QObject(parent) {
    // The periodic timer only queues the tick and returns, so the toolkit never sees it as busy and
    // keeps firing while an earlier tick waits in a nested loop.
    connect(&timer_, &QTimer::timeout, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (enabled_ && interval_ > 0 && Tick) Tick();
            },
            Qt::QueuedConnection);
    });
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    apply();
}

void Timer::SetEnabled(bool on) {
    enabled_ = on;
    apply();
}

void Timer::apply() {
    if (enabled_ && interval_ > 0) {
        const int scaled = std::max(1, static_cast<int>(interval_ / TimeScale()));
        timer_.start(scaled);
    } else {
        timer_.stop();
    }
}

// ---- Form ----

namespace {
// A window is a frame to a screen reader, as a main window is: Orca speaks a frame's new name while
// it is active (see Announce), where a plain widget's name changes go unheard.
QAccessibleInterface *formAccessible(const QString &, QObject *object) {
    auto *form = dynamic_cast<FormWidget *>(object);
    return form ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}
} // namespace

Form::Form() : widget_(new FormWidget(this)) {
    static const bool framed = (QAccessible::installFactory(formAccessible), true);
    (void)framed;
    widget_->setAttribute(Qt::WA_DeleteOnClose, false);
    widget_->setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    widget_->setMouseTracking(true);
    // A disabled caption still readable (4.5:1 or more on the button face), though clearly greyed.
    QPalette p = widget_->palette();
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(100, 100, 100));
    widget_->setPalette(p);
    loadedForms().append(this);
}

Form::~Form() {
    loadedForms().removeOne(this);
    if (widget_) {
        widget_->form_ = nullptr;
        delete widget_;
    }
}

QWidget *Form::Widget() const {
    return widget_;
}

void Form::RunLoad() {
    Form_Load();
}

void Form::SetClientSize(int widthTw, int heightTw) {
    clientTw_ = QSize(widthTw, heightTw);
    widget_->setFixedSize(Px(widthTw), Px(heightTw));
}

int Form::Left() const {
    return Tw(widget_->frameGeometry().x());
}
int Form::Top() const {
    return Tw(widget_->frameGeometry().y());
}
int Form::Width() const {
    return Tw(widget_->frameGeometry().width());
}
int Form::Height() const {
    return Tw(widget_->frameGeometry().height());
}
QRect Form::ClientRect() const {
    const QRect r = widget_->geometry();
    return QRect(Tw(r.x()), Tw(r.y()), Tw(r.width()), Tw(r.height()));
}

namespace {
// The window's frame moved into the available area of the screen its middle is on, as far as it fits.
QPoint keptOnScreen(const QWidget &form, QPoint topLeft) {
    const QRect frame = form.frameGeometry();
    const QSize outer = frame.size();
    QScreen *screen = QGuiApplication::screenAt(topLeft + QPoint(outer.width() / 2, outer.height() / 2));
    if (!screen)
        screen = form.windowHandle() && form.isVisible() ? form.windowHandle()->screen()
                                                         : QGuiApplication::primaryScreen();
    if (!screen) return topLeft;
    const QRect area = screen->availableGeometry();
    const int x = std::max(area.left(), std::min(topLeft.x(), area.left() + area.width() - outer.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.top() + area.height() - outer.height()));
    return QPoint(x, y);
}
} // namespace

void Form::Move(int leftTw, int topTw) {
    widget_->move(keptOnScreen(*widget_, QPoint(Px(leftTw), Px(topTw))));
}

void Form::SetCaption(const QString &c) {
    widget_->setWindowTitle(c);
}
QString Form::Caption() const {
    return widget_->windowTitle();
}
void Form::SetIcon(const QPixmap &p) {
    widget_->setWindowIcon(QIcon(p));
}

void Form::SetBackColor(const QColor &c) {
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, c);
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}

void Form::SetBackPicture(const QPixmap &p) {
    backPicture_ = p;
    widget_->update();
}

void Form::SetFrameless() {
    widget_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}
void Form::SetFocusable(bool on) {
    widget_->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}
void Form::SetFocusProxy(Control *c) {
    widget_->setFocusProxy(c->Widget());
}
void Form::ShowFocusMarks() {
    widget_->setStyleSheet(QString::fromLatin1(FocusMarkStyle));
}
void Form::SetTabOrder(Control *first, Control *second) {
    QWidget::setTabOrder(first->Widget(), second->Widget());
}

void Form::Place(Control *c, int l, int t, int wd, int h) {
    place(c->Widget(), l, t, wd, h);
}

Label *Form::AddLabel(int l, int t, int w, int h, const QString &caption) {
    Label *lb = addControl<LabelWidget>(widget_, l, t, w, h);
    lb->SetCaption(caption);
    return lb;
}

Label *Form::AddPicture(int l, int t, int w, int h, const QString &file) {
    Label *lb = AddLabel(l, t, w, h);
    if (!file.isEmpty()) lb->SetPicture(LoadPicture(file));
    return lb;
}

Button *Form::AddButton(int l, int t, int w, int h, const QString &caption) {
    Button *b = addControl<ButtonWidget>(widget_, l, t, w, h);
    b->SetCaption(caption);
    return b;
}

TextBox *Form::AddTextBox(int l, int t, int w, int h) {
    return addControl<TextBoxWidget>(widget_, l, t, w, h);
}

Shape *Form::AddShape(int l, int t, int w, int h) {
    return addControl<ShapeWidget>(widget_, l, t, w, h);
}

Shape *Form::AddLine(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), t = std::min(y1, y2);
    Shape *s = AddShape(l, t, std::abs(x2 - x1) + TwipsPerPixel, std::abs(y2 - y1) + TwipsPerPixel);
    s->IsLine = true;
    s->SetMouseTransparent(true);
    s->From = QPoint((x1 - l) / TwipsPerPixel, (y1 - t) / TwipsPerPixel);
    s->To = QPoint((x2 - l) / TwipsPerPixel, (y2 - t) / TwipsPerPixel);
    return s;
}

TextView *Form::AddTextView(int l, int t, int w, int h) {
    return addControl<TextViewWidget>(widget_, l, t, w, h);
}

Panel *Form::AddPanel(int l, int t, int w, int h) {
    return addControl<PanelWidget>(widget_, l, t, w, h);
}

Timer *Form::AddTimer(int intervalMs, bool enabled) {
    auto *t = new Timer(widget_);
    t->SetInterval(intervalMs);
    t->SetEnabled(enabled);
    timers_.push_back(t);
    return t;
}

void Form::Show() {
    widget_->show();
    // Platforms without window stacking (offscreen, minimal) cannot raise a window and warn each time.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) widget_->raise();
}

void Form::Hide() {
    widget_->hide();
}
bool Form::Visible() const {
    return widget_->isVisible();
}
void Form::Activate() {
    widget_->activateWindow();
}

void CenterForm(Form &form) {
    // The screen the window is on, or the one under the pointer for a window not yet shown; its
    // available area keeps the window off the desktop's panels, whatever the screen's origin.
    const QWidget *w = form.Widget();
    QScreen *screen = w->windowHandle() && w->isVisible() ? w->windowHandle()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    form.Move(Tw(area.x()) + (Tw(area.width()) - form.Width()) / 2,
              Tw(area.y()) + (Tw(area.height()) - form.Height()) / 2);
}

QRect ScreenArea(const Form *form) {
    QScreen *screen = form && form->Widget()->windowHandle() ? form->Widget()->windowHandle()->screen()
                                                             : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    return QRect(Tw(area.x()), Tw(area.y()), Tw(area.width()), Tw(area.height()));
}

Form *ActiveForm() {
    const QWidget *active = QApplication::activeWindow();
    for (Form *f : loadedForms())
        if (f->Widget() == active) return f;
    return nullptr;
}

bool ModalWindowOpen() {
    return QApplication::activeModalWidget() != nullptr;
}

void Announce(Form *window, const QString &text) {
    Announce(window ? window->Widget() : nullptr, text);
}

void Form::ShowModal() {
    QPointer<FormWidget> self(widget_);
    widget_->setWindowModality(Qt::ApplicationModal);
    Show();
    PumpUntil([&] { return !self || !self->form_ || self->form_->unloaded_ || !self->isVisible(); });
    if (self && self->form_ && !self->form_->unloaded_) self->setWindowModality(Qt::NonModal);
}

void Form::UnloadNow() {
    if (unloaded_) return;
    bool cancel = false;
    Form_QueryUnload(cancel, false);
    finishUnload();
}

void Form::finishUnload() {
    Form_Unload();
    unloaded_ = true;
    for (Timer *t : timers_)
        t->SetEnabled(false);
    loadedForms().removeOne(this);
    if (clearSlot_) clearSlot_();
    widget_->hide();
    // Deleted once control is back in an event loop: the caller may be one of this window's handlers.
    widget_->deleteLater();
}

void FormWidget::closeEvent(QCloseEvent *e) {
    e->ignore();
    if (!form_ || form_->unloaded_) return;
    bool cancel = false;
    form_->Form_QueryUnload(cancel, true);
    if (cancel || form_->unloaded_) return;
    form_->finishUnload();
    // A process whose last window the player closed is over.
    if (!AnyFormLoaded()) EndProcess();
}

namespace {
std::function<bool(Key, int)> &anyWindowKey() {
    static std::function<bool(Key, int)> handler;
    return handler;
}
} // namespace

void SetAnyWindowKey(std::function<bool(Key key, int shift)> handler) {
    anyWindowKey() = std::move(handler);
}

void FormWidget::keyPressEvent(QKeyEvent *e) {
    if (!form_) return;
    // The size keys belong to every window and to none of its handlers.
    const Key key = KeyOf(e->key());
    if (key == Key::F9 || key == Key::F10) return StepFormScale(key == Key::F9 ? -1 : +1);
    if (anyWindowKey() && anyWindowKey()(key, ShiftState(e->modifiers()))) return;
    form_->Form_KeyDown(key, ShiftState(e->modifiers()));
    if (!e->text().isEmpty()) form_->Form_KeyPress(e->text().at(0).unicode());
}

void Form::Rescale(int from, int to) {
    const auto scaled = [from, to](int v) { return static_cast<int>(std::lround(double(v) * to / from)); };
    QWidget *const self = widget_;
    // The middle keeps its place relative to the middle of the screen's available area, so windows
    // laid out around it stay together.
    QScreen *screen = self->windowHandle() && self->isVisible() ? self->windowHandle()->screen()
                                                                : QGuiApplication::primaryScreen();
    const QPointF areaMiddle = screen ? QRectF(screen->availableGeometry()).center() : QPointF();
    const QRect frameBefore = self->frameGeometry();
    const QSize frameExtra = frameBefore.size() - self->size();
    const QPointF middle = areaMiddle + (QRectF(frameBefore).center() - areaMiddle) * (double(to) / from);

    if (clientTw_.isValid()) self->setFixedSize(Px(clientTw_.width()), Px(clientTw_.height()));
    for (QObject *o : self->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow()) continue;
        const QRect g = w->geometry();
        w->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
    }
    QList<QWidget *> widgets = self->findChildren<QWidget *>();
    widgets.append(self);
    // Every font is read before any is set, so that none grows twice through its parent's.
    QList<QFont> fonts;
    for (QWidget *w : widgets)
        fonts.append(w->font());
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget *w = widgets[i];
        if (w->isWindow() && w != self) continue;
        if (fonts[i].pixelSize() > 0) {
            fonts[i].setPixelSize(scaled(fonts[i].pixelSize()));
            w->setFont(fonts[i]);
        }
        if (auto *l = dynamic_cast<LabelWidget *>(w)) {
            const QString file = PictureFile(l->face.Picture());
            if (!file.isEmpty()) l->face.SetPicture(LoadPicture(file));
        }
        w->update();
    }
    if (const QString file = PictureFile(backPicture_); !file.isEmpty()) SetBackPicture(LoadPicture(file));
    if (self->isVisible()) {
        const QSize outer = self->size() + frameExtra;
        const QPoint topLeft = (middle - QPointF(outer.width() / 2.0, outer.height() / 2.0)).toPoint();
        self->move(keptOnScreen(*self, topLeft));
    }
    Form_Rescaled();
}

// ---- scale ----

namespace {
std::function<void(int)> listener_;
QSize largestTw_;

QScreen *playerScreen() {
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}
} // namespace

void OnFormScaleChanged(std::function<void(int)> listener) {
    listener_ = std::move(listener);
}

namespace {
bool applyScale(int scale) {
    scale = std::clamp(scale, 1, LargestFormScale);
    if (scale == FormScale()) return false;
    const int from = FormScale();
    SetScaleValue(scale);
    for (Form *f : LoadedForms())
        f->Rescale(from, scale);
    return true;
}
} // namespace

void SetFormScale(int scale) {
    if (applyScale(scale) && listener_) listener_(FormScale());
}

void StartFormScale(int stored, QSize mainTw, QSize largestTw) {
    largestTw_ = largestTw;
    QScreen *screen = playerScreen();
    const QSize area = screen ? screen->availableGeometry().size() : QSize(640, 480);
    const int chosen = stored > 0 ? std::min(stored, RoomyScale(area, largestTw))
                                  : FittingScale(area, screen ? screen->devicePixelRatio() : 1.0,
                                                 LargestPictureScale, mainTw, largestTw);
    // Choosing at start is no change by the player: nothing is stored for it.
    applyScale(chosen);
}

void StepFormScale(int step) {
    QScreen *screen = playerScreen();
    const int roomy = screen && largestTw_.isValid()
                          ? RoomyScale(screen->availableGeometry().size(), largestTw_)
                          : LargestFormScale;
    SetFormScale(std::clamp(FormScale() + step, 1, std::max(roomy, 1)));
}

// ---- event pumping ----

void PumpUntil(const std::function<bool()> &done) {
    // Blocks in the toolkit until something happens: a wait costs no processor time.
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool AnyFormLoaded() {
    return !loadedForms().isEmpty();
}

std::vector<Form *> LoadedForms() {
    return {loadedForms().begin(), loadedForms().end()};
}

void UnloadAllForms() {
    const QList<Form *> forms = loadedForms();
    for (Form *f : forms)
        f->UnloadNow();
}
