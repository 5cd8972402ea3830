// The controls on a window: the platform's own, each holding a toolkit widget that only the platform
// sees. Keys, buttons and shift values as the handlers receive them.
#pragma once
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTextBrowser;
class QWidget;

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
// The toolkit's mouse button and key code as the handlers receive them.
int ButtonOf(Qt::MouseButton b);
Key KeyOf(int qtKey);

// Mouse events that labels, pictures and shapes pass to their window's handlers.
struct MouseHandlers {
    std::function<void()> Click;
    std::function<void(int button, int shift, int x, int y)> MouseDown, MouseMove; // x, y in twips
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

// A plain area of a window that holds controls of its own, shown and hidden together.
class Panel : public Control {
  public:
    explicit Panel(QWidget *widget) : Control(widget) {}
    void SetBackColor(const QColor &c);
    Label *AddLabel(int l, int t, int w, int h, const QString &caption = {});
    Button *AddButton(int l, int t, int w, int h, const QString &caption);
    TextBox *AddTextBox(int l, int t, int w, int h);
};

// Controls made on a window's or a panel's widget and placed there in twips; the widget owns them.
Label *NewLabel(QWidget *parent, int l, int t, int w, int h);
Button *NewButton(QWidget *parent, int l, int t, int w, int h);
TextBox *NewTextBox(QWidget *parent, int l, int t, int w, int h);
Shape *NewShape(QWidget *parent, int l, int t, int w, int h);
TextView *NewTextView(QWidget *parent, int l, int t, int w, int h);
Panel *NewPanel(QWidget *parent, int l, int t, int w, int h);
// The label behind a widget, or null for a widget of another kind.
Label *LabelOf(QWidget *w);
// Places a widget in twips within its parent.
void PlaceWidget(QWidget *w, int l, int t, int wd, int h);
