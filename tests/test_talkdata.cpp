// Every encounter finds a well-formed reply and response in the talk files, and every girl can be won.
#include "core/Campus.h"
#include "platform/TextFile.h"
#include "talk/Timetable.h"
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <unordered_map>

namespace {
const QString Placeholder = QStringLiteral(u"ＸＸＸ");
const QRegularExpression Number(QStringLiteral("^[0-9]{3}")), Change(QStringLiteral("([+-][0-9]|[0-9]{2})$"));

// An A and a B code for each place-girl pair of the timetable.
std::set<QString> EncounterCodes() {
    std::set<QString> codes;
    for (const auto &row : Timetable)
        for (int place = 1; place <= PlaceCount; ++place)
            if (row[place] != 0)
                for (char v : {'A', 'B'})
                    codes.insert(QString::number(place) + QString::number(row[place]) + v);
    return codes;
}

// The file's lines; checks what holds for every line of all three files.
QStringList LinesOf(const char *name) {
    QFile f(FindFile(QString::fromLatin1(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    const QByteArray raw = f.readAll();
    EXPECT_TRUE(raw.endsWith("\r\n") && raw.count('\n') == raw.count("\r\n")) << name << ": CR LF lines";
    const QString text = ReadTextFile(QString::fromLatin1(name));
    EXPECT_FALSE(text.isEmpty() || text.contains(QChar::ReplacementCharacter)) << name << ": code page 932";
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        EXPECT_FALSE(line[0].isSpace() || line.contains('"')) << name << ": " << line.toStdString();
        // A comma would cut a reply or a response short: only the code records use commas.
        if (QByteArray(name) != "DblKCode.dat") EXPECT_FALSE(line.contains(',')) << line.toStdString();
    }
    return lines;
}

struct TalkData {
    std::map<QString, std::vector<int>> records;            // read the way the game reads them
    QStringList kcode;                                      // every field of DblKCode
    std::map<int, QStringList> replies;                     // every DblKaiwa line of a number
    std::map<QString, std::map<int, QStringList>> sections; // DblResp header -> number -> lines
    QStringList strayLines;                                 // badly numbered, or before any header

    TalkData() {
        const std::set<QString> codes = EncounterCodes();
        for (FieldReader in(LinesOf("DblKCode.dat").join(QStringLiteral("\r\n"))); !in.AtEnd();)
            kcode << in.ReadField();
        for (const QString &code : codes) // the first field equal to the code, then ten numbers
            for (qsizetype i = kcode.indexOf(code) + 1; i > 0 && i < kcode.size() && records[code].size() < 10;)
                records[code].push_back(Val(kcode[i++]));
        for (const QString &line : LinesOf("DblKaiwa.dat"))
            if (line.contains(Number) && line.size() > 3) replies[Val(line.left(3))] << line.mid(3);
            else strayLines << line;
        QString header;
        for (const QString &line : LinesOf("DblResp.dat")) {
            if (codes.count(line)) {
                if (sections.count(line)) strayLines << "second header " + line;
                sections[header = line];
            } else if (!header.isEmpty() && line.contains(Number) && line.contains(Change) && line.size() > 5) {
                sections[header][Val(line.left(3))] << line.mid(3);
            } else {
                strayLines << line;
            }
        }
    }
    int ChangeOf(const QString &code, int talk) const { return Val(sections.at(code).at(talk)[0].right(2)); }
};
const TalkData &Data() {
    static const TalkData data;
    return data;
}

// Each of the ten in its own section, with a reply that clearly pleases her and one that hurts.
TEST(TalkData, EveryCodeHasTenRepliesWithTheirResponsesInItsOwnSection) {
    const TalkData &d = Data();
    ASSERT_EQ(EncounterCodes().size(), 34u);
    EXPECT_TRUE(d.strayLines.isEmpty()) << d.strayLines.join(" / ").toStdString();
    EXPECT_EQ(d.sections.size(), 34u);
    EXPECT_EQ(d.kcode.size(), 34 * 11) << "34 records of a code and ten numbers each, nothing else";
    std::set<int> offered;
    int withPlaceholder = 0;
    for (const auto &[code, talks] : d.records) {
        SCOPED_TRACE(code.toStdString());
        EXPECT_EQ(d.kcode.count(code), 1) << "a later record of the same code is never read";
        ASSERT_EQ(talks.size(), 10u);
        std::set<int> own(talks.begin(), talks.end());
        EXPECT_EQ(own.size(), 10u) << "a repeated number would fill two buttons alike";
        ASSERT_TRUE(d.sections.count(code)) << "no section";
        const auto &section = d.sections.at(code);
        std::set<int> inSection;
        int great = 0, bad = 0;
        for (const auto &[talk, lines] : section) {
            inSection.insert(talk);
            EXPECT_EQ(lines.size(), 1) << talk << ": the second response is never read";
        }
        EXPECT_EQ(inSection, own) << "every response in the section of its own code, and only those";
        for (int talk : talks) {
            SCOPED_TRACE(talk);
            offered.insert(talk);
            EXPECT_TRUE(talk >= 100 && talk != Val(code)) << "the search would stop at a header";
            ASSERT_EQ(d.replies.count(talk), 1u) << "no reply line";
            const QString reply = d.replies.at(talk)[0];
            EXPECT_TRUE(!reply.trimmed().isEmpty() && reply.size() <= 40) << "fits a button";
            EXPECT_LE(reply.count(Placeholder), 1) << "only the first surname placeholder is filled in";
            withPlaceholder += reply.contains(Placeholder);
            ASSERT_TRUE(section.count(talk)) << "no response";
            const QString response = section.at(talk)[0].chopped(2);
            EXPECT_TRUE(!response.trimmed().isEmpty() && response.size() <= 60) << "fits two lines";
            EXPECT_FALSE(response.contains(Placeholder)) << "responses get no surname";
            great += d.ChangeOf(code, talk) >= 7;
            bad += d.ChangeOf(code, talk) < 0;
        }
        EXPECT_TRUE(great >= 2 && bad >= 1) << "choosing must matter";
    }
    for (const auto &[talk, lines] : d.replies)
        EXPECT_TRUE(lines.size() == 1 && offered.count(talk)) << talk << ": repeated or never offered";
    EXPECT_GE(withPlaceholder, 1) << "the player should get to say his own name somewhere";
}

// A search over every afternoon from 4:31 at the schoolyard: each minute the player waits or starts
// a walk and answers every girl at once, her with the best reply any draw of five surely offers
// (the sixth best of ten), a rival with the lowest (the fifth best). Returns her liking at the gate
// if she is the best among those met with 5 or more, else Lost.
struct Afternoon {
    static constexpr int Lost = -1000;
    int target;
    struct State {
        int minute, place, met;
        std::array<int, 7> liking;
    };
    std::unordered_map<uint64_t, int> memo;

    void Meet(State &s, char variant) const {
        const int slot = SlotOfMinute(s.minute), girl = slot < 0 ? 0 : Timetable[slot][s.place];
        if (girl == 0 || (s.met >> girl & 1)) return;
        const QString code = QString::number(s.place) + QString::number(girl) + variant;
        std::vector<int> changes;
        for (int talk : Data().records.at(code))
            changes.push_back(Data().ChangeOf(code, talk));
        std::sort(changes.rbegin(), changes.rend());
        s.liking[girl] += changes[girl == target ? 5 : 4];
        s.met |= 1 << girl;
    }
    int Close(const State &s) const {
        int best = 0, bestGirl = 0; // ties go to the lower number
        for (int i = 1; i <= 6; ++i)
            if ((s.met >> i & 1) && s.liking[i] > best) best = s.liking[i], bestGirl = i;
        return bestGirl == target && best >= 5 ? best : Lost;
    }
    int Best(const State &s) {
        if (s.minute >= 29) return Close(s); // waiting or walking now only runs into the gate
        uint64_t key = uint64_t(s.minute) | uint64_t(s.place) << 5 | uint64_t(s.met) << 8;
        for (int i = 1; i <= 6; ++i)
            key |= uint64_t(s.liking[i] + 32 & 63) << (15 + 6 * i);
        if (auto it = memo.find(key); it != memo.end()) return it->second;
        int best = Lost;
        for (int move = 0; move <= PlaceCount; ++move) {
            State n = s;
            if (move == 0) {
                if (++n.minute % 5 == 1) Meet(n, 'B');
            } else {
                if (WalkMinutes[s.place][move] == 0) continue;
                n.minute += WalkMinutes[s.place][move];
                n.place = move;
                if (n.minute >= 30) n = s; // the gate closes on the way
                else if (IsEncounterMinute(n.minute)) Meet(n, 'A');
            }
            best = std::max(best, n.minute == s.minute ? Close(s) : Best(n));
        }
        return memo[key] = best;
    }
};

TEST(TalkData, EveryGirlCanBeWonFromHerWorstStart) {
    for (int girl = 1; girl <= 6; ++girl) {
        Afternoon::State start{1, 3, 0, {}};
        start.liking.fill(4);      // rivals at their most dangerous start
        start.liking[girl] = -2;   // hers at its lowest, less the album pick
        EXPECT_GE(Afternoon{girl}.Best(start), 5) << "girl " << girl << " cannot surely be won";
    }
}
} // namespace
