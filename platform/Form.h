// Windows laid out in twips, their controls, timers and the one-instance-per-window rule. The toolkit's
// widgets stay behind this seam: a window sees our controls, keys and buttons only.
#pragma once
#include "platform/Scale.h"
#include "platform/System.h"
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTextBrowser;
class QWidget;
class FormWidget;

// Twips to pixels and back at the windows' scale.
inline int Px(int twips) {
    return twips * FormScale() / TwipsPerPixel;
}
inline int Tw(int pixels) {
    return pixels * TwipsPerPixel / FormScale();
}

// Mouse buttons and modifier bits as the handlers receive them.
enum : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
int ShiftState(Qt::KeyboardModifiers mods);
// Keys as the handlers receive them: those the game acts on by name, any other as Other. Function
// keys are in order, so F1 + n is function key n + 1.
enum class Key {
    Other,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    PageUp,
    PageDown,
    Up,
    Down,
    Left,
    Right,
    Enter,
    Escape,
    Shift,
    Control,
    Alt,
    Space
};
// 0 for F1 ... 11 for F12, -1 for any other key.
constexpr int FunctionKeyIndex(Key k) {
    return k >= Key::F1 && k <= Key::F12 ? int(k) - int(Key::F1) : -1;
}
int ButtonOf(Qt::MouseButton b);

// A font by its Japanese name (substituted to the IPA fonts) at a point size, at the windows' scale.
QFont JFont(const QString &name, double points, bool bold = false);
// Loads a picture file of the current directory by content, in the variant made for the screen's
// device pixel ratio times the windows' scale (see PictureVariant); a missing or broken file gives a
// null pixmap.
QPixmap LoadPicture(const QString &file);
// The file a picture was loaded from ("" for one made otherwise), so that a new scale can load it again.
QString PictureFile(const QPixmap &p);
// The name of a picture's variant for a scale: "C10C.DBL" at 2 is "C10C@2x.DBL".
QString PictureVariant(const QString &file, int scale);

// Mouse events that labels, pictures and shapes pass to their window's handlers.
struct MouseHandlers {
    std::function<void()> Click;
    std::function<void(int button, int shift, int x, int y)> MouseDown, MouseMove, MouseUp; // x, y in twips
};

// How a label lays its caption out in its box.
enum class Align { TopLeft, TopRight, TopCenter, Center };

// A control on a window. The toolkit's widget behind it is the seam's own; platform code and tests
// reach it through Widget().
class Control {
  public:
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    void SetVisible(bool on);
    bool Visible() const; // shown, and its window too
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    void SetEnabled(bool on);
    bool Enabled() const;
    // Takes the keys; HasFocus: it is the control of its window that has them.
    void SetFocus();
    bool HasFocus() const;
    void SetFocusable(bool on); // reached by Tab and a click; off: the keys stay with the window
    void SetFont(const QFont &f);
    void SetAccessibleName(const QString &name);
    void SetAccessibleDescription(const QString &text);
    void SetMouseTracking(bool on);    // moves reach MouseMove with no button held
    void SetMouseTransparent(bool on); // the mouse goes through to what lies below
    void SetHandCursor();              // the pointing hand over it, as over a link
    QWidget *Widget() const { return widget_; }

  protected:
    explicit Control(QWidget *widget) : widget_(widget) {}
    ~Control() = default;

  private:
    QWidget *widget_;
};

class Label : public Control, public MouseHandlers {
  public:
    explicit Label(QLabel *label);
    void SetCaption(const QString &c);
    QString Caption() const;
    void SetBackColor(const QColor &c); // opaque background
    void SetTransparent();              // no background of its own
    void SetForeColor(const QColor &c);
    void SetAlignment(Align a);
    void SetWordWrap(bool on);
    void SetPicture(const QPixmap &p); // a picture control: shows p unstretched from the top-left
    QPixmap Picture() const;
    // A box around it in its fore colour, as wide as SetBorderWidth says.
    void SetBorder(bool on);
    void SetBorderWidth(int pixels);
    // A border in this colour while it has the keys.
    void SetFocusMark(const QColor &c);

