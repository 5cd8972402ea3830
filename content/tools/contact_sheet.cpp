// Lays every picture of the game folder out on one sheet, each with its file name under it, so
// that the whole set can be judged at a glance. Usage: dbl_contact_sheet GAMEDIR OUTPUT.png [ZOOM]
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: dbl_contact_sheet GAMEDIR OUTPUT.png [ZOOM]\n");
        return 2;
    }
    const double zoom = argc > 3 ? QString(argv[3]).toDouble() : 1.0;
    QDir dir(argv[1]);
    struct Entry {
        QString name;
        QImage image;
    };
    std::vector<Entry> entries;
    // Pictures are recognised by content: the scene pictures carry the ".DBL" name.
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QImageReader reader(dir.filePath(name));
        reader.setDecideFormatFromContent(true);
        if (!reader.canRead()) continue;
        QImage img = reader.read();
        if (img.isNull()) continue;
        entries.push_back({name, img});
    }
    if (entries.empty()) {
        std::fprintf(stderr, "contact sheet: no pictures in %s\n", argv[1]);
        return 1;
    }
    // Scene pictures first (the big ones), then the rest, each group in name order.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.name.endsWith(".DBL", Qt::CaseInsensitive) > b.name.endsWith(".DBL", Qt::CaseInsensitive);
    });

    const int pad = 8, label = 16;
    int sheetWidth = 1280;
    for (const Entry &e : entries)
        sheetWidth = std::max(sheetWidth, int(e.image.width() * zoom) + 2 * pad);
    // Flow layout: rows of cells as wide as their picture.
    struct Cell {
        int x, y;
    };
    std::vector<Cell> cells;
    int x = pad, y = pad, rowHeight = 0;
    for (const Entry &e : entries) {
        const int w = std::max(int(e.image.width() * zoom), 80), h = int(e.image.height() * zoom) + label;
        if (x + w + pad > sheetWidth && x > pad) {
            x = pad;
            y += rowHeight + pad;
            rowHeight = 0;
        }
        cells.push_back({x, y});
        x += w + pad;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(sheetWidth, y + rowHeight + pad, QImage::Format_RGB32);
    sheet.fill(QColor(64, 64, 72));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom != int(zoom));
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    // A checkerboard behind each picture shows where it is transparent.
    QImage checker(16, 16, QImage::Format_RGB32);
    checker.fill(QColor(200, 200, 200));
    for (int cy = 0; cy < 16; ++cy)
        for (int cx = 0; cx < 16; ++cx)
            if ((cx < 8) != (cy < 8)) checker.setPixelColor(cx, cy, QColor(150, 150, 150));
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        const QRect r(cells[i].x, cells[i].y, int(e.image.width() * zoom), int(e.image.height() * zoom));
        p.fillRect(r, QBrush(checker));
        p.drawImage(r, e.image);
        p.setPen(QColor(235, 235, 235));
        p.drawText(QRect(r.x(), r.bottom() + 2, std::max(r.width(), 80), label - 2),
                   Qt::AlignLeft | Qt::AlignTop,
                   QString("%1 %2x%3").arg(e.name).arg(e.image.width()).arg(e.image.height()));
    }
    p.end();
    if (!sheet.save(argv[2], "png")) {
        std::fprintf(stderr, "contact sheet: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
