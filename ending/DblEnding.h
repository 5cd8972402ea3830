// The staff roll: credits every three seconds, then the girl of the ending, then it closes itself.
#pragma once
#include "core/GameState.h"
#include "platform/Form.h"

class DblEnding : public Form {
  public:
    DblEnding();
    Label *Image1, *Label1, *Label2;
    Shape *Shape1;
    Timer *Timer1;
    Integer Step = 0;

    void Form_Load() override;
    void Form_QueryUnload(bool &cancel, bool byUser) override;
    void Timer1_Timer();
};
