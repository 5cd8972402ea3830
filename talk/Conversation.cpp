#include "talk/Conversation.h"

#include "core/Balance.h"
#include "core/Choices.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "platform/System.h"
#include "talk/TalkFiles.h"
#include <algorithm>
#include <limits>

namespace {
constexpr int Offered = RepliesOffered;
const QString SurnamePlaceholder = QStringLiteral("ＸＸＸ");
} // namespace

QString InsertSurname(const QString &reply, const QString &surname) {
    const qsizetype at = reply.indexOf(SurnamePlaceholder);
    if (at < 0) return reply;
    return reply.left(at) + surname + reply.mid(at + SurnamePlaceholder.size());
}

void OpenConversation(const QString &code) {
    G.TalkCode = code;
    G.Mode = ModeTalking;
    RefreshChoices();

    const std::array<int, 10> candidate = ReadCandidates(code);
    std::array<bool, 10> drawn{};
    // Five distinct slots; a slot drawn before is drawn again. Drawing order is button order.
    for (int n = 0; n < Offered;) {
        const int r = std::min(9, static_cast<int>(Rnd() * 10));
        if (drawn[r]) continue;
        drawn[r] = true;
        ++n;
        G.OfferedTalk[n] = static_cast<Integer>(candidate[r]);
    }

    std::array<QString, Offered> replies;
    for (int k = 1; k <= Offered; ++k)
        replies[k - 1] = InsertSurname(ReadReplyText(G.OfferedTalk[k]), G.Myouji);
    View().replies->Offer(replies);
}

void AnswerReply(int slot) {
    CloseReplyWindow();
    if (slot < 1 || slot > Offered) return;
    // What he said, under his name, before her answer.
    KeepLine(G.Myouji + QStringLiteral("　") + G.Namae,
             InsertSurname(ReadReplyText(G.OfferedTalk[slot]), G.Myouji));
    const QString line = ReadResponseLine(G.TalkCode, G.OfferedTalk[slot]);
    // Her answer, under her name from the greeting.
    ShowScene(QString(), ResponseText(line), ShownSpeaker());

    const int girl = G.TalkCode.size() >= 2 ? G.TalkCode[1].digitValue() : 0;
    if (girl >= 1 && girl <= 6) {
        // Liking stays within the game's 16-bit integers however the afternoon goes.
        const int sum = G.Affection[girl] + ResponseChange(line);
        G.Affection[girl] = static_cast<Integer>(std::clamp(sum, int(std::numeric_limits<Integer>::min()),
                                                            int(std::numeric_limits<Integer>::max())));
    }
    G.Mode = ModeFree;
    RefreshChoices();
}

void CloseReplyWindow() {
    View().replies->Close();
}
