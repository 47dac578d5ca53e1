#include "app_icon.h"

#include <QPainter>
#include <QPixmap>

QImage KelvoIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const double s = size / 16.0;
  p.setRenderHint(QPainter::Antialiasing, size > 16);
  p.scale(s, s);

  // Body.
  QLinearGradient body(0, 0, 0, 16);
  body.setColorAt(0, QColor(0x2b, 0x3a, 0x55));
  body.setColorAt(1, QColor(0x1a, 0x25, 0x38));
  p.setPen(QColor(0x10, 0x17, 0x24));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 2, 2);

  // Display.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(198, 215, 189));
  p.fillRect(QRectF(3, 2, 10, 4), QColor(198, 215, 189));
  p.fillRect(QRectF(8, 3, 4, 2), QColor(0x2a, 0x33, 0x28));

  // Keys: a 3 x 3 grid, the right column in the operator colour, the last key orange (=).
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      QColor key(0xe8, 0xea, 0xee);
      if (col == 2) key = QColor(0x8f, 0xa6, 0xc8);
      if (col == 2 && row == 2) key = QColor(0xf0, 0x8a, 0x2c);
      p.fillRect(QRectF(3 + col * 3.5, 7.5 + row * 2.7, 2.5, 1.9), key);
    }
  }
  return image;
}

QIcon KelvoIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(KelvoIconImage(size)));
  return icon;
}
