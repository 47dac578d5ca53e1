// The record lines of the tape: how a calculation was made, its note and its correction, as the
// reader applies them, whatever the file holds around them, and after a trim.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "tape_blocks.h"
#include "tape_file.h"
#include "tape_format.h"
#include "tape_index.h"
#include "tape_records.h"

namespace {

namespace fs = std::filesystem;

std::string Block(const char* stamp, const char* first, const std::string& trailer = {}) {
  return tape::FormatBlock(stamp, {first, "1＊　"}, trailer);
}
std::string Note(const char* stamp, int back, const char* note) { return tape::FormatNoteRecord(stamp, back, note) + "\n\n"; }

// Each calculation a scan finds: its stamp and lines.
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

std::string WithoutRecords(const std::string& text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
    if (text[at] != '{') out.append(text, at, end - at);
    at = end;
  }
  return out;
}

// Each calculation of the file as read: its first line, [its note], and * when it was corrected.
std::string Read(const std::string& text) {
  const fs::path path = fs::temp_directory_path() / ("tape-records-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary) << text;
  tape::TapeIndex index;
  index.Load(path.string());
  fs::remove(path);
  std::string out;
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    if (index.KindOf(row) != tape::TapeIndex::Kind::FirstLine) continue;
    if (!out.empty()) out += '|';
    out += std::string(index.Line(row));
    if (!index.Note(row).empty()) out += "[" + std::string(index.Note(row)) + "]";
    if (index.Corrected(row)) out += '*';
  }
  return out;
}

TEST(TapeRecords, TrailersReadBackExactlyAndAnythingElseMeansNoSettings) {
  const tape::CalcSettings made{2, 0, 2, 0.08, true};
  const tape::Trailer back = tape::ParseTrailer(tape::FormatTrailer({made, 3}));
  ASSERT_TRUE(back.settings.has_value());
  EXPECT_EQ(*back.settings, made);  // the rate as the same double
  EXPECT_EQ(back.corrects, 3);
  EXPECT_EQ(tape::FormatTrailer({tape::CalcSettings{1, -9, 1, 0.1, false}, 0}), "{round=1 decimals=-9 percent=1 rate=0.1 reduced=0}");

  const std::pair<const char*, bool> lines[] = {
      {"{round=4 decimals=5 percent=1 rate=0.1 reduced=0}", true},
      {"{reduced=0 rate=0 percent=2 decimals=-9 round=1 later=more}", true},  // any order; unknown fields skipped
      {"{round=5 decimals=0 percent=1 rate=0.1 reduced=0}", false},
      {"{round=1 decimals=6 percent=1 rate=0.1 reduced=0}", false},
      {"{round=1 decimals=0 percent=3 rate=0.1 reduced=0}", false},
      {"{round=1 decimals=0 percent=1 rate=1.5 reduced=0}", false},
      {"{round=1 decimals=0 percent=1 rate=-0.1 reduced=0}", false},
      {"{round=1 decimals=0 percent=1 rate=nan reduced=0}", false},
      {"{round=+1 decimals=0 percent=1 rate=0.1 reduced=0}", false},
      {"{round=1 decimals=0 percent=1 rate=0.1}", false},
      {"{round=1 decimals=0 percent=1 rate=0.1 reduced=0", false},
      {"{note 2026-12-07 15:44:41 1 round=1 decimals=0 percent=1 rate=0.1 reduced=0}", false},
  };
  for (const auto& [line, read] : lines) EXPECT_EQ(tape::ParseTrailer(line).settings.has_value(), read) << line;
  for (const char* line : {"{corrects=0}", "{corrects=-1}", "{corrects=x}", "{corrects=1000000}"})
    EXPECT_EQ(tape::ParseTrailer(line).corrects, 0) << line;
  EXPECT_EQ(tape::FormatNoteRecord("2026-12-07 15:44:41", 1, "a\nb"), "");
  EXPECT_EQ(tape::FormatNoteRecord("2026-12-07 15:44:41", 1, "\xC3"), "") << "not UTF-8";
  EXPECT_EQ(tape::FormatNoteRecord("2026-12-07 1x:44:41", 1, "a"), "");
}

