#include "tape_roll.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include "tape_format.h"
#include "tape_model.h"

namespace tape {

bool PaintRoll(QPagedPaintDevice& device, const TapeIndex& index) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QFont font = painter.font();
  font.setPointSizeF(10);
  painter.setFont(font);
  const QFontMetrics metrics(font, &device);
  const int lineHeight = metrics.lineSpacing();
  const QRect page(0, 0, device.width(), device.height());
  // A roll is narrow: the lines keep to a column of about 40 characters from the left margin.
  const int rollWidth = std::min(page.width(), metrics.horizontalAdvance(QLatin1Char('0')) * 40);
  const int markWidth = metrics.horizontalAdvance(QStringLiteral("税込")) + metrics.horizontalAdvance(QLatin1Char(' '));
  const int figureRight = rollWidth - markWidth;

  QString header = QStringLiteral("テープ");
  if (index.Rows() > 0) {
    const QString first = DateText(index.Stamp(0)), last = DateText(index.Stamp(index.Rows() - 1));
    header += QStringLiteral("  ") + first + (first == last ? QString() : QStringLiteral(" – ") + last);
  }
  int y = 0;
  auto startPage = [&] {
    painter.drawText(QRect(0, 0, rollWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, header);
    painter.drawLine(0, lineHeight + lineHeight / 4, rollWidth, lineHeight + lineHeight / 4);
    y = lineHeight * 2;
  };
  startPage();
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    if (y + lineHeight > page.height()) {
      if (!device.newPage()) break;
      startPage();
    }
    const QRect band(0, y, rollWidth, lineHeight);
    if (index.KindOf(row) == TapeIndex::Kind::Date) {
      painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, DateText(index.Stamp(row)));
    } else {
      const std::string_view line = index.Line(row);
      if (index.KindOf(row) == TapeIndex::Kind::FirstLine)
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(index.Stamp(row).substr(11, 5)));
      painter.drawText(QRect(0, y, figureRight, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromUtf8(Split(line).figure));
      painter.drawText(QRect(figureRight + metrics.horizontalAdvance(QLatin1Char(' ')), y, markWidth, lineHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(Split(line).mark));
    }
    y += lineHeight;
  }
  return painter.end();
}

}  // namespace tape
