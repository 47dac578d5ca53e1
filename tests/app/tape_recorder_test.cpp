// Key sequences and the tape lines they record.
#include <gtest/gtest.h>

#include <sstream>

#include "key_script.h"
#include "recording_display.h"
#include "tape_recorder.h"

namespace {

// The blocks the keys record, lines joined by "|" and blocks by " / ". "kenzan" opens the check
// tape, which is shown anew at every calculation.
std::string Record(const std::string& keys, double rate, bool reduced = false) {
  kelvo::RecordingDisplay display;
  display.settings.taxRate = rate;
  display.settings.reducedTaxRate = reduced;
  kelvo::Calculator calculator(display);
  std::istringstream tokens(keys);
  std::string token, out;
  while (tokens >> token) {
    const int code = kelvo::KeyTokenCode(token);
    EXPECT_GE(code, 0) << token;
    const std::vector<std::string> lines = calculator.PressKey(code);
    calculator.ReleaseKey(code);
    if (lines.empty()) continue;
    if (!out.empty()) out += " / ";
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? "|" : "") + lines[i];
  }
  return out;
}

TEST(TapeRecorder, RecordsWhatEachCalculationPrints) {
  struct Row {
    const char* keys;
    double rate;
    const char* lines;
    bool reduced = false;
  };
  const Row rows[] = {
      {"1 2 + 3 4 =", 0.05, "12＋　|34＝　|46＊　"},
      {"1 2 3 4 + 1 =", 0.05, "1,234＋　|1＝　|1,235＊　"},
      {"1 2 +", 0.05, ""},  // nothing completed yet
      {"5 0 + 1 0 %", 0.05, "50＋　|10％　|55＊　"},
      // Tax keys with the amount and the rate used, then the tax amount on the second press.
      {"1 0 0 0 tax+", 0.05, "1,000 　|5%税率|1,050税込"},
      {"1 0 8 0 tax-", 0.08, "1,080 　|8%税率|1,000税抜"},
      {"1 0 0 0 tax+ tax+", 0.1, "1,000 　|10%税率|1,100税込 / 10%税率|100税額"},
      {"2 0 0 tax+", 0.025, "200 　|2.5%税率|205税込"},
      {"1 2 + 3 4 = tax+", 0.1, "12＋　|34＝　|46＊　 / 46 　|10%税率|50.6税込"},  // the amount is the result shown
      {"1 0 0 0 tax+", 0.08, "1,000 　|軽8%税率|1,080税込", true},  // the reduced rate is named when used
      // Grand total and memory: recall, M+ of a shown figure, M+ finishing a calculation.
      {"1 2 + 3 4 = gt", 0.05, "12＋　|34＝　|46＊　 / 46GT"},
      {"gt gt", 0.05, "0GT"},  // the second press clears: no line
      {"5 m+ 7 m- mr", 0.05, "5＋M / 7－M / -2MR"},
      {"2 * 3 m+", 0.05, "2×　|3＝　|6＋M"},
      // Errors end the calculation with an E line.
      {"1 0 / 0 =", 0.05, "10÷　|E　　"},
      {"9 9 9 9 9 9 9 9 9 9 9 9 9 9 * 1 0 =", 0.05, "99,999,999,999,999×　|10＝　|999,999,999,999,990＊　|E　　"},
      {"1 0 / 0 = 5 + 5 = c 1 + 1 =", 0.05, "10÷　|E　　 / 1＋　|1＝　|2＊　"},  // keys in error add nothing
      // With the check tape open every line keeps its two-character mark.
      {"kenzan 1 2 + 3 4 =", 0.05, "12＋　|34＝　|46＊　"},
      {"1 2 + 3 4 = kenzan 5 + 6 = =", 0.05, "12＋　|34＝　|46＊　 / 5＋　|6＝　|11＊　 / ＝　|17＊　"},
      {"kenzan 2 * 3 m+ 5 m-", 0.05, "2×　|3＝　|6＋M / 5－M"},
  };
  for (const Row& row : rows) EXPECT_EQ(Record(row.keys, row.rate, row.reduced), row.lines) << row.keys;
}

}  // namespace
