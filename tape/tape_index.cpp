#include "tape_index.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "tape_file.h"
#include "tape_format.h"

namespace tape {
namespace {

// One line of `text` from `at`: its end (LF or the end of the text), without a CR before the LF.
struct LineSpan {
  std::size_t begin;
  std::size_t length;
  std::size_t next;  // start of the following line
  bool complete;     // ended by LF
};

LineSpan NextLine(std::string_view text, std::size_t at) {
  const void* found = std::memchr(text.data() + at, '\n', text.size() - at);
  if (found == nullptr) return {at, text.size() - at, text.size(), false};
  const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
  std::size_t length = end - at;
  if (length > 0 && text[end - 1] == '\r') --length;  // written by an editor that uses CR LF
  return {at, length, end + 1, true};
}

}  // namespace

TapeIndex::~TapeIndex() { Unmap(); }

void TapeIndex::Unmap() {
  if (map_ != nullptr) ::munmap(const_cast<char*>(map_), mapLength_);
  map_ = nullptr;
  mapLength_ = mapSkip_ = 0;
}

void TapeIndex::Clear() {
  Unmap();
  live_.clear();
  rows_.clear();
  rows_.shrink_to_fit();
  lastDate_.clear();
}

void TapeIndex::Load(const std::string& path) {
  Clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
    ::close(fd);
    return;
  }
  // The newest part of a file past the cap, from a page boundary.
  const auto size = static_cast<std::uint64_t>(info.st_size);
  const std::uint64_t wanted = size > TapeFile::kMaxBytes ? size - TapeFile::kMaxBytes : 0;
  const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
  const std::uint64_t mapStart = wanted / page * page;
  void* mapped = ::mmap(nullptr, size - mapStart, PROT_READ, MAP_PRIVATE, fd, static_cast<off_t>(mapStart));
  ::close(fd);
  if (mapped == MAP_FAILED) return;
  ::madvise(mapped, size - mapStart, MADV_SEQUENTIAL);
  map_ = static_cast<const char*>(mapped);
  mapLength_ = size - mapStart;
  mapSkip_ = wanted - mapStart;
  rows_.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(mapLength_ / 12, kMaxRows)));
  Parse(std::string_view(map_, mapLength_), false);
}

std::size_t TapeIndex::AddBlock(std::string_view block) {
  const std::size_t before = rows_.size();
  const std::size_t start = live_.size();
  live_.append(block);
  Parse(std::string_view(live_).substr(start), true);
  // Offsets are kept relative to the whole live text.
  for (std::size_t row = before; row < rows_.size(); ++row) {
    rows_[row].offset += static_cast<std::uint32_t>(start);
    rows_[row].header += static_cast<std::uint32_t>(start);
  }
  if (rows_.size() == before) live_.resize(start);
  return rows_.size() - before;
}

void TapeIndex::Parse(std::string_view text, bool live) {
  std::size_t at = live ? 0 : mapSkip_;
  while (at < text.size()) {
    LineSpan header = NextLine(text, at);
    at = header.next;
    if (!header.complete || !IsStampLine(text.substr(header.begin, header.length))) continue;
    // A block: its lines up to the closing empty line. Anything else drops the block; a header
    // met inside it starts the next one.
    const std::size_t firstRow = rows_.size();
    const std::string date(text.substr(header.begin + 1, 10));
    const auto headerOffset = static_cast<std::uint32_t>(header.begin);
    if (date != lastDate_) rows_.push_back({headerOffset, headerOffset, 0, Kind::Date, live});
    bool closed = false;
    while (at < text.size()) {
      const LineSpan line = NextLine(text, at);
      if (!line.complete) break;
      const std::string_view content = text.substr(line.begin, line.length);
      if (content.empty()) {
        closed = true;
        at = line.next;
        break;
      }
      if (!IsTapeLine(content)) break;
      const Kind kind = rows_.size() == firstRow || rows_.back().kind == Kind::Date ? Kind::FirstLine : Kind::Line;
      rows_.push_back({static_cast<std::uint32_t>(line.begin), headerOffset, static_cast<std::uint8_t>(line.length), kind, live});
      at = line.next;
    }
    const bool hasLines = !rows_.empty() && rows_.size() > firstRow && rows_.back().kind != Kind::Date;
    if (!closed || !hasLines) {
      rows_.resize(firstRow);
      continue;
    }
    lastDate_ = date;
    if (rows_.size() > kMaxRows + kMaxRows / 2) DropOldestRows();
  }
  if (rows_.size() > kMaxRows) DropOldestRows();
}

void TapeIndex::DropOldestRows() {
  // Cut at a calculation's first line; the row before it becomes that day's date row.
  std::size_t cut = rows_.size() - kMaxRows;
  while (cut < rows_.size() && rows_[cut].kind != Kind::FirstLine) ++cut;
  if (cut == rows_.size() || cut == 0) return;
  --cut;
  if (rows_[cut].kind != Kind::Date) {
    const Row& first = rows_[cut + 1];
    rows_[cut] = {first.header, first.header, 0, Kind::Date, first.live};
  }
  rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(cut));
}

std::string_view TapeIndex::TextOf(const Row& row) const {
  return row.live ? std::string_view(live_) : std::string_view(map_, mapLength_);
}

std::string_view TapeIndex::Line(std::size_t row) const {
  const Row& r = rows_[row];
  if (r.kind == Kind::Date) return {};
  return TextOf(r).substr(r.offset, r.length);
}

std::string_view TapeIndex::Stamp(std::size_t row) const {
  const Row& r = rows_[row];
  return TextOf(r).substr(r.header + 1, kStampLineBytes - 2);
}

}  // namespace tape
