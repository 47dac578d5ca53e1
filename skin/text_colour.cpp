#include "text_colour.h"

#include <cmath>

namespace kelvo {
namespace {

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double Luminance(QRgb rgb) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

}  // namespace

QColor ReadableTextColour(const QImage& picture, const QRect& area) {
  const QRect part = area.intersected(picture.rect());
  if (part.isEmpty()) return Qt::black;
  double sum = 0;
  for (int y = part.top(); y <= part.bottom(); ++y)
    for (int x = part.left(); x <= part.right(); ++x) sum += Luminance(picture.pixel(x, y));
  const double background = sum / (static_cast<double>(part.width()) * part.height());
  const double againstBlack = (background + 0.05) / 0.05;
  const double againstWhite = 1.05 / (background + 0.05);
  return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace kelvo
