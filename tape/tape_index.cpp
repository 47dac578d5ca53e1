#include "tape_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "tape_blocks.h"
#include "tape_file.h"
#include "tape_format.h"

namespace tape {
namespace {

FileState StateOf(const struct stat& info) {
  return {true, info.st_dev, info.st_ino, static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0))};
}

}  // namespace

FileState FileState::Of(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return {};
  return StateOf(info);
}

void TapeIndex::Clear() {
  text_.clear();
  text_.shrink_to_fit();
  rows_.clear();
  rows_.shrink_to_fit();
  lastDate_.clear();
  lastDated_ = false;
  any_ = false;
  loaded_ = {};
}

void TapeIndex::Load(const std::string& path) {
  Clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) {
    loaded_ = FileState::Of(path);
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return;
  }
  loaded_ = StateOf(info);
  // The newest part of a file past the cap.
  const std::uint64_t size = loaded_.size;
  const std::uint64_t from = size > TapeFile::kMaxBytes ? size - TapeFile::kMaxBytes : 0;
  text_.reserve(static_cast<std::size_t>(size - from));
  rows_.reserve(static_cast<std::size_t>(std::min<std::uint64_t>((size - from) / 12, kMaxRows)));
  ScanFile(fd, from, size, [this](const Block& block) {
    Add(block);
    if (rows_.size() > kMaxRows + kMaxRows / 2) DropOldestRows();
    return true;
  });
  ::close(fd);
  DropOldestRows();
}

std::size_t TapeIndex::AddBlock(std::string_view block) {
  const std::size_t before = rows_.size();
  BlockScanner scanner;
  scanner.Scan(block, 0, true, [this](const Block& whole) {
    Add(whole);
    return true;
  });
  return rows_.size() - before;
}

void TapeIndex::Add(const Block& block) {
  const std::string_view date = block.dated ? StampDate(block.stamp) : std::string_view();
  const auto header = static_cast<std::uint32_t>(text_.size());
  text_ += block.stamp;
  if (!any_ || block.dated != lastDated_ || date != lastDate_) {
    rows_.push_back({header, header, 0, Kind::Date, block.dated});
    lastDate_ = date;
    lastDated_ = block.dated;
    any_ = true;
  }
  Kind kind = Kind::FirstLine;
  for (const std::string_view line : block.lines) {
    rows_.push_back({static_cast<std::uint32_t>(text_.size()), header, static_cast<std::uint8_t>(line.size()), kind, block.dated});
    text_ += line;
    kind = Kind::Line;
  }
}

void TapeIndex::DropOldestRows() {
  if (rows_.size() <= kMaxRows) return;
  // Cut at a calculation's first line; the row before it becomes that day's date row. The first
  // row is always a date row, so the cut never reaches it.
  std::size_t cut = rows_.size() - kMaxRows;
  while (cut < rows_.size() && rows_[cut].kind != Kind::FirstLine) ++cut;
  if (cut == rows_.size()) return;
  --cut;
  if (rows_[cut].kind != Kind::Date) {
    const Row& first = rows_[cut + 1];
    rows_[cut] = {first.header, first.header, 0, Kind::Date, first.dated};
  }
  rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(cut));
  // The text before the first kept calculation goes too.
  const std::uint32_t start = rows_.front().header;
  text_.erase(0, start);
  for (Row& row : rows_) {
    row.offset -= start;
    row.header -= start;
  }
}

std::string_view TapeIndex::Line(std::size_t row) const {
  const Row& r = rows_[row];
  if (r.kind == Kind::Date) return {};
  return std::string_view(text_).substr(r.offset, r.length);
}

std::string_view TapeIndex::Stamp(std::size_t row) const {
  const Row& r = rows_[row];
  if (!r.dated) return {};
  return std::string_view(text_).substr(r.header, kStampLineBytes - 2);
}

}  // namespace tape
