#include "platform/Form.h"

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
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

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

// ---- Label ----

Label::Label(QWidget *parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    SetTransparent();
}

void Label::SetBackColor(const QColor &c) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

void Label::SetTransparent() {
    setAutoFillBackground(false);
}

void Label::SetForeColor(const QColor &c) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

void Label::SetPicture(const QPixmap &p) {
    setWordWrap(false);
    setPixmap(p);
    if (p.isNull()) clear();
}

void Label::mousePressEvent(QMouseEvent *e) {
    pressed_ = true;
    const QPoint pt = e->position().toPoint();
    if (MouseDown) MouseDown(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
}

void Label::mouseReleaseEvent(QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    if (MouseUp) MouseUp(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(pt) && Click) Click();
}

void Label::mouseMoveEvent(QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    if (MouseMove) MouseMove(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
}

// ---- Button ----

Button::Button(QWidget *parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) Click();
    });
}

// ---- Shape ----

Shape::Shape(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter p(this);
    // Drawn at scale 1 and enlarged whole, so a stroke keeps its place and weight at every scale.
    const int s = FormScale();
    p.scale(s, s);
    if (IsLine) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(BorderColor, BorderWidth));
        p.drawLine(From, To);
        return;
    }
    const QRect r(0, 0, width() / s, height() / s);
    if (Filled) p.fillRect(r, FillColor);
    if (BorderWidth > 0) {
        p.setPen(QPen(BorderColor, BorderWidth));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void Shape::mousePressEvent(QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    if (MouseDown) MouseDown(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
    if (Click) Click();
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
    auto *form = dynamic_cast<Form *>(object);
    return form ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}
} // namespace

Form::Form() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    static const bool framed = (QAccessible::installFactory(formAccessible), true);
    (void)framed;
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setMouseTracking(true);
    // A disabled caption still readable (4.5:1 or more on the button face), though clearly greyed.
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(100, 100, 100));
    setPalette(p);
    loadedForms().append(this);
}

Form::~Form() {
    loadedForms().removeOne(this);
}

void Form::RunLoad() {
    Form_Load();
}

void Form::SetClientSize(int widthTw, int heightTw) {
    clientTw_ = QSize(widthTw, heightTw);
    setFixedSize(Px(widthTw), Px(heightTw));
}

int Form::Left() const {
    return Tw(frameGeometry().x());
}
int Form::Top() const {
    return Tw(frameGeometry().y());
}
int Form::Width() const {
    return Tw(frameGeometry().width());
}
int Form::Height() const {
    return Tw(frameGeometry().height());
}

namespace {
// The window's frame moved into the available area of the screen its middle is on, as far as it fits.
QPoint keptOnScreen(const Form &form, QPoint topLeft) {
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
    move(keptOnScreen(*this, QPoint(Px(leftTw), Px(topTw))));
}

void Form::SetBackColor(const QColor &c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    setAutoFillBackground(true);
}

void Form::SetBackPicture(const QPixmap &p) {
    backPicture_ = p;
    update();
}

void Form::Place(QWidget *w, int l, int t, int wd, int h) {
    w->setGeometry(Px(l), Px(t), Px(wd), Px(h));
}

Label *Form::AddLabel(int l, int t, int w, int h, const QString &caption) {
    auto *lb = new Label(this);
    Place(lb, l, t, w, h);
    lb->setText(caption);
    return lb;
}

Label *Form::AddPicture(int l, int t, int w, int h, const QString &file) {
    Label *lb = AddLabel(l, t, w, h);
    if (!file.isEmpty()) lb->SetPicture(LoadPicture(file));
    return lb;
}

Button *Form::AddButton(int l, int t, int w, int h, const QString &caption) {
    auto *b = new Button(this);
    Place(b, l, t, w, h);
    b->setText(caption);
    return b;
}

QLineEdit *Form::AddTextBox(int l, int t, int w, int h) {
    auto *e = new QLineEdit(this);
    Place(e, l, t, w, h);
    return e;
}

Shape *Form::AddShape(int l, int t, int w, int h) {
    auto *s = new Shape(this);
    Place(s, l, t, w, h);
    return s;
}

Shape *Form::AddLine(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), t = std::min(y1, y2);
    auto *s = new Shape(this);
    s->IsLine = true;
    s->setAttribute(Qt::WA_TransparentForMouseEvents);
    Place(s, l, t, std::abs(x2 - x1) + TwipsPerPixel, std::abs(y2 - y1) + TwipsPerPixel);
    s->From = QPoint((x1 - l) / TwipsPerPixel, (y1 - t) / TwipsPerPixel);
    s->To = QPoint((x2 - l) / TwipsPerPixel, (y2 - t) / TwipsPerPixel);
    return s;
}

