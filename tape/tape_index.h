#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tape {

struct Block;
struct Record;

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
//
// The index also keeps what the record lines say of its calculations (tape_records.h): each
// one's trailer, its note (the last note record for it wins), and whether a later correction on
// the tape corrects it.
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
  // The stamp of the row's calculation as its header holds it, a real date or not.
  std::string_view HeaderStamp(std::size_t row) const;

  // Of the calculation that holds the line row `row`:
  // its rows [first, end),
  std::pair<std::size_t, std::size_t> CalculationRows(std::size_t row) const;
  // its trailer line (empty when it has none),
  std::string_view Trailer(std::size_t row) const;
  // its note (empty when it has none),
  std::string_view Note(std::size_t row) const;
  // whether a later calculation on the tape corrects it,
  bool Corrected(std::size_t row) const;
  // and how a record appended to the tape now refers to it: 1 when it is the newest calculation
  // with its header's stamp, 2 for the one before ... (tape_records.h).
  int BackCount(std::size_t row) const;
  // A note record for the row's calculation was appended to the tape.
  void SetNote(std::size_t row, std::string_view note);

 private:
  // A record that refers to a calculation before it: a note, or a correction's original.
  struct Reference {
    std::string stamp;
    int back;
    std::uint64_t before;  // the calculations read before it (dropped ones included)
    bool correction;
    std::string note;
  };
  struct Extra {
    std::string note;
    bool corrected = false;
  };

  struct Row {
    std::uint32_t offset;  // the line in text_ (for a date row, the stamp)
    std::uint32_t header;  // the stamp of the row's calculation in text_
    std::uint8_t length;
    Kind kind;
    bool dated;
  };

  void Add(const Block& block, std::vector<Reference>& references);
  void AddRecord(const Record& record, std::vector<Reference>& references) const;
  void Resolve(const std::vector<Reference>& references);
  // A row's calculation's extras; null when it has none.
  const Extra* ExtraOf(std::size_t row) const;

  // Each block's stamp, the length of its trailer (two bytes) and its trailer, then its lines,
  // without line ends.
  std::string text_;
  std::vector<Row> rows_;
  std::string lastDate_;
  bool lastDated_ = false;
  bool any_ = false;  // a block was added
  FileState loaded_;
  std::unordered_map<std::uint32_t, Extra> extras_;  // by the header offset of their calculation
  std::uint64_t calculations_ = 0;  // read so far, dropped ones included
  std::uint64_t dropped_ = 0;       // of them dropped
};

}  // namespace tape
