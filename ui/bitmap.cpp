#include "ui/bitmap.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace {
void put16(std::vector<char>& b, uint16_t v) { b.push_back(char(v)); b.push_back(char(v >> 8)); }
void put32(std::vector<char>& b, uint32_t v) { put16(b, uint16_t(v)); put16(b, uint16_t(v >> 16)); }
}

bool writeBmp24(const QImage& source, const std::string& path)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    std::vector<char> b;
    b.reserve(54 + size_t(stride) * h);
    b.push_back('B');
    b.push_back('M');
    put32(b, uint32_t(54 + stride * h));
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);            // BITMAPINFOHEADER
    put32(b, uint32_t(w));
    put32(b, uint32_t(h));   // positive: bottom-up rows
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);             // BI_RGB
    put32(b, uint32_t(stride * h));
    put32(b, 2835);          // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            b.push_back(char(row[3 * x + 2]));   // stored blue, green, red
            b.push_back(char(row[3 * x + 1]));
            b.push_back(char(row[3 * x]));
        }
        b.insert(b.end(), size_t(stride - w * 3), '\0');
    }
    std::ofstream out(path, std::ios::binary);
    out.write(b.data(), std::streamsize(b.size()));
    return bool(out);
}
