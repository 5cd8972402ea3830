// The campus window: scene picture and text, clock, destination buttons. Its clock is the game's loop.
#pragma once
#include "platform/Form.h"
#include <QString>
#include <array>

class DblMain : public Form {
  public:
    DblMain();
    Label *Image1, *Label1, *Label2, *Label3, *KaKushiDummy, *lblClock;
    std::array<Button *, 7> Command1{};
    std::array<Label *, 2> Image2{};
    Timer *Timer1, *Timer2, *Timer3;
    bool WalkFrame = false;

    void Form_Load() override;
    void Form_QueryUnload(bool &cancel, bool byUser) override;
    void Form_KeyPress(int key) override;
    void Form_KeyDown(Key key, int shift) override;
    void Form_Rescaled() override;
    void Form_Unload() override;
    void Command1_Click(int index);
    void KaKushiDummy_MouseDown(int button, int shift);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // What the afternoon shows here (the campus view).
    void ShowLine(const QString &speaker, const QString &text);
    void ShowPicture(const QString &file);
    void ShowCaption(const QString &caption);
    void ShowClock(const QString &time);
    void ShowDestinations(const std::array<bool, 7> &enabled);
    void ShowPrompt(bool waiting);
    void RunClock(int intervalMs);
    void KeepLine(const QString &speaker, const QString &text);
    // The desktop adds the frame only once the window is shown: keep the reply window's place right.
    void Form_Moved() override;
    // The wheel turned up anywhere on the window, pictures and labels alike, opens the lookback.
    bool Form_MouseWheel(int delta) override;
};
