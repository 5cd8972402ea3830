// Every text the game shows, laid out in its own label as the game lays it out: it fits, leaves no
// last line of one to three characters, keeps clear of the click prompt, keeps one house style, and
// every speaker keeps one voice.
#include "TestSupport.h"
#include "core/Campus.h"
#include "core/Lines.h"
#include "core/PrologueLines.h"
#include "ending/ConfessionLines.h"
#include "ending/CreditLines.h"
#include "ending/DblEnding.h"
#include "ending/EpilogueLines.h"
#include "frontend/DblStart.h"
#include "frontend/HostessLines.h"
#include "platform/Platform.h"
#include "talk/AlbumLines.h"
#include "talk/Conversation.h"
#include "talk/DblAlbum.h"
#include "talk/DblSerif.h"
#include "talk/EncounterLines.h"
#include "talk/PhoneLines.h"
#include "talk/TalkFiles.h"
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTextLayout>
#include <span>

namespace {
// Names of every width a Japanese name takes: one to four ideographs.
const QStringList Surnames = {"林", "森田", "佐々木", "勅使河原"},
                  Givens = {"湊", "健太", "慎之介", "林太郎丸"};

enum class Box { Scene, Reply, Album, Hostess, Role, Names };
// Who speaks a text: the hero (his words and his narration), heroine 1..9, the friend, or nobody
// in particular (credits, texts the start screen's rules fix word for word).
constexpr int Hero = 0, Friend = 10, Nobody = -1;
const QString XXX = QStringLiteral("ＸＸＸ"), YYY = QStringLiteral("ＹＹＹ");

// A text as written (ＸＸＸ where the surname goes) and as shown, once per test name; wraps: may wrap
// where the label likes (a line of the talk files cannot hold a break).
struct Text {
    Box box;
    int voice;
    QString raw;
    QStringList shown;
    bool wraps;
};

// Every text of the game, by the label it appears in and the voice that says it.
std::vector<Text> AllTexts() {
    std::vector<Text> texts;
    const auto add = [&texts](Box box, int voice, const QString &raw, bool wraps = false) {
        Text t{box, voice, raw, {}, wraps || voice == Nobody};
        for (int n = 0; n < Surnames.size(); ++n)
            if (const QString s = QString(raw).replace(XXX, Surnames[n]).replace(YYY, Givens[n]);
                !t.shown.contains(s))
                t.shown << s;
        texts.push_back(t);
    };
    for (const char16_t *l : PrologueLines)
        add(Box::Scene, Hero, Str(l));
    for (int girl = 0; girl <= 6; ++girl)
        add(Box::Scene, Hero, Str(IgnoredLineOf(girl))), add(Box::Scene, Hero, Str(ErrandLineOf(girl)));
    for (const char16_t *l :
         {AfterAlbumLine, ResumeLine, ArriveAloneLine, PhoneRinging, FirstCallClosing, SecondCallClosing,
          ThirdCallClosing, TalkedTillFive, GateClosedLine, CalledFromBehindLine, EpilogueFirstLine})
        add(Box::Scene, Hero, Str(l));
    for (const char16_t *place : PlaceButton) {
        for (const QString minutes : {"１", "２", "３"})
            add(Box::Scene, Hero,
                Str(place) + Str(WalkLineHead) + Str(WalkLineMinutesBefore) + minutes +
                    Str(WalkLineMinutesAfter));
        add(Box::Scene, Hero, Str(place) + Str(WalkLineWorried));
    }
    for (const EncounterEntry &e : Encounters)
        add(Box::Scene, e.heroine, Str(e.greetingA)), add(Box::Scene, e.heroine, Str(e.greetingB));
    for (const SlotGreeting &s : SlotGreetings)
        add(Box::Scene, s.heroine, Str(s.greeting));
    const auto lines = [](const char *file) {
        return ReadTextFile(QString::fromLatin1(file)).split(QStringLiteral("\r\n"));
    };
    int girl = 0; // a response is said by the girl of the code heading its section
    for (const QString &line : lines(ResponseFile))
        if (line.size() == 3)
            girl = line[1].digitValue();
        else if (line.size() > 5)
            add(Box::Scene, girl, line.mid(3).chopped(2), true);
    for (const QString &line : lines(TalkLineFile))
        if (line.size() > 3) add(Box::Reply, Hero, line.mid(3));

    for (const char16_t *reason : {FirstCallReason, SecondCallReason, ThirdCallReason})
        add(Box::Scene, Friend, Str(PhoneHello) + XXX + Str(reason));
    for (int g = 1; g <= 6; ++g)
        add(Box::Scene, Friend, Str(TargetHint[g]));
    using Call = std::span<const PhoneStep>;
    for (Call call : {Call(FirstCallRest), Call(SecondCallRest), Call(ThirdCallRest)})
        for (const PhoneStep &s : call)
            add(Box::Scene, s.friendSpeaks ? Friend : Hero, Str(s.line));
    // Worded by the ending's rules.
    for (const char16_t *greeting : {GreetingClassmate, GreetingJunior})
        add(Box::Scene, Nobody, XXX + Str(greeting));
    for (int ending = 1; ending <= 9; ++ending) {
        const ConfessionScript &s = ConfessionScripts[ending];
        for (auto part : {s.opening, s.mutual, s.surprised})
            for (const ScriptLine &l : part)
                add(Box::Scene, l.who == Who::Heroine ? ending : Hero,
                    Str(l.text) +
                        (l.name == Insert::Surname     ? XXX
                         : l.name == Insert::GivenName ? YYY
                                                       : QString()) +
                        Str(l.after));
        for (const char16_t *l : EpilogueLines[ending])
            add(Box::Scene, Hero, Str(l));
    }
    for (const char16_t *l : AlbumThought)
        add(Box::Album, Hero, Str(l));
    for (const char16_t *l : {AlbumOpening, AlbumPicked, AlbumPickedLenses})
        add(Box::Album, Hero, Str(l));

    // The start screen's rules quote most of the hostess's lines word for word: laid out, not restyled.
    for (int h = 0; h < 2; ++h) {
        for (const char16_t *greet : {GreetNight, GreetMorning, GreetDay})
            add(Box::Hostess, Nobody, Str(greet) + Str(AskToday[h]));
        for (const HostessLine *l : {&AskNames, &WillLoad, &NoSave})
            add(Box::Hostess, Nobody, Str((*l)[h]));
        add(Box::Hostess, h ? 9 : Nobody, Str(EmptyName[h]));
        for (const HostessLine *l : {&SaveDamaged, &NameHasQuote, &NameHasUnwritable, &NameHasOddCharacter})
            for (const char16_t *which : WhichName)
                add(Box::Hostess, 8 + h, Str((*l)[h]).replace("%1", Str(which)).replace("%2", "鷗"));
    }
    add(Box::Hostess, Nobody, Str(NoRecord));
    for (const Credit &cr : Credits)
        add(Box::Role, Nobody, Str(cr.role)),
            add(Box::Names, Nobody, Str(cr.name) + (cr.secondName ? "\r\n" + Str(cr.secondName) : QString()));
    for (const char16_t *l : {CreditHeading, CreditFarewell})
        add(Box::Names, Nobody, Str(l));
    return texts;
}

// Every fault on a line of its own: the list is the writer's to-do.
void Report(const QStringList &faults) {
    for (const QString &f : faults)
        qInfo("%s", qPrintable(f));
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults, listed above"));
}

QString Quote(const QString &s) {
    return "「" + QString(s).replace("\r\n", "⏎") + "」";
}
} // namespace

