#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "tape_index.h"

// The tape as other programs take it: the clipboard text of chosen rows, CSV and plain text.
namespace tape {

// Which rows of an index go out: spans [first, end) in order, each day's date row in front of
// its calculations.
struct RowSpans {
  std::vector<std::pair<std::size_t, std::size_t>> spans;

  static RowSpans All(const TapeIndex& index);
  // Adds rows [first, end) after the others, joined to the last span when they follow it.
  void Add(std::size_t first, std::size_t end);
  std::size_t Count() const;
  template <typename F>
  void ForEach(F&& f) const {
    for (const auto& [first, end] : spans)
      for (std::size_t row = first; row < end; ++row) f(row);
  }
};

// The whole calculations that hold any of `rows` (sorted; a date row stands for its whole day).
RowSpans CalculationsOf(const TapeIndex& index, const std::vector<std::size_t>& rows);
// The day of `row`: its date row and every calculation under it.
RowSpans DayOf(const TapeIndex& index, std::size_t row);

// Told how far a long export is (rows done of all); false cancels it.
using ExportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// One CSV field: quoted, with quotes doubled, when it holds a comma, a quote or a line break.
QString CsvField(const QString& text);
// A text cell that a spreadsheet shows as it is, never as a formula: a cell that starts with
// = + - @, a tab or a carriage return gets a leading apostrophe.
QString InertCell(const QString& text);

// CSV for spreadsheets: UTF-8 with a byte-order mark, a heading row, then one row per tape line
// with its date, time, figure, mark and its calculation's note (摘要); CR LF line ends. A figure
// that is a plain number (digits, an optional minus and point) is written without its
// digit-group commas, so that it reads as a number; every other cell as an inert text. Nothing
// when cancelled.
std::optional<QByteArray> CsvText(const TapeIndex& index, const RowSpans& rows, const ExportProgress& progress = {});

// The roll as plain UTF-8 text: each day's date, then its lines with the time of each
// calculation, the figures right-aligned and the marks in their column, a calculation's note
// after its first line. Nothing when cancelled.
std::optional<QByteArray> PlainText(const TapeIndex& index, const RowSpans& rows, const ExportProgress& progress = {});

// The rows for the clipboard, one per line: a date row as its date, a tape line as its figure,
// a tab and its mark, and on a calculation's first line a tab and its note when it has one;
// `plainFigures` leaves out the digit-group commas.
QString CopyText(const TapeIndex& index, const std::vector<std::size_t>& rows, bool plainFigures);

}  // namespace tape
