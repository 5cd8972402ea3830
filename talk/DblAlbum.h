// The class album at the page of 3-B: hover thoughts, the pick, and the hidden contact-lens gesture.
#pragma once
#include "platform/Form.h"
#include <array>

class DblAlbum : public Form {
  public:
    DblAlbum();
    std::array<Label *, 8> Image1{}; // transparent hot-spots: girls 0..5, the friend, the popular boy
    Label *Label1;
    int KeyFocus = -1; // the photo the arrows have reached, framed; -1 before the first arrow

    void Form_Load() override;
    void Form_QueryUnload(bool &cancel, bool byUser) override;
    void Form_Unload() override;
    void Image1_MouseMove(int index);
    void Image1_MouseDown(int index, int button, int shift);
    void Image1_Click(int index);
    // The arrows move over the page as the mouse would; Enter clicks the framed photo.
    void Form_KeyDown(Key key, int shift) override;
    // The keys come to the page as it opens.
    void Form_Shown() override;
};
