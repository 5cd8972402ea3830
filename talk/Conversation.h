// One exchange with a girl: five replies offered, one answered.
#pragma once
#include <QString>

// Offers five of the encounter's ten replies in the reply window.
void OpenConversation(const QString &code);
// The player picked reply slot 1..5: show her response and change her liking.
void AnswerReply(int slot);
// Takes the reply window away (the girl left before he answered).
void CloseReplyWindow();
// The reply with its first "ＸＸＸ" replaced by the surname; a second one stays as it is.
QString InsertSurname(const QString &reply, const QString &surname);
