// Every encounter finds a well-formed reply and response in the talk files, and every girl can be won.
#include "core/Campus.h"
#include "platform/TextFile.h"
#include "talk/Timetable.h"
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {
const QString Placeholder = QStringLiteral(u"ＸＸＸ");
const QRegularExpression Number(QStringLiteral("^[0-9]{3}.")),
    Change(QStringLiteral(".([+-][0-9]|[0-9]{2})$"));

std::set<QString> EncounterCodes() { // an A and a B code for each place-girl pair of the timetable
    std::set<QString> codes;
    for (const auto &row : Timetable)
        for (int place = 1; place <= PlaceCount; ++place)
            for (char v : {'A', 'B'})
                if (row[place] != 0) codes.insert(QString::number(place) + QString::number(row[place]) + v);
    return codes;
}
// A file's lines: code page 932, no blank at the start, no quote, no comma that would cut a text short.
QStringList LinesOf(const char *name, QStringList *bad, int commas = 0) {
    const QString text = ReadTextFile(QString::fromLatin1(name));
    if (text.isEmpty() || text.contains(QChar::ReplacementCharacter)) *bad << QString::fromLatin1(name);
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        if (line[0].isSpace() || line.contains('"') || line.count(',') > commas) *bad << line;
    return lines;
}
struct TalkData {
    static const TalkData &Get() {
        static const TalkData data;
        return data;
    }
    QStringList kcode, bad;                                 // every DblKCode field; lines out of place
    std::map<QString, QList<int>> records;                  // read the way the game reads them
    std::map<int, QStringList> replies;                     // DblKaiwa: number -> its lines
    std::map<QString, std::map<int, QStringList>> sections; // DblResp: header -> number -> lines
    std::map<QString, QList<int>> changes;                  // a code's liking changes, best first
    TalkData() {
        const std::set<QString> codes = EncounterCodes();
        for (FieldReader in(LinesOf("DblKCode.dat", &bad, 10).join(QStringLiteral("\r\n"))); !in.AtEnd();)
            kcode << in.ReadField();
        for (const QString &line : LinesOf("DblKaiwa.dat", &bad))
            line.contains(Number) ? void(replies[Val(line.left(3))] << line.mid(3)) : void(bad << line);
        QString header;
        for (const QString &line : LinesOf("DblResp.dat", &bad)) {
            if (codes.count(line) && !sections.count(line))
                sections[header = line];
            else if (!header.isEmpty() && line.contains(Number) && line.contains(Change) && line.size() > 5)
                sections[header][Val(line.left(3))] << line.mid(3);
            else
                bad << line; // a second header, or a line out of place
        }
        for (const QString &code : codes) // the first field equal to the code, then ten numbers
            for (const QString &field : kcode.mid(kcode.indexOf(code) + 1, kcode.contains(code) ? 10 : 0)) {
                const int talk = records[code].emplace_back(Val(field));
                if (sections[code].count(talk)) changes[code] << Val(sections[code][talk][0].right(2));
            }
        for (auto &[code, list] : changes)
            std::sort(list.rbegin(), list.rend());
    }
};

// Each code's ten replies, their responses in its own section; two clearly please her, one hurts.
TEST(TalkData, EveryCodeHasTenRepliesWithTheirResponsesInItsOwnSection) {
    const TalkData &d = TalkData::Get();
    ASSERT_EQ(EncounterCodes().size(), 34u);
    EXPECT_TRUE(d.bad.isEmpty()) << d.bad.join(" / ").toStdString();
    EXPECT_EQ(d.kcode.size(), 34 * 11) << "34 records of a code and ten numbers each, nothing else";
    std::set<int> offered;
    int withPlaceholder = 0;
    for (const auto &[code, talks] : d.records) {
        SCOPED_TRACE(code.toStdString());
        const std::set<int> own(talks.begin(), talks.end()); // a repeat would fill two buttons alike
        EXPECT_TRUE(d.kcode.count(code) == 1 && own.size() == 10u) << "one record of ten numbers";
        std::set<int> inSection;
        for (const auto &[talk, lines] : d.sections.at(code))
            EXPECT_TRUE(inSection.insert(talk).second && lines.size() == 1) << talk << " answered twice";
        ASSERT_EQ(inSection, own) << "every response in the section of its own code, and only those";
        EXPECT_TRUE(d.changes.at(code).value(1) >= 7 && d.changes.at(code).value(9) < 0);
        for (int talk : talks) {
            offered.insert(talk);
            EXPECT_TRUE(talk >= 100 && talk != Val(code)) << "the search would stop at a header";
            ASSERT_EQ(d.replies.count(talk), 1u) << talk << ": no reply line";
            const QString reply = d.replies.at(talk)[0],
                          response = d.sections.at(code).at(talk)[0].chopped(2);
            // A reply names him once at most; a response never (whether each fits: test_typography).
            EXPECT_TRUE(!reply.trimmed().isEmpty() && reply.count(Placeholder) <= 1) << talk;
            EXPECT_TRUE(!response.trimmed().isEmpty() && !response.contains(Placeholder)) << talk;
            withPlaceholder += reply.contains(Placeholder);
        }
    }
    for (const auto &[talk, lines] : d.replies)
        EXPECT_TRUE(lines.size() == 1 && offered.count(talk)) << talk << ": repeated or never offered";
    EXPECT_GE(withPlaceholder, 1) << "the player should get to say his own name somewhere";
}

// Every afternoon from 4:31 at the schoolyard, waiting or walking each minute, answering her with the best
// reply five drawn surely hold (sixth best of ten), a rival with the worst (fifth best). Best(): her liking
// at the gate if she wins there, else Lost.
struct Afternoon {
    static constexpr int Lost = -1000;
    int target;
    std::map<std::array<int, 9>, int> memo; // by state: minute, place, girls met (bits), likings 1..6

    void Meet(std::array<int, 9> &s, char variant) const {
        const int slot = SlotOfMinute(s[0]), girl = slot < 0 ? 0 : Timetable[slot][s[1]];
        if (girl == 0 || (s[2] >> girl & 1)) return;
        const QString code = QString::number(s[1]) + QString::number(girl) + variant;
        s[2 + girl] += TalkData::Get().changes.at(code).value(girl == target ? 5 : 4);
        s[2] |= 1 << girl;
    }
    int Close(const std::array<int, 9> &s) const {
        int winner = 0; // the highest above 0 among those met, ties to the lower number
        for (int i = 1; i <= 6; ++i)
            if ((s[2] >> i & 1) && s[2 + i] > (winner ? s[2 + winner] : 0)) winner = i;
        return winner == target && s[2 + target] >= 5 ? s[2 + target] : Lost;
    }
    int Best(const std::array<int, 9> &s) {
        if (auto it = memo.find(s); it != memo.end()) return it->second;
        int best = Lost;
        for (int move = 0; move <= PlaceCount; ++move) { // 0 waits a minute
            std::array<int, 9> n = s;
            n[0] += move == 0 ? 1 : WalkMinutes[s[1]][move], n[1] = move == 0 ? s[1] : move;
            if (n[0] == s[0]) continue; // no such walk
            if (move == 0 ? n[0] % 5 == 1 : IsEncounterMinute(n[0])) Meet(n, move == 0 ? 'B' : 'A');
            best = std::max(best, n[0] >= 30 ? Close(s) : Best(n)); // the gate may close on the way
        }
        return memo[s] = best;
    }
};

TEST(TalkData, EveryGirlCanBeWonFromHerWorstStart) {
    for (int girl = 1; girl <= 6; ++girl) {
        std::array<int, 9> start = {1, 3, 0, 4, 4, 4, 4, 4, 4}; // rivals at their most dangerous start
        start[2 + girl] = -2;                                   // hers at its lowest, less the album pick
        EXPECT_GE(Afternoon{girl}.Best(start), 5) << "girl " << girl << " cannot surely be won";
    }
}
} // namespace