  private:
    QLabel *label_;
};

class Button : public Control {
  public:
    explicit Button(QPushButton *button);
    void SetCaption(const QString &c);
    QString Caption() const;
    // Pressed as by the player: Click follows.
    void Press();
    std::function<void()> Click;

  private:
    QPushButton *button_;
};

// A one-line text box; Japanese is typed into it through the desktop's input method.
class TextBox : public Control {
  public:
    explicit TextBox(QLineEdit *edit);
    void SetText(const QString &t);
    QString Text() const;
    std::function<void()> EnterPressed;

  private:
    QLineEdit *edit_;
};

// A filled or outlined rectangle, or a straight line; or, where Paint is set, whatever it draws.
class Shape : public Control, public MouseHandlers {
  public:
    explicit Shape(QWidget *widget) : Control(widget) {}
    QColor FillColor, BorderColor{Qt::black};
    bool Filled = false;
    int BorderWidth = 1;
    bool IsLine = false;
    QPoint From, To; // line ends in pixels at scale 1, relative to the shape
    // Draws the shape instead; width and height in pixels.
    std::function<void(QPainter &p, int width, int height)> Paint;
    // Grows by pixels at scale 1, right and down: room for a wider stroke.
    void Grow(int pixels);
};

// A scrolling text that the player reads, newest at the bottom. Its handlers see the mouse and the
// keys first: one that returns true has taken the event.
class TextView : public Control {
  public:
    explicit TextView(QTextBrowser *browser);
    void Append(const QString &html); // a paragraph at the end
    void ScrollToEnd();
    bool AtEnd() const; // scrolled to the end
    void SetColors(const QColor &back, const QColor &fore);
    std::function<bool()> MouseDown;
    std::function<bool(int delta)> Wheel; // delta > 0: turned up, away from the player
    std::function<bool(Key key, int shift)> KeyDown;

  private:
    QTextBrowser *browser_;
};

class Panel;

// A timer that keeps ticking inside nested waits. Each tick is run from a queued call, so a tick
// can start while an earlier tick of the same timer still waits for the player.
class Timer : public QObject {
  public:
    explicit Timer(QObject *parent);
    void SetInterval(int ms); // 0 stops it, as Enabled(false) does
    int Interval() const { return interval_; }
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    std::function<void()> Tick;

