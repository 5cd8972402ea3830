// Every encounter finds a well-formed reply and response in the talk files, and every girl can be won.
#include "core/Campus.h"
#include "platform/TextFile.h"
#include "talk/Timetable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int CandidateCount = 10;
constexpr int OfferedCount = 5;
constexpr int LastMinute = 30; // the gate closes
constexpr int WinningLiking = 5;
constexpr int HighestStart = 4;
constexpr int AlbumPickCost = 2;
const QString Placeholder = QStringLiteral(u"ＸＸＸ");
// Longest texts that still fit: one reply button, two lines of the main window's text.
constexpr qsizetype ReplyMaxChars = 40;
constexpr qsizetype ResponseMaxChars = 60;

// Every encounter code the timetable can produce: an A and a B code per place-girl pair.
std::vector<QString> EncounterCodes() {
    std::set<std::pair<int, int>> pairs;
    for (const auto &row : Timetable)
        for (int place = 1; place <= PlaceCount; ++place)
            if (row[place] != 0) pairs.insert({place, row[place]});
    std::vector<QString> codes;
    for (auto [place, girl] : pairs)
        for (QChar variant : {QChar('A'), QChar('B')})
            codes.push_back(QString::number(place) + QString::number(girl) + variant);
    return codes;
}

int GirlOf(const QString &code) {
    return Val(code.mid(1, 1));
}

QString LoadGameFile(const char *name) {
    bool ok = false;
    const QString text = ReadTextFile(QString::fromLatin1(name), &ok);
    EXPECT_TRUE(ok) << name << " is missing from the game folder";
    return text;
}

// What the game finds for one encounter, read exactly the way the game reads it.
struct Candidate {
    int number = 0;
    QString reply;
    QString response;
    int change = 0;
};

struct TalkData {
    QString kcode, kaiwa, resp;
    std::map<QString, std::vector<Candidate>> byCode;
};

// The code's record in DblKCode: the first field equal to the code, then ten numbers.
std::vector<int> ReadRecord(const QString &text, const QString &code) {
    FieldReader in(text);
    while (!in.AtEnd())
        if (in.ReadField() == code) {
            std::vector<int> numbers;
            for (int i = 0; i < CandidateCount && !in.AtEnd(); ++i)
                numbers.push_back(in.ReadNumber());
            return numbers;
        }
    return {};
}

// The reply line of a talk number: scanned from the file's start, the empty field matching 0.
QString FindReply(const QString &text, int number, bool *found) {
    FieldReader in(text);
    QString field;
    while (Val(field.left(3)) != number) {
        if (in.AtEnd()) {
            *found = false;
            return {};
        }
        field = in.ReadField();
    }
    *found = true;
    return field;
}

// The response line: the section header is searched from the start, then numbers are scanned from
// the header on without stopping at the next header. Fails unless the line lies in the right section.
QString FindResponse(const QString &text, const QString &code, int number, const std::set<QString> &headers,
                     QString *problem) {
    FieldReader in(text);
    QString field;
    while (field != code) {
        if (in.AtEnd()) {
            *problem = QStringLiteral("no section header");
            return {};
        }
        field = in.ReadField();
    }
    while (Val(field.left(3)) != number) {
        if (in.AtEnd()) {
            *problem = QStringLiteral("number missing");
            return {};
        }
        field = in.ReadField();
        if (headers.count(field) && field != code) {
            *problem = QStringLiteral("found only past the next header ") + field;
            return {};
        }
    }
    if (field == code) *problem = QStringLiteral("the scan stops at the section header itself");
    return field;
}

class TalkDataTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        data_ = new TalkData;
        data_->kcode = LoadGameFile("DblKCode.dat");
        data_->kaiwa = LoadGameFile("DblKaiwa.dat");
        data_->resp = LoadGameFile("DblResp.dat");
        const auto codes = EncounterCodes();
        const std::set<QString> headers(codes.begin(), codes.end());
        for (const QString &code : codes) {
            std::vector<Candidate> list;
            for (int n : ReadRecord(data_->kcode, code)) {
                Candidate c;
                c.number = n;
                bool found = false;
                const QString reply = FindReply(data_->kaiwa, n, &found);
                if (found) c.reply = reply.mid(3);
                QString problem;
                const QString line = FindResponse(data_->resp, code, n, headers, &problem);
                if (problem.isEmpty() && line.size() >= 5) {
                    c.response = line.mid(3, line.size() - 5);
                    c.change = Val(line.right(2));
                }
                list.push_back(c);
            }
            data_->byCode[code] = list;
        }
    }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    static TalkData *data_;
};
TalkData *TalkDataTest::data_ = nullptr;

