#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tape {

struct Block;

// Which file a path names and how long it is: to notice a tape shortened or replaced under a
// reader. Equal when both are the same file at the same size.
struct FileState {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  std::uint64_t size = 0;

  static FileState Of(const std::string& path);
  bool SameFile(const FileState& other) const {
    return exists == other.exists && device == other.device && inode == other.inode;
  }
};

// The rows of the tape window: a date row above each day's calculations, then their lines. Only
// whole blocks (tape_blocks.h) become rows, and the index keeps its own copy of their text
// (nothing but stamps and lines), so that whatever happens to the file afterwards, a row is
// always there to be read; a row itself costs a few bytes. Of a file past the cap only the newest
// TapeFile::kMaxBytes are looked at, and at most about kMaxRows rows are kept. A block whose
// header is not a real date goes under a date row of its own without a date.
class TapeIndex {
 public:
  static constexpr std::size_t kMaxRows = 2000000;

  enum class Kind : std::uint8_t { Date, FirstLine, Line };

  // Reads the tape file; a missing or unreadable file gives an empty tape.
  void Load(const std::string& path);
  // The file as Load read it.
  const FileState& Loaded() const { return loaded_; }
  // A block written while the window is open (FormatBlock's text); one that is not whole is
  // ignored. The rows it added, at the end. Rows are never dropped here (see OverRowCap).
  std::size_t AddBlock(std::string_view block);
  // Past the row cap by a margin: DropOldestRows brings it back to kMaxRows (row numbers change).
  bool OverRowCap() const { return rows_.size() > kMaxRows + kMaxRows / 8; }
  void DropOldestRows();
  // Forgets every row (the tape was cleared).
  void Clear();

  std::size_t Rows() const { return rows_.size(); }
  Kind KindOf(std::size_t row) const { return rows_[row].kind; }
  // The tape line of a line row; empty for a date row.
  std::string_view Line(std::size_t row) const;
  // "YYYY-MM-DD HH:MM:SS" of the row's calculation; empty when its header held no real date.
  std::string_view Stamp(std::size_t row) const;

 private:
  struct Row {
    std::uint32_t offset;  // the line in text_ (for a date row, the stamp)
    std::uint32_t header;  // the stamp of the row's calculation in text_
    std::uint8_t length;
    Kind kind;
    bool dated;
  };

  void Add(const Block& block);
  void Drop(std::size_t rows);

  std::string text_;  // each block's stamp, then its lines, without line ends
  std::vector<Row> rows_;
  std::string lastDate_;
  bool lastDated_ = false;
  bool any_ = false;  // a block was added
  FileState loaded_;
};

}  // namespace tape
