#include "tape_export.h"

#include <algorithm>

#include "ascii.h"
#include "tape_format.h"
#include "tape_model.h"

namespace tape {
namespace {

bool IsLine(const TapeIndex& index, std::size_t row) { return index.KindOf(row) != TapeIndex::Kind::Date; }

// A calculation's note goes beside its first line.
bool HasNote(const TapeIndex& index, std::size_t row) {
  return index.KindOf(row) == TapeIndex::Kind::FirstLine && !index.Note(row).empty();
}

// -?digits(.digits)?: what a spreadsheet reads as a number and nothing else.
bool IsPlainNumber(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view("0") : text.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), kelvo::IsAsciiDigit);
  };
  return digits(whole) && digits(fraction);
}

// Rows are reported in steps, so that a progress bar moves without costing the export.
constexpr std::size_t kProgressStep = 4096;

// Asks at the first row and then at every step.
bool GoOn(const ExportProgress& progress, std::size_t done, std::size_t total) {
  return !progress || (done - 1) % kProgressStep != 0 || progress(done, total);
}

}  // namespace

RowSpans RowSpans::All(const TapeIndex& index) {
  RowSpans all;
  all.Add(0, index.Rows());
  return all;
}

void RowSpans::Add(std::size_t first, std::size_t end) {
  if (first >= end) return;
  if (!spans.empty() && spans.back().second == first) {
    spans.back().second = end;
  } else {
    spans.emplace_back(first, end);
  }
}

std::size_t RowSpans::Count() const {
  std::size_t count = 0;
  for (const auto& [first, end] : spans) count += end - first;
  return count;
}

RowSpans CalculationsOf(const TapeIndex& index, const std::vector<std::size_t>& rows) {
  RowSpans out;
  const std::size_t total = index.Rows();
  std::size_t next = 0;  // the first of `rows` not reached yet
  // One walk over the days and their calculations, however many rows are chosen.
  for (std::size_t day = 0; day < total && next < rows.size();) {
    std::size_t dayEnd = day + 1;
    while (dayEnd < total && IsLine(index, dayEnd)) ++dayEnd;
    if (rows[next] == day) {
      out.Add(day, dayEnd);
    } else {
      bool dated = false;
      for (std::size_t calculation = day + 1; calculation < dayEnd;) {
        std::size_t end = calculation + 1;
        while (end < dayEnd && index.KindOf(end) == TapeIndex::Kind::Line) ++end;
        bool chosen = false;
        for (; next < rows.size() && rows[next] < end; ++next) chosen = true;
        if (chosen) {
          if (!dated) out.Add(day, day + 1);
          dated = true;
          out.Add(calculation, end);
        }
        calculation = end;
      }
    }
    while (next < rows.size() && rows[next] < dayEnd) ++next;
    day = dayEnd;
  }
  return out;
}

RowSpans DayOf(const TapeIndex& index, std::size_t row) {
  RowSpans day;
  if (row >= index.Rows()) return day;
  std::size_t first = row;
  while (first > 0 && IsLine(index, first)) --first;
  std::size_t end = row + 1;
  while (end < index.Rows() && IsLine(index, end)) ++end;
  day.Add(first, end);
  return day;
}

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
      !text.contains(QLatin1Char('\r')))
    return text;
  QString quoted = text;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString InertCell(const QString& text) {
  if (text.isEmpty() || !QStringLiteral("=+-@\t\r").contains(text.front())) return text;
  return QLatin1Char('\'') + text;
}

std::optional<QByteArray> CsvText(const TapeIndex& index, const RowSpans& rows, const ExportProgress& progress) {
  QByteArray out("\xEF\xBB\xBF");
  out += QStringLiteral("日付,時刻,数値,記号,摘要\r\n").toUtf8();
  const std::size_t total = rows.Count();
  std::size_t done = 0;
  bool cancelled = false;
  rows.ForEach([&](std::size_t row) {
    if (cancelled || (cancelled = !GoOn(progress, ++done, total)) || !IsLine(index, row)) return;
    const std::string_view stamp = index.Stamp(row);
    const SplitLine line = Split(index.Line(row));
    const std::string figure = WithoutGrouping(line.figure);
    const QString fields[] = {QString::fromUtf8(StampDate(stamp)), QString::fromUtf8(StampTime(stamp)),
                              IsPlainNumber(figure) ? QString::fromStdString(figure) : InertCell(QString::fromUtf8(line.figure)),
                              InertCell(QString::fromUtf8(line.mark)), InertCell(QString::fromUtf8(index.Note(row)))};
    for (int i = 0; i < 5; ++i) {
      if (i > 0) out += ',';
      out += CsvField(fields[i]).toUtf8();
    }
    out += "\r\n";
  });
  if (cancelled) return std::nullopt;
  return out;
}

std::optional<QByteArray> PlainText(const TapeIndex& index, const RowSpans& rows, const ExportProgress& progress) {
  qsizetype width = 0;
  rows.ForEach([&](std::size_t row) {
    if (IsLine(index, row)) width = std::max(width, QString::fromUtf8(Split(index.Line(row)).figure).size());
  });
  QByteArray out;
  const std::size_t total = rows.Count();
  std::size_t done = 0;
  bool cancelled = false;
  rows.ForEach([&](std::size_t row) {
    if (cancelled || (cancelled = !GoOn(progress, ++done, total))) return;
    if (!IsLine(index, row)) {
      if (!out.isEmpty()) out += '\n';
      out += DateText(index.Stamp(row)).toUtf8() + '\n';
      return;
    }
    const bool first = index.KindOf(row) == TapeIndex::Kind::FirstLine;
    const QString time = first ? TimeText(index.Stamp(row)).leftJustified(5) : QString(5, QLatin1Char(' '));
    const std::string_view line = index.Line(row);
    const QString figure = QString::fromUtf8(Split(line).figure);
    out += (time + QStringLiteral("  ") + figure.rightJustified(width) + QString::fromUtf8(MarkField(line))).toUtf8();
    if (HasNote(index, row)) out += (QStringLiteral("  ") + QString::fromUtf8(index.Note(row))).toUtf8();
    out += '\n';
  });
  if (cancelled) return std::nullopt;
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
      if (!line.mark.empty() || HasNote(index, row)) out += QLatin1Char('\t') + QString::fromUtf8(line.mark);
      if (HasNote(index, row)) out += QLatin1Char('\t') + QString::fromUtf8(index.Note(row));
    }
    out += QLatin1Char('\n');
  }
  return out;
}

}  // namespace tape
