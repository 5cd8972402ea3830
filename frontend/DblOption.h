// The options window: the game's own voice, the slower clock and the window scale, in one place.
#pragma once
#include "platform/Form.h"
#include <array>

class DblOption : public Form {
  public:
    DblOption();
    Label *Label1, *Label2;             // the heading, how the keys work it
    std::array<Button *, 3> Command1{}; // one per option, its value in its caption
    Button *Command2;                   // "閉じる"

    void Form_Load() override;
    // F9/F10 change the size from here too: the size item follows.
    void Form_Rescaled() override { ShowValues(); }
    // Enter presses the button marked, as Space does; Esc closes.
    void Form_KeyDown(Key key, int shift) override;
    void Command1_Click(int index);
    void Command2_Click();
    // Every item's caption and name from the options as they are now.
    void ShowValues();
    // The keys start on the first option, with its mark showing.
    void Form_Shown() override;
};

// Opens the options window over its owner and returns once it is closed, the keys back with the owner.
// Neither a click nor a pause: the owner's timers run on underneath.
void ShowOptions(Form &owner);