Timer *Form::AddTimer(int intervalMs, bool enabled) {
    auto *t = new Timer(this);
    t->SetInterval(intervalMs);
    t->SetEnabled(enabled);
    timers_.push_back(t);
    return t;
}

void Form::Show() {
    show();
    // Platforms without window stacking (offscreen, minimal) cannot raise a window and warn each time.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) raise();
}

void CenterForm(Form &form) {
    // The screen the window is on, or the one under the pointer for a window not yet shown; its
    // available area keeps the window off the desktop's panels, whatever the screen's origin.
    QScreen *screen = form.windowHandle() && form.isVisible() ? form.windowHandle()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    form.Move(Tw(area.x()) + (Tw(area.width()) - form.Width()) / 2,
              Tw(area.y()) + (Tw(area.height()) - form.Height()) / 2);
}

void Form::ShowModal() {
    QPointer<Form> self(this);
    setWindowModality(Qt::ApplicationModal);
    Show();
    PumpUntil([&] { return !self || self->unloaded_ || !self->isVisible(); });
    if (self && !self->unloaded_) self->setWindowModality(Qt::NonModal);
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
    hide();
    // Deleted once control is back in an event loop: the caller may be one of this window's handlers.
    deleteLater();
}

void Form::closeEvent(QCloseEvent *e) {
    e->ignore();
    if (unloaded_) return;
    bool cancel = false;
    Form_QueryUnload(cancel, true);
    if (cancel || unloaded_) return;
    finishUnload();
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

void Form::keyPressEvent(QKeyEvent *e) {
    // The size keys belong to every window and to none of its handlers.
    const Key key = KeyOf(e->key());
    if (key == Key::F9 || key == Key::F10) return StepFormScale(key == Key::F9 ? -1 : +1);
    if (anyWindowKey() && anyWindowKey()(key, ShiftState(e->modifiers()))) return;
    Form_KeyDown(key, ShiftState(e->modifiers()));
    if (!e->text().isEmpty()) Form_KeyPress(e->text().at(0).unicode());
}

void Form::mousePressEvent(QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    Form_MouseDown(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
}

void Form::mouseMoveEvent(QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    Form_MouseMove(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
}

void Form::Rescale(int from, int to) {
    const auto scaled = [from, to](int v) { return static_cast<int>(std::lround(double(v) * to / from)); };
    // The middle keeps its place relative to the middle of the screen's available area, so windows
    // laid out around it stay together.
    QScreen *screen =
        windowHandle() && isVisible() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    const QPointF areaMiddle = screen ? QRectF(screen->availableGeometry()).center() : QPointF();
    const QRect frameBefore = frameGeometry();
    const QSize frameExtra = frameBefore.size() - size();
    const QPointF middle = areaMiddle + (QRectF(frameBefore).center() - areaMiddle) * (double(to) / from);

    if (clientTw_.isValid()) setFixedSize(Px(clientTw_.width()), Px(clientTw_.height()));
    for (QObject *o : children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow()) continue;
        const QRect g = w->geometry();
        w->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
    }
    QList<QWidget *> widgets = findChildren<QWidget *>();
    widgets.append(this);
    // Every font is read before any is set, so that none grows twice through its parent's.
    QList<QFont> fonts;
    for (QWidget *w : widgets)
        fonts.append(w->font());
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget *w = widgets[i];
        if (w->isWindow() && w != this) continue;
        if (fonts[i].pixelSize() > 0) {
            fonts[i].setPixelSize(scaled(fonts[i].pixelSize()));
            w->setFont(fonts[i]);
        }
        if (auto *l = dynamic_cast<Label *>(w)) {
            const QString file = PictureFile(l->pixmap());
            if (!file.isEmpty()) l->SetPicture(LoadPicture(file));
        }
        w->update();
    }
    if (const QString file = PictureFile(backPicture_); !file.isEmpty()) SetBackPicture(LoadPicture(file));
    if (isVisible()) {
        const QSize outer = size() + frameExtra;
        const QPoint topLeft = (middle - QPointF(outer.width() / 2.0, outer.height() / 2.0)).toPoint();
        move(keptOnScreen(*this, topLeft));
    }
    Form_Rescaled();
}

void Form::paintEvent(QPaintEvent *e) {
    QWidget::paintEvent(e);
    if (!backPicture_.isNull()) {
        QPainter p(this);
        p.drawPixmap(0, 0, backPicture_);
    }
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
