// Calculations of the tape recomputed with one figure corrected, on a calculator of their own.
#include <gtest/gtest.h>

#include <sstream>

#include "key_script.h"
#include "recording_display.h"
#include "tape_records.h"
#include "tape_recorder.h"
#include "tape_replay.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? "|" : "") + lines[i];
  return out;
}

std::vector<std::string> Lines(const std::string& joined) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t bar; (bar = joined.find('|', at)) != std::string::npos; at = bar + 1) lines.push_back(joined.substr(at, bar - at));
  lines.push_back(joined.substr(at));
  return lines;
}

// The last calculation the keys record with these settings.
std::vector<std::string> LastRecorded(const std::string& keys, const kelvo::EngineSettings& settings) {
  kelvo::RecordingDisplay display;
  display.settings = settings;
  kelvo::Calculator calculator(display);
  std::istringstream tokens(keys);
  std::vector<std::string> last;
  for (std::string token; tokens >> token;) {
    const int code = kelvo::KeyTokenCode(token);
    EXPECT_GE(code, 0) << token;
    if (std::vector<std::string> lines = calculator.PressKey(code); !lines.empty()) last = std::move(lines);
    calculator.ReleaseKey(code);
  }
  return last;
}

kelvo::EngineSettings Made(int round, int decimals, int percent = 1, double rate = 0.10, bool reduced = false) {
  kelvo::EngineSettings settings;
  settings.roundSelector = round;
  settings.decimalSelector = decimals;
  settings.percentType = percent;
  settings.taxRate = rate;
  settings.reducedTaxRate = reduced;
  return settings;
}

const kelvo::EngineSettings kPlain = Made(1, -9);  // F and F: nothing rounded

// A correction as the main window makes it: with the settings the calculation's trailer gives
// back, or with those in force now when it has none.
kelvo::Replayed Correct(const std::vector<std::string>& lines, const kelvo::EngineSettings* then, const kelvo::EngineSettings& now,
                        std::size_t line, const std::string& figure) {
  if (then == nullptr) return kelvo::Replay(lines, now, line, figure, false);
  const tape::Trailer trailer = tape::ParseTrailer(tape::FormatTrailer({kelvo::RecordedSettings(*then), 0}));
  EXPECT_TRUE(trailer.settings.has_value());
  return kelvo::Replay(lines, kelvo::WithRecorded(now, trailer.settings.value_or(tape::CalcSettings{})), line, figure, true);
}

