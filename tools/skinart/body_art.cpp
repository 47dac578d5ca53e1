#include "body_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "art_util.h"
#include "layout.h"

namespace skinart {

QImage PaintBackPanel(const Theme& theme) {
  constexpr int w = kelvo::kClientWidth, h = kelvo::kClientHeight;
  QImage image = Solid(w, h, 0);
  QPainter p(&image);
  // The body: lighter at the top, and the same all along each row, so that the display panel,
  // which takes its background one pixel to the right of where it is painted, blends seamlessly.
  QLinearGradient body(0, 0, 0, h);
  body.setColorAt(0, theme.bodyTop);
  body.setColorAt(1, theme.bodyBottom);
  p.fillRect(0, 0, w, h, body);
  if (theme.finish == BodyFinish::Pinstripe) {
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int y = 116; y < h; y += 3) p.drawLine(0, y, w, y);
  }
  p.setRenderHint(QPainter::Antialiasing);
  // Bevels of the case.
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.drawLine(QPointF(0, 0.5), QPointF(w, 0.5));
  p.setPen(QPen(QColor(0, 0, 0, 60), 1));
  p.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));

  // The keypad sits in a shallow recess.
  const QRectF well(11.5, 121.5, 249, 270);
  QPainterPath recess;
  recess.addRoundedRect(well, 9, 9);
  p.fillPath(recess, theme.keypadWell);
  p.setPen(QPen(QColor(0, 0, 0, 45), 1));
  p.drawPath(recess);
  p.setPen(QPen(QColor(255, 255, 255, 50), 1));
  p.drawLine(QPointF(well.left() + 9, well.bottom() + 1), QPointF(well.right() - 9, well.bottom() + 1));

  // A solar cell in the one place of the keypad that has no key.
  const QRectF cell(18.5, 129.5, 40, 22);
  QPainterPath panel;
  panel.addRoundedRect(cell, 2.5, 2.5);
  QLinearGradient glass(0, cell.top(), 0, cell.bottom());
  glass.setColorAt(0, QColor(0x4a, 0x34, 0x3a));
  glass.setColorAt(1, QColor(0x26, 0x1a, 0x1f));
  p.fillPath(panel, glass);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(0x5e, 0x48, 0x4e));
  for (int i = 1; i < 4; ++i) p.drawLine(18 + i * 10, 131, 18 + i * 10, 150);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  p.drawPath(panel);

  // The name between the display and the keypad, whole above row 116 where the mini face ends:
  // the bezel ends at row 108, so the lettering stands on the baseline at 115.5, 6 rows high.
  constexpr qreal kBaseline = 115.5;
  QFont brand(QStringLiteral("DejaVu Sans"));
  brand.setBold(true);
  brand.setItalic(true);
  brand.setPixelSize(9);
  brand.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
  p.setFont(brand);
  p.setPen(theme.brand);
  p.drawText(QPointF(14, kBaseline), QStringLiteral("Kelvo"));
  QFont model(QStringLiteral("DejaVu Sans"));
  model.setPixelSize(8);
  model.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
  p.setFont(model);
  const QString modelText = QStringLiteral("TAX · GT · 14 DIGITS");
  p.drawText(QPointF(258 - QFontMetricsF(model).horizontalAdvance(modelText), kBaseline), modelText);
  return image;
}

}  // namespace skinart
