// The lookback: this afternoon's lines over the campus window, newest at the bottom.
#pragma once
#include "platform/Form.h"

class DblLog : public Form {
  public:
    DblLog();
    TextView *Text1;

    void Form_Load() override;
    void Form_KeyDown(Key key, int shift) override;
    void Form_Rescaled() override;
    void Form_Unload() override;
    void Form_MouseDown(int button, int shift, int x, int y) override;
    // Takes the campus window's place and size; the keys go back to it when the lookback closes.
    void Follow(Form &campus);
    // Adds a line at the bottom; a reader who was at the end stays there.
    void AddLine(const QString &speaker, const QString &text);
    void ScrollToEnd();
    // Remembers the window that has the keys now, to give them back to it on closing.
    void TakeKeys();

  private:
    Form *campus_ = nullptr;
    Form *keysBefore_ = nullptr; // the window that had the keys when the lookback opened
};

// Opens the lookback over the campus window, scrolled to the newest line.
void OpenLookback(Form &campus);
