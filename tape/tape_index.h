#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tape {

// The rows of the tape window: a date row above each day's calculations, then their lines. The
// file is mapped, not copied, and each row keeps only where its line lies, so a tape of a million
// lines opens in a blink and costs a few bytes per row. Only whole, valid blocks become rows; a
// block cut short, garbage, invalid UTF-8 or overlong lines are skipped. Of a file past the cap
// only the newest TapeFile::kMaxBytes are looked at, and at most kMaxRows rows are kept.
class TapeIndex {
 public:
  static constexpr std::size_t kMaxRows = 2000000;

  enum class Kind : std::uint8_t { Date, FirstLine, Line };

  TapeIndex() = default;
  ~TapeIndex();
  TapeIndex(const TapeIndex&) = delete;
  TapeIndex& operator=(const TapeIndex&) = delete;

  // Reads the tape file; a missing or unreadable file gives an empty tape.
  void Load(const std::string& path);
  // A block written while the window is open (FormatBlock's text); one that is not valid is
  // ignored. The rows it added.
  std::size_t AddBlock(std::string_view block);
  // Forgets every row (the tape was cleared).
  void Clear();

  std::size_t Rows() const { return rows_.size(); }
  Kind KindOf(std::size_t row) const { return rows_[row].kind; }
  // The tape line of a line row; empty for a date row.
  std::string_view Line(std::size_t row) const;
  // "YYYY-MM-DD HH:MM:SS" of the row's calculation.
  std::string_view Stamp(std::size_t row) const;

 private:
  struct Row {
    std::uint32_t offset;  // the line (for a date row, the header) in its text
    std::uint32_t header;  // the block's header line in the same text
    std::uint8_t length;
    Kind kind;
    bool live;  // in live_ rather than in the map
  };

  void Parse(std::string_view text, bool live);
  void DropOldestRows();
  std::string_view TextOf(const Row& row) const;
  void Unmap();

  const char* map_ = nullptr;
  std::size_t mapLength_ = 0;
  std::size_t mapSkip_ = 0;  // bytes of the map before the part looked at (page alignment)
  std::string live_;
  std::vector<Row> rows_;
  std::string lastDate_;
};

}  // namespace tape
