#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Where the calculations of a tape text lie: the one place that decides it, for the tape window,
// the exports and the trim alike.
//
// A calculation (a block) is a header line "[YYYY-MM-DD HH:MM:SS]" (digits where digits belong),
// one or more tape lines (IsTapeLine), and an empty line that closes it; line ends are LF or
// CR LF. Anything else drops the block: a line that is not a tape line, a block without lines,
// a text that ends before the empty line, a block longer than kMaxBlockBytes. Scanning then goes
// on at the line that broke it, so a header met inside a block starts the next one, and every
// other line between blocks is skipped.
//
// So whether a header starts a whole block depends only on the text from that header on: a scan
// that starts at any line start finds exactly the blocks after it that a scan from the start of
// the file finds. The trim relies on this to look at the end of a tape only.
//
// A record line (tape_records.h) right after a block's closing empty line is that block's
// trailer; any other whole record line between blocks (a note) is reported on its own, in its
// place among the blocks.
namespace tape {

// The longest calculation read as one; anything longer is not a calculation.
inline constexpr std::size_t kMaxBlockBytes = 4u << 20;

struct Block {
  std::uint64_t begin = 0;  // where its header line starts (the scan's base offset added)
  std::uint64_t end = 0;    // just past its closing empty line
  std::string_view stamp;   // "YYYY-MM-DD HH:MM:SS" as the header holds it
  bool dated = false;       // the stamp is a real date and time (IsRealStamp)
  std::vector<std::string_view> lines;  // its tape lines, without line ends
  std::string_view trailer;  // its trailer line, or empty
};

// A record line that is no block's trailer.
struct Record {
  std::uint64_t begin = 0;  // where it starts (the scan's base offset added)
  std::string_view line;    // without its line end
};

class BlockScanner {
 public:
  // Return false to end the scan.
  using OnBlock = std::function<bool(const Block&)>;
  using OnRecord = std::function<void(const Record&)>;

  // Scans `text`, which starts at a line start (or continues the text of the previous call where
  // that call said), reporting each whole block; `base` is added to the offsets reported. With
  // `final` false the text may go on: the scan stops before a block or line that the text ends
  // in and returns where that starts, so that the caller passes the text from there again with
  // more after it. With `final` true (the end of the file), or when onBlock ends the scan, it
  // returns text.size(). Records go to `onRecord` when it is given.
  std::size_t Scan(std::string_view text, std::uint64_t base, bool final, const OnBlock& onBlock,
                   const OnRecord& onRecord = {});

  // Whether the last scan ended inside a line too long to be anything: the next scan starts
  // after its end.
  bool InLongLine() const { return inLongLine_; }

 private:
  Block block_;  // reused, so that a scan allocates nothing per block
  bool inLongLine_ = false;
};

// Reads the blocks of the open file `fd` from byte `from` (moved on to the next line start unless
// it is one) to byte `to`, a chunk at a time, so that a tape of any size is read in bounded
// memory. The offsets reported are the file's. False when the file cannot be read.
bool ScanFile(int fd, std::uint64_t from, std::uint64_t to, const BlockScanner::OnBlock& onBlock,
              const BlockScanner::OnRecord& onRecord = {});

// The offset of the first line start at or after `from` in the open file `fd` (`to` when none
// comes before it).
std::uint64_t NextLineStart(int fd, std::uint64_t from, std::uint64_t to);

// Counts the line feeds in bytes [from, to) of the open file `fd`; false when it cannot be read.
bool CountLineFeeds(int fd, std::uint64_t from, std::uint64_t to, std::uint64_t& count);

// The offset just past the `count`-th line feed from `from` in the open file `fd` (`from` for
// none, `to` when there are fewer before it).
std::uint64_t OffsetAfterLineFeeds(int fd, std::uint64_t from, std::uint64_t to, std::uint64_t count);

}  // namespace tape
