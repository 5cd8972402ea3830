// Windows laid out in twips, their controls, timers and the one-instance-per-window rule.
#pragma once
#include "platform/Scale.h"
#include "platform/System.h"
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

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

// A focus mark seen at a glance, on the buttons and text boxes that the keys reach.
inline constexpr char FocusMarkStyle[] = "QPushButton:focus, QLineEdit:focus { border: 2px solid rgb(200, "
                                         "40, 40); background: rgb(255, 255, 192); }";

// Mouse events that labels, pictures and shapes pass to their window's handlers.
struct MouseHandlers {
    std::function<void()> Click;
    std::function<void(int button, int shift, int x, int y)> MouseDown, MouseMove, MouseUp; // x, y in twips
};

class Label : public QLabel, public MouseHandlers {
  public:
    explicit Label(QWidget *parent);
    void SetBackColor(const QColor &c); // opaque background
    void SetTransparent();              // no background of its own
    void SetForeColor(const QColor &c);
    void SetPicture(const QPixmap &p); // a picture control: shows p unstretched from the top-left

  protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

  private:
    bool pressed_ = false;
};

class Button : public QPushButton {
  public:
    explicit Button(QWidget *parent);
    std::function<void()> Click;
};

// A filled or outlined rectangle, or a straight line.
class Shape : public QWidget, public MouseHandlers {
  public:
    explicit Shape(QWidget *parent);
    QColor FillColor, BorderColor{Qt::black};
    bool Filled = false;
    int BorderWidth = 1;
    bool IsLine = false;
    QPoint From, To; // line ends in pixels at scale 1, relative to the shape

  protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
};

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

class Form : public QWidget {
  public:
    Form();
    ~Form() override;

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
    // After the scale changed and the window was laid out again; it may place itself anew.
    virtual void Form_Rescaled() {}

    // Geometry in twips; Left/Top/Width/Height are the outer frame, as the desktop places it.
    void SetClientSize(int widthTw, int heightTw);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int leftTw, int topTw);

    void SetCaption(const QString &c) { setWindowTitle(c); }
    QString Caption() const { return windowTitle(); }
    void SetBackColor(const QColor &c);
    void SetBackPicture(const QPixmap &p);

    Label *AddLabel(int l, int t, int w, int h, const QString &caption = {});
    Label *AddPicture(int l, int t, int w, int h, const QString &file = {});
    Button *AddButton(int l, int t, int w, int h, const QString &caption);
    QLineEdit *AddTextBox(int l, int t, int w, int h);
    Shape *AddShape(int l, int t, int w, int h);
    Shape *AddLine(int x1, int y1, int x2, int y2);
    Timer *AddTimer(int intervalMs, bool enabled);
    static void Place(QWidget *w, int l, int t, int wd, int h);

    // Not modal: returns at once. Modal: returns when the window is hidden or unloaded.
    void Show();
    void ShowModal();
    void Hide() { hide(); }
    bool IsUnloaded() const { return unloaded_; }

    // Lays the window out again at a new scale: size, controls, fonts and pictures, kept on its screen.
    void Rescale(int from, int to);
    // Runs query-unload (by the program, which never cancels here) and destroys the window.
    void UnloadNow();
    void RunLoad();

  protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    std::function<void()> clearSlot_;

  private:
    void finishUnload();
    template <class T> friend class FormSlot;
    std::vector<Timer *> timers_;
    QPixmap backPicture_;
    QSize clientTw_;
    bool unloaded_ = false;
};

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
