// The reply window under the campus window: five things the player can say to the girl present.
#pragma once
#include "platform/Form.h"
#include <array>

class DblSerif : public Form {
  public:
    DblSerif();
    Label *Label1;
    std::array<Button *, 5> Command1{};

    void Form_Load() override;
    void Form_Rescaled() override;
    void Form_QueryUnload(bool &cancel, bool byUser) override;
    void Form_Unload() override;
    // F1 to F5 answer at once; the arrows move between the replies and Enter answers.
    void Form_KeyDown(Key key, int shift) override;
    void Command1_Click(int index);
    // Shows a reply on button index (an ampersand shows as itself, never as a shortcut mark).
    void SetReply(int index, const QString &text);
    // The reply as the player reads it on button index.
    QString Reply(int index) const;
    // The keys answer her while the question is open.
    void Form_Shown() override;

  private:
    void placeUnderCampus();
};
