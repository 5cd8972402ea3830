// The start screen: hostess by the clear record, greeting by the hour, name entry and its refusals,
// new game, continue and the data-room item.
#include "Player.h"
#include "TestSupport.h"
#include "ending/DblDatarm.h"
#include "frontend/DblStart.h"
#include "frontend/SaveFile.h"
#include "platform/Settings.h"
#include <set>

namespace {
QString setting(const char *key) { return GetSetting("Velmor", "Duskwatch", key); }
// A fresh start screen at that hour; the sister hosts when her ending is anywhere in the record.
DblStart &openStart(bool sister = false, int hour = 12, const char *record = nullptr) {
    ResetWorld(100);
    SaveSetting("Velmor", "Duskwatch", "CString", record ? record : sister ? "鶴1蘭1鷹2" : "鶴9鷹2");
    SetHourSource([hour] { return hour; });
    DblStart &s = Win<DblStart>();
    s.Show();
    return s;
}
bool atMenu(DblStart &s) {
    return s.Label1[0]->isVisible() && s.Label1[1]->isVisible() && s.Label1[2]->isVisible() &&
           !s.Picture1->isVisible() && !s.LOADOK->isVisible() && IsLoaded<DblStart>() && !IsLoaded<DblMain>();
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    void hostessAndGreetingByTheHourThenNoSave() {
        const std::pair<int, const char16_t *> greetings[] = {{3, GreetNight}, {4, GreetMorning}, {10, GreetMorning},
                                                              {11, GreetDay},  {17, GreetDay},    {18, GreetNight}};
        for (bool sister : {false, true})
            for (auto [hour, greeting] : greetings) {
                DblStart &s = openStart(sister, hour);
                QVERIFY(s.HostessIsJunior == sister && s.Image1[sister]->isVisible() && !s.Image1[!sister]->isVisible() &&
                        s.Serif->text() == Str(greeting) + Str(AskToday[sister]));
                ClickOn(s.Label1[1]);  // continue without a saved game: the menu stays
                QVERIFY(atMenu(s) && s.Serif->text() == Str(NoSave[sister]));
            }
        QCOMPARE(openStart(true, 18).Serif->text(), QStringLiteral("こんばんは。先輩！\r\n今日はどうしますか？"));
    }

    void namesThatCannotBeSavedAreRefused() {
        const struct { QString name; const HostessLine &line; QString shown; } cases[] = {
            {"", EmptyName, {}}, {"\"山田", NameHasQuote, {}}, {"山田😀", NameHasUnwritable, "😀"},
            {"山\x01田", NameHasOddCharacter, {}}, {"山\t田", NameHasOddCharacter, {}}};
        for (bool sister : {false, true})
            for (int which : {0, 1})
                for (const auto &c : cases) {
                    DblStart &e = openStart(sister);
                    ClickOn(e.Label1[0]);
                    e.Text1->setText(which == 0 ? c.name : "山田"), e.Text2->setText(which == 1 ? c.name : "太郎");
                    ClickOn(e.OKBUTTON);
                    const QString said = Str(c.line[sister]);
                    QCOMPARE(e.Serif->text(), !said.contains("%1") ? said
                                              : c.shown.isEmpty() ? said.arg(Str(WhichName[which]))
                                                                  : said.arg(Str(WhichName[which]), c.shown));
                    QVERIFY(e.Picture1->isVisible() && !IsLoaded<DblMain>() && setting("SavedMyouji").isEmpty());
                }
    }

    void newGameSavesNamesAndDealsLiking() {
        DblStart &s = openStart();
        ClickOn(s.Label1[0]);
        // Nothing remembered yet; Japanese comes through the input method.
        QVERIFY(s.Picture1->isVisible() && s.Text1->text().isEmpty() && s.Text1->testAttribute(Qt::WA_InputMethodEnabled));
        // Taken as typed, blanks and comma and all: the save carries them.
        s.Text1->setText(" 山,田　"), s.Text2->setText("Taro-ﾀﾛｳ ");
        G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
        Player player(2, 0);  // picks the third girl in the album, which costs her two
        ClickOn(s.OKBUTTON);
        QVERIFY(setting("SavedMyouji") == " 山,田　" && setting("SavedNamae") == "Taro-ﾀﾛｳ " && G.Namae == "Taro-ﾀﾛｳ ");
        // Each girl's liking dealt from 0 to 4 (the pick's before her two), not all alike; nobody met yet.
        std::set<int> dealt;
        for (int k = 1; k <= 6; ++k) dealt.insert(G.Affection[k] + (k == 3 ? 2 : 0) + 10 * G.MetFlag[k]);
        QVERIFY(dealt.size() > 1 && *dealt.begin() >= 0 && *dealt.rbegin() <= 4);
        QVERIFY(!IsLoaded<DblStart>() && Win<DblMain>().isVisible() && G.GameMinute == 1);
        // The next start screen offers the names again.
        UnloadAllForms();
        Win<DblStart>().Label1_Click(0);
        QVERIFY(Win<DblStart>().Text1->text() == " 山,田　" && Win<DblStart>().Text2->text() == "Taro-ﾀﾛｳ ");
    }

    void continueFromASavedGame() {
        // A damaged save is left where it is, with the menu back.
        DblStart &s = openStart();
        WriteTextFile("DblData.dat", "佐藤\r\n一郎\r\n 12 \r\n");
        ClickOn(s.Label1[1]), ClickOn(s.LOADOK);
        QVERIFY(atMenu(s) && s.Serif->text() == Str(SaveDamaged[0]) && FileExists("DblData.dat"));
        // A good one is loaded and used up.
        G.GameMinute = 12, G.Location = 6, G.TargetGirl = 2;
        G.Myouji = G.Namae = "  ";
        QVERIFY(WriteSaveFile());
        ResetGameState();
        ClickOn(s.Label1[1]), ClickOn(s.LOADOK);
        QVERIFY(!IsLoaded<DblStart>() && IsLoaded<DblMain>() && !FileExists("DblData.dat"));
        QVERIFY(G.GameMinute == 12 && G.Location == 6 && G.Mode == ModeFree);
    }

    void dataRoomOnlyWithARecord() {
        DblStart &s = openStart(false, 12, "");
        ClickOn(s.Label1[2]);
        QVERIFY(atMenu(s) && !IsLoaded<DblDatarm>() && s.Serif->text() == Str(NoRecord));
        DblStart &r = openStart();
        bool roomWasOpen = false;
        Later([&] { roomWasOpen = IsLoaded<DblDatarm>() && Win<DblDatarm>().isVisible(), ClickOn(Win<DblDatarm>().Command1); }, 20);
        ClickOn(r.Label1[2]);
        QVERIFY(roomWasOpen && !IsLoaded<DblDatarm>() && atMenu(r));
        QVERIFY(RunEnding([&] { CloseBox(&r); }));  // closing the start screen ends the program
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
