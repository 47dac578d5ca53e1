#include "tape_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "whole_file.h"

namespace tape {
namespace {

// The smallest tape line with its line end ("0＊　" is 8 bytes): a file below lines * 8 bytes
// cannot hold that many lines, so it needs no counting.
constexpr std::uint64_t kSmallestLineBytes = 8;

bool ReadAll(int fd, std::string& out, std::uint64_t size) {
  out.resize(size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  out.resize(done);
  return true;
}

// The last `count` bytes of a file of `size` bytes (fewer when it is shorter).
std::string LastBytes(int fd, off_t size, off_t count) {
  const off_t from = std::max<off_t>(size - count, 0);
  std::string bytes(static_cast<std::size_t>(size - from), '\0');
  const ssize_t got = ::pread(fd, bytes.data(), bytes.size(), from);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
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

std::size_t CountLines(std::string_view text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

bool TapeFile::Append(std::string_view block, std::size_t blockLines) {
  const int fd = OpenLocked(path_);
  if (fd < 0) return false;
  struct stat before {};
  ::fstat(fd, &before);
  // A block cut short by a full disk or a power cut is closed off first, by a line that is no
  // tape line, so that the reader drops it rather than take this block's lines as its own.
  std::string text;
  const std::string tail = LastBytes(fd, before.st_size, 2);
  if (!tail.empty() && tail != "\n\n") {
    text = tail.back() == '\n' ? "[中断]\n\n" : "\n[中断]\n\n";
    blockLines += 2;
  }
  text.append(block);
  bool ok = kelvo::WriteAllTo(fd, text.data(), text.size());
  if (ok) {
    const auto sizeBefore = static_cast<std::uint64_t>(before.st_size);
    const std::uint64_t sizeAfter = sizeBefore + text.size();
    if (MayBeOverCap(fd, sizeBefore, sizeAfter, blockLines)) ok = Trim(fd);
  }
  ::close(fd);  // releases the lock
  return ok;
}

bool TapeFile::MayBeOverCap(int fd, std::uint64_t sizeBefore, std::uint64_t sizeAfter, std::size_t blockLines) {
  if (sizeAfter > kMaxBytes) return true;
  if (sizeAfter < maxLines_ * kSmallestLineBytes) return false;
  if (knownSize_ != 0 && knownSize_ == sizeBefore) {
    knownLines_ += blockLines;
  } else {  // not counted yet, or another instance appended meanwhile
    std::string text;
    ReadAll(fd, text, sizeAfter);
    knownLines_ = CountLines(text);
  }
  knownSize_ = sizeAfter;
  return knownLines_ > maxLines_;
}

bool TapeFile::Trim(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return false;
  std::string text;
  ReadAll(fd, text, static_cast<std::uint64_t>(info.st_size));
  const std::size_t lineTarget = maxLines_ - maxLines_ / 10;
  const std::uint64_t byteTarget = kMaxBytes - kMaxBytes / 10;
  // Walk back from the end over whole blocks (each starts after an empty line) while both
  // targets hold.
  std::size_t keepFrom = text.size();
  std::size_t lines = 0;
  std::size_t at = text.size();  // the end of the part not walked yet
  while (at > 0) {
    const std::size_t searchFrom = text[at - 1] == '\n' ? at - 1 : at;  // past this line's own end
    const std::size_t previousEnd = searchFrom == 0 ? std::string::npos : text.rfind('\n', searchFrom - 1);
    const std::size_t begin = previousEnd == std::string::npos ? 0 : previousEnd + 1;
    if (++lines > lineTarget || text.size() - begin > byteTarget) break;
    // A block starts at a header line that follows an empty line or starts the file.
    if (text[begin] == '[' && (begin == 0 || (begin >= 2 && text[begin - 2] == '\n'))) keepFrom = begin;
    at = begin;
  }
  if (kelvo::ReplaceFileWith(path_, std::string_view(text).substr(keepFrom), ".new")) return false;
  knownSize_ = text.size() - keepFrom;
  knownLines_ = CountLines(std::string_view(text).substr(keepFrom));
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
