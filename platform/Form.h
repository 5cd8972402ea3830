// Windows laid out in twips, their timers and the one-instance-per-window rule. The toolkit's widgets
// stay behind this seam (with the controls, platform/Controls.h): a window sees ours only.
#pragma once
#include "platform/Controls.h"
#include "platform/Scale.h"
#include "platform/System.h"
#include <QRect>
#include <QTimer>
#include <vector>

class FormWidget;

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

// Announces text on behalf of a window; a window about to open says text as it opens (see
// platform/Speech.h).
void Announce(Form *window, const QString &text);
void SayAsItOpens(Form *window, const QString &text);
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
