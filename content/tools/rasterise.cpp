// Turns the picture list into the game's picture files: each output is a stack of SVG layers
// rasterised by Qt SVG and written as PNG. Same sources, same bytes.
//
// List format, one picture per line ('#' starts a comment):
//   OUTPUT WIDTH HEIGHT LAYER [LAYER ...]
//   LAYER := path.svg                      stretched over the whole picture
//          | path.svg@X,Y[,SCALE[,h]]      drawn at its own size times SCALE, top-left at X,Y; h mirrors it
// With a picture scale N above 1 every picture is drawn N times larger from the same layers, for
// screens of N device pixels per pixel, and named with "@Nx" before its extension (C10C@2x.DBL).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

static bool drawLayer(QPainter &p, const QString &srcDir, const QString &layer, QSize canvas) {
    const QString path = layer.section('@', 0, 0);
    QSvgRenderer svg(srcDir + "/" + path);
    if (!svg.isValid()) {
        std::fprintf(stderr, "rasterise: cannot read %s\n", qPrintable(path));
        return false;
    }
    p.save();
    if (!layer.contains('@')) {
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(canvas)));
    } else {
        const QStringList a = layer.section('@', 1).split(',');
        const double x = a.value(0).toDouble(), y = a.value(1).toDouble();
        const double scale = a.size() > 2 ? a[2].toDouble() : 1.0;
        const bool mirror = a.size() > 3 && a[3] == "h";
        const QSizeF size = QSizeF(svg.defaultSize()) * scale;
        p.translate(x, y);
        if (mirror) {
            p.translate(size.width(), 0);
            p.scale(-1, 1);
        }
        svg.render(&p, QRectF(QPointF(0, 0), size));
    }
    p.restore();
    return true;
}

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: dbl_rasterise SRCDIR LIST OUTDIR [SCALE]\n");
        return 2;
    }
    const QString srcDir = argv[1], outDir = argv[3];
    const int scale = argc == 5 ? std::atoi(argv[4]) : 1;
    if (scale < 1) {
        std::fprintf(stderr, "rasterise: bad scale %s\n", argv[4]);
        return 2;
    }
    QFile list(argv[2]);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "rasterise: cannot open %s\n", argv[2]);
        return 1;
    }
    QTextStream in(&list);
    int failures = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().section('#', 0, 0).simplified();
        if (line.isEmpty()) continue;
        const QStringList f = line.split(' ');
        if (f.size() < 4) {
            std::fprintf(stderr, "rasterise: bad line: %s\n", qPrintable(line));
            ++failures;
            continue;
        }
        const QSize size(f[1].toInt(), f[2].toInt());
        QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.scale(scale, scale);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 3; i < f.size(); ++i)
            if (!drawLayer(p, srcDir, f[i], size)) ++failures;
        p.end();
        // The ".DBL" files are PNG data whatever their name says.
        QString name = f[0];
        if (scale > 1)
            name.insert(name.contains('.') ? name.lastIndexOf('.') : name.size(),
                        QStringLiteral("@%1x").arg(scale));
        QImageWriter w(outDir + "/" + name, "png");
        if (!w.write(img.convertToFormat(QImage::Format_ARGB32))) {
            std::fprintf(stderr, "rasterise: cannot write %s\n", qPrintable(name));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
