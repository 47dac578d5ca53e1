// The tape file: whole calculations survive a kill, hostile files read safely, the cap trims
// the oldest whole calculations, and two writers never mix their calculations.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "tape_file.h"
#include "tape_format.h"
#include "tape_index.h"
#include "tape_writer.h"

namespace {

namespace fs = std::filesystem;

class TapeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tape-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    path_ = (folder_ / "Tape.txt").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteRaw(const std::string& bytes) { std::ofstream(path_, std::ios::binary | std::ios::app) << bytes; }
  std::string ReadRaw() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Every line row of the tape, "|" between them.
  std::string Lines() const {
    tape::TapeIndex index;
    index.Load(path_);
    std::string out;
    for (std::size_t row = 0; row < index.Rows(); ++row) {
      if (index.KindOf(row) == tape::TapeIndex::Kind::Date) continue;
      out += (out.empty() ? "" : "|") + std::string(index.Line(row));
    }
    return out;
  }

  fs::path folder_;
  std::string path_;
};

std::string Block(const std::string& line) { return tape::FormatBlock("2026-12-07 10:00:00", {line + "＊　"}); }

TEST_F(TapeFileTest, OnlyWholeCalculationsAreRead) {
  const std::string whole = Block("1");
  struct Case {
    const char* name;
    std::string bytes;
    const char* lines;
  };
  const Case cases[] = {
      {"cut in the last line", whole + whole.substr(0, 25), "1＊　"},
      {"cut before the closing empty line", whole + whole.substr(0, whole.size() - 1), "1＊　"},
      {"garbage between", whole + "\x01\xff\xfe garbage\n\n" + Block("2"), "1＊　|2＊　"},
      {"invalid UTF-8 in a line", whole + "[2026-12-07 10:00:01]\n4\xC3\x28＊　\n\n" + Block("3"), "1＊　|3＊　"},
      {"overlong line", whole + "[2026-12-07 10:00:01]\n" + std::string(300, '9') + "\n\n", "1＊　"},
      {"a header that is not a date", "[2026-12-0x 10:00:00]\n5＊　\n\n" + whole, "1＊　"},
      {"CR LF line ends", "[2026-12-07 10:00:00]\r\n7＊　\r\n\r\n", "7＊　"},
      {"no lines at all", "[2026-12-07 10:00:00]\n\n", ""},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    fs::remove(path_);
    WriteRaw(c.bytes);
    EXPECT_EQ(Lines(), c.lines) << c.name;
  }
}

TEST_F(TapeFileTest, AppendAfterACutBlockKeepsTheNewOneAndDropsTheCutOne) {
  WriteRaw(Block("1") + Block("2").substr(0, 26));  // a write cut short mid-line
  tape::TapeFile file(path_, 1000);
  ASSERT_TRUE(file.Append(Block("3"), 3).written);
  EXPECT_EQ(Lines(), "1＊　|3＊　");
}

TEST_F(TapeFileTest, MissingUnreadableAndSpecialFilesGiveAnEmptyTape) {
  EXPECT_EQ(Lines(), "");  // missing
  fs::create_directory(path_);
  EXPECT_EQ(Lines(), "");  // a folder where the file should be
  tape::TapeFile file(path_, 1000);
  EXPECT_FALSE(file.Append(Block("1"), 3).written);  // reported, never a crash
}

TEST_F(TapeFileTest, AnUnwritableTapeIsReportedOnceAndRecordingOffWritesNothing) {
  const std::string settings = (folder_ / "Kelvo.ini").string();
  int reports = 0;
  tape::TapeWriter unwritable([&] { return settings; }, [&] { return (folder_ / "missing" / "Tape.txt").string(); });
  unwritable.onFailure = [&reports](const std::string&) { ++reports; };
  EXPECT_EQ(unwritable.Record({"1＊　"}), "");  // nothing to show as recorded
  unwritable.Record({"2＊　"});
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(unwritable.RecordingOn());

  std::ofstream(settings) << "[Tape]\nRecording=0\nMaxLines=-5\n";
  tape::TapeWriter off([&] { return settings; }, [&] { return path_; });
  EXPECT_EQ(off.Record({"1＊　"}), "");
  EXPECT_FALSE(fs::exists(path_));
}

