// Every picture the game loads is in the game folder as PNG data of its exact size, with variants
// for screens of 2 and 3 device pixels per pixel at twice and three times that size.
#include <QImageReader>
#include <QtTest>

class TestPictures : public QObject {
    Q_OBJECT
  private slots:
    void picture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        // Pictures by size; the scenes of the campus window and the staff roll are named by picture code.
        const std::pair<QString, QSize> groups[] = {
            {"C00A C00B C10C C14C C16C C17C C20C C21A C21B C22C C30C C32C C34C C35A C35B C37C C40C C43C C45C "
             "C46C "
             "C50C C52C C56C C60C C63C C65C C70C C71C C72A C72B C76C C80C C80D C81C C82C C83C C84C C85C C86C "
             "C87C "
             "C88C C89C",
             {300, 200}},
            {"walk0 walk1 datarm mark1 mark2 face1 face2 face3 face4 face5 face6 face7 face8 face9",
             {32, 32}},
            {"hostess8 hostess9", {145, 300}},
            {"logo", {356, 144}},
            {"duskbell", {256, 256}},
            {"album", {521, 446}},
            {"sprite1", {37, 37}},
            {"sprite2", {43, 37}},
            {"sprite3", {42, 89}},
            {"sprite4", {58, 88}}};
        for (const auto &[names, size] : groups)
            for (const QString &name : names.split(' '))
                for (int scale = 1; scale <= 3; ++scale) {
                    const QString variant =
                        name + (scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString());
                    QTest::newRow(qPrintable(variant))
                        << variant + (name.startsWith('C') ? ".DBL" : ".png") << size * scale;
                }
    }

    void picture() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QImageReader reader(name);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
        QCOMPARE(image.size(), size);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
