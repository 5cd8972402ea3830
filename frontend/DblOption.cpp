#include "frontend/DblOption.h"

#include "core/Options.h"
#include "platform/Speech.h"

DblOption::DblOption() {
    SetCaption(QStringLiteral("Duskbell Option"));
    SetBackColor(QColor(192, 255, 255));
    SetClientSize(5400, 3030);
    ShowFocusMarks();

    Label1 = AddLabel(240, 120, 3000, 375, QStringLiteral("オプション"));
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 15.75));
    Label1->SetForeColor(QColor(0, 0, 255));
    for (int i = 0; i < OptionCount; ++i) {
        Command1[i] = AddButton(240, 600 + 480 * i, 4920, 420, QString());
        Command1[i]->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 11.25));
        Command1[i]->Click = [this, i] { Command1_Click(i); };
    }
    Label2 = AddLabel(240, 2070, 3600, 840,
                      QStringLiteral("↑↓で選んで、スペースで切り替え。\n"
                                     "変えたらすぐに効いて、次回も残ります。\n"
                                     "Esc で閉じます。"));
    Command2 = AddButton(3960, 2400, 1200, 420, QStringLiteral("閉じる"));
    Command2->Click = [this] { Command2_Click(); };
    ShowValues();
}

void DblOption::Form_Load() {
    CenterForm(*this);
}

void DblOption::Form_Shown() {
    Activate();
    Command1[0]->SetFocus();
}

void DblOption::ShowValues() {
    // The caption is the name a screen reader says: the option and its value.
    for (int i = 0; i < OptionCount; ++i) {
        Command1[i]->SetCaption(OptionText(Option(i)));
        Command1[i]->SetAccessibleName(Command1[i]->Caption());
    }
}

void DblOption::Form_KeyDown(Key key, int) {
    // The arrows and Tab move between the buttons by themselves; Space presses the one marked.
    if (key == Key::Escape) {
        Command2_Click();
    } else if (key == Key::Enter) {
        for (Button *button : {Command1[0], Command1[1], Command1[2], Command2})
            if (button->HasFocus()) return button->Press();
    }
}

void DblOption::Command1_Click(int index) {
    ChangeOption(Option(index));
    ShowValues();
    // A focused control's new name goes unheard: the new value is announced.
    Announce(this, OptionText(Option(index)));
}

void DblOption::Command2_Click() {
    Unload<DblOption>();
}

void ShowOptions(Form &owner) {
    Win<DblOption>().ShowModal();
    Unload<DblOption>();
    owner.Activate();
}
