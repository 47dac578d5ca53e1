#include "tape_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "tape_blocks.h"
#include "whole_file.h"

namespace tape {
namespace {

// The smallest tape line with its line end ("0＊　" is 8 bytes): a file below lines * 8 bytes
// cannot hold that many lines, so it needs no counting.
constexpr std::uint64_t kSmallestLineBytes = 8;

// The last `count` bytes of a file of `size` bytes (fewer when it is shorter).
std::string LastBytes(int fd, off_t size, off_t count) {
  const off_t from = std::max<off_t>(size - count, 0);
  std::string bytes(static_cast<std::size_t>(size - from), '\0');
  const ssize_t got = ::pread(fd, bytes.data(), bytes.size(), from);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

// What goes before a new block so that a block cut short at the end of the file (a full disk, a
// power cut) is dropped by the reader rather than take the new block's lines as its own: a line
// that is no tape line, after the end of the line cut short. Nothing after an empty line.
std::string_view CloserAfter(std::string_view tail) {
  if (tail.empty() || tail.ends_with("\n\n") || tail.ends_with("\n\r\n")) return {};
  // A lone CR would become an empty line of its own (CR LF) and close the block: the closer
  // joins it instead, and that line is no tape line either.
  if (tail.back() == '\n' || tail == "\r" || tail.ends_with("\n\r")) return "[中断]\n\n";
  return "\n[中断]\n\n";
}

// Copies bytes [from, to) of `in` to the end of `out`, counting their line feeds.
bool CopyRange(int in, std::uint64_t from, std::uint64_t to, int out, std::uint64_t& lineFeeds) {
  std::string chunk(1u << 20, '\0');
  lineFeeds = 0;
  for (std::uint64_t at = from; at < to;) {
    const ssize_t got = ::pread(in, chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), to - at)),
                                static_cast<off_t>(at));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    if (!kelvo::WriteAllTo(out, chunk.data(), static_cast<std::size_t>(got))) return false;
    lineFeeds += static_cast<std::uint64_t>(std::count(chunk.data(), chunk.data() + got, '\n'));
    at += static_cast<std::uint64_t>(got);
  }
  return true;
}

// Opens the tape and takes its lock. A trim or clear in another instance may have replaced the
// file between the open and the lock: then the lock is on the old file, so open again.
int OpenLocked(const std::string& path) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) return -1;
    while (::flock(fd, LOCK_EX) != 0) {
      if (errno != EINTR) {
        ::close(fd);
        return -1;
      }
    }
    struct stat opened {}, named {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {  // a device or a fifo: not ours
      ::close(fd);
      return -1;
    }
    if (::stat(path.c_str(), &named) == 0 && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev)
      return fd;
    ::close(fd);
  }
  return -1;
}

}  // namespace

AppendOutcome TapeFile::Append(std::string_view block, std::size_t blockLines) {
  AppendOutcome outcome;
  const int fd = OpenLocked(path_);
  if (fd < 0) return outcome;
  struct stat before {};
  ::fstat(fd, &before);
  std::string text(CloserAfter(LastBytes(fd, before.st_size, 3)));
  if (!text.empty()) blockLines += 2;
  text.append(block);
  outcome.written = kelvo::WriteAllTo(fd, text.data(), text.size());
  if (outcome.written) {
    const auto sizeBefore = static_cast<std::uint64_t>(before.st_size);
    const std::uint64_t sizeAfter = sizeBefore + text.size();
    if (MayBeOverCap(fd, sizeBefore, sizeAfter, blockLines)) {
      if (trimFailed_ && knownLines_ < retryLines_ && sizeAfter < retryBytes_) {
        outcome.overCap = true;  // not yet worth another try
      } else if (Trim(fd, sizeAfter)) {
        outcome.trimmed = true;
        trimFailed_ = false;
      } else {
        outcome.overCap = trimFailed_ = true;
        retryLines_ = knownLines_ + maxLines_ / 10;
        retryBytes_ = sizeAfter + kMaxBytes / 10;
      }
    }
  }
  ::close(fd);  // releases the lock
  return outcome;
}

bool TapeFile::MayBeOverCap(int fd, std::uint64_t sizeBefore, std::uint64_t sizeAfter, std::size_t blockLines) {
  if (sizeAfter > kMaxBytes) return true;
  if (sizeAfter < maxLines_ * kSmallestLineBytes) return false;
  if (knownSize_ != 0 && knownSize_ == sizeBefore) {
    knownLines_ += blockLines;
  } else if (!CountLineFeeds(fd, 0, sizeAfter, knownLines_)) {  // not counted yet, or another instance appended
    return false;
  }
  knownSize_ = sizeAfter;
  return knownLines_ > maxLines_;
}

bool TapeFile::Trim(int fd, std::uint64_t size) {
  const std::uint64_t lineTarget = maxLines_ - maxLines_ / 10;
  const std::uint64_t byteTarget = kMaxBytes - kMaxBytes / 10;
  // Nothing before the last byteTarget bytes can stay; of them, only the last lineTarget lines.
  const std::uint64_t window = size > byteTarget ? size - byteTarget : 0;
  std::uint64_t lines = 0;
  if (!CountLineFeeds(fd, window, size, lines)) return false;
  const std::uint64_t allowed = lines > lineTarget ? OffsetAfterLineFeeds(fd, window, size, lines - lineTarget) : window;
  // Keep from the first calculation that starts there; when none does, the newest calculation
  // alone is over a target, and it stays whole.
  std::uint64_t keepFrom = size;
  bool found = false;
  const auto first = [&](const Block& block) {
    keepFrom = block.begin;
    return !(found = true);
  };
  const auto last = [&](const Block& block) {
    keepFrom = block.begin;
    return found = true;
  };
  if (!ScanFile(fd, allowed, size, first)) return false;
  if (!found && !ScanFile(fd, window, size, last)) return false;
  if (!found || keepFrom == 0) return true;  // no calculation to keep apart from the rest: left as it is
  std::uint64_t keptLines = 0;
  const auto copy = [&](int out) { return CopyRange(fd, keepFrom, size, out, keptLines); };
  if (kelvo::ReplaceFileByWriting(path_, copy, ".new")) return false;
  knownSize_ = size - keepFrom;
  knownLines_ = keptLines;
  return true;
}

bool TapeFile::Clear() {
  const int fd = OpenLocked(path_);
  if (fd < 0) return false;
  const bool ok = !kelvo::ReplaceFileWith(path_, {}, ".new");
  ::close(fd);
  knownSize_ = 0;
  knownLines_ = 0;
  return ok;
}

}  // namespace tape
