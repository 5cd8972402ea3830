// The title screen: the logotype with its two sliding covers, the title music and "S t a r t".
#pragma once
#include "platform/Form.h"
#include <array>

class DblTitle : public Form {
  public:
    DblTitle();
    std::array<Shape *, 2> Shape1{}; // cover A, cover B
    Label *Label2;                   // "S t a r t"
    std::array<Shape *, 2> Line1{};  // its shadow
    Label *Label1;                   // the maker's notice
    Timer *Timer1;
    int WipeStep = 0;

    // The covers' geometry in twips, kept exactly (pixels would lose the 276-twip steps).
    int CoverLeft(int i) const { return coverLeft_[i]; }
    int CoverWidth(int i) const { return coverWidth_[i]; }

    void Form_Load() override;
    void Form_QueryUnload(bool &cancel, bool byUser) override;
    void Form_MouseMove(int button, int shift, int x, int y) override;
    // Enter or Space chooses "S t a r t" as a click does; a modifier held with Enter turns the music off.
    // F8 opens the options.
    void Form_KeyDown(Key key, int shift) override;
    void Label2_MouseMove();
    void Label2_MouseDown(int button, int shift);
    void Label2_Click();
    void Timer1_Timer();

  private:
    void setCover(int i, int left, int width);
    std::array<int, 2> coverLeft_{0, 5520}, coverWidth_{15, 135};
};

inline const QColor TitleTeal(0, 153, 153);
inline const QColor StartColour(0, 128, 128);
inline const QColor StartHoverColour(160, 64, 64);
