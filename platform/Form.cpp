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
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <utility>

namespace {
QList<Form *> &loadedForms() {
    static QList<Form *> forms;
    return forms;
}
} // namespace

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

namespace {
// A focus mark seen at a glance, on the buttons and text boxes that the keys reach.
constexpr char FocusMarkStyle[] = "QPushButton:focus, QLineEdit:focus { border: 2px solid rgb(200, "
                                  "40, 40); background: rgb(255, 255, 192); }";

void mouseTo(const std::function<void(int, int, int, int)> &handler, QMouseEvent *e) {
    const QPoint pt = e->position().toPoint();
    if (handler) handler(ButtonOf(e->button()), ShiftState(e->modifiers()), Tw(pt.x()), Tw(pt.y()));
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
    PlaceWidget(c->Widget(), l, t, wd, h);
}

Label *Form::AddLabel(int l, int t, int w, int h, const QString &caption) {
    Label *lb = NewLabel(widget_, l, t, w, h);
    lb->SetCaption(caption);
    return lb;
}

Label *Form::AddPicture(int l, int t, int w, int h, const QString &file) {
    Label *lb = AddLabel(l, t, w, h);
    if (!file.isEmpty()) lb->SetPicture(LoadPicture(file));
    return lb;
}

Button *Form::AddButton(int l, int t, int w, int h, const QString &caption) {
    Button *b = NewButton(widget_, l, t, w, h);
    b->SetCaption(caption);
    return b;
}

TextBox *Form::AddTextBox(int l, int t, int w, int h) {
    return NewTextBox(widget_, l, t, w, h);
}

Shape *Form::AddShape(int l, int t, int w, int h) {
    return NewShape(widget_, l, t, w, h);
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
    return NewTextView(widget_, l, t, w, h);
}

Panel *Form::AddPanel(int l, int t, int w, int h) {
    return NewPanel(widget_, l, t, w, h);
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

void SayAsItOpens(Form *window, const QString &text) {
    SayAsItOpens(window->Widget(), text);
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
        if (Label *l = LabelOf(w)) {
            const QString file = PictureFile(l->Picture());
            if (!file.isEmpty()) l->SetPicture(LoadPicture(file));
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