class TestTypography : public QObject {
    Q_OBJECT
    std::vector<Text> texts;

  private slots:
    void initTestCase() {
        InitFonts(), ResetWorld();
        QVERIFY((texts = AllTexts()).size() > 600);
    }

    // Laid out in the real windows' labels: nothing cut off, no orphan, nothing under the click prompt.
    void everyTextFitsItsLabel() {
        DblMain &m = Win<DblMain>();
        DblSerif &serif = Win<DblSerif>();
        const std::map<Box, Label *> labels = {{Box::Scene, m.Label1},
                                               {Box::Album, Win<DblAlbum>().Label1},
                                               {Box::Hostess, Win<DblStart>().Serif},
                                               {Box::Role, Win<DblEnding>().Label1},
                                               {Box::Names, Win<DblEnding>().Label2}};
        // The prompt's own words, right-aligned in its label, in the scene label's coordinates.
        const qreal promptWidth = QFontMetricsF(m.Label3->Widget()->font())
                                      .horizontalAdvance(QStringLiteral("クリックしてください"));
        const QRectF prompt = QRectF(m.Label3->Widget()->geometry())
                                  .adjusted(m.Label3->Widget()->width() - promptWidth, 0, 0, 0)
                                  .translated(-m.Label1->Widget()->pos());
        QStringList faults;
        for (const Text &t : texts)
            for (const QString &shown : t.shown) {
                if (t.box ==
                    Box::Reply) { // one line on a button, centred: the whole reply shows inside the window
                    serif.SetReply(0, shown);
                    if (const QWidget *b = serif.Command1[0]->Widget();
                        b->sizeHint().width() > std::min(b->width(), serif.Widget()->width() - b->x()))
                        faults << "too wide for a reply button: " + Quote(shown);
                    continue;
                }
                auto *label = static_cast<QLabel *>(labels.at(t.box)->Widget());
                const QRect area = label->contentsRect();
                if (!label->wordWrap() &&
                    QFontMetricsF(label->font()).horizontalAdvance(shown) > area.width())
                    faults << "cut at the label's edge: " + Quote(shown);
                if (!label->wordWrap()) continue;
                // Word-wrapped as the label draws it: CR becomes a blank, LF a line separator, lines on whole
                // pixels.
                const QString text = QString(shown).replace('\r', ' ').replace('\n', QChar::LineSeparator);
                QTextLayout layout(text, label->font());
                const qreal leading = QFontMetricsF(label->font()).leading();
                qreal y = -leading;
                bool wrapped = false; // the line before ends inside a paragraph
                layout.beginLayout();
                for (QTextLine l = layout.createLine(); l.isValid();
                     y += l.height(), l = layout.createLine()) {
                    l.setLineWidth(area.width());
                    l.setPosition(QPointF(0, y = std::ceil(y + leading)));
                    const QString part = text.mid(l.textStart(), l.textLength());
                    const bool ends =
                        part.endsWith(QChar::LineSeparator) || l.textStart() + l.textLength() >= text.size();
                    if (wrapped && !t.wraps)
                        faults << "wrapped by the label, not by a break: " + Quote(shown);
                    if (const QString s = part.trimmed().remove(QChar::LineSeparator);
                        wrapped && ends && s.size() <= 3)
                        faults << "orphan " + Quote(s) + " in " + Quote(shown);
                    if (t.box == Box::Scene &&
                        QRectF(0, y, l.naturalTextWidth(), l.height()).intersects(prompt))
                        faults << "runs into the click prompt: " + Quote(shown);
                    wrapped = !ends;
                }
                layout.endLayout();
                // The label's own measure agrees with this layout, so the checks see what is drawn.
                label->setText(shown);
                if (const int own = label->heightForWidth(area.width()); own != qCeil(y))
                    faults << QStringLiteral("laid out unlike the label (%1 against %2 pixels): ")
                                      .arg(y)
                                      .arg(own) +
                                  Quote(shown);
                if (y > area.height()) faults << "taller than its label: " + Quote(shown);
            }
        Report(faults);
    }

