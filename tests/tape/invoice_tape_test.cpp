// The tax per rate table on the paper tape, read back as the tape window and its exports read
// it: every line splits into its figure and a two-character mark, the amounts stay numbers in
// the CSV file, and the total's mark stands alone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "invoice.h"
#include "tape_export.h"
#include "tape_format.h"
#include "tape_index.h"

namespace {

tape::TapeIndex IndexOf(const std::string& text) {
  const auto path = std::filesystem::temp_directory_path() / ("invoice-tape-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary) << text;
  tape::TapeIndex index;
  index.Load(path.string());
  std::filesystem::remove(path);
  return index;
}

TEST(InvoiceTape, TheTableReadsBackAsOneCalculation) {
  kelvo::InvoiceRegisters registers;
  for (int i = 0; i < 3; ++i) registers.Add(0.1, false, kelvo::TaxDirection::AddTax, "105");
  registers.Add(0.08, true, kelvo::TaxDirection::AddTax, "1000");
  registers.Add(0.08, true, kelvo::TaxDirection::RemoveTax, "-108");  // a return with tax
  const std::vector<std::string> lines =
      kelvo::InvoiceTapeLines(kelvo::InvoiceTable(registers, kelvo::InvoiceRounding::Down, 0.1, 0.08),
                              kelvo::InvoiceRounding::Down);
  const tape::TapeIndex index = IndexOf(tape::FormatBlock("2026-12-07 15:44:41", lines) + "\n");
  ASSERT_EQ(index.Rows(), 1 + lines.size());  // the date row, then every line of one calculation

  struct Line {
    const char* figure;
    const char* mark;
    const char* csv;  // the figure and mark cells of its CSV row
  };
  const Line expected[] = {
      {"切り捨て", "端数", "切り捨て,端数"}, {"10%", "税率", "10%,税率"},   {"3", "件数", "3,件数"},
      {"315", "税抜", "315,税抜"},           {"31", "税額", "31,税額"},     {"346", "税込", "346,税込"},
      {"軽8%", "税率", "軽8%,税率"},         {"2", "件数", "2,件数"},       {"900", "税抜", "900,税抜"},
      {"72", "税額", "72,税額"},             {"972", "税込", "972,税込"},   {"", "合計", ",合計"},
      {"5", "件数", "5,件数"},               {"1,215", "税抜", "1215,税抜"}, {"103", "税額", "103,税額"},
      {"1,318", "税込", "1318,税込"},
  };
  ASSERT_EQ(lines.size(), std::size(expected));
  const std::string csv = tape::CsvText(index, tape::RowSpans::All(index)).value().toStdString();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    const tape::SplitLine split = tape::Split(index.Line(i + 1));
    EXPECT_EQ(split.figure, expected[i].figure);
    EXPECT_EQ(split.mark, expected[i].mark);
    EXPECT_NE(csv.find(std::string("2026-12-07,15:44:41,") + expected[i].csv + "\r\n"), std::string::npos) << csv;
  }
}

}  // namespace
