// Renders an SVG picture: to a 24-bit BMP at the size the SVG declares (the
// game's pictures), or to a square PNG of the given size with a transparent
// background (the desktop icons).
//   svg2image <in.svg> <out.bmp>
//   svg2image <in.svg> <out.png> <size>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

#include "ui/bitmap.h"

int main(int argc, char** argv)
{
    const int size = argc == 4 ? std::atoi(argv[3]) : 0;
    if (argc != 3 && size <= 0) {
        std::fprintf(stderr, "usage: svg2image <in.svg> <out.bmp> | <in.svg> <out.png> <size>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", argv[1]);
        return 1;
    }
    QImage image = size ? QImage(size, size, QImage::Format_ARGB32_Premultiplied)
                        : QImage(svg.defaultSize(), QImage::Format_RGB888);
    image.fill(size ? Qt::transparent : Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (size ? !image.save(QString::fromLocal8Bit(argv[2]), "PNG") : !writeBmp24(image, argv[2])) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
