// The data room: the endings reached so far, in the order first reached, with how each was reached.
#pragma once
#include "platform/Form.h"
#include <array>

class DblDatarm : public Form {
  public:
    DblDatarm();
    Label *Image1; // the window's icon picture
    Label *Label1, *Label2, *Label5;
    Shape *Line1, *Shape1;
    std::array<Label *, 19> Image2{}; // 0..8 portraits of the rows, 10..18 their marks
    std::array<Label *, 9> Label3{};  // names of the rows
    std::array<Label *, 2> Image4{};  // the two marks: confession, mutual love
    std::array<Label *, 2> Label4{};
    std::array<Label *, 9> Image3{}; // portrait store: ending k is Image3(k - 1)
    Button *Command1, *Command2, *Command3;

    void Form_Load() override;
    // Return presses the button that has the keys, as Space does.
    void Form_KeyDown(Key key, int shift) override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // The keys start on "戻る", the harmless button, with its mark showing.
    void Form_Shown() override;
};
