// The data room lists the clear record pair by pair with portrait, name and mark, unlocks its extra button at eight pairs, and erases everything only on Yes.
#include "FrontendSupport.h"
#include "TestSupport.h"
#include "ending/DblDatarm.h"
#include "frontend/DblStart.h"
#include "platform/Settings.h"
#include <QTest>

namespace {
const QString App = QStringLiteral("Velmor"), Sec = QStringLiteral("Duskwatch");
const QString Table = QStringLiteral("鶴鷹鳩鴨雁鳳椿楓蘭");

QImage imageOf(Label *l) { return l->pixmap().toImage(); }
QImage file(const QString &name) { return LoadPicture(name).toImage(); }

DblDatarm &openRoom(const QString &record) {
    SaveSetting(App, Sec, QStringLiteral("CString"), record);
    DblDatarm &d = Win<DblDatarm>();
    d.Show();
    return d;
}

// A record of the endings in that order, each at its level.
QString recordOf(std::initializer_list<std::pair<int, int>> pairs) {
    QString r;
    for (auto [ending, level] : pairs) r += Table[ending - 1] + QString::number(level);
    return r;
}
} // namespace

class TestDatarm : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(); }

    void windowAndExplanation() {
        DblDatarm &d = openRoom(recordOf({{1, 1}}));
        QCOMPARE(d.Caption(), QStringLiteral("Duskbell Data room"));
        QCOMPARE(d.size(), QSize(412, 349));
        QCOMPARE(d.Label5->text(),
                 QStringLiteral("　クリアした順番に、上から並んでいます。\r\n"
                                "　「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。\r\n"
                                "　一定数クリアすると、下の「オプションセット」ボタンが有効になります。\r\n"
                                "　全てのクリアデータを消去したいときは、データ消去ボタンを押してください。"));
        QCOMPARE(d.Command1->text(), QStringLiteral("戻る"));
        QCOMPARE(d.Command2->text(), QStringLiteral("データ消去"));
        QCOMPARE(d.Command3->text(), QStringLiteral("オプションセット"));
        // The pictures the rows borrow are really there.
        for (int k = 0; k < 9; ++k) QVERIFY(!d.Image3[k]->pixmap().isNull());
        QVERIFY(!d.Image4[0]->pixmap().isNull() && !d.Image4[1]->pixmap().isNull());
        QVERIFY(imageOf(d.Image4[0]) != imageOf(d.Image4[1]));
    }

    void onePairOfLevelOne() {
        DblDatarm &d = openRoom(recordOf({{1, 1}}));
        QCOMPARE(imageOf(d.Image2[0]), imageOf(d.Image3[0]));
        QCOMPARE(imageOf(d.Image2[0]), file(QStringLiteral("face1.png")));
        QCOMPARE(d.Label3[0]->text(), QStringLiteral("白石　玲奈"));
        QCOMPARE(imageOf(d.Image2[10]), imageOf(d.Image4[0]));
        for (int r = 1; r < 9; ++r) {
            QVERIFY(d.Image2[r]->pixmap().isNull());
            QVERIFY(d.Image2[r + 10]->pixmap().isNull());
            QVERIFY(d.Label3[r]->text().isEmpty());
        }
        QVERIFY(!d.Command3->isEnabled());
    }

    void levelsTwoAndThreeShowOnlyMutualLove() {
        DblDatarm &d = openRoom(recordOf({{5, 2}, {3, 3}, {8, 1}}));
        QCOMPARE(imageOf(d.Image2[10]), imageOf(d.Image4[1]));
        QCOMPARE(imageOf(d.Image2[11]), imageOf(d.Image4[1]));
        QCOMPARE(imageOf(d.Image2[12]), imageOf(d.Image4[0]));
        QCOMPARE(d.Label3[0]->text(), QStringLiteral("朝倉　美咲"));
        QCOMPARE(d.Label3[1]->text(), QStringLiteral("桐島　沙耶"));
        QCOMPARE(d.Label3[2]->text(), QStringLiteral("相沢　ゆかり"));
        QCOMPARE(imageOf(d.Image2[2]), imageOf(d.Image3[7]));
    }

    void sevenPairsKeepTheExtraButtonOffEightTurnItOn() {
        DblDatarm &seven = openRoom(recordOf({{9, 1}, {1, 2}, {2, 1}, {3, 2}, {4, 1}, {5, 2}, {6, 3}}));
        QVERIFY(!seven.Command3->isEnabled());
        // Rows in the order of the record, not of the endings.
        const int order[] = {9, 1, 2, 3, 4, 5, 6};
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(imageOf(seven.Image2[r]), imageOf(seven.Image3[order[r] - 1]));
            QCOMPARE(seven.Label3[r]->text(), DatarmRowName(order[r]));
        }
        QVERIFY(seven.Label3[7]->text().isEmpty());
        ResetWorld();
        DblDatarm &eight = openRoom(recordOf({{9, 1}, {1, 2}, {2, 1}, {3, 2}, {4, 1}, {5, 2}, {6, 3}, {8, 1}}));
        QVERIFY(eight.Command3->isEnabled());
        QCOMPARE(eight.Label3[7]->text(), QStringLiteral("相沢　ゆかり"));
        QVERIFY(eight.Label3[8]->text().isEmpty());
        // The extra button only congratulates.
        ClickOn(eight.Command3);
        QCOMPARE(World().boxes.size(), size_t(1));
        QCOMPARE(World().boxes[0].icon, MsgIcon::Information);
        QCOMPARE(World().boxes[0].buttons, MsgButtons::Ok);
        QCOMPARE(GetSetting(App, Sec, QStringLiteral("CString")).size(), 16);
        ResetWorld();
        DblDatarm &nine = openRoom(recordOf({{9, 1}, {1, 2}, {2, 1}, {3, 2}, {4, 1}, {5, 2}, {6, 3}, {8, 1}, {7, 2}}));
        QVERIFY(nine.Command3->isEnabled());
        QCOMPARE(nine.Label3[8]->text(), QStringLiteral("水瀬詩織（別Ver.）"));
    }

    void endingSevenIsHerOtherLook() {
        DblDatarm &d = openRoom(recordOf({{4, 1}, {7, 2}}));
        QCOMPARE(d.Label3[0]->text(), QStringLiteral("水瀬　詩織"));
        QCOMPARE(d.Label3[1]->text(), QStringLiteral("水瀬詩織（別Ver.）"));
        QCOMPARE(imageOf(d.Image2[1]), imageOf(d.Image3[6]));
        QCOMPARE(imageOf(d.Image2[1]), file(QStringLiteral("face7.png")));
        QVERIFY(imageOf(d.Image2[0]) != imageOf(d.Image2[1]));
        QCOMPARE(imageOf(d.Image2[11]), imageOf(d.Image4[1]));
    }

    void aPairOfNoEndingUsesUpItsRow() {
        DblDatarm &d = openRoom(QStringLiteral("X2") + recordOf({{2, 1}}));
        QVERIFY(d.Image2[0]->pixmap().isNull());
        QVERIFY(d.Label3[0]->text().isEmpty());
        QCOMPARE(d.Label3[1]->text(), QStringLiteral("春日　ひなた"));
        // A level that is no digit shows no mark.
        ResetWorld();
        DblDatarm &e = openRoom(Table.left(1) + QStringLiteral("x"));
        QCOMPARE(e.Label3[0]->text(), QStringLiteral("白石　玲奈"));
        QVERIFY(e.Image2[10]->pixmap().isNull());
    }

    void eraseWithYes() {
        SaveSetting(App, Sec, QStringLiteral("SavedMyouji"), QStringLiteral("山田"));
        SaveSetting(App, Sec, QStringLiteral("SavedNamae"), QStringLiteral("太郎"));
        DblDatarm &d = openRoom(recordOf({{1, 1}, {9, 1}}));
        World().answers = {MsgAnswer::Yes};
        ClickOn(d.Command2);
        QCOMPARE(World().boxes.size(), size_t(1));
        const MsgBoxRequest &box = World().boxes[0];
        QCOMPARE(box.text, QStringLiteral("全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？"));
        QCOMPARE(box.title, QStringLiteral("Data Clear!!!"));
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(box.defaultButton, MsgAnswer::No);
        for (const char *key : {"CString", "SavedMyouji", "SavedNamae"})
            QVERIFY(GetSetting(App, Sec, QString::fromLatin1(key)).isEmpty());
        // The window keeps what it showed.
        QVERIFY(IsLoaded<DblDatarm>());
        QCOMPARE(d.Label3[1]->text(), QStringLiteral("相沢　まどか"));
        // Back at the start screen, the room is closed and the names are gone.
        ClickOn(d.Command1);
        QVERIFY(!IsLoaded<DblDatarm>());
        DblStart &s = Win<DblStart>();
        s.Show();
        QVERIFY(!s.HostessIsJunior);
        s.Label1_Click(2);
        QVERIFY(!IsLoaded<DblDatarm>());
        QCOMPARE(s.Serif->text(), QStringLiteral("ここは、一度でもゲームを最後まで終わらせなきゃ入れないところなのよ。"));
        s.Label1_Click(0);
        QVERIFY(s.Text1->text().isEmpty() && s.Text2->text().isEmpty());
    }

    void eraseWithNoChangesNothing() {
        SaveSetting(App, Sec, QStringLiteral("SavedMyouji"), QStringLiteral("山田"));
        const QString record = recordOf({{1, 1}, {9, 1}});
        DblDatarm &d = openRoom(record);
        World().answers = {MsgAnswer::No};
        ClickOn(d.Command2);
        QCOMPARE(World().boxes.size(), size_t(1));
        QCOMPARE(GetSetting(App, Sec, QStringLiteral("CString")), record);
        QCOMPARE(GetSetting(App, Sec, QStringLiteral("SavedMyouji")), QStringLiteral("山田"));
        // Unanswered, the box takes its default, No.
        World().answers.clear();
        ClickOn(d.Command2);
        QCOMPARE(GetSetting(App, Sec, QStringLiteral("CString")), record);
    }

    void closeBoxReturnsToTheStartScreen() {
        SaveSetting(App, Sec, QStringLiteral("CString"), recordOf({{1, 1}}));
        DblStart &s = Win<DblStart>();
        s.Show();
        Later([] { Win<DblDatarm>().close(); }, 20);
        s.Label1_Click(2);
        QVERIFY(!IsLoaded<DblDatarm>());
        QVERIFY(IsLoaded<DblStart>() && !World().ended);
    }
};

QTEST_MAIN(TestDatarm)
#include "test_datarm.moc"
