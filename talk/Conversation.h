// One exchange with a girl: five replies offered, one answered.
#pragma once
#include <QString>

// Offers five of the encounter's ten replies in the reply window.
void OpenConversation(const QString &code);
// The player picked reply slot 1..5: show her response and change her liking.
void AnswerReply(int slot);
// Takes the reply window away (the girl left before he answered).
void CloseReplyWindow();