// A record refers to the n-th calculation before it with its header: never to a later one,
// never to one the file no longer holds, and the last note for a calculation wins.
TEST(TapeRecords, RecordsApplyToTheCalculationTheyName) {
  const char* s1 = "2026-12-07 10:00:00";
  const char* s2 = "2026-12-07 11:00:00";
  const std::string settings = tape::FormatTrailer({tape::CalcSettings{}, 0});
  struct Case {
    const char* name;
    std::string text;
    const char* read;
  };
  const Case cases[] = {
      {"a note", Block(s1, "1＋　") + Block(s2, "2＋　") + Note(s1, 1, "交通費"), "1＋　[交通費]|2＋　"},
      {"the last note wins", Block(s1, "1＋　") + Note(s1, 1, "a") + Note(s1, 1, "b"), "1＋　[b]"},
      {"an empty note removes it", Block(s1, "1＋　") + Note(s1, 1, "a") + Note(s1, 1, ""), "1＋　"},
      {"the same second", Block(s1, "1＋　") + Block(s1, "2＋　") + Note(s1, 2, "older") + Note(s1, 1, "newer"),
       "1＋　[older]|2＋　[newer]"},
      {"counted from the record", Block(s1, "1＋　") + Note(s1, 1, "a") + Block(s1, "2＋　"), "1＋　[a]|2＋　"},
      {"a later calculation", Note(s1, 1, "a") + Block(s1, "1＋　"), "1＋　"},
      {"too far back", Block(s1, "1＋　") + Note(s1, 2, "a"), "1＋　"},
      {"with trailers, CR LF", Block(s1, "1＋　", settings) + Note(s1, 1, "a"), "1＋　[a]"},
      {"cut short, then appended to", Block(s1, "1＋　") + "{note 2026-12-07 10:00:00 1 a\n[中断]\n\n" + Block(s2, "2＋　"),
       "1＋　|2＋　"},
      {"a correction", Block(s1, "1＋　") + Block(s1, "2＋　") + Block(s2, "2026-12-07 10:00:00訂正", "{corrects=2}"),
       "1＋　*|2＋　|2026-12-07 10:00:00訂正"},
      {"a correction without its trailer", Block(s1, "1＋　") + Block(s1, "2＋　") + Block(s2, "2026-12-07 10:00:00訂正"),
       "1＋　|2＋　*|2026-12-07 10:00:00訂正"},
      {"a trailer not right after its block", Block(s1, "1＋　") + "x\n" + settings + "\n\n" + Block(s2, "2＋　"), "1＋　|2＋　"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.text), c.read) << c.name;
    std::string crlf;
    for (const char ch : c.text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(Read(crlf), c.read) << c.name << " (CR LF)";
    // Records change no calculation: the same are read with every record line taken out.
    EXPECT_EQ(Calculations(c.text), Calculations(WithoutRecords(c.text))) << c.name;
  }
}

// A trim drops the oldest calculations: a note whose calculation went stays without effect, the
// others keep theirs, and an append after a record needs no closing line.
TEST(TapeRecords, ATrimKeepsEveryNoteOfTheCalculationsKept) {
  const fs::path path = fs::temp_directory_path() / ("tape-records-trim-" + std::to_string(::getpid()));
  std::string text;
  for (int i = 0; i < 60; ++i) text += Block("2026-12-07 10:00:00", (std::to_string(i) + "＋　").c_str());
  text += Note("2026-12-07 10:00:00", 60, "the oldest") + Note("2026-12-07 10:00:00", 1, "the newest");
  std::ofstream(path, std::ios::binary) << text;
  tape::TapeFile file(path.string(), 100);
  ASSERT_TRUE(file.Append(Block("2026-12-07 11:00:00", "new＋　"), 4).trimmed);
  tape::TapeIndex index;
  index.Load(path.string());
  std::string notes;
  std::size_t calculations = 0;
  for (std::size_t row = 0; row < index.Rows(); ++row) {
    if (index.KindOf(row) != tape::TapeIndex::Kind::FirstLine) continue;
    ++calculations;
    if (!index.Note(row).empty()) notes += std::string(index.Line(row)) + "=" + std::string(index.Note(row)) + " ";
  }
  EXPECT_LT(calculations, 61u);
  EXPECT_EQ(notes, "59＋　=the newest ");
  std::ifstream in(path, std::ios::binary);
  const std::string after{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(after.find("[中断]"), std::string::npos);
  fs::remove(path);
}

}  // namespace
