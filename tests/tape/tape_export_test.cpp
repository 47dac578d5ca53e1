// What leaves the program: CSV fields, rows and cells, the rows a range chooses, and the
// clipboard text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tape_export.h"
#include "tape_format.h"

namespace {

tape::TapeIndex IndexOf(const std::string& text) {
  const auto path = std::filesystem::temp_directory_path() / ("tape-export-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary) << text;
  tape::TapeIndex index;
  index.Load(path.string());
  std::filesystem::remove(path);
  return index;
}

std::string Csv(const tape::TapeIndex& index) { return tape::CsvText(index, tape::RowSpans::All(index)).value().toStdString(); }

TEST(TapeExport, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
  const std::pair<const char*, const char*> cases[] = {
      {"1050", "1050"},           {"＋", "＋"},
      {"1,050", "\"1,050\""},     {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"a\nb", "\"a\nb\""},       {"a\rb", "\"a\rb\""},
      {"", ""},
  };
  for (const auto& [text, field] : cases) EXPECT_EQ(tape::CsvField(QString::fromUtf8(text)).toStdString(), field) << text;
}

// Each tape line as the cells of its CSV row after the date and time: a figure that is a plain
// number stays a number; any other cell that a spreadsheet would take as a formula gets an
// apostrophe in front.
TEST(TapeExport, CsvCellsNeverStartAFormula) {
  const std::pair<const char*, const char*> rows[] = {
      {"46＊　", "46,＊"},
      {"1,050税込", "1050,税込"},
      {"-2.5＝　", "-2.5,＝"},  // a negative figure is a number, not a formula
      {"0.125＋M", "0.125,＋M"},
      {"E　　", "E,"},
      {"=1+1", "'=1,'+1"},
      {"@SUM(1)", "'@SUM(,1)"},
      {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\",\"\"\")\""},
      {"+1+cmd|' /C calc'!A0", "'+1+cmd|' /C calc'!,A0"},
      {"-2+3=4", "'-2+3,'=4"},
      {"12+M", "12,'+M"},
      {"1-　", "1,'-"},
      {"1.2.3＊　", "1.2.3,＊"},
      {"--5＊　", "'--5,＊"},
  };
  for (const auto& [line, cells] : rows) {
    const tape::TapeIndex index = IndexOf(tape::FormatBlock("2026-12-07 15:44:41", {line}));
    EXPECT_EQ(Csv(index), std::string("\xEF\xBB\xBF日付,時刻,数値,記号,摘要\r\n2026-12-07,15:44:41,") + cells + ",\r\n") << line;
  }
  // Cells a tape line cannot hold but other text could.
  for (const char* text : {"\tx", "\rx", "+", "-", "@", "="})
    EXPECT_EQ(tape::InertCell(QString::fromUtf8(text)).toStdString(), std::string("'") + text);
}

TEST(TapeExport, ChosenRowsGoOutAsWholeCalculationsUnderTheirDates) {
  // 0 date, 1-2 the first day's calculation, 3 date, 4-6 and 7 the second day's two.
  const tape::TapeIndex index = IndexOf(tape::FormatBlock("2026-12-06 09:00:00", {"1＋　", "1＊　"}) +
                                        tape::FormatBlock("2026-12-07 09:00:00", {"2＋　", "2＝　", "4＊　"}) +
                                        tape::FormatBlock("2026-12-07 10:00:00", {"9＊　"}));
  ASSERT_EQ(index.Rows(), 8u);
  const auto rowsOf = [](const tape::RowSpans& spans) {
    std::vector<std::size_t> rows;
    spans.ForEach([&rows](std::size_t row) { rows.push_back(row); });
    return rows;
  };
  using Rows = std::vector<std::size_t>;
  const std::pair<Rows, Rows> cases[] = {
      {{5}, {3, 4, 5, 6}},                 // a line: its calculation, under its date
      {{2, 7}, {0, 1, 2, 3, 7}},           // two days: each under its own date
      {{4, 5, 6, 7}, {3, 4, 5, 6, 7}},     // the date once
      {{3}, {3, 4, 5, 6, 7}},              // a date row: its whole day
      {{0, 6}, {0, 1, 2, 3, 4, 5, 6}},
      {{}, {}},
      {{99}, {}},
  };
  for (const auto& [chosen, out] : cases) EXPECT_EQ(rowsOf(tape::CalculationsOf(index, chosen)), out) << testing::PrintToString(chosen);
  EXPECT_EQ(rowsOf(tape::DayOf(index, 7)), (Rows{3, 4, 5, 6, 7}));
  EXPECT_EQ(rowsOf(tape::DayOf(index, 1)), (Rows{0, 1, 2}));
  EXPECT_EQ(tape::CsvText(index, tape::DayOf(index, 1)).value().toStdString(),
            "\xEF\xBB\xBF日付,時刻,数値,記号,摘要\r\n2026-12-06,09:00:00,1,＋,\r\n2026-12-06,09:00:00,1,＊,\r\n");
  // A cancelled export gives nothing.
  EXPECT_FALSE(tape::PlainText(index, tape::RowSpans::All(index), [](std::size_t, std::size_t) { return false; }));
}

TEST(TapeExport, CsvTextAndClipboardOfATape) {
  const tape::TapeIndex index = IndexOf(tape::FormatBlock("2026-12-07 15:44:41", {"1,050税込", "-2.5\",", "46＊　"}) +
                                        "[2026-13-45 25:61:00]\n7＊　\n\n");
  EXPECT_EQ(Csv(index),
            "\xEF\xBB\xBF日付,時刻,数値,記号,摘要\r\n"
            "2026-12-07,15:44:41,1050,税込,\r\n"
            "2026-12-07,15:44:41,-2.5,\"\"\",\",\r\n"  // a hostile mark is quoted, never splits the row
            "2026-12-07,15:44:41,46,＊,\r\n"
            ",,7,＊,\r\n");  // an impossible date is no date
  EXPECT_EQ(tape::PlainText(index, tape::RowSpans::All(index)).value().toStdString(),
            "2026/12/07\n15:44  1,050税込\n        -2.5\",\n          46＊　\n\n日付なし\n           7＊　\n");
  EXPECT_EQ(tape::CopyText(index, {0, 1, 3}, false).toStdString(), "2026/12/07\n1,050\t税込\n46\t＊\n");
  EXPECT_EQ(tape::CopyText(index, {1}, true).toStdString(), "1050\t税込\n");
}

}  // namespace
