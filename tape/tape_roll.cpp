#include "tape_roll.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include "tape_format.h"
#include "tape_model.h"

namespace tape {

namespace {

// The dates of the first and the last dated row.
QString DateRange(const TapeIndex& index, const RowSpans& rows) {
  QString first, last;
  for (const auto& [begin, end] : rows.spans) {
    if (first.isEmpty() && !index.Stamp(begin).empty()) first = DateText(index.Stamp(begin));
  }
  for (auto span = rows.spans.rbegin(); span != rows.spans.rend() && last.isEmpty(); ++span)
    if (!index.Stamp(span->second - 1).empty()) last = DateText(index.Stamp(span->second - 1));
  if (first.isEmpty() || last.isEmpty()) return first + last;
  return first + (first == last ? QString() : QStringLiteral(" – ") + last);
}

}  // namespace

bool PaintRoll(QPagedPaintDevice& device, const TapeIndex& index, const RowSpans& rows, const ExportProgress& progress) {
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
  if (const QString range = DateRange(index, rows); !range.isEmpty()) header += QStringLiteral("  ") + range;
  int y = 0;
  auto startPage = [&] {
    painter.drawText(QRect(0, 0, rollWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, header);
    painter.drawLine(0, lineHeight + lineHeight / 4, rollWidth, lineHeight + lineHeight / 4);
    y = lineHeight * 2;
  };
  startPage();
  const std::size_t total = rows.Count();
  std::size_t done = 0;
  bool painted = true;
  rows.ForEach([&](std::size_t row) {
    if (!painted) return;
    if (progress && ++done % 256 == 1 && !progress(done, total)) {  // at the first row, then every 256
      painted = false;
      return;
    }
    if (y + lineHeight > page.height()) {
      if (!device.newPage()) {
        painted = false;
        return;
      }
      startPage();
    }
    const QRect band(0, y, rollWidth, lineHeight);
    if (index.KindOf(row) == TapeIndex::Kind::Date) {
      painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, DateText(index.Stamp(row)));
    } else {
      const std::string_view line = index.Line(row);
      const bool first = index.KindOf(row) == TapeIndex::Kind::FirstLine;
      if (first) painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, TimeText(index.Stamp(row)));
      // A calculation corrected later is struck through, as in the tape window.
      QFont lineFont = font;
      lineFont.setStrikeOut(index.Corrected(row));
      painter.setFont(lineFont);
      painter.drawText(QRect(0, y, figureRight, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromUtf8(Split(line).figure));
      painter.drawText(QRect(figureRight + metrics.horizontalAdvance(QLatin1Char(' ')), y, markWidth, lineHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(Split(line).mark));
      painter.setFont(font);
      // Its note beside its first line, to the right of the roll.
      if (first && !index.Note(row).empty()) {
        const int noteLeft = rollWidth + metrics.horizontalAdvance(QLatin1Char('0')) * 2;
        const QString note = metrics.elidedText(QString::fromUtf8(index.Note(row)), Qt::ElideRight, page.width() - noteLeft);
        painter.drawText(QRect(noteLeft, y, page.width() - noteLeft, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, note);
      }
    }
    y += lineHeight;
  });
  return painter.end() && painted;
}

}  // namespace tape
