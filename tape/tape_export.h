#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "tape_index.h"

// The tape as other programs take it: the clipboard text of chosen rows, CSV and plain text.
namespace tape {

// One CSV field: quoted, with quotes doubled, when it holds a comma, a quote or a line break.
QString CsvField(const QString& text);

// CSV for spreadsheets: UTF-8 with a byte-order mark, a heading row, then one row per tape line
// with its date, time, figure (without digit-group commas, so that it reads as a number) and
// mark; CR LF line ends.
QByteArray CsvText(const TapeIndex& index);

// The roll as plain UTF-8 text: each day's date, then its lines with the time of each
// calculation, the figures right-aligned and the marks in their column.
QByteArray PlainText(const TapeIndex& index);

// The rows for the clipboard, one per line: a date row as its date, a tape line as its figure,
// a tab and its mark; `plainFigures` leaves out the digit-group commas.
QString CopyText(const TapeIndex& index, const std::vector<std::size_t>& rows, bool plainFigures);

}  // namespace tape
