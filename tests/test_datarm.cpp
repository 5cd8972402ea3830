// The data room lists the clear record pair by pair with portrait, name and mark, unlocks its extra button at eight pairs, and erases everything only on Yes.
#include "TestSupport.h"
#include "ending/DblDatarm.h"
#include "platform/Settings.h"
#include <QTest>

namespace {
QImage imageOf(Label *l) { return l->pixmap().toImage(); }
QString setting(const char *key) { return GetSetting("Velmor", "Duskwatch", key); }
} // namespace

class TestDatarm : public QObject {
    Q_OBJECT
  private slots:
    void rowsAndMarks() {
        const struct { const char *record; std::vector<int> endings, mutual; bool option; } cases[] = {
            {"鶴1", {1}, {0}, false},
            {"蘭1鶴2鷹1鳩2鴨1雁3鳳2", {9, 1, 2, 3, 4, 5, 6}, {0, 1, 0, 1, 0, 1, 1}, false},
            {"蘭1鶴2鷹1鳩2鴨1雁3鳳2楓1", {9, 1, 2, 3, 4, 5, 6, 8}, {0, 1, 0, 1, 0, 1, 1, 0}, true},
            {"鴨1椿2", {4, 7}, {0, 1}, false}};
        for (const auto &c : cases) {
            ResetWorld();
            SaveSetting("Velmor", "Duskwatch", "CString", c.record);
            DblDatarm &d = Win<DblDatarm>();
            for (int r = 0; r < 9; ++r) {
                const int ending = r < int(c.endings.size()) ? c.endings[r] : 0;
                QCOMPARE(d.Label3[r]->text(), ending ? DatarmRowName(ending) : QString());
                QCOMPARE(imageOf(d.Image2[r]), ending ? imageOf(d.Image3[ending - 1]) : QImage());
                QCOMPARE(imageOf(d.Image2[r + 10]), ending ? imageOf(d.Image4[c.mutual[r]]) : QImage());
            }
            QCOMPARE(d.Command3->isEnabled(), c.option);
        }
        // Ending 7 is her other look, under her name without the space.
        QVERIFY(DatarmRowName(7) == "水瀬詩織（別Ver.）" && DatarmRowName(4) == "水瀬　詩織");
        DblDatarm &d = Win<DblDatarm>();
        QVERIFY(imageOf(d.Image3[6]) != imageOf(d.Image3[3]) && imageOf(d.Image4[0]) != imageOf(d.Image4[1]));
    }

    void eraseOnlyWithYes() {
        for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            ResetWorld();
            for (const char *key : {"CString", "SavedMyouji", "SavedNamae"}) SaveSetting("Velmor", "Duskwatch", key, "鶴1");
            World().answers = {answer};
            ClickOn(Win<DblDatarm>().Command2);
            QCOMPARE(World().boxes.size(), size_t(1));
            QCOMPARE(World().boxes[0].defaultButton, MsgAnswer::No);
            for (const char *key : {"CString", "SavedMyouji", "SavedNamae"})
                QCOMPARE(setting(key), answer == MsgAnswer::Yes ? QString() : QStringLiteral("鶴1"));
        }
    }
};

QTEST_MAIN(TestDatarm)
#include "test_datarm.moc"
