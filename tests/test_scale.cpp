// The windows open at the largest whole scale the screen has room for, the size keys change it, and
// the player's choice outlives a restart and the data room's erase.
#include "TestSupport.h"
#include "core/DblMain.h"
#include "core/Store.h"
#include "platform/Settings.h"
#include "talk/DblAlbum.h"
#include <QScreen>
#include <QTest>

namespace {
const QSize Campus(5700, 4230), Album(7815, 6690);
QString storedScale() {
    return GetSetting("Velmor", "Display", "Scale");
}
} // namespace

class TestScale : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetWorld(), SetScaleValue(1); }
    void cleanup() { UnloadAllForms(), SetScaleValue(1); }

    // Two thirds of the height for the campus window, the whole area for the album, pictures exact.
    void chosenForScreens() {
        const std::tuple<QSize, double, int, int, int> cases[] = {
            // area, desktop, pictures, fitting, roomy
            {{1920, 1080}, 1.0, 3, 2, 2}, {{1920, 1032}, 1.0, 3, 2, 2}, {{2560, 1440}, 1.0, 3, 3, 3},
            {{3840, 2160}, 1.0, 3, 3, 4}, {{3840, 2160}, 1.0, 4, 4, 4}, {{1366, 768}, 1.0, 3, 1, 1},
            {{1280, 720}, 1.0, 3, 1, 1},  {{1920, 1080}, 2.0, 3, 1, 2}, {{1707, 960}, 1.5, 3, 2, 2},
            {{1024, 600}, 1.0, 3, 1, 1}};
        for (const auto &[area, desktop, pictures, fitting, roomy] : cases) {
            QCOMPARE(FittingScale(area, desktop, pictures, Campus, Album), fitting);
            QCOMPARE(RoomyScale(area, Album), roomy);
        }
    }

    // On a 1920x1080 screen the game opens at 2x; F9 and F10 change every window and are kept apart
    // from the record, which the erase takes.
    void keysChangeItAndItIsKept() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1920, 1080));
        UseChosenScale();
        QCOMPARE(FormScale(), 2);
        QCOMPARE(storedScale(), QString()); // the screen's choice is not the player's
        DblMain &campus = Win<DblMain>();
        campus.Show();
        campus.ShowPicture(QStringLiteral("C10C.DBL"));
        for (int scale : {2, 1}) { // at 2x, then after F9 at 1x
            if (scale == 1) QTest::keyClick(campus.Widget(), Qt::Key_F9);
            QVERIFY(FormScale() == scale && campus.Widget()->size() == QSize(380, 282) * scale &&
                    campus.Image1->Widget()->geometry() == QRect(8 * scale, 0, 300 * scale, 200 * scale) &&
                    campus.Image1->Picture().size() == QSize(300, 200) * scale &&
                    campus.Label1->Widget()->font().pixelSize() == 13 * scale);
        }
        QCOMPARE(storedScale(), QStringLiteral("1"));
        QTest::keyClick(campus.Widget(), Qt::Key_F9); // no smaller scale
        QCOMPARE(FormScale(), 1);

        // A window opened later is laid out at the scale in force, and stays on the screen.
        QTest::keyClick(campus.Widget(), Qt::Key_F10);
        QTest::keyClick(campus.Widget(), Qt::Key_F10); // 3x has no room for the album on this screen
        QCOMPARE(FormScale(), 2);
        QCOMPARE(storedScale(), QStringLiteral("2"));
        DblAlbum &album = Win<DblAlbum>();
        album.Show();
        QCOMPARE(album.Widget()->size(), QSize(1042, 892));
        QVERIFY(QRect(0, 0, 1920, 1080).contains(album.Widget()->frameGeometry()));
        QTest::keyClick(campus.Widget(), Qt::Key_F9);
        UnloadAllForms();

        // A restart starts where the player left it, and so it does after the record was erased.
        SaveSetting("Velmor", "Duskwatch", "CString", QStringLiteral("鶴1"));
        for (bool erase : {false, true}) {
            if (erase) QVERIFY(EraseStore());
            SetScaleValue(1);
            UseChosenScale();
            QCOMPARE(FormScale(), 1);
            QCOMPARE(GetSetting("Velmor", "Duskwatch", "CString"), erase ? QString() : QStringLiteral("鶴1"));
        }
    }
};

QTEST_MAIN(TestScale)
#include "test_scale.moc"
