#include "whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace kelvo {

bool WriteAllTo(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

std::error_code ReplaceFileWith(const std::string& path, std::string_view text, std::string_view scratchSuffix) {
  return ReplaceFileByWriting(path, [text](int fd) { return WriteAllTo(fd, text.data(), text.size()); }, scratchSuffix);
}

std::error_code ReplaceFileByWriting(const std::string& path, const std::function<bool(int fd)>& write,
                                std::string_view scratchSuffix) {
  const std::string scratch = path + std::string(scratchSuffix);
  const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) return {errno, std::generic_category()};
  std::error_code error;
  errno = 0;
  if (!write(fd) || ::fsync(fd) != 0) error = {errno != 0 ? errno : EIO, std::generic_category()};
  if (::close(fd) != 0 && !error) error = {errno, std::generic_category()};
  if (!error && std::rename(scratch.c_str(), path.c_str()) != 0) error = {errno, std::generic_category()};
  if (error) ::unlink(scratch.c_str());
  return error;
}

}  // namespace kelvo
