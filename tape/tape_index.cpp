#include "tape_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "tape_blocks.h"
#include "tape_file.h"
#include "tape_format.h"
#include "tape_records.h"

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
  extras_.clear();
  calculations_ = 0;
  dropped_ = 0;
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
  std::vector<Reference> references;
  ScanFile(
      fd, from, size,
      [&](const Block& block) {
        Add(block, references);
        if (rows_.size() > kMaxRows + kMaxRows / 2) DropOldestRows();
        return true;
      },
      [&](const Record& record) { AddRecord(record, references); });
  ::close(fd);
  DropOldestRows();
  Resolve(references);
}

std::size_t TapeIndex::AddBlock(std::string_view block) {
  const std::size_t before = rows_.size();
  std::vector<Reference> references;
  BlockScanner scanner;
  scanner.Scan(
      block, 0, true,
      [&](const Block& whole) {
        Add(whole, references);
        return true;
      },
      [&](const Record& record) { AddRecord(record, references); });
  Resolve(references);
  return rows_.size() - before;
}

void TapeIndex::AddRecord(const Record& record, std::vector<Reference>& references) const {
  if (const std::optional<NoteRecord> note = ParseNoteRecord(record.line))
    references.push_back({std::string(note->stamp), note->back, calculations_, false, std::string(note->note)});
}

void TapeIndex::Add(const Block& block, std::vector<Reference>& references) {
  if (const std::optional<std::string_view> original = CorrectedStamp(block.lines.front())) {
    const int back = ParseTrailer(block.trailer).corrects;
    references.push_back({std::string(*original), back > 0 ? back : 1, calculations_, true, {}});
  }
  ++calculations_;
  const std::string_view date = block.dated ? StampDate(block.stamp) : std::string_view();
  const auto header = static_cast<std::uint32_t>(text_.size());
  text_ += block.stamp;
  const std::string_view trailer = block.trailer;
  text_ += static_cast<char>(trailer.size() & 0xFF);
  text_ += static_cast<char>(trailer.size() >> 8);
  text_ += trailer;
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
  for (std::size_t row = 0; row <= cut; ++row) dropped_ += rows_[row].kind == Kind::FirstLine ? 1 : 0;
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
  std::unordered_map<std::uint32_t, Extra> kept;
  for (auto& [header, extra] : extras_)
    if (header >= start) kept.emplace(header - start, std::move(extra));
  extras_.swap(kept);
}

void TapeIndex::Resolve(const std::vector<Reference>& references) {
  if (references.empty()) return;
  // The calculations with a stamp referred to, as (number read before them, header), in order.
  std::unordered_map<std::string_view, std::vector<std::pair<std::uint64_t, std::uint32_t>>> withStamp;
  for (const Reference& reference : references) withStamp[reference.stamp];
  std::uint64_t number = dropped_;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row].kind != Kind::FirstLine) continue;
    const auto found = withStamp.find(HeaderStamp(row));
    if (found != withStamp.end()) found->second.emplace_back(number, rows_[row].header);
    ++number;
  }
  for (const Reference& reference : references) {
    const auto& candidates = withStamp[reference.stamp];
    const auto after = std::lower_bound(candidates.begin(), candidates.end(), std::make_pair(reference.before, std::uint32_t{0}));
    if (after - candidates.begin() < reference.back) continue;  // not on the tape (any more)
    const std::uint32_t header = (after - reference.back)->second;
    if (reference.correction) {
      extras_[header].corrected = true;
    } else if (!reference.note.empty()) {
      extras_[header].note = reference.note;
    } else if (const auto extra = extras_.find(header); extra != extras_.end()) {
      extra->second.note.clear();
      if (!extra->second.corrected) extras_.erase(extra);
    }
  }
}

std::string_view TapeIndex::Line(std::size_t row) const {
  const Row& r = rows_[row];
  if (r.kind == Kind::Date) return {};
  return std::string_view(text_).substr(r.offset, r.length);
}

std::string_view TapeIndex::Stamp(std::size_t row) const {
  if (!rows_[row].dated) return {};
  return HeaderStamp(row);
}

std::string_view TapeIndex::HeaderStamp(std::size_t row) const {
  return std::string_view(text_).substr(rows_[row].header, kStampLineBytes - 2);
}

std::pair<std::size_t, std::size_t> TapeIndex::CalculationRows(std::size_t row) const {
  std::size_t first = row;
  while (first > 0 && rows_[first].kind == Kind::Line) --first;
  std::size_t end = row + 1;
  while (end < rows_.size() && rows_[end].kind == Kind::Line) ++end;
  return {first, end};
}

std::string_view TapeIndex::Trailer(std::size_t row) const {
  const std::size_t at = rows_[row].header + kStampLineBytes - 2;
  const std::size_t length = static_cast<unsigned char>(text_[at]) | static_cast<std::size_t>(static_cast<unsigned char>(text_[at + 1])) << 8;
  return std::string_view(text_).substr(at + 2, length);
}

const TapeIndex::Extra* TapeIndex::ExtraOf(std::size_t row) const {
  if (extras_.empty()) return nullptr;
  const auto found = extras_.find(rows_[row].header);
  return found == extras_.end() ? nullptr : &found->second;
}

std::string_view TapeIndex::Note(std::size_t row) const {
  const Extra* extra = ExtraOf(row);
  return extra != nullptr ? std::string_view(extra->note) : std::string_view();
}

bool TapeIndex::Corrected(std::size_t row) const {
  const Extra* extra = ExtraOf(row);
  return extra != nullptr && extra->corrected;
}

int TapeIndex::BackCount(std::size_t row) const {
  const std::string_view stamp = HeaderStamp(row);
  int count = 0;
  for (std::size_t at = CalculationRows(row).first; at < rows_.size(); ++at)
    if (rows_[at].kind == Kind::FirstLine && HeaderStamp(at) == stamp) ++count;
  return count;
}

void TapeIndex::SetNote(std::size_t row, std::string_view note) {
  const std::uint32_t header = rows_[row].header;
  if (!note.empty()) {
    extras_[header].note = note;
  } else if (const auto extra = extras_.find(header); extra != extras_.end()) {
    extra->second.note.clear();
    if (!extra->second.corrected) extras_.erase(extra);
  }
}

}  // namespace tape