// A tape over its cap that cannot be trimmed still gets every calculation, and says so once;
// a tape that cannot be written at all is a trouble of its own, reported when it starts.
TEST_F(TapeFileTest, EachTroubleIsReportedWhenItStartsAndNotAtEveryCalculation) {
  const std::string settings = (folder_ / "Kelvo.ini").string();
  std::ofstream(settings) << "[Tape]\nMaxLines=100\n";
  for (int i = 0; i < 30; ++i) WriteRaw(Block(std::to_string(i)));  // 90 lines
  std::vector<std::string> reports;
  tape::TapeWriter writer([&] { return settings; }, [&] { return path_; });
  writer.onFailure = [&reports](const std::string& message) { reports.push_back(message.substr(0, message.find('\n'))); };
  fs::create_directory(path_ + ".new");  // where the trim writes: it cannot
  for (int i = 0; i < 10; ++i) writer.Record({"777＊　"});
  EXPECT_EQ(reports, std::vector<std::string>{"計算はテープに保存しました。ただし、テープの上限を超えた古い計算を削除できません。"});
  const std::string lines = Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '7'), 3 * 10 + 3);  // every calculation is in, beside 7, 17 and 27
  fs::remove(path_ + ".new");
  for (int i = 0; i < 20 && !writer.LastRecordTrimmed(); ++i) writer.Record({"8＊　"});
  EXPECT_TRUE(writer.LastRecordTrimmed());
  const std::string trimmed = ReadRaw();
  EXPECT_LE(std::count(trimmed.begin(), trimmed.end(), '\n'), 100);
  fs::remove(path_);
  fs::create_directory(path_);  // now nothing can be written
  writer.Record({"9＊　"});
  writer.Record({"9＊　"});
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], "テープを保存できません。");
}

TEST_F(TapeFileTest, AHugeFileIsReadFromItsNewestPartInBoundedMemory) {
  {
    std::ofstream out(path_, std::ios::binary);
    out.seekp(200ll << 20);  // 200 MB, sparse: nothing but zero bytes
    out << "\n" << Block("8");
  }
  rusage before{};
  ::getrusage(RUSAGE_SELF, &before);
  EXPECT_EQ(Lines(), "8＊　");
  rusage after{};
  ::getrusage(RUSAGE_SELF, &after);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 100 * 1024) << "kB added";
}

TEST_F(TapeFileTest, OverTheCapTheOldestWholeCalculationsGo) {
  tape::TapeFile file(path_, 100);  // the fewest lines the settings allow
  for (int i = 0; i < 100; ++i)
    ASSERT_TRUE(file.Append(tape::FormatBlock("2026-12-07 10:00:00", {std::to_string(i) + "＋　", "1＝　", "2＊　"}), 5).written);
  const std::string text = ReadRaw();
  const auto lines = std::count(text.begin(), text.end(), '\n');
  EXPECT_LE(lines, 100);
  EXPECT_GE(lines, 50);
  EXPECT_TRUE(text.starts_with("[2026-12-07 10:00:00]\n")) << text.substr(0, 40);
  EXPECT_TRUE(text.ends_with("99＋　\n1＝　\n2＊　\n\n"));
  EXPECT_FALSE(fs::exists(path_ + ".new"));
}

TEST_F(TapeFileTest, TwoWritersNeverMixTheirCalculations) {
  constexpr int kBlocks = 400;
  pid_t children[2];
  for (int w = 0; w < 2; ++w) {
    children[w] = ::fork();
    if (children[w] == 0) {
      tape::TapeFile file(path_, 300);  // small: trims run while the other one appends
      const std::string figure(1, static_cast<char>('a' + w));
      for (int i = 0; i < kBlocks; ++i)
        file.Append(tape::FormatBlock("2026-12-07 10:00:00", {figure + "＋　", figure + "＝　", figure + "＊　"}), 5);
      ::_exit(0);
    }
  }
  for (pid_t child : children) ::waitpid(child, nullptr, 0);
  const std::string text = ReadRaw();
  // Every block is whole and holds one writer's lines only.
  tape::TapeIndex index;
  index.Load(path_);
  std::size_t blocks = 0;
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    if (index.KindOf(row) != tape::TapeIndex::Kind::FirstLine) continue;
    ++blocks;
    const char writer = index.Line(row)[0];
    ASSERT_EQ(index.Line(row + 1)[0], writer);
    ASSERT_EQ(index.Line(row + 2)[0], writer);
  }
  const auto headers = static_cast<std::size_t>(std::count(text.begin(), text.end(), '['));
  EXPECT_EQ(blocks, headers);
  EXPECT_GT(blocks, 20u);
  EXPECT_TRUE(text.ends_with("＊　\n\n"));
  EXPECT_LE(std::count(text.begin(), text.end(), '\n'), 300);
}

}  // namespace
