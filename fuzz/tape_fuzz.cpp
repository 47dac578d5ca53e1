// The paper tape: whatever the file holds, the tape window's index reads only whole tape lines
// and notes a file can hold, no CSV cell it exports can start a spreadsheet formula, an append
// that trims keeps the newest calculations exactly as they were, the new one last, and a note
// appended after it changes no calculation and belongs to the newest.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_file.h"
#include "tape_blocks.h"
#include "tape_export.h"
#include "tape_file.h"
#include "tape_format.h"
#include "tape_index.h"
#include "tape_records.h"

namespace {

// Each calculation a reader sees: its stamp and lines in one text.
std::vector<std::string> Calculations(const std::string& text) {
  std::vector<std::string> out;
  tape::BlockScanner().Scan(text, 0, true, [&out](const tape::Block& block) {
    std::string whole(block.stamp);
    for (const std::string_view line : block.lines) whole.append("|").append(line);
    out.push_back(whole);
    return true;
  });
  return out;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The cells of CSV text: quoted fields with doubled quotes, CR LF between rows.
std::vector<std::string> Cells(const std::string& csv) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (quoted) {
      if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cells.back() += c;
      }
    } else if (c == '"' && cells.back().empty()) {
      quoted = true;
    } else if (c == ',' || c == '\n') {
      cells.emplace_back();
    } else if (c != '\r') {
      cells.back() += c;
    }
  }
  return cells;
}

bool IsNegativeNumber(const std::string& cell) {
  return cell.size() > 1 && cell[0] == '-' && cell.find_first_not_of("0123456789.", 1) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = WriteFuzzFile(data, size, ".tape");
  const std::string text(reinterpret_cast<const char*>(data), size);

  tape::TapeIndex index;
  index.Load(path);
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    const std::string_view stamp = index.Stamp(row);
    if (!stamp.empty() && !tape::IsRealStamp(stamp)) std::abort();
    if (index.KindOf(row) == tape::TapeIndex::Kind::Date) continue;
    if (!tape::IsTapeLine(index.Line(row)) || !tape::IsNoteText(index.Note(row))) std::abort();
    if (!index.Trailer(row).empty() && !tape::IsTrailerLine(index.Trailer(row))) std::abort();
    if (index.KindOf(row) == tape::TapeIndex::Kind::FirstLine && index.BackCount(row) < 1) std::abort();
  }
  const tape::RowSpans all = tape::RowSpans::All(index);
  for (const std::string& cell : Cells(tape::CsvText(index, all).value().toStdString())) {
    if (!cell.empty() && std::string("=+@\t\r").find(cell[0]) != std::string::npos) std::abort();
    if (!cell.empty() && cell[0] == '-' && !IsNegativeNumber(cell)) std::abort();
  }
  tape::PlainText(index, all);
  tape::CopyText(index, {0, index.Rows() / 2, index.Rows()}, true);

  // An append on a small cap: the calculations before it, newest last, then the new one.
  const std::vector<std::string> before = Calculations(text);
  const std::string block = tape::FormatBlock("2026-12-07 10:00:00", {"12＋　", "34＝　", "46＊　"});
  tape::TapeFile file(path, 100);
  if (!file.Append(block, 5).written) std::abort();
  const std::vector<std::string> after = Calculations(ReadWhole(path));
  if (after.empty() || after.back() != Calculations(block).front() || after.size() - 1 > before.size()) std::abort();
  for (std::size_t i = 0; i + 1 < after.size(); ++i)
    if (after[i] != before[before.size() - (after.size() - 1) + i]) std::abort();

  if (!file.Append(tape::FormatNoteRecord("2026-12-07 10:00:00", 1, "=摘要,\"x\"") + "\n\n", 2).written) std::abort();
  if (Calculations(ReadWhole(path)) != after) std::abort();
  index.Load(path);
  if (index.Rows() == 0 || index.Note(index.Rows() - 1) != "=摘要,\"x\"") std::abort();
  return 0;
}
