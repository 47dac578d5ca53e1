#include "tape_blocks.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "tape_format.h"
#include "tape_records.h"

namespace tape {
namespace {

constexpr std::size_t kChunkBytes = 1u << 20;

// One line of `text` from `at`: its length without the line end (and without a CR before the
// LF), where the next line starts, and whether an LF ended it.
struct LineSpan {
  std::size_t length;
  std::size_t next;
  bool complete;
};

LineSpan NextLine(std::string_view text, std::size_t at) {
  const void* found = std::memchr(text.data() + at, '\n', text.size() - at);
  if (found == nullptr) return {text.size() - at, text.size(), false};
  const auto end = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
  std::size_t length = end - at;
  if (length > 0 && text[end - 1] == '\r') --length;  // written by an editor that uses CR LF
  return {length, end + 1, true};
}

// Reads up to `size` bytes at `offset`; the count read, or -1.
ssize_t ReadAt(int fd, char* into, std::size_t size, std::uint64_t offset) {
  for (;;) {
    const ssize_t got = ::pread(fd, into, size, static_cast<off_t>(offset));
    if (got >= 0 || errno != EINTR) return got;
  }
}

}  // namespace

std::size_t BlockScanner::Scan(std::string_view text, std::uint64_t base, bool final, const OnBlock& onBlock,
                               const OnRecord& onRecord) {
  std::size_t at = 0;
  if (inLongLine_) {
    const void* found = std::memchr(text.data(), '\n', text.size());
    if (found == nullptr) return text.size();
    at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) + 1;
    inLongLine_ = false;
  }
  while (at < text.size()) {
    const LineSpan header = NextLine(text, at);
    if (!header.complete) {
      if (final) return text.size();
      // Longer than a header or a record already: skip it to its end, wherever that comes.
      if (header.length > (text[at] == '{' ? kMaxRecordBytes : kStampLineBytes) + 1) {
        inLongLine_ = true;
        return text.size();
      }
      return at;
    }
    if (!IsStampLine(text.substr(at, header.length))) {
      if (onRecord && text[at] == '{' && IsRecordLine(text.substr(at, header.length)))
        onRecord({base + at, text.substr(at, header.length)});
      at = header.next;
      continue;
    }
    block_.lines.clear();
    std::size_t line = header.next;
    bool closed = false;
    while (line - at <= kMaxBlockBytes) {
      const LineSpan next = NextLine(text, line);
      if (!next.complete) {
        if (final) return text.size();  // cut short: its lines hold no header
        if (next.length > kMaxLineBytes + 1) break;  // no tape line is that long
        return at;
      }
      if (next.length == 0) {
        closed = true;
        line = next.next;
        break;
      }
      const std::string_view content = text.substr(line, next.length);
      if (!IsTapeLine(content)) break;
      block_.lines.push_back(content);
      line = next.next;
    }
    if (closed && !block_.lines.empty()) {
      block_.trailer = {};
      if (line < text.size() ? text[line] == '{' : !final) {
        const LineSpan next = NextLine(text, line);
        if (!next.complete && !final && next.length <= kMaxRecordBytes + 1) return at;  // its trailer may be coming
        if (next.complete && IsTrailerLine(text.substr(line, next.length))) {
          block_.trailer = text.substr(line, next.length);
          line = next.next;
        }
      }
      block_.begin = base + at;
      block_.end = base + line;
      block_.stamp = text.substr(at + 1, kStampLineBytes - 2);
      block_.dated = IsRealStamp(block_.stamp);
      if (!onBlock(block_)) return text.size();
    }
    at = line;  // after a whole block, or at the line that broke one
  }
  return text.size();
}

bool ScanFile(int fd, std::uint64_t from, std::uint64_t to, const BlockScanner::OnBlock& onBlock,
              const BlockScanner::OnRecord& onRecord) {
  from = NextLineStart(fd, from, to);
  BlockScanner scanner;
  std::string buffer;  // text from `from` not decided yet, then the next chunk
  bool stopped = false;
  const auto report = [&](const Block& block) { return !(stopped = !onBlock(block)); };
  while (from + buffer.size() < to && !stopped) {
    const std::size_t kept = buffer.size();
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes, to - from - kept));
    buffer.resize(kept + wanted);
    const ssize_t got = ReadAt(fd, buffer.data() + kept, wanted, from + kept);
    if (got < 0) return false;
    buffer.resize(kept + static_cast<std::size_t>(got));
    const bool final = got == 0 || from + buffer.size() >= to;  // a file that shrank ends here too
    const std::size_t done = scanner.Scan(buffer, from, final, report, onRecord);
    if (final) break;
    buffer.erase(0, done);
    from += done;
  }
  return true;
}

std::uint64_t NextLineStart(int fd, std::uint64_t from, std::uint64_t to) {
  if (from == 0) return 0;
  // The byte before `from` says whether a line starts there.
  std::string chunk(kChunkBytes, '\0');
  for (std::uint64_t at = from - 1; at < to;) {
    const ssize_t got = ReadAt(fd, chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), to - at)), at);
    if (got <= 0) return to;
    const void* found = std::memchr(chunk.data(), '\n', static_cast<std::size_t>(got));
    if (found != nullptr) return at + static_cast<std::uint64_t>(static_cast<const char*>(found) - chunk.data()) + 1;
    at += static_cast<std::uint64_t>(got);
  }
  return to;
}

bool CountLineFeeds(int fd, std::uint64_t from, std::uint64_t to, std::uint64_t& count) {
  count = 0;
  std::string chunk(kChunkBytes, '\0');
  for (std::uint64_t at = from; at < to;) {
    const ssize_t got = ReadAt(fd, chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), to - at)), at);
    if (got < 0) return false;
    if (got == 0) break;
    count += static_cast<std::uint64_t>(std::count(chunk.data(), chunk.data() + got, '\n'));
    at += static_cast<std::uint64_t>(got);
  }
  return true;
}

std::uint64_t OffsetAfterLineFeeds(int fd, std::uint64_t from, std::uint64_t to, std::uint64_t count) {
  std::string chunk(kChunkBytes, '\0');
  for (std::uint64_t at = from; at < to && count > 0;) {
    const ssize_t got = ReadAt(fd, chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), to - at)), at);
    if (got <= 0) return to;
    for (const char* c = chunk.data(); c < chunk.data() + got; ++c) {
      c = static_cast<const char*>(std::memchr(c, '\n', static_cast<std::size_t>(chunk.data() + got - c)));
      if (c == nullptr) break;
      if (--count == 0) return at + static_cast<std::uint64_t>(c - chunk.data()) + 1;
    }
    at += static_cast<std::uint64_t>(got);
  }
  return count == 0 ? from : to;
}

}  // namespace tape
