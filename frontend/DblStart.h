// The start screen: the hostess, the menu, name entry for a new game, continuing the saved one.
#pragma once
#include "frontend/HostessLines.h"
#include "platform/Form.h"
#include <array>

class DblStart : public Form {
  public:
    DblStart();
    std::array<Label *, 2> Image1{}; // 0: the classmate, 1: her sister, lying behind
    Shape *Shape1;                   // the speech bubble
    Shape *Tail;                     // its tail
    Label *Serif;
    std::array<Label *, 3> Label1{}; // the menu
    Panel *Picture1;                 // name-entry panel
    Label *Label2, *Label3, *Label4;
    TextBox *Text1, *Text2;
    Button *OKBUTTON, *LOADOK;
    Timer *Timer1;

    bool HostessIsJunior = false;
    bool MenuAtRest = false;
    int MenuFocus = -1; // the menu item the arrows have reached, framed; -1 before the first arrow

    void Form_Load() override;
    void Form_QueryUnload(bool &cancel, bool byUser) override;
    void Form_MouseMove(int button, int shift, int x, int y) override;
    // The arrows move over the menu (each item said as it is reached) and Enter chooses; Enter on O K
    // confirms; F8 opens the options.
    void Form_KeyDown(Key key, int shift) override;
    void Section1();
    // The hostess says a line: shown beside her, and announced with her name.
    void ShowSerif(const QString &text);
    void Label1_MouseMove(int index);
    void Label1_Click(int index);
    void OKBUTTON_Click();
    void LOADOK_Click();
    void Timer1_Timer();

    // The hostess's wording of a line.
    QString Say(const HostessLine &line) const;

  private:
    // Why a name would not come back from the saved game as typed; "" when it is fine.
    QString RefusalFor(const QString &name, int which) const;
    void RestoreMenuColours();
};

// The menu items' own colours, and the colour under the mouse.
inline const QColor MenuColour[3] = {QColor(255, 224, 192), QColor(192, 255, 192), QColor(255, 192, 255)};
inline const QColor MenuHoverColour(255, 255, 192);