  private:
    void apply();
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

class Form {
  public:
    Form();
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // Handlers a window overrides.
    virtual void Form_Load() {}
    // byUser: closed from the window's close box (not by the program). Set cancel to keep it.
    virtual void Form_QueryUnload(bool &cancel, bool byUser) { (void)cancel, (void)byUser; }
    virtual void Form_Unload() {}
    virtual void Form_KeyPress(int key) { (void)key; }
    virtual void Form_KeyDown(Key key, int shift) { (void)key, (void)shift; }
    virtual void Form_MouseDown(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void Form_MouseMove(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    // The wheel turned anywhere on the window, over its controls too, before they see it (delta > 0:
    // up); true when taken.
    virtual bool Form_MouseWheel(int delta) { return (void)delta, false; }
    // After the window was shown on the desktop.
    virtual void Form_Shown() {}
    // After the window moved (the desktop adds its frame only once the window is shown).
    virtual void Form_Moved() {}
    // After the scale changed and the window was laid out again; it may place itself anew.
    virtual void Form_Rescaled() {}

    // Geometry in twips; Left/Top/Width/Height are the outer frame, as the desktop places it.
    void SetClientSize(int widthTw, int heightTw);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    QRect ClientRect() const; // the inside of the frame, on the desktop
    void Move(int leftTw, int topTw);

    void SetCaption(const QString &c);
    QString Caption() const;
    void SetIcon(const QPixmap &p);
    void SetBackColor(const QColor &c);
    void SetBackPicture(const QPixmap &p);
    void SetFrameless(); // no frame of the desktop's
    // The window itself takes the keys (not only its controls); a proxy takes them for it.
    void SetFocusable(bool on);
    void SetFocusProxy(Control *c);
    // A mark seen at a glance on the buttons and text boxes that have the keys.
    void ShowFocusMarks();
    void SetTabOrder(Control *first, Control *second);

    Label *AddLabel(int l, int t, int w, int h, const QString &caption = {});
    Label *AddPicture(int l, int t, int w, int h, const QString &file = {});
    Button *AddButton(int l, int t, int w, int h, const QString &caption);
    TextBox *AddTextBox(int l, int t, int w, int h);
    Shape *AddShape(int l, int t, int w, int h);
    Shape *AddLine(int x1, int y1, int x2, int y2);
    TextView *AddTextView(int l, int t, int w, int h);
    Panel *AddPanel(int l, int t, int w, int h);
    Timer *AddTimer(int intervalMs, bool enabled);
    static void Place(Control *c, int l, int t, int wd, int h);

    // Not modal: returns at once. Modal: returns when the window is hidden or unloaded.
    void Show();
    void ShowModal();
    void Hide();
    bool Visible() const;
    // Brings the window forward with the keys.
    void Activate();
    bool IsUnloaded() const { return unloaded_; }

    // Lays the window out again at a new scale: size, controls, fonts and pictures, kept on its screen.
    void Rescale(int from, int to);
    // Runs query-unload (by the program, which never cancels here) and destroys the window.
    void UnloadNow();
    void RunLoad();
    QWidget *Widget() const;

  protected:
    std::function<void()> clearSlot_;

  private:
    void finishUnload();
    friend class FormWidget;
    template <class T> friend class FormSlot;
    FormWidget *widget_;
    std::vector<Timer *> timers_;
    QPixmap backPicture_;
    QSize clientTw_;
    bool unloaded_ = false;
};

// A plain area of a window that holds controls of its own, shown and hidden together.
class Panel : public Control {
  public:
    explicit Panel(QWidget *widget) : Control(widget) {}
    void SetBackColor(const QColor &c);
    Label *AddLabel(int l, int t, int w, int h, const QString &caption = {});
    Button *AddButton(int l, int t, int w, int h, const QString &caption);
    TextBox *AddTextBox(int l, int t, int w, int h);
};

// Announces text on behalf of a window (see platform/Speech.h).
void Announce(Form *window, const QString &text);
// The window that has the keys on the desktop; null for none of ours.
Form *ActiveForm();
// True while a modal window or message box blocks the others.
bool ModalWindowOpen();
// The available area of the screen the window is on (the primary screen for none), in twips.
QRect ScreenArea(const Form *form);

// A key that every window answers alike, before its own handler: true when it was taken.
void SetAnyWindowKey(std::function<bool(Key key, int shift)> handler);

// Puts the window in the middle of the available area of its screen (the desktop's panels left out).
void CenterForm(Form &form);
// True when any window is still loaded.
bool AnyFormLoaded();
// The loaded windows, oldest first.
std::vector<Form *> LoadedForms();
// Unloads every window (by the program); tests start from nothing.
void UnloadAllForms();

// The single instance of window T: created and loaded on first access, gone after unload.
template <class T> class FormSlot {
  public:
    static T &Get() {
        if (!instance) {
            instance = new T();
            instance->clearSlot_ = [] { instance = nullptr; };
            instance->RunLoad();
        }
        return *instance;
    }
    static bool Loaded() { return instance != nullptr; }
    static void Unload() {
        if (instance) instance->UnloadNow();
    }

  private:
    static inline T *instance = nullptr;
};

template <class T> T &Win() {
    return FormSlot<T>::Get();
}
template <class T> void Unload() {
    FormSlot<T>::Unload();
}
template <class T> bool IsLoaded() {
    return FormSlot<T>::Loaded();
}
