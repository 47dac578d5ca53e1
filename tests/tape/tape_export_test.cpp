// What leaves the program: CSV fields and rows, and the clipboard text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tape_export.h"
#include "tape_format.h"

namespace {

TEST(TapeExport, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
  const std::pair<const char*, const char*> cases[] = {
      {"1050", "1050"},           {"＋", "＋"},
      {"1,050", "\"1,050\""},     {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"a\nb", "\"a\nb\""},       {"a\rb", "\"a\rb\""},
      {"", ""},
  };
  for (const auto& [text, field] : cases) EXPECT_EQ(tape::CsvField(QString::fromUtf8(text)).toStdString(), field) << text;
}

TEST(TapeExport, CsvAndClipboardOfATape) {
  const auto path = std::filesystem::temp_directory_path() / ("tape-export-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary) << tape::FormatBlock("2026-12-07 15:44:41", {"1,050税込", "-2.5\",", "46＊　"});
  tape::TapeIndex index;
  index.Load(path.string());
  std::filesystem::remove(path);

  EXPECT_EQ(tape::CsvText(index).toStdString(),
            "\xEF\xBB\xBF日付,時刻,数値,記号\r\n"
            "2026-12-07,15:44:41,1050,税込\r\n"
            "2026-12-07,15:44:41,-2.5,\"\"\",\"\r\n"  // a hostile mark is quoted, never splits the row
            "2026-12-07,15:44:41,46,＊\r\n");
  EXPECT_EQ(tape::CopyText(index, {0, 1, 3}, false).toStdString(), "2026/12/07\n1,050\t税込\n46\t＊\n");
  EXPECT_EQ(tape::CopyText(index, {1}, true).toStdString(), "1050\t税込\n");
}

}  // namespace
