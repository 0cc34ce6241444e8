// 24-bit Windows bitmaps, the format of every picture in cg/.
#pragma once
#include <QImage>
#include <string>

// Writes `image` as an uncompressed bottom-up 24-bit BMP.
bool writeBmp24(const QImage& image, const std::string& path);
