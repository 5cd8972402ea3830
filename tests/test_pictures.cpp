// Every picture the game loads is in the game folder as PNG data of its exact size and no flat placeholder; scenes are opaque, sprites and marks see-through, the logotype on the title teal.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSize>
#include <QtTest>

namespace {

enum Kind { Scene, Transparent, Other, Logo };

struct Picture {
    QString name;
    QSize size;
    Kind kind;
};

// The picture codes the campus window and the staff roll load.
QStringList sceneCodes() {
    QStringList codes{"C00A", "C00B"};
    for (int place = 1; place <= 7; ++place) codes << QString("C%1").arg(place) + "0C";
    codes << "C80C" << "C80D";
    for (const char *girl : {"1", "2", "3", "4", "5", "6", "8", "9"}) codes << QString("C8%1C").arg(girl);
    codes << "C14C" << "C16C" << "C21A" << "C21B" << "C22C" << "C32C" << "C34C" << "C35A" << "C35B" << "C43C"
          << "C45C" << "C46C" << "C52C" << "C56C" << "C63C" << "C65C" << "C71C" << "C72A" << "C72B" << "C76C";
    // Heroine 4 in her contact-lens look replaces digit 4 by 7.
    codes << "C17C" << "C37C" << "C87C";
    return codes;
}

QList<Picture> allPictures() {
    QList<Picture> list;
    for (const QString &code : sceneCodes()) list << Picture{code + ".DBL", {300, 200}, Scene};
    list << Picture{"walk0.png", {32, 32}, Transparent} << Picture{"walk1.png", {32, 32}, Transparent};
    list << Picture{"logo.png", {356, 144}, Logo};
    list << Picture{"sprite1.png", {37, 37}, Transparent} << Picture{"sprite2.png", {43, 37}, Transparent}
         << Picture{"sprite3.png", {42, 89}, Transparent} << Picture{"sprite4.png", {58, 88}, Transparent};
    list << Picture{"datarm.png", {32, 32}, Transparent};
    list << Picture{"mark1.png", {32, 32}, Transparent} << Picture{"mark2.png", {32, 32}, Transparent};
    list << Picture{"duskbell.png", {256, 256}, Transparent};
    for (int girl = 1; girl <= 9; ++girl) list << Picture{QString("face%1.png").arg(girl), {32, 32}, Other};
    list << Picture{"hostess8.png", {145, 300}, Other} << Picture{"hostess9.png", {145, 300}, Other};
    list << Picture{"album.png", {521, 446}, Other};
    return list;
}

QImage readPng(const QString &name, QByteArray *format) {
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true);
    *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

int countDistinctColours(const QImage &img, int limit) {
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            seen.insert(line[x]);
            if (seen.size() >= limit) return limit;
        }
    }
    return seen.size();
}

bool everyPixelOpaque(const QImage &img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 255) return false;
    return true;
}

int transparentPixels(const QImage &img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 0) ++n;
    return n;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void picture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("kind");
        for (const Picture &p : allPictures())
            QTest::newRow(qPrintable(p.name)) << p.name << p.size << int(p.kind);
    }

    void picture() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(int, kind);
        QVERIFY2(QFile::exists(name), qPrintable(name + " is missing from " + QDir::currentPath()));
        QByteArray format;
        const QImage img = readPng(name, &format);
        QCOMPARE(format, QByteArray("png"));
        QVERIFY2(!img.isNull(), qPrintable(name + " does not decode"));
        QCOMPARE(img.size(), size);
        // One colour all over is a placeholder, not a picture.
        QVERIFY2(countDistinctColours(img, 64) >= 64, qPrintable(name + " has hardly any colours: a placeholder?"));

        switch (kind) {
        case Scene:
            // The window behind must never show through a scene.
            QVERIFY2(everyPixelOpaque(img), qPrintable(name + " has see-through pixels"));
            break;
        case Other:
            break;
        case Transparent: {
            // Sprites, the walker, marks and icons stand on whatever window background they are put on.
            const int clear = transparentPixels(img);
            QVERIFY2(clear > 0, qPrintable(name + " has no transparent background"));
            QVERIFY2(clear < img.width() * img.height() * 9 / 10, qPrintable(name + " is almost empty"));
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            break;
        }
        case Logo:
            // The title's covers are filled with the window's teal, so the picture's ground must be the same teal.
            for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                        QPoint(size.width() - 1, size.height() - 1)})
                QCOMPARE(img.pixel(corner), qRgb(0, 153, 153));
            QVERIFY(everyPixelOpaque(img));
            break;
        }
    }

    // The two walking frames alternate on screen: if they were the same, the walker would not walk.
    void walkingFramesDiffer() {
        QByteArray format;
        const QImage a = readPng("walk0.png", &format), b = readPng("walk1.png", &format);
        QVERIFY(!a.isNull() && !b.isNull());
        QVERIFY(a != b);
    }

    // The gate at the close of the day is its own picture, not the daytime gate again.
    void gateAtDuskDiffersFromDay() {
        QByteArray format;
        const QImage day = readPng("C80C.DBL", &format), dusk = readPng("C80D.DBL", &format);
        QVERIFY(!day.isNull() && !dusk.isNull());
        QVERIFY(day != dusk);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