    // One ellipsis (……), one blank after ！ and ？ (ideographic), one way of writing a class (３年Ａ組),
    // full-width digits, and a 」 that closes without 。.
    // Each speaker says "I" the one way the cast sheet gives ("- Says ..." under the speaker's heading);
    // 美咲's っす seasons her lines, never fills them, and has one spelling after ん.
    void oneHouseStyleAndEveryVoiceItsOwn() {
        const QRegularExpression ellipsis(QStringLiteral("(?<!…)(…|………+)(?!…)|\\.\\.|・・|‥")),
            bang(QStringLiteral("[！？](?![！？」』）…　\\r]|$)|[！？] | [！？]")),
            klass(QStringLiteral("[0-9０-９一二三]年[A-Za-zＡ-Ｚ]組|[0-9]-[A-Z]")),
            house(QStringLiteral("^[１-３]年[Ａ-Ｃ]組$")),
            heading(QStringLiteral("^## (\\d|Friend|The school)")),
            says(QStringLiteral("^- Says (\\S+?)[ .;(]"));
        const QStringList pronouns = {"俺",       "オレ",   "ぼく", "僕",    "ボク",
                                      "わたくし", "わたし", "私",   "あたし"};
        QFile cast(QStringLiteral(CAST_FILE));
        QVERIFY(cast.open(QIODevice::ReadOnly));
        std::map<int, QString> own;
        int speaker = Nobody;
        for (const QString &line : QString::fromUtf8(cast.readAll()).split('\n'))
            if (const auto h = heading.match(line); h.hasMatch())
                speaker = h.captured(1) == "Friend"       ? Friend
                          : h.captured(1) == "The school" ? Hero
                                                          : h.captured(1).toInt();
            else if (const auto m = says.match(line); m.hasMatch() && speaker != Nobody)
                own[speaker] = m.captured(1);
        QCOMPARE(own.size(), 10u); // the hero, eight girls (the contact-lens look is heroine 4), the friend
        QStringList faults;
        int misaki = 0, misakiSu = 0;
        for (const Text &t : texts) {
            if (t.voice == Nobody) continue;
            if (t.raw.contains(ellipsis)) faults << "ellipsis: " + Quote(t.raw);
            if (t.raw.contains(bang)) faults << "blank after ！？: " + Quote(t.raw);
            if (t.raw.contains(QRegularExpression("[0-9]"))) faults << "half-width digit: " + Quote(t.raw);
            if (t.raw.contains(QStringLiteral("。」"))) faults << "closed 。」, not 」: " + Quote(t.raw);
            for (auto m = klass.globalMatch(t.raw); m.hasNext();)
                if (!m.next().captured().contains(house)) faults << "class name: " + Quote(t.raw);
            // The hero's lines quote no one but himself; others' words he quotes are in 『』.
            const QString words =
                QString(t.raw).remove(QStringLiteral("私立")).remove(QRegularExpression("『[^』]*』"));
            for (const QString &p : pronouns)
                if (p != own.at(t.voice) && words.contains(p))
                    faults << QStringLiteral("%1 for speaker %2: ").arg(p).arg(t.voice) + Quote(t.raw);
            if (t.voice != 5) continue;
            misaki += 1, misakiSu += t.raw.contains(QStringLiteral("っす"));
            if (t.raw.contains(QStringLiteral("んっす"))) faults << "んす is the spelling: " + Quote(t.raw);
        }
        if (misakiSu * 2 > misaki)
            faults << QStringLiteral("美咲 says っす in %1 of %2 lines: sometimes, not always")
                          .arg(misakiSu)
                          .arg(misaki);
        Report(faults);
    }
};

QTEST_MAIN(TestTypography)
#include "test_typography.moc"
