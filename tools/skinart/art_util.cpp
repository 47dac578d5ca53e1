#include "art_util.h"

#include <QPainter>

namespace skinart {

QImage Solid(int w, int h, QRgb rgb) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(0xFF000000u | rgb);
  return image;
}

void Fill(QImage& image, int x, int y, int w, int h, QRgb rgb) {
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col)
      if (image.valid(col, row)) image.setPixel(col, row, 0xFF000000u | rgb);
}

std::vector<bool> Threshold(const QImage& big, int scale, double fraction) {
  const int w = big.width() / scale, h = big.height() / scale;
  std::vector<bool> ink(static_cast<size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sum = 0;
      for (int dy = 0; dy < scale; ++dy) {
        const uchar* line = big.constScanLine(y * scale + dy) + x * scale;
        for (int dx = 0; dx < scale; ++dx) sum += line[dx];
      }
      ink[static_cast<size_t>(y * w + x)] = sum >= fraction * 255.0 * scale * scale;
    }
  return ink;
}

std::vector<bool> Coverage(const QPainterPath& path, int w, int h) {
  QImage mask(w, h, QImage::Format_Grayscale8);
  mask.fill(0);
  QPainter p(&mask);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(path, Qt::white);
  p.end();
  std::vector<bool> covered(static_cast<size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) covered[static_cast<size_t>(y * w + x)] = mask.constScanLine(y)[x] > 8;
  return covered;
}

}  // namespace skinart