TEST_F(TalkDataTest, TimetableGivesThirtyFourCodes) {
    EXPECT_EQ(EncounterCodes().size(), 34u);
}

TEST_F(TalkDataTest, FilesAreCrLfLinesWithoutCommentsOrBlankStarts) {
    for (const char *name : {"DblKCode.dat", "DblKaiwa.dat", "DblResp.dat"}) {
        QFile f(FindFile(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray raw = f.readAll();
        ASSERT_FALSE(raw.isEmpty()) << name;
        EXPECT_TRUE(raw.endsWith("\r\n")) << name;
        EXPECT_EQ(raw.count('\n'), raw.count("\r\n")) << name << ": every line ends with CR LF";
        for (const QString &line : ReadTextFile(QString::fromLatin1(name)).split(QStringLiteral("\r\n"))) {
            if (line.isEmpty()) continue;
            EXPECT_FALSE(line.startsWith(' ') || line.startsWith('"') || line.startsWith('#'))
                << name << ": " << line.toStdString();
            EXPECT_FALSE(line.contains('"')) << name << ": " << line.toStdString();
            // A comma would cut a reply or a response short: only the code records use commas.
            if (std::string(name) != "DblKCode.dat")
                EXPECT_FALSE(line.contains(',')) << name << ": " << line.toStdString();
        }
    }
}

TEST_F(TalkDataTest, EveryCodeHasOneRecordOfTenNumbers) {
    const QStringList fields =
        data_->kcode.split(QRegularExpression(QStringLiteral("[,\r\n]+")), Qt::SkipEmptyParts);
    for (const QString &code : EncounterCodes()) {
        SCOPED_TRACE(code.toStdString());
        EXPECT_EQ(fields.count(code), 1) << "a later record of the same code would never be read";
        const auto &list = data_->byCode.at(code);
        ASSERT_EQ(list.size(), size_t(CandidateCount));
        std::set<int> distinct;
        for (const auto &c : list) {
            EXPECT_GE(c.number, 100) << "keep clear of the header's own value and of 0";
            EXPECT_LE(c.number, 999) << "talk numbers are three digits";
            distinct.insert(c.number);
        }
        EXPECT_EQ(distinct.size(), size_t(CandidateCount))
            << "a repeated number could fill two buttons alike";
    }
    // Nothing but the 34 records: 11 fields each.
    EXPECT_EQ(fields.size(), qsizetype(34 * (1 + CandidateCount)));
}

TEST_F(TalkDataTest, EveryReplyIsFoundAndFitsAButton) {
    for (const auto &[code, list] : data_->byCode)
        for (const auto &c : list) {
            SCOPED_TRACE((code + ' ' + QString::number(c.number)).toStdString());
            bool found = false;
            FindReply(data_->kaiwa, c.number, &found);
            ASSERT_TRUE(found) << "no reply line";
            EXPECT_FALSE(c.reply.trimmed().isEmpty());
            EXPECT_LE(c.reply.size(), ReplyMaxChars) << c.reply.toStdString();
            EXPECT_LE(c.reply.count(Placeholder), 1) << "only the first surname placeholder is filled in";
        }
}

TEST_F(TalkDataTest, ReplyLinesAreUniqueAndAllUsed) {
    std::set<int> listed;
    for (const auto &[code, list] : data_->byCode)
        for (const auto &c : list)
            listed.insert(c.number);
    std::set<int> seen;
    int withPlaceholder = 0;
    for (const QString &line : data_->kaiwa.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        ASSERT_GE(line.size(), 4) << line.toStdString();
        ASSERT_TRUE(line.left(3).contains(QRegularExpression(QStringLiteral("^[0-9]{3}$"))))
            << line.toStdString();
        const int n = Val(line.left(3));
        EXPECT_TRUE(seen.insert(n).second) << "the second line of " << n << " could never be shown";
        EXPECT_TRUE(listed.count(n)) << n << " is offered by no encounter";
        if (line.contains(Placeholder)) ++withPlaceholder;
    }
    EXPECT_GE(withPlaceholder, 1) << "the player should get to say his own name somewhere";
}

TEST_F(TalkDataTest, EveryResponseLiesInItsOwnSection) {
    const auto codes = EncounterCodes();
    const std::set<QString> headers(codes.begin(), codes.end());
    for (const auto &[code, list] : data_->byCode)
        for (const auto &c : list) {
            SCOPED_TRACE((code + ' ' + QString::number(c.number)).toStdString());
            EXPECT_NE(c.number, Val(code.left(3))) << "the number search would stop at the header";
            QString problem;
            const QString line = FindResponse(data_->resp, code, c.number, headers, &problem);
            ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
            ASSERT_GE(line.size(), 5);
            EXPECT_TRUE(line.right(2).contains(QRegularExpression(QStringLiteral("^([+-][0-9]|[0-9]{2})$"))))
                << "liking change " << line.right(2).toStdString();
            EXPECT_FALSE(c.response.trimmed().isEmpty());
            EXPECT_LE(c.response.size(), ResponseMaxChars) << c.response.toStdString();
            EXPECT_FALSE(c.response.contains(Placeholder)) << "responses get no surname inserted";
        }
}

TEST_F(TalkDataTest, SectionsHoldExactlyTheirRecordsNumbers) {
    const auto codes = EncounterCodes();
    const std::set<QString> headers(codes.begin(), codes.end());
    std::map<QString, std::set<int>> sections;
    QString current;
    for (const QString &line : data_->resp.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (headers.count(line)) {
            EXPECT_FALSE(sections.count(line)) << "second section " << line.toStdString() << " is never read";
            current = line;
            sections[current];
            continue;
        }
        ASSERT_FALSE(current.isEmpty()) << "line before the first header: " << line.toStdString();
        EXPECT_TRUE(sections[current].insert(Val(line.left(3))).second)
            << current.toStdString() << " repeats " << line.left(3).toStdString();
    }
    for (const auto &[code, list] : data_->byCode) {
        std::set<int> wanted;
        for (const auto &c : list)
            wanted.insert(c.number);
        EXPECT_EQ(sections[code], wanted) << code.toStdString();
    }
    EXPECT_EQ(sections.size(), codes.size());
}

// Choosing must matter: some replies clearly please her, at least one hurts.
TEST_F(TalkDataTest, EveryEncounterOffersGoodAndBadReplies) {
    for (const auto &[code, list] : data_->byCode) {
        int great = 0, bad = 0;
        for (const auto &c : list) {
            if (c.change >= 7) ++great;
            if (c.change < 0) ++bad;
        }
        EXPECT_GE(great, 2) << code.toStdString();
        EXPECT_GE(bad, 1) << code.toStdString();
    }
}

// ---- winnability: a search over the afternoon ----

// One afternoon from 4:31 at the schoolyard: each minute the player waits or starts a walk; every
// greeting is answered at once. The search keeps, per state, the best ending for her.
struct Afternoon {
    int target = 0;
    bool optimistic = false; // her best reply always on offer, instead of the best one guaranteed
    const std::map<QString, std::vector<Candidate>> *byCode = nullptr;

    struct State {
        int minute, place, met;
        std::array<int, 7> liking;
    };
    struct Outcome {
        int liking; // hers at the gate if she confesses, Lost otherwise
        int walks;  // fewer is the plainer route
        int move;   // 0 wait, else the place walked to
    };
    static constexpr int Lost = -1000;
    std::unordered_map<uint64_t, Outcome> memo;

    // Liking change of the reply the player picks: for her the best one the draw surely offers
    // (the sixth best of ten), for a rival the lowest one it surely offers (the fifth best).
    int ChangeFor(const QString &code, int girl) const {
        std::vector<int> changes;
        for (const auto &c : byCode->at(code))
            changes.push_back(c.change);
        std::sort(changes.rbegin(), changes.rend());
        if (girl != target) return changes[OfferedCount - 1];
        return optimistic ? changes.front() : changes[CandidateCount - OfferedCount];
    }

    // The gate closes: highest liking among met girls, ties to the lower number.
    int Close(const State &s) const {
        int best = 0, bestGirl = 0;
        for (int i = 1; i <= 6; ++i)
            if ((s.met >> i & 1) && s.liking[i] > best) best = s.liking[i], bestGirl = i;
        return bestGirl == target && best >= WinningLiking ? best : Lost;
    }

    // The girl whom the timetable puts here now comes or is found, unless already met.
    QString Meet(State &s, char variant) const {
        const int slot = SlotOfMinute(s.minute);
        const int girl = slot < 0 ? 0 : Timetable[slot][s.place];
        if (girl == 0 || (s.met >> girl & 1)) return {};
        const QString code = QString::number(s.place) + QString::number(girl) + QChar(variant);
        s.liking[girl] += ChangeFor(code, girl);
        s.met |= 1 << girl;
        return code;
    }

    // The state after a move, or false when the gate closes first.
    bool Step(State &s, int move, QString *met) const {
        if (move == 0) {
            ++s.minute;
            if (s.minute >= LastMinute) return false;
            if (s.minute % 5 == 1) *met = Meet(s, 'B');
            return true;
        }
        s.minute += WalkMinutes[s.place][move];
        if (s.minute >= LastMinute) return false;
        s.place = move;
        if (IsEncounterMinute(s.minute)) *met = Meet(s, 'A');
        return true;
    }

    static uint64_t Key(const State &s) {
        uint64_t k = uint64_t(s.minute) | uint64_t(s.place) << 5 | uint64_t(s.met) << 8;
        for (int i = 1; i <= 6; ++i)
            k |= uint64_t(s.liking[i] + 32 & 63) << (15 + 6 * (i - 1));
        return k;
    }

    Outcome Best(const State &s) {
        const uint64_t key = Key(s);
        if (auto it = memo.find(key); it != memo.end()) return it->second;
        // From 4:59 on, waiting and walking alike only run into the gate.
        Outcome best = s.minute >= LastMinute - 1 ? Outcome{Close(s), 0, 0} : Outcome{Lost, 1000, 0};
        if (s.minute < LastMinute - 1)
            for (int move = 0; move <= PlaceCount; ++move) {
                if (move != 0 && WalkMinutes[s.place][move] == 0) continue;
                State next = s;
                QString met;
                const bool goesOn = Step(next, move, &met);
                Outcome o = goesOn ? Best(next) : Outcome{Close(s), 0, 0};
                o.walks += move != 0;
                if (o.liking > best.liking || (o.liking == best.liking && o.walks < best.walks))
                    best = {o.liking, o.walks, move};
            }
        memo[key] = best;
        return best;
    }

    static State Start(int target) {
        State s{1, 3, 0, {}};
        s.liking.fill(HighestStart);       // rivals at their most dangerous start
        s.liking[target] = -AlbumPickCost; // her worst start, less the album pick
        return s;
    }

    int Run() { return Best(Start(target)).liking; }

    // The chosen afternoon, step by step.
    std::string Route() {
        std::string route;
        State s = Start(target);
        for (;;) {
            const Outcome o = Best(s);
            if (o.liking == Lost) return "none";
            const int from = s.place, at = s.minute;
            QString met;
            const bool goesOn = Step(s, o.move, &met);
            if (o.move != 0)
                route += "4:" + std::to_string(30 + at) + " walk " + std::to_string(from) + "->" +
                         std::to_string(o.move) + "; ";
            if (!met.isEmpty())
                route += "4:" + std::to_string(30 + s.minute) + " " + met.toStdString() + " (" +
                         std::to_string(s.liking[GirlOf(met)]) + "); ";
            if (!goesOn || s.minute >= LastMinute - 1) break;
        }
        return route + "gate";
    }
};

TEST_F(TalkDataTest, EveryGirlCanBeWonFromHerWorstStart) {
    for (int girl = 1; girl <= 6; ++girl) {
        Afternoon sure{girl, false, &data_->byCode};
        Afternoon lucky{girl, true, &data_->byCode};
        const int guaranteed = sure.Run();
        const int atBest = lucky.Run();
        std::cout << "girl " << girl << ": liking at the gate " << guaranteed << " guaranteed, " << atBest
                  << " with her best reply; " << sure.Route() << "\n";
        EXPECT_GE(guaranteed, WinningLiking) << "girl " << girl << " cannot surely be won";
        EXPECT_GE(atBest, guaranteed);
    }
}

} // namespace
