// Hostile tape files, and the tape changed by another program while the window has it open: the
// rows read stay readable and unchanged, the change is noticed, and the next calculation's append
// (with its trim) keeps what it must.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "tape_file.h"
#include "tape_format.h"
#include "tape_index.h"

namespace {

namespace fs = std::filesystem;
using tape::TapeIndex;

enum class Edit { None, Shrink, Empty, Replace };
enum class Seen { Same, Shorter, Replaced };

// `count` calculations i + 1 = (i + 1), over days, with the given line end.
std::string Calculations(int count, const char* lineEnd = "\n") {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const std::string day = "2026-12-" + std::to_string(10 + i / 100000) + " 10:00:00";
    for (const std::string& line : {"[" + day + "]", std::to_string(i) + "＋　", std::string("1＝　"),
                                    std::to_string(i + 1) + "＊　", std::string()})
      text += line + lineEnd;
  }
  return text;
}

std::vector<std::string> SumOfOnes(int terms) {
  std::vector<std::string> lines(static_cast<std::size_t>(terms - 1), "1＋　");
  lines.push_back("1＝　");
  lines.push_back(std::to_string(terms) + "＊　");
  return lines;
}

// Every row read, folded into one number: reading a row the index no longer has would fail here.
std::uint64_t Digest(const TapeIndex& index) {
  std::uint64_t digest = 1469598103934665603ull;
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    for (const std::string_view part : {index.Line(row), index.Stamp(row)})
      for (const char c : part) digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    digest = (digest ^ static_cast<std::uint64_t>(index.KindOf(row))) * 1099511628211ull;
  }
  return digest;
}

Seen SeenChange(const tape::FileState& read, const tape::FileState& now) {
  if (!now.SameFile(read)) return Seen::Replaced;
  return now.size < read.size ? Seen::Shorter : Seen::Same;
}

std::size_t CalculationsIn(const TapeIndex& index) {
  std::size_t count = 0;
  for (std::size_t row = 0; row < index.Rows(); ++row) count += index.KindOf(row) == TapeIndex::Kind::FirstLine;
  return count;
}

struct HostileCase {
  const char* name;
  std::function<std::string()> tape;  // the file (made when the case runs: one is large)
  int liveCalculations;               // recorded while the window is open
  Edit edit;                          // then done to the file by another program
  Seen seen;
  std::size_t maxLines;               // the cap of the append that follows
  std::vector<std::string> appended;  // that calculation
  std::size_t keptAtLeast, keptAtMost;  // calculations read afterwards, the appended one included
};

class HostileTapeTest : public ::testing::TestWithParam<HostileCase> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("hostile-tape-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    path_ = (folder_ / "Tape.txt").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  std::string path_;
};

TEST_P(HostileTapeTest, RowsStayReadableTheChangeIsSeenAndTheNextAppendKeepsWholeCalculations) {
  const HostileCase& c = GetParam();
  std::ofstream(path_, std::ios::binary) << c.tape();
  TapeIndex index;
  index.Load(path_);
  const std::string live = tape::FormatBlock("2026-12-31 23:59:59", {"8＋　", "1＝　", "9＊　"});
  for (int i = 0; i < c.liveCalculations; ++i) {
    const std::size_t added = index.AddBlock(live);
    ASSERT_EQ(added, i == 0 ? 4u : 3u);  // a date row above the first
    if (index.OverRowCap()) index.DropOldestRows();
  }
  ASSERT_LE(index.Rows(), TapeIndex::kMaxRows + TapeIndex::kMaxRows / 8);
  ASSERT_GE(index.Rows(), 3u);
  EXPECT_EQ(index.KindOf(0), TapeIndex::Kind::Date);
  EXPECT_EQ(index.Line(index.Rows() - 3), "8＋　");
  EXPECT_EQ(index.Line(index.Rows() - 1), "9＊　");
  const std::uint64_t before = Digest(index);

  switch (c.edit) {
    case Edit::None: break;
    case Edit::Shrink: fs::resize_file(path_, fs::file_size(path_) / 3); break;
    case Edit::Empty: fs::resize_file(path_, 0); break;
    case Edit::Replace: {
      const std::string other = path_ + ".other";
      std::ofstream(other, std::ios::binary) << Calculations(2);
      fs::rename(other, path_);
      break;
    }
  }
  EXPECT_EQ(Digest(index), before);
  EXPECT_EQ(SeenChange(index.Loaded(), tape::FileState::Of(path_)), c.seen);

  tape::TapeFile file(path_, c.maxLines);
  const tape::AppendOutcome outcome = file.Append(tape::FormatBlock("2027-01-04 09:00:00", c.appended), c.appended.size() + 2);
  EXPECT_TRUE(outcome.written);
  EXPECT_FALSE(outcome.overCap);
  TapeIndex after;
  after.Load(path_);
  EXPECT_GE(CalculationsIn(after), c.keptAtLeast);
  EXPECT_LE(CalculationsIn(after), c.keptAtMost);
  ASSERT_GT(after.Rows(), 0u);
  EXPECT_EQ(after.Line(after.Rows() - 1), c.appended.back());
  EXPECT_EQ(after.Stamp(after.Rows() - 1), "2027-01-04 09:00:00");
}

INSTANTIATE_TEST_SUITE_P(
    Tapes, HostileTapeTest,
    ::testing::Values(
        HostileCase{"ShrunkInPlace", [] { return Calculations(21); }, 1, Edit::Shrink, Seen::Shorter, 1000, {"7＊　"}, 7, 8},
        HostileCase{"Emptied", [] { return Calculations(20); }, 1, Edit::Empty, Seen::Shorter, 1000, {"7＊　"}, 1, 1},
        HostileCase{"Replaced", [] { return Calculations(20); }, 1, Edit::Replace, Seen::Replaced, 1000, {"7＊　"}, 3, 3},
        HostileCase{"EmptyFile", [] { return std::string(); }, 1, Edit::None, Seen::Same, 1000, {"7＊　"}, 1, 1},
        // 100 lines of CR LF plus 5: trimmed to 90 lines, 17 old calculations and the new one.
        HostileCase{"CrLfLineEndsAtTheTrim", [] { return Calculations(20, "\r\n"); }, 1, Edit::None, Seen::Same, 100,
                    {"5＋　", "5＝　", "10＊　"}, 16, 18},
        // 99 lines on their own, over the trim's 90: the newest calculation stays whole, alone.
        HostileCase{"OneCalculationLongerThanTheTrimTarget",
                    [] { return tape::FormatBlock("2026-12-07 10:00:00", {"5＋　", "5＝　", "10＊　"}); }, 1, Edit::None,
                    Seen::Same, 100, SumOfOnes(96), 1, 1},
        // 2.1 million rows read (2 million kept), then new ones past the cap: the oldest go.
        HostileCase{"OverTwoMillionRowsPlusLiveCalculations", [] { return Calculations(700000); }, 90000, Edit::None,
                    Seen::Same, 1000000, {"7＊　"}, 170000, 180001}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

}  // namespace
