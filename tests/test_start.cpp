// The start screen: hostess by the clear record, greeting by the hour, menu colours, name entry and its refusals, new game, continue and the data-room item.
#include "FrontendSupport.h"
#include "TestSupport.h"
#include "core/DblMain.h"
#include "core/GameState.h"
#include "ending/DblDatarm.h"
#include "frontend/DblStart.h"
#include "frontend/HostessLines.h"
#include "frontend/SaveFile.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include <QInputMethodEvent>
#include <QTest>
#include <cmath>

namespace {
const QString App = QStringLiteral("Velmor"), Sec = QStringLiteral("Duskwatch");
QString T(const char16_t *s) { return QString::fromUtf16(s); }
QColor backOf(Label *l) { return l->palette().color(QPalette::Window); }
void setRecord(const QString &r) { SaveSetting(App, Sec, QStringLiteral("CString"), r); }

DblStart &openStart() {
    DblStart &s = Win<DblStart>();
    s.Show();
    return s;
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void windowAtLoad() {
        DblStart &s = openStart();
        QCOMPARE(s.Caption(), QStringLiteral("Duskbell -start-"));
        QCOMPARE(s.size(), QSize(419, 317));
        QCOMPARE(G.MusicFile, QStringLiteral("M91C.mid"));
        QCOMPARE(s.Label1[0]->text(), QStringLiteral("新しくはじめる"));
        QCOMPARE(s.Label1[1]->text(), QStringLiteral("前回の続き"));
        QCOMPARE(s.Label1[2]->text(), QStringLiteral("データルーム"));
        QVERIFY(!s.Picture1->isVisible() && !s.LOADOK->isVisible());
        // Japanese names come through the input method.
        QVERIFY(s.Text1->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(s.Text2->testAttribute(Qt::WA_InputMethodEnabled));
        // What an input method sends while the player types a name: composing, then the committed text.
        s.Label1_Click(0);
        s.Text1->clear();
        QInputMethodEvent composing(QStringLiteral("やまだ"), {});
        QApplication::sendEvent(s.Text1, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(QStringLiteral("山田"));
        QApplication::sendEvent(s.Text1, &committed);
        QCOMPARE(s.Text1->text(), QStringLiteral("山田"));
        // Tab goes from the surname to the given name, then to the button.
        auto nextTabStop = [](QWidget *w) {
            do w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            return w;
        };
        QCOMPARE(nextTabStop(s.Text1), static_cast<QWidget *>(s.Text2));
        QCOMPARE(nextTabStop(s.Text2), static_cast<QWidget *>(s.OKBUTTON));
    }

    void greetingByTheHour() {
        const struct {
            int hour;
            const char16_t *greeting;
        } cases[] = {{0, GreetNight}, {3, GreetNight},  {4, GreetMorning}, {10, GreetMorning},
                     {11, GreetDay},  {17, GreetDay},   {18, GreetNight},  {23, GreetNight}};
        for (const auto &c : cases) {
            for (bool sister : {false, true}) {
                ResetWorld();
                if (sister) setRecord(QStringLiteral("蘭1"));
                SetHourSource([h = c.hour] { return h; });
                DblStart &s = openStart();
                const QString expected = sister ? T(c.greeting) + QStringLiteral("先輩！\r\n今日はどうしますか？")
                                                : T(c.greeting) + QStringLiteral("\r\n今日はどうするの？");
                QCOMPARE(s.Serif->text(), expected);
            }
        }
    }

    void hostessByTheClearRecord() {
        // Only other endings: the classmate.
        setRecord(QStringLiteral("鶴1鷹2鳩3鴨1雁2鳳1椿2楓1"));
        DblStart &s = openStart();
        QVERIFY(!s.HostessIsJunior);
        QVERIFY(s.Image1[0]->isVisible());
        QVERIFY(!s.Image1[1]->isVisible());
        QVERIFY(s.Label4->text().endsWith(QStringLiteral(" : as your classmate")));
        s.Label1_Click(1);
        QCOMPARE(s.Serif->text(), T(NoSave[0]));
        // Her sister's ending anywhere in the record: the sister, with her own wordings.
        for (const QString &record : {QStringLiteral("蘭1"), QStringLiteral("鶴1蘭1鷹2"), QStringLiteral("鶴1鷹2蘭1")}) {
            ResetWorld();
            setRecord(record);
            DblStart &j = openStart();
            QVERIFY(j.HostessIsJunior);
            QVERIFY(!j.Image1[0]->isVisible());
            QVERIFY(j.Image1[1]->isVisible());
            QVERIFY(j.Label4->text().endsWith(QStringLiteral(" : as your little lover")));
            QVERIFY(j.Label4->text().startsWith(QStringLiteral("相沢　まどか")));
            j.Label1_Click(1);
            QCOMPARE(j.Serif->text(), QStringLiteral("あれ？先輩、前回の記録がありませんよ。もしかして、セーブを忘れたんじゃ…？"));
            j.Label1_Click(0);
            QCOMPARE(j.Serif->text(), QStringLiteral("先輩、私先輩が卒業する前にサイン帳に名前を書いて欲しいな。"));
        }
        // The record's level digit is no ending character.
        ResetWorld();
        setRecord(QStringLiteral("鶴9"));
        QVERIFY(!openStart().HostessIsJunior);
    }

    void menuHoverColours() {
        DblStart &s = openStart();
        MoveOver(s.Label1[0]);
        QCOMPARE(backOf(s.Label1[0]), MenuHoverColour);
        QVERIFY(!s.MenuAtRest);
        MoveOver(s.Label1[1]);
        QCOMPARE(backOf(s.Label1[1]), MenuHoverColour);
        QCOMPARE(backOf(s.Label1[0]), QColor(255, 224, 192));
        QCOMPARE(backOf(s.Label1[2]), QColor(255, 192, 255));
        MoveOver(&s);
        QVERIFY(s.MenuAtRest);
        QCOMPARE(backOf(s.Label1[0]), QColor(255, 224, 192));
        QCOMPARE(backOf(s.Label1[1]), QColor(192, 255, 192));
        QCOMPARE(backOf(s.Label1[2]), QColor(255, 192, 255));
    }

    void nameEntryIsPrefilled() {
        SaveSetting(App, Sec, QStringLiteral("SavedMyouji"), QStringLiteral("山田"));
        SaveSetting(App, Sec, QStringLiteral("savednamae"), QStringLiteral("太郎"));
        DblStart &s = openStart();
        ClickOn(s.Label1[0]);
        QVERIFY(s.Picture1->isVisible());
        for (Label *item : s.Label1) QVERIFY(!item->isVisible());
        QCOMPARE(s.Text1->text(), QStringLiteral("山田"));
        QCOMPARE(s.Text2->text(), QStringLiteral("太郎"));
        QCOMPARE(s.Serif->text(), QStringLiteral("わたしは同級生なんだからあなたの名前くらい知ってるけど、"
                                                 "卒業名簿に載せるから、苗字と名前を正確に入力してね。"));
        // Nothing remembered: empty boxes.
        ResetWorld();
        DblStart &e = openStart();
        e.Label1_Click(0);
        QVERIFY(e.Text1->text().isEmpty() && e.Text2->text().isEmpty());
    }

    void emptyNamesAreAskedForAgain() {
        for (bool sister : {false, true}) {
            ResetWorld();
            if (sister) setRecord(QStringLiteral("蘭1"));
            DblStart &s = openStart();
            s.Label1_Click(0);
            for (auto [a, b] : {std::pair{"", "太郎"}, std::pair{"山田", ""}, std::pair{"", ""}}) {
                s.Text1->setText(QString::fromUtf8(a));
                s.Text2->setText(QString::fromUtf8(b));
                ClickOn(s.OKBUTTON);
                QCOMPARE(s.Serif->text(), T(EmptyName[sister]));
                QVERIFY(s.Picture1->isVisible());
            }
            QVERIFY(!IsLoaded<DblMain>());
            QVERIFY(GetSetting(App, Sec, QStringLiteral("SavedMyouji")).isEmpty());
        }
        QCOMPARE(T(EmptyName[0]), QStringLiteral("ねぇ、ふざけてないでちゃんと苗字と名前を書いて！卒業出来なくなっちゃうわよ！"));
        QVERIFY(T(EmptyName[1]).contains(QStringLiteral("まどっち")));
    }

    void namesThatCannotBeSavedAreRefused() {
        const struct {
            QString name;
            const HostessLine &line;
            QString shown;  // the character the line names, if any
        } cases[] = {
            {QStringLiteral("山,田"), NameHasComma, {}},
            {QStringLiteral(","), NameHasComma, {}},
            {QStringLiteral(" 山田"), NameStartsBlank, {}},
            {QStringLiteral("   "), NameStartsBlank, {}},
            {QStringLiteral("\t山田"), NameStartsBlank, {}},
            {QStringLiteral("\"山田"), NameHasQuote, {}},
            {QStringLiteral("山\"田"), NameHasQuote, {}},
            {QStringLiteral("山田😀"), NameHasUnwritable, QStringLiteral("😀")},
            {QStringLiteral("𠮷田"), NameHasUnwritable, QStringLiteral("𠮷")},
            {QStringLiteral("Ω€"), NameHasUnwritable, QStringLiteral("€")},
            {QStringLiteral("山\x01田"), NameHasOddCharacter, {}},
        };
        for (bool sister : {false, true})
            for (int which = 0; which < 2; ++which)
                for (const auto &c : cases) {
                    ResetWorld();
                    if (sister) setRecord(QStringLiteral("蘭1"));
                    DblStart &s = openStart();
                    s.Label1_Click(0);
                    s.Text1->setText(which == 0 ? c.name : QStringLiteral("山田"));
                    s.Text2->setText(which == 1 ? c.name : QStringLiteral("太郎"));
                    ClickOn(s.OKBUTTON);
                    QString expected = T(c.line[sister]).arg(T(WhichName[which]));
                    if (!c.shown.isEmpty()) expected = expected.arg(c.shown);
                    QCOMPARE(s.Serif->text(), expected);
                    // Nothing is saved and no afternoon begins.
                    QVERIFY(!IsLoaded<DblMain>());
                    QVERIFY(G.Myouji.isEmpty() && G.Namae.isEmpty());
                    QVERIFY(GetSetting(App, Sec, QStringLiteral("SavedMyouji")).isEmpty());
                    QVERIFY(GetSetting(App, Sec, QStringLiteral("SavedNamae")).isEmpty());
                    QVERIFY(s.Picture1->isVisible());
                }
        // Each line says why, in the hostess's own voice, and names the box.
        for (const HostessLine *l : {&NameHasComma, &NameHasQuote, &NameStartsBlank, &NameHasUnwritable})
            for (int k = 0; k < 2; ++k) QVERIFY(T((*l)[k]).contains(QStringLiteral("%1")));
        QVERIFY(T(NameHasComma[0]) != T(NameHasComma[1]));
        QVERIFY(T(NameHasQuote[1]).contains(QStringLiteral("\"")));
    }

    void newGameSavesNamesAndDealsLiking() {
        ResetWorld(100);
        DblStart &s = openStart();
        s.Label1_Click(0);
        // Names that the saved game carries back are taken as typed, blanks and all.
        const QString myouji = QStringLiteral("山田　"), namae = QStringLiteral("Taro-ﾀﾛｳ ");
        s.Text1->setText(myouji);
        s.Text2->setText(namae);
        G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
        G.GameMinute = 9;
        Randomize(4242u);
        std::array<int, 7> expected{};
        {
            Randomize(4242u);
            for (int k = 1; k <= 6; ++k) expected[k] = static_cast<int>(std::floor(5 * Rnd()));
            Randomize(4242u);
        }
        Player player(2, 0);
        ClickOn(s.OKBUTTON);  // returns when the prologue has handed over
        QCOMPARE(G.Myouji, myouji);
        QCOMPARE(G.Namae, namae);
        QCOMPARE(GetSetting(App, Sec, QStringLiteral("SavedMyouji")), myouji);
        QCOMPARE(GetSetting(App, Sec, QStringLiteral("SavedNamae")), namae);
        QCOMPARE(G.TargetGirl, Integer(3));
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(int(G.Affection[k]), expected[k] - (k == 3 ? 2 : 0));
            QCOMPARE(G.MetFlag[k], Integer(0));
        }
        QCOMPARE(G.GameMinute, Integer(1));
        QVERIFY(!IsLoaded<DblStart>());
        QVERIFY(IsLoaded<DblMain>() && Win<DblMain>().isVisible());
        // The saved game gives the names back exactly.
        const QString saved = SaveText();
        G.Myouji.clear();
        G.Namae.clear();
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), saved));
        QVERIFY(LoadSaveFile());
        QCOMPARE(G.Myouji, myouji);
        QCOMPARE(G.Namae, namae);
    }

    void continueWithoutASaveKeepsTheMenu() {
        for (bool sister : {false, true}) {
            ResetWorld();
            if (sister) setRecord(QStringLiteral("蘭1"));
            DblStart &s = openStart();
            ClickOn(s.Label1[1]);
            QCOMPARE(s.Serif->text(), T(NoSave[sister]));
            for (Label *item : s.Label1) QVERIFY(item->isVisible());
            QVERIFY(!s.LOADOK->isVisible() && !s.Picture1->isVisible());
        }
        QCOMPARE(T(NoSave[0]), QStringLiteral("ねぇ？前回の記録が残ってないわよ。セーブをしていないんじゃない？"));
    }

    void aDamagedSaveReturnsToTheMenuAndStays() {
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), QStringLiteral("佐藤\r\n一郎\r\n 12 \r\n")));
        DblStart &s = openStart();
        ClickOn(s.Label1[1]);
        ClickOn(s.LOADOK);
        QCOMPARE(World().boxes.size(), size_t(1));  // the save file's own message
        QVERIFY(IsLoaded<DblStart>() && !IsLoaded<DblMain>());
        QVERIFY(!s.LOADOK->isVisible());
        for (Label *item : s.Label1) QVERIFY(item->isVisible());
        QCOMPARE(s.Serif->text(), T(SaveDamaged[0]));
        QVERIFY(FileExists(QStringLiteral("DblData.dat")));
    }

    void continueLoadsTheSavedAfternoon() {
        // A save as the campus window writes it.
        G.Myouji = QStringLiteral("佐藤");
        G.Namae = QStringLiteral("一郎");
        G.GameMinute = 12;
        G.Affection = {0, 1, 2, 3, 4, 5, 6};
        G.MetFlag = {0, 1, 0, 0, 0, 0, 1};
        G.TargetGirl = 5;
        G.Location = 6;
        QVERIFY(WriteTextFile(QStringLiteral("DBLDATA.DAT"), SaveText()));
        ResetGameState();
        G.CrLf = QStringLiteral("\r\n");
        DblStart &s = openStart();
        ClickOn(s.Label1[1]);
        QVERIFY(s.LOADOK->isVisible());
        QCOMPARE(s.LOADOK->text(), QStringLiteral("O K"));
        for (Label *item : s.Label1) QVERIFY(!item->isVisible());
        QCOMPARE(s.Serif->text(), QStringLiteral("じゃぁ、データを読み込むわね。このデータは今回限り使えなくなるから、"
                                                 "やめるときはちゃんとセーブしてからにしてね。"));
        ClickOn(s.LOADOK);
        QVERIFY(!IsLoaded<DblStart>());
        QVERIFY(IsLoaded<DblMain>());
        QCOMPARE(G.Myouji, QStringLiteral("佐藤"));
        QCOMPARE(G.GameMinute, Integer(12));
        QCOMPARE(G.Location, Integer(6));
        QCOMPARE(G.MetFlag[6], Integer(1));
        QCOMPARE(G.Mode, Integer(ModeFree));
        QVERIFY(!FileExists(QStringLiteral("DblData.dat")));
        // Used once: the next start finds no record.
        DblStart &again = openStart();
        again.Label1_Click(1);
        QCOMPARE(again.Serif->text(), T(NoSave[0]));
    }

    void dataRoomNeedsAClear() {
        DblStart &s = openStart();
        const QString before = s.Serif->text();
        ClickOn(s.Label1[2]);
        QCOMPARE(s.Serif->text(), QStringLiteral("ここは、一度でもゲームを最後まで終わらせなきゃ入れないところなのよ。"));
        QVERIFY(s.Serif->text() != before);
        QVERIFY(!IsLoaded<DblDatarm>());
        for (Label *item : s.Label1) QVERIFY(item->isVisible());
        // With a record the room opens modally; back returns to the menu as it was.
        ResetWorld();
        setRecord(QStringLiteral("鶴1"));
        DblStart &r = openStart();
        const QString greeting = r.Serif->text();
        bool roomWasOpen = false;
        Later([&] {
            roomWasOpen = IsLoaded<DblDatarm>() && Win<DblDatarm>().isVisible();
            ClickOn(Win<DblDatarm>().Command1);
        }, 20);
        ClickOn(r.Label1[2]);
        QVERIFY(roomWasOpen);
        QVERIFY(!IsLoaded<DblDatarm>());
        QVERIFY(IsLoaded<DblStart>());
        QCOMPARE(r.Serif->text(), greeting);
        for (Label *item : r.Label1) QVERIFY(item->isVisible());
    }

    void closingTheStartScreenEndsTheProgram() {
        DblStart &s = openStart();
        QVERIFY(RunEnding([&] { s.close(); }));
        QVERIFY(World().ended);
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
