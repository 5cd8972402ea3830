// The opening demo: the maker's logo drawn group by group while a pixel girl poses, with a jingle.
#pragma once
#include "platform/Form.h"
#include <array>

class Demoform : public Form {
  public:
    Demoform();
    Label *Image1;                            // the sprite
    Label *Image2, *Image3, *Image4, *Image5; // its frames, never shown themselves
    std::array<Shape *, 20> Line1{};          // segments 1..19 of the logotype
    Label *Label1;                            // the year
    Timer *Timer1;
    int DemoTick = 0;
    bool JingleStopped = false;

    // The sprite's place in twips, kept exactly.
    int SpriteLeft() const { return spriteLeft_; }
    int SpriteTop() const { return spriteTop_; }

    void Form_Load() override;
    void Form_KeyDown(Key key, int shift) override;
    void Timer1_Timer();

  private:
    void showGroup(int group);
    void showFrame(Label *frame);
    int spriteLeft_ = 120, spriteTop_ = 240;
};

// Segments of each reveal group, first and last, and the group's colour.
struct SegmentGroup {
    int first, last;
    QColor colour;
};
inline const SegmentGroup DemoGroups[6] = {
    {1, 2, QColor(0, 255, 255)}, {3, 6, QColor(0, 255, 0)},     {7, 9, QColor(255, 255, 255)},
    {10, 13, QColor(255, 0, 0)}, {14, 17, QColor(255, 0, 255)}, {18, 19, QColor(255, 255, 0)},
};
