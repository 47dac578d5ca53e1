#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tape {

// The tape file on disk: whole calculations appended, the oldest dropped when over the cap, and
// the whole tape cleared. Several instances may append at once: every change happens under an
// exclusive lock on the file, an append is one write of a whole block with O_APPEND, and trimming
// and clearing replace the file through a temporary file renamed over it, so that a kill at any
// moment leaves either the old or the new tape, and at worst the block being written cut short
// (the reader skips it).
// What became of an append.
struct AppendOutcome {
  bool written = false;  // the block is in the file
  bool trimmed = false;  // and the file was replaced by its newest calculations
  bool overCap = false;  // written, but the file is over the cap and could not be trimmed
};

class TapeFile {
 public:
  // No file holds more than this: past it the reader looks only at the newest part.
  static constexpr std::uint64_t kMaxBytes = 64ull << 20;

  TapeFile(std::string path, std::size_t maxLines) : path_(std::move(path)), maxLines_(maxLines) {}

  const std::string& Path() const { return path_; }

  // Appends one block (FormatBlock's text), then drops the oldest calculations when the tape
  // holds more than the cap.
  AppendOutcome Append(std::string_view block, std::size_t blockLines);

  // Replaces the tape with an empty one. False when it cannot be written.
  bool Clear();

 private:
  // Keeps the newest whole blocks of the open, locked file `fd` within the cap (90 % of it, so
  // that a full tape is not rewritten at every calculation); the newest block stays whole even
  // when it alone is over. Reads only the end of the file, a chunk at a time.
  bool Trim(int fd, std::uint64_t size);
  // Whether the locked file may be over the cap: known exactly after one count, then kept up
  // to date as blocks are appended by this instance.
  bool MayBeOverCap(int fd, std::uint64_t sizeBefore, std::uint64_t sizeAfter, std::size_t blockLines);

  std::string path_;
  std::size_t maxLines_;
  // Lines of the file at size knownSize_, once counted; 0 size: not counted.
  std::uint64_t knownSize_ = 0;
  std::uint64_t knownLines_ = 0;
  // After a trim that failed (a folder that cannot be written), the next try waits until the
  // tape has grown by another tenth of the cap, so that every calculation does not pay for it.
  bool trimFailed_ = false;
  std::uint64_t retryLines_ = 0;
  std::uint64_t retryBytes_ = 0;
};

}  // namespace tape
