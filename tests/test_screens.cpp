// A desktop whose only screen stands right of the origin (x = 1920, as the second monitor of a pair
// does): every window opens on it, centred across, the reply window under the campus window.
#include "TestSupport.h"
#include "ending/DblDatarm.h"
#include "ending/DblEnding.h"
#include "frontend/DblOption.h"
#include "frontend/DblStart.h"
#include "frontend/DblTitle.h"
#include "talk/DblAlbum.h"
#include "talk/DblSerif.h"
#include <QScreen>

class TestScreens : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowOpensOnTheScreenItBelongsTo() {
        ResetWorld();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(1920, 0, 1280, 1024));
        const auto check = [](Form &w, const char *name, bool centredDown) {
            w.Show();
            const QRect r = w.Widget()->frameGeometry();
            QVERIFY2(QRect(1920, 0, 1280, 1024).contains(r),
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(name).arg(r.x()).arg(r.y())));
            QVERIFY2(std::abs(r.center().x() - 2560) <= 1, name);
            if (centredDown) QVERIFY2(std::abs(r.center().y() - 512) <= 1, name);
        };
        check(Win<DblTitle>(), "title", true);
        check(Win<DblStart>(), "start screen", true);
        check(Win<DblDatarm>(), "data room", true);
        check(Win<DblOption>(), "options", true);
        check(Win<DblEnding>(), "staff roll", true);
        UnloadAllForms();
        check(Win<DblAlbum>(), "album", false);
        DblMain &m = Win<DblMain>();
        check(m, "campus", false);
        check(Win<DblSerif>(), "reply window", false);
        QVERIFY(Win<DblSerif>().Widget()->frameGeometry().top() > m.Widget()->frameGeometry().bottom());
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