TEST(TapeReplay, ACorrectedFigureRecomputesTheCalculationAsItWasMade) {
  const kelvo::EngineSettings cut0 = Made(2, 0), sharp = Made(1, 5, 1), markUp = Made(1, 5, 2);
  const kelvo::EngineSettings five = Made(1, 5, 1, 0.05), eight = Made(1, 5, 1, 0.08), reduced = Made(1, 5, 1, 0.08, true);
  struct Row {
    const char* what;
    const char* keys;
    const kelvo::EngineSettings* then;  // none: recorded before calculations kept their settings
    kelvo::EngineSettings made;         // the settings the keys were pressed with
    kelvo::EngineSettings now;
    std::size_t line;
    const char* figure;
    const char* recorded;
    const char* corrected;
  };
  const Row rows[] = {
      {"sum", "1 2 + 3 4 =", &kPlain, kPlain, kPlain, 1, "43", "12＋　|34＝　|46＊　", "12＋　|43＝　|55＊　"},
      {"sum, grouped figure typed", "1 2 + 3 4 =", &kPlain, kPlain, kPlain, 0, "1,200", "12＋　|34＝　|46＊　",
       "1,200＋　|34＝　|1,234＊　"},
      {"chain with x and ÷", "1 2 * 3 / 4 =", &kPlain, kPlain, kPlain, 0, "20", "12×　|3÷　|4＝　|9＊　", "20×　|3÷　|4＝　|15＊　"},
      {"negative figure", "1 2 * 3 / 4 =", &kPlain, kPlain, kPlain, 1, "-3", "12×　|3÷　|4＝　|9＊　", "12×　|-3÷　|4＝　|-9＊　"},
      {"percent added, first convention", "5 0 + 1 0 %", &sharp, sharp, markUp, 0, "200", "50＋　|10％　|55＊　",
       "200＋　|10％　|220＊　"},
      {"percent added, mark-up convention", "9 0 + 1 0 %", &markUp, markUp, sharp, 0, "180", "90＋　|10％　|100＊　",
       "180＋　|10％　|200＊　"},
      {"percent of", "2 0 0 * 1 5 %", &sharp, sharp, markUp, 1, "8", "200×　|15％　|30＊　", "200×　|8％　|16＊　"},
      {"tax at 5%", "1 0 0 0 tax+", &five, five, kPlain, 0, "2000", "1,000 　|5%税率|1,050税込", "2,000 　|5%税率|2,100税込"},
      {"tax at 8%", "1 0 0 0 tax+", &eight, eight, kPlain, 0, "2000", "1,000 　|8%税率|1,080税込", "2,000 　|8%税率|2,160税込"},
      {"tax at 10%", "1 1 0 0 tax-", &kPlain, kPlain, five, 0, "2200", "1,100 　|10%税率|1,000税抜", "2,200 　|10%税率|2,000税抜"},
      {"tax at the reduced 8%", "1 0 0 0 tax+", &reduced, reduced, kPlain, 0, "500", "1,000 　|軽8%税率|1,080税込",
       "500 　|軽8%税率|540税込"},
      {"tax on a result", "1 2 + 3 4 = tax+", &kPlain, kPlain, five, 0, "50", "46 　|10%税率|50.6税込", "50 　|10%税率|55税込"},
      {"round selector cut to 0 places at the time", "1 0 / 3 =", &cut0, cut0, kPlain, 0, "20", "10÷　|3＝　|3＊　",
       "20÷　|3＝　|6＊　"},
      {"recorded without settings: those of now", "1 0 / 3 =", nullptr, cut0, kPlain, 0, "20", "10÷　|3＝　|3＊　",
       "20÷　|3＝　|6.6666666666666＊　"},
      {"ended by M+", "2 * 3 m+", &kPlain, kPlain, kPlain, 1, "4", "2×　|3＝　|6＋M", "2×　|4＝　|8＋M"},
      {"a shown figure put into memory", "5 m+", &kPlain, kPlain, kPlain, 0, "7", "5＋M", "7＋M"},
      {"a correction corrected again", "", &kPlain, kPlain, kPlain, 2, "5", "2026-12-07 15:44:41訂正|12＋　|43＝　|55＊　",
       "12＋　|5＝　|17＊　"},
  };
  for (const Row& row : rows) {
    const std::vector<std::string> lines = *row.keys != '\0' ? LastRecorded(row.keys, row.made) : Lines(row.recorded);
    ASSERT_EQ(Joined(lines), row.recorded) << row.what;
    const kelvo::Replayed replayed = Correct(lines, row.then, row.now, row.line, row.figure);
    EXPECT_EQ(replayed.why, "") << row.what;
    EXPECT_EQ(Joined(replayed.lines), row.corrected) << row.what;
  }
}

TEST(TapeReplay, CalculationsTheLinesCannotRepeatAreRefusedWithAReason) {
  struct Row {
    const char* what;
    const char* lines;
    std::size_t line;
    const char* figure;
    const char* reason;  // a part of the reason given
  };
  const Row rows[] = {
      {"memory recall", "-2MR", 0, "3", "メモリー"},
      {"grand total", "46GT", 0, "3", "GT"},
      {"constant calculation", "＝　|17＊　", 0, "3", "定数"},
      {"ended in error", "10÷　|E　　", 0, "3", "エラー"},
      {"cut short", "12＋　|34＝　", 0, "3", "途中"},
      {"tax shown by a second tax key", "10%税率|100税額", 0, "3", "税額"},
      {"tax recorded without its amount", "10%税率|1,100税込", 0, "3", "元の金額"},
      {"a side window's lines", "1:30時間|2:00時間", 0, "3", "電卓のキー"},
      {"a result line", "12＋　|34＝　|46＊　", 2, "3", "入力した数値ではない"},
      {"a figure that is no number", "12＋　|34＝　|46＊　", 1, "3a", "数値として読めません"},
      {"a figure longer than the display", "12＋　|34＝　|46＊　", 1, "123456789012345", "14 桁"},
      {"a result the lines do not give", "12＋　|34＝　|47＊　", 1, "3", "同じ結果になりません"},
  };
  for (const Row& row : rows) {
    const std::vector<std::string> lines = Lines(row.lines);
    const kelvo::Replayed replayed = Correct(lines, &kPlain, kPlain, row.line, row.figure);
    EXPECT_TRUE(replayed.lines.empty()) << row.what;
    EXPECT_NE(replayed.why.find(row.reason), std::string::npos) << row.what << ": " << replayed.why;
    // The tape window greys the item on the kinds no figure of which can be corrected.
    if (row.line == 0 && std::string_view(row.figure) == "3") {
      EXPECT_NE(kelvo::CheckReplay(lines).why, "") << row.what;
    }
  }
  EXPECT_EQ(kelvo::CheckReplay(Lines("12×　|3÷　|4＝　|9＊　")).figures, (std::vector<std::size_t>{0, 1, 2}));
}

}  // namespace
