#include "talk/Conversation.h"

void OpenConversation(const QString &) {}
void AnswerReply(int) {}
void CloseReplyWindow() {}
