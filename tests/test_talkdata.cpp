// Every encounter finds a well-formed reply and response in the talk files, and every ending can be reached.
#include "bench/Afternoon.h"
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

// A file's lines: code page 932, no blank at the start, no quote, no comma that would cut a text short.
QStringList LinesOf(const char *name, QStringList *bad, int commas = 0) {
    const QString text = ReadTextFile(QString::fromLatin1(name));
    if (text.isEmpty() || text.contains(QChar::ReplacementCharacter)) *bad << QString::fromLatin1(name);
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        if (line[0].isSpace() || line.contains('"') || line.count(',') > commas) *bad << line;
    return lines;
}

// Each code's ten replies, their responses in its own section.
TEST(TalkData, EveryCodeHasTenRepliesWithTheirResponsesInItsOwnSection) {
    std::set<QString> codes; // an A and a B code for each place-girl pair of the timetable
    for (const auto &row : Timetable)
        for (int place = 1; place <= PlaceCount; ++place)
            for (char v : {'A', 'B'})
                if (row[place] != 0) codes.insert(QString::number(place) + QString::number(row[place]) + v);
    ASSERT_EQ(codes.size(), 34u);
    QStringList kcode, bad;                                 // every DblKCode field; lines out of place
    std::map<int, QStringList> replies;                     // DblKaiwa: number -> its lines
    std::map<QString, std::map<int, QStringList>> sections; // DblResp: header -> number -> lines
    for (FieldReader in(LinesOf("DblKCode.dat", &bad, 10).join(QStringLiteral("\r\n"))); !in.AtEnd();)
        kcode << in.ReadField();
    for (const QString &line : LinesOf("DblKaiwa.dat", &bad))
        line.contains(Number) ? void(replies[Val(line.left(3))] << line.mid(3)) : void(bad << line);
    QString header;
    for (const QString &line : LinesOf("DblResp.dat", &bad))
        if (codes.count(line) && !sections.count(line))
            sections[header = line];
        else if (!header.isEmpty() && line.contains(Number) && line.contains(Change) && line.size() > 5)
            sections[header][Val(line.left(3))] << line.mid(3);
        else
            bad << line; // a second header, or a line out of place
    EXPECT_TRUE(bad.isEmpty()) << bad.join(" / ").toStdString();
    EXPECT_EQ(kcode.size(), 34 * 11) << "34 records of a code and ten numbers each, nothing else";
    std::set<int> offered;
    int withPlaceholder = 0;
    for (const QString &code : codes) {
        SCOPED_TRACE(code.toStdString());
        QList<int> talks,
            changes; // read the way the game reads them: the first field equal to the code, ten numbers
        for (const QString &field : kcode.mid(kcode.indexOf(code) + 1, kcode.contains(code) ? 10 : 0))
            talks << Val(field);
        const std::set<int> own(talks.begin(), talks.end()); // a repeat would fill two buttons alike
        EXPECT_TRUE(kcode.count(code) == 1 && own.size() == 10u) << "one record of ten numbers";
        std::set<int> inSection;
        for (const auto &[talk, lines] : sections[code])
            EXPECT_TRUE(inSection.insert(talk).second && lines.size() == 1) << talk << " answered twice";
        ASSERT_EQ(inSection, own) << "every response in the section of its own code, and only those";
        for (int talk : talks) {
            offered.insert(talk);
            EXPECT_TRUE(talk >= 100 && talk != Val(code)) << "the search would stop at a header";
            ASSERT_EQ(replies.count(talk), 1u) << talk << ": no reply line";
            const QString reply = replies.at(talk)[0], response = sections[code][talk][0];
            // A reply names him once at most; a response never (whether each fits: test_typography).
            EXPECT_TRUE(!reply.trimmed().isEmpty() && reply.count(Placeholder) <= 1) << talk;
            EXPECT_TRUE(!response.chopped(2).trimmed().isEmpty() && !response.contains(Placeholder)) << talk;
            withPlaceholder += reply.contains(Placeholder);
            changes << Val(response.right(2));
        }
        // Three replies clearly please her, one hurts, and the rest leave her as she was: a polite word
        // never lifts a girl who started at 4 past the classmate's line.
        std::sort(changes.rbegin(), changes.rend());
        EXPECT_TRUE(changes.value(2) >= 7 && changes.value(9) <= -2 &&
                    std::none_of(changes.begin(), changes.end(), [](int v) { return v > 0 && v < 5; }));
        // Five of ten drawn offer at least one of n replies in 1 - C(10-n,5)/C(10,5) of the draws.
        const auto drawn = [&](auto band) {
            double none = 1;
            for (int k = 0, n = int(std::count_if(changes.begin(), changes.end(), band)); k < 5; ++k)
                none *= std::max(0, 10 - n - k) / (10.0 - k);
            return 1 - none;
        };
        EXPECT_TRUE(drawn([](int v) { return v >= 5; }) >= 0.95 &&
                    drawn([](int v) { return v == 0; }) >= 0.90);
    }
    for (const auto &[talk, lines] : replies)
        EXPECT_TRUE(lines.size() == 1 && offered.count(talk)) << talk << ": repeated or never offered";
    EXPECT_GE(withPlaceholder, 1) << "the player should get to say his own name somewhere";
}

// From 4:31 at the schoolyard, every girl can surely be won from her worst start, whatever the draws.
// Endings 8 and 9 hang on starts the player cannot see; what holds whatever the girl is: she can be met
// and answered so that the classmate confesses when she alone started at 3, and so that the sister does
// when every girl started at 4.
TEST(TalkData, EveryEndingCanBeReached) {
    for (int girl = 1; girl <= 6; ++girl) {
        EXPECT_TRUE(Provable({girl, 6, 0, true}, WorstFor(girl)))
            << "girl " << girl << " cannot surely be won";
        EXPECT_TRUE(Provable({8, 1, girl}, AloneAt3(girl)))
            << "no reply of girl " << girl << " keeps her at 3";
        EXPECT_TRUE(Provable({9, 1, girl}, AllAt4())) << "no cold reply for girl " << girl;
    }
}
} // namespace
