#include "tape_export.h"

#include <algorithm>

#include "tape_format.h"
#include "tape_model.h"

namespace tape {
namespace {

bool IsLine(const TapeIndex& index, std::size_t row) { return index.KindOf(row) != TapeIndex::Kind::Date; }

}  // namespace

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
      !text.contains(QLatin1Char('\r')))
    return text;
  QString quoted = text;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray CsvText(const TapeIndex& index) {
  QByteArray out("\xEF\xBB\xBF");
  out += QStringLiteral("日付,時刻,数値,記号\r\n").toUtf8();
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    if (!IsLine(index, row)) continue;
    const std::string_view stamp = index.Stamp(row);
    const SplitLine line = Split(index.Line(row));
    const QString fields[] = {QString::fromUtf8(stamp.substr(0, 10)), QString::fromUtf8(stamp.substr(11, 8)),
                              QString::fromStdString(WithoutGrouping(line.figure)), QString::fromUtf8(line.mark)};
    for (int i = 0; i < 4; ++i) {
      if (i > 0) out += ',';
      out += CsvField(fields[i]).toUtf8();
    }
    out += "\r\n";
  }
  return out;
}

QByteArray PlainText(const TapeIndex& index) {
  qsizetype width = 0;
  for (std::size_t row = 0; row < index.Rows(); ++row)
    if (IsLine(index, row)) width = std::max(width, QString::fromUtf8(Split(index.Line(row)).figure).size());
  QByteArray out;
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    if (!IsLine(index, row)) {
      if (row > 0) out += '\n';
      out += DateText(index.Stamp(row)).toUtf8() + '\n';
      continue;
    }
    const bool first = index.KindOf(row) == TapeIndex::Kind::FirstLine;
    const QString time = first ? QString::fromUtf8(index.Stamp(row).substr(11, 5)) : QString(5, QLatin1Char(' '));
    const std::string_view line = index.Line(row);
    const QString figure = QString::fromUtf8(Split(line).figure);
    out += (time + QStringLiteral("  ") + figure.rightJustified(width) + QString::fromUtf8(MarkField(line))).toUtf8();
    out += '\n';
  }
  return out;
}

QString CopyText(const TapeIndex& index, const std::vector<std::size_t>& rows, bool plainFigures) {
  QString out;
  for (std::size_t row : rows) {
    if (row >= index.Rows()) continue;
    if (!IsLine(index, row)) {
      out += DateText(index.Stamp(row));
    } else {
      const SplitLine line = Split(index.Line(row));
      out += plainFigures ? QString::fromStdString(WithoutGrouping(line.figure)) : QString::fromUtf8(line.figure);
      if (!line.mark.empty()) out += QLatin1Char('\t') + QString::fromUtf8(line.mark);
    }
    out += QLatin1Char('\n');
  }
  return out;
}

}  // namespace tape
