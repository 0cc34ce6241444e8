// Tiles every picture of some folders (BMP, and SVG as the window draws them)
// into one PNG, each with its name, so the whole set can be judged at once.
//   contact_sheet [-w cell_width] <out.png> <folder>...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <vector>

namespace {

struct Picture {
    QString name;
    QImage image;
};

QImage loadPicture(const QString& path)
{
    if (!path.endsWith(".svg", Qt::CaseInsensitive))
        return QImage(path);
    QSvgRenderer svg(path);
    if (!svg.isValid())
        return {};
    QImage image(svg.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

// A grey checkerboard, so that transparent parts of a picture show as such.
void paintChecker(QPainter& painter, const QRect& area)
{
    for (int y = area.top(); y < area.bottom(); y += 8)
        for (int x = area.left(); x < area.right(); x += 8) {
            bool dark = ((x - area.left()) / 8 + (y - area.top()) / 8) % 2;
            painter.fillRect(QRect(x, y, 8, 8).intersected(area), dark ? QColor(70, 70, 70) : QColor(110, 110, 110));
        }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int cellWidth = 160;
    if (args.size() >= 2 && args[0] == "-w") {
        cellWidth = qMax(40, args[1].toInt());
        args = args.mid(2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: contact_sheet [-w cell_width] <out.png> <folder>...\n");
        return 2;
    }
    const QString out = args.takeFirst();

    std::vector<Picture> pictures;
    for (const QString& folder : args) {
        QDir dir(folder);
        const QStringList files = dir.entryList({"*.bmp", "*.svg"}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            QImage image = loadPicture(dir.filePath(file));
            if (image.isNull())
                std::fprintf(stderr, "%s: cannot read\n", qPrintable(dir.filePath(file)));
            else
                pictures.push_back({file, image});
        }
    }
    if (pictures.empty()) {
        std::fprintf(stderr, "no pictures found\n");
        return 1;
    }

    // Every picture is scaled to the cell width (never enlarged beyond 2x);
    // a row is as high as its tallest picture.
    const int gap = 8, label = 16, columns = qMax(1, 1600 / (cellWidth + gap));
    std::vector<QImage> thumbs;
    for (const Picture& p : pictures) {
        double scale = qMin(2.0, double(cellWidth) / p.image.width());
        thumbs.push_back(p.image.scaled(qRound(p.image.width() * scale), qRound(p.image.height() * scale),
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    std::vector<int> rowHeights;
    for (size_t i = 0; i < thumbs.size(); i += columns) {
        int h = 0;
        for (size_t j = i; j < thumbs.size() && j < i + columns; ++j)
            h = qMax(h, thumbs[j].height());
        rowHeights.push_back(h + label + gap);
    }
    int height = gap;
    for (int h : rowHeights)
        height += h;
    const int width = gap + int(qMin<size_t>(columns, thumbs.size())) * (cellWidth + gap);

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(24, 24, 32));
    QPainter painter(&sheet);
    painter.setPen(QColor(0, 255, 255));
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    int y = gap;
    for (size_t i = 0; i < thumbs.size(); ++i) {
        const int column = int(i % columns);
        const int x = gap + column * (cellWidth + gap);
        QRect area(QPoint(x, y), thumbs[i].size());
        paintChecker(painter, area);
        painter.drawImage(area.topLeft(), thumbs[i]);
        painter.drawText(QRect(x, y + thumbs[i].height() + 1, cellWidth, label), Qt::AlignLeft | Qt::AlignTop,
                         QString("%1 %2x%3").arg(pictures[i].name).arg(pictures[i].image.width()).arg(pictures[i].image.height()));
        if (column == columns - 1)
            y += rowHeights[i / columns];
    }
    painter.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
        return 1;
    }
    return 0;
}
