#include "pixels.h"

#include <algorithm>
#include <cstring>

namespace kelvo {

void CopyRect(const QImage& src, int sx, int sy, int w, int h, QImage& dst, int dx, int dy) {
  // Clip against the source, then against the destination, moving both origins together.
  if (sx < 0) { w += sx; dx -= sx; sx = 0; }
  if (sy < 0) { h += sy; dy -= sy; sy = 0; }
  if (dx < 0) { w += dx; sx -= dx; dx = 0; }
  if (dy < 0) { h += dy; sy -= dy; dy = 0; }
  w = std::min({w, src.width() - sx, dst.width() - dx});
  h = std::min({h, src.height() - sy, dst.height() - dy});
  if (w <= 0 || h <= 0) return;
  const size_t bytes = static_cast<size_t>(w) * 4;
  for (int row = 0; row < h; ++row) {
    const uchar* from = src.constScanLine(sy + row) + static_cast<size_t>(sx) * 4;
    uchar* to = dst.scanLine(dy + row) + static_cast<size_t>(dx) * 4;
    std::memcpy(to, from, bytes);
  }
}

void FillRect(QImage& dst, int x, int y, int w, int h, uint32_t rgb) {
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + w, dst.width()), bottom = std::min(y + h, dst.height());
  const uint32_t pixel = 0xFF000000u | rgb;
  for (int row = top; row < bottom; ++row) {
    auto* line = reinterpret_cast<uint32_t*>(dst.scanLine(row));
    std::fill(line + left, line + right, pixel);
  }
}

uint32_t BottomLeftRgb(const QImage& image) {
  if (image.isNull()) return 0;
  return Rgb(image.pixel(0, image.height() - 1));
}

void MakeKeyedImage(const QImage& source, int visibleHeight, QImage& keyed) {
  if (source.isNull()) {
    keyed = QImage();
    return;
  }
  const QImage image = source.depth() == 32 ? source : source.convertToFormat(QImage::Format_RGB32);
  const int width = image.width();  // QImage's getters are calls, not inlined: read them once
  const int height = visibleHeight < 0 ? image.height() : std::max(std::min(visibleHeight, image.height()), 0);
  if (keyed.width() != width || keyed.height() != height || keyed.format() != QImage::Format_ARGB32_Premultiplied)
    keyed = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
  const uint32_t key = BottomLeftRgb(image);
  for (int y = 0; y < height; ++y) {
    const auto* __restrict from = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    auto* __restrict to = reinterpret_cast<uint32_t*>(keyed.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint32_t rgb = from[x] & 0xFFFFFFu;
      to[x] = rgb == key ? 0u : 0xFF000000u | rgb;
    }
  }
}

QImage MakeKeyedImage(const QImage& image, int visibleHeight) {
  QImage keyed;
  MakeKeyedImage(image, visibleHeight, keyed);
  return keyed;
}

QImage SolidImage(int w, int h, uint32_t rgb) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(0xFF000000u | rgb);
  return image;
}

}  // namespace kelvo
