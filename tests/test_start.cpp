// The opening and the start screen: the demo hides at 4.8 s, unloaded by Main before the title shows; a
// modifier silences its jingle, and the run when held at the start; the hostess and her greeting by the
// hour, names and their refusals, new game, continue and the data-room item; the options and the clock.
#include "Player.h"
#include "TestSupport.h"
#include "bench/Afternoon.h"
#include "core/Main.h"
#include "core/Options.h"
#include "ending/DblDatarm.h"
#include "frontend/DblOption.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "frontend/Demoform.h"
#include "frontend/SaveFile.h"
#include "frontend/Start.h"
#include "frontend/Windows.h"
#include "platform/Settings.h"
#include "sound/Music.h"
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <set>

namespace {
QString setting(const char *key) {
    return GetSetting("Velmor", "Duskwatch", key);
}
// A fresh start screen at that hour; the sister hosts when her ending is anywhere in the record.
DblStart &openStart(bool sister = false, int hour = 12, const char *record = nullptr) {
    ResetWorld(100), SetHourSource([hour] { return hour; });
    SaveSetting("Velmor", "Duskwatch", "CString", record ? record : sister ? "鶴1蘭1鷹2" : "鶴9鷹2");
    return Win<DblStart>().Show(), Win<DblStart>();
}
bool atMenu(DblStart &s) {
    return s.Label1[0]->Visible() && s.Label1[1]->Visible() && s.Label1[2]->Visible() &&
           !s.Picture1->Visible() && !s.LOADOK->Visible() && IsLoaded<DblStart>() && !IsLoaded<DblMain>();
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartMusicSystem(), WaitSoundfontReady(60000); }
    void init() {
        ResetWorld(20); // a 200 ms demo step in 10 ms, the start screen's keep-alive every 50 ms
        // A three-second jingle that outlasts the demo; no cut-off sound, so a cut leaves silence.
        PutGameFile("KVDEMO.WAV", TinyWav(3000)), PutGameFile("Dummy.wav", {});
        PlayWav("none.wav"); // silence whatever an earlier test left playing
        for (const char *piece : {"M00C.mid", "M90C.mid", "M91C.mid"})
            PutGameFile(piece, TinyMidi(2));
    }
    void cleanup() { StopMidi(); }
    void mainUnloadsTheDemoBeforeTheTitleShows() {
        struct Watch : QObject {
            int demoTickAtHide = -1, titleShows = 0, demoLoadedAtTitle = 0;
            bool eventFilter(QObject *o, QEvent *e) override {
                if (IsLoaded<Demoform>() && o == Win<Demoform>().Widget() && e->type() == QEvent::Hide)
                    demoTickAtHide = Win<Demoform>().DemoTick;
                if (IsLoaded<DblTitle>() && o == Win<DblTitle>().Widget() && e->type() == QEvent::Show)
                    ++titleShows, demoLoadedAtTitle += IsLoaded<Demoform>();
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch), G.CrLf.clear(), Main(), qApp->removeEventFilter(&watch);
        QCOMPARE(watch.demoTickAtHide, 23); // the 24th tick of 200 ms: 4.8 s
        QVERIFY(watch.titleShows == 1 && watch.demoLoadedAtTitle == 0 && !IsLoaded<Demoform>() &&
                G.CrLf == "\r\n");
    }
    // Only a modifier pressed in the demo keeps its jingle silent (some desktops report a modifier alone
    // among the held modifiers, some not); a start clicked with a modifier held silences the whole run.
    void aModifierKeepsItSilent() {
        const std::pair<Qt::Key, Qt::KeyboardModifiers> presses[] = {
            {Qt::Key_A, {}},       {Qt::Key_S, Qt::ShiftModifier},
            {Qt::Key_Shift, {}},   {Qt::Key_Shift, Qt::ShiftModifier},
            {Qt::Key_Control, {}}, {Qt::Key_Control, Qt::ControlModifier},
            {Qt::Key_Alt, {}},     {Qt::Key_Alt, Qt::AltModifier}};
        for (auto [key, mods] : presses) {
            init(), Win<Demoform>().Show();
            Demoform &d = Win<Demoform>();
            QKeyEvent press(QEvent::KeyPress, key, mods);
            QApplication::sendEvent(d.Widget(), &press);
            QVERIFY(RunUntil([&] { return !d.Visible(); }, 10000));
            // The jingle, had it started at 0.4 s, would outlast the demo; the animation runs on.
            QVERIFY2(WavIsPlaying() == (key == Qt::Key_A),
                     QByteArray::number(key | int(mods), 16).constData());
            QVERIFY(d.DemoTick == 24 && !d.Label1->Widget()->isHidden() &&
                    !d.Line1[19]->Widget()->isHidden());
        }
        // Clicked, or its one item chosen by Return (Enter and Space below), with a modifier or not.
        for (auto mod : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            for (bool byKey : {false, true}) {
                init(), Win<DblTitle>().Show();
                byKey ? KeyOn(&Win<DblTitle>(), Qt::Key_Return, mod) : ClickOn(Win<DblTitle>().Label2, mod);
                QVERIFY(!IsLoaded<DblTitle>() && IsLoaded<DblStart>() && Win<DblStart>().Visible() &&
                        !World().ended && G.MusicOff == (mod ? True : False));
                // The keep-alive brings the start screen's music, and later windows ask for theirs; quiet,
                // no tick in half a second (a dozen ticks) brings it.
                QCOMPARE(RunUntil(MidiIsPlaying, mod ? 500 : 30000), !mod);
                PlayMidi("M00C.mid"), KeepMidiPlaying(G.MusicFile);
                QCOMPARE(MidiIsPlaying(), !mod);
            }
        // Enter and Space choose it too, other keys leave the title as it is; it has the keys, a mark, a
        // name.
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_A, Qt::Key_Space, Qt::Key_Enter}) {
            init(), Win<DblTitle>().Show(), KeyOn(&Win<DblTitle>(), key);
            QVERIFY(IsLoaded<DblTitle>() == (key == Qt::Key_Tab || key == Qt::Key_A) && !G.MusicOff);
        }
        DblTitle &t = Win<DblTitle>();
        QVERIFY(t.Widget()->focusProxy() == t.Label2->Widget() &&
                t.Label2->Widget()->focusPolicy() == Qt::StrongFocus &&
                t.Label2->Widget()->styleSheet().contains(":focus") &&
                QAccessible::queryAccessibleInterface(t.Label2->Widget())->text(QAccessible::Name) ==
                    QStringLiteral("Start"));
    }
    // Continuing without a save keeps the menu. Names that cannot be saved are refused in either box; any
    // other is taken as typed, and the new game saves it, deals the liking and starts; the next start offers
    // it again.
    void hostessNamesAndNewGame() {
        const std::pair<int, const char16_t *> greetings[] = {{3, GreetNight},    {4, GreetMorning},
                                                              {10, GreetMorning}, {11, GreetDay},
                                                              {17, GreetDay},     {18, GreetNight}};
        const struct {
            QString name;
            const HostessLine &line;
            QString shown;
        } refused[] = {{"", EmptyName, {}},
                       {"\"山田", NameHasQuote, {}},
                       {"山田😀", NameHasUnwritable, "😀"},
                       {"山\x01田", NameHasOddCharacter, {}},
                       {"山\t田", NameHasOddCharacter, {}}};
        for (bool sister : {false, true}) {
            for (auto [hour, greeting] : greetings) {
                DblStart &s = openStart(sister, hour);
                QVERIFY(s.HostessIsJunior == sister && s.Image1[sister]->Visible() &&
                        !s.Image1[!sister]->Visible() &&
                        s.Serif->Caption() == Str(greeting) + Str(AskToday[sister]));
                ClickOn(s.Label1[1]);
                QVERIFY(atMenu(s) && s.Serif->Caption() == Str(NoSave[sister]));
            }
            for (int which : {0, 1})
                for (const auto &c : refused) {
                    DblStart &e = openStart(sister);
                    ClickOn(e.Label1[0]);
                    e.Text1->SetText(which == 0 ? c.name : "山田"),
                        e.Text2->SetText(which == 1 ? c.name : "太郎");
                    ClickOn(e.OKBUTTON);
                    QCOMPARE(e.Serif->Caption(),
                             Str(c.line[sister]).replace("%1", Str(WhichName[which])).replace("%2", c.shown));
                    QVERIFY(e.Picture1->Visible() && !IsLoaded<DblMain>() &&
                            setting("SavedMyouji").isEmpty());
                }
        }
        QCOMPARE(openStart(true, 18).Serif->Caption(),
                 QStringLiteral("こんばんは。先輩！\r\n今日はどうしますか？"));
        DblStart &s = openStart();
        ClickOn(s.Label1[0]);
        // Nothing remembered yet; Japanese comes through the input method.
        QVERIFY(s.Picture1->Visible() && s.Text1->Text().isEmpty() &&
                s.Text1->Widget()->testAttribute(Qt::WA_InputMethodEnabled));
        s.Text1->SetText(" 山,田　"), s.Text2->SetText("Taro-ﾀﾛｳ "); // blanks and comma and all
        G.MetFlag = {0, 1, 1, 1, 1, 1, 1};
        Player player(2, 0); // picks the third girl in the album, which costs her two
        ClickOn(s.OKBUTTON);
        QVERIFY(setting("SavedMyouji") == " 山,田　" && setting("SavedNamae") == "Taro-ﾀﾛｳ " &&
                G.Namae == "Taro-ﾀﾛｳ ");
        QVERIFY(!IsLoaded<DblStart>() && Win<DblMain>().Visible() && G.GameMinute == 1 &&
                std::count(G.MetFlag.begin(), G.MetFlag.end(), 0) == 7); // nobody met yet
        UnloadAllForms(), Win<DblStart>().Label1_Click(0);
        QVERIFY(Win<DblStart>().Text1->Text() == " 山,田　" && Win<DblStart>().Text2->Text() == "Taro-ﾀﾛｳ ");
        // Over many new afternoons (played headless, no album pick) every liking from 0 to 4 is dealt.
        UnloadAllForms(), HeadlessViews();
        std::set<int> dealt;
        for (int game = 0; game < 40; ++game) {
            StartNewGame(QStringLiteral("山田"), QStringLiteral("太郎"));
            for (int k = 1; k <= 6; ++k)
                dealt.insert(G.Affection[k]);
        }
        QCOMPARE(dealt, (std::set<int>{0, 1, 2, 3, 4}));
    }
    // F8 opens the options over the title and the start screen, through their windows; the keys alone
    // work it (F12 from here too) while the title runs on underneath, and it closes by Esc or on 閉じる. The
    // slower clock is off for a new player, a game minute of 90 or 120 real seconds once chosen, kept in
    // "Access" across a restart and the record's erase.
    void theOptionsByKeysAndTheSlowerClock() {
        ResetWorld(100);
        QCOMPARE(GameMinuteMs(), 60000);
        bool titleRan = false;
        const auto work = [&](Form &owner, std::vector<Qt::Key> keys) {
            QStringList said; // the item that has the keys after each, by its accessible name
            Later([&] {
                const auto marked = [] {
                    QWidget *f = IsLoaded<DblOption>() ? Win<DblOption>().Widget()->focusWidget() : nullptr;
                    return f ? QAccessible::queryAccessibleInterface(f)->text(QAccessible::Name) : "closed";
                };
                said << marked();
                for (Qt::Key k : keys)
                    if (IsLoaded<DblOption>()) KeyOn(&Win<DblOption>(), k), said << marked();
                if (IsLoaded<DblTitle>()) {
                    const int step = Win<DblTitle>().WipeStep;
                    titleRan = RunUntil([&] { return Win<DblTitle>().WipeStep != step; });
                }
                Unload<DblOption>(); // a key that failed to close it fails the test, not the run
            });
            KeyOn(&owner, Qt::Key_F8);
            return said;
        };
        Win<DblTitle>().Show();
        const QStringList onTitle =
            work(Win<DblTitle>(), {Qt::Key_F12, Qt::Key_F12, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return,
                                   Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Escape});
        QCOMPARE(onTitle,
                 QStringList({"ゲームの読み上げ：オフ", "ゲームの読み上げ：オン", "ゲームの読み上げ：オフ",
                              "時間の進み：ふつう（1分が60秒）", "時間の進み：ゆっくり（1分が90秒）",
                              "時間の進み：もっとゆっくり（1分が120秒）", "画面の大きさ：1倍", "閉じる",
                              "ゲームの読み上げ：オフ", "閉じる", "closed"}));
        QVERIFY2(titleRan && GameMinuteMs() == 120000, "the title stopped under the options");
        KeyOn(&Win<DblTitle>(), Qt::Key_Return); // the keys are the title's again
        QVERIFY(!IsLoaded<DblTitle>());
        const QStringList onStart = work(Win<DblStart>(), {Qt::Key_Down, Qt::Key_Space, Qt::Key_Space,
                                                           Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return});
        QCOMPARE(onStart, QStringList({"ゲームの読み上げ：オフ", "時間の進み：もっとゆっくり（1分が120秒）",
                                       "時間の進み：ふつう（1分が60秒）", "時間の進み：ゆっくり（1分が90秒）",
                                       "画面の大きさ：1倍", "閉じる", "closed"}));
        QVERIFY(IsLoaded<DblStart>());
        QVERIFY(GetSetting("Velmor", "Access", "SlowClock") == "90" &&
                GetSetting("Velmor", "Duskwatch", "SlowClock").isEmpty());
        QFile store(StoreFile());
        QVERIFY(store.open(QIODevice::ReadOnly));
        const QByteArray kept = store.readAll();
        // A new run with the same store: the chosen clock, the record's erase notwithstanding.
        ResetWorld(100);
        QCOMPARE(GameMinuteMs(), 60000);
        QFile again(StoreFile());
        QVERIFY(again.open(QIODevice::WriteOnly) && again.write(kept) == kept.size());
        again.close(), EraseStore(), InstallWindowViews();
        DblMain &m = StandAt(3, 5);
        StartClock();
        QCOMPARE(m.Timer1->Interval(), 90000);
    }
    // A damaged save is left where it is, with the menu back; a good one is loaded and used up. The data
    // room opens only with a record, and closing the start screen ends the program.
    void continueAndTheDataRoom() {
        DblStart &s = openStart();
        WriteTextFile("DblData.dat", "佐藤\r\n一郎\r\n 12 \r\n");
        ClickOn(s.Label1[1]), ClickOn(s.LOADOK);
        QVERIFY(atMenu(s) && s.Serif->Caption() == Str(SaveDamaged[0]) && FileExists("DblData.dat"));
        G.GameMinute = 12, G.Location = 6, G.TargetGirl = 2, G.Myouji = G.Namae = "  ";
        QVERIFY(WriteSaveFile());
        ResetGameState(), ClickOn(s.Label1[1]), ClickOn(s.LOADOK);
        QVERIFY(!IsLoaded<DblStart>() && IsLoaded<DblMain>() && !FileExists("DblData.dat") &&
                G.GameMinute == 12 && G.Location == 6 && G.Mode == ModeFree);
        DblStart &n = openStart(false, 12, "");
        ClickOn(n.Label1[2]);
        QVERIFY(atMenu(n) && !IsLoaded<DblDatarm>() && n.Serif->Caption() == Str(NoRecord));
        DblStart &r = openStart();
        bool roomWasOpen = false;
        Later(
            [&] {
                roomWasOpen = IsLoaded<DblDatarm>() && Win<DblDatarm>().Visible(),
                ClickOn(Win<DblDatarm>().Command1);
            },
            20);
        ClickOn(r.Label1[2]);
        QVERIFY(roomWasOpen && !IsLoaded<DblDatarm>() && atMenu(r));
        QVERIFY(RunEnding([&] { CloseBox(&r); }));
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
