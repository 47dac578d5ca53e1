#include "calc_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kelvo::wsh {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

int OpenCalcFolder(const CalcFile& file) {
  Descriptor data(open(file.dataFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (data.get() < 0) return -1;
  Descriptor sys(openat(data.get(), "_sys", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (sys.get() < 0) return -1;
  return openat(sys.get(), "Calc", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool ReadRegularFile(int folder, const std::string& name, std::size_t maxBytes, std::string& out) {
  // Without waiting: a FIFO opens at once this way, and is then refused for what it is.
  Descriptor fd(openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return false;
  struct stat info {};
  if (fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > maxBytes)
    return false;
  char buffer[16384];
  for (;;) {
    const ssize_t n = read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer, static_cast<std::size_t>(n));
    if (out.size() > maxBytes) return false;  // it grew while being read
  }
}

bool ReplaceFileIn(int folder, const std::string& name, std::string_view text) {
  // What has the name now is looked at, never opened: only a regular file may be replaced.
  struct stat old {};
  if (fstatat(folder, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
    if (!S_ISREG(old.st_mode)) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  // A new file of this process beside it; a name left by an earlier process is passed over.
  std::string fresh;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    fresh = "." + name + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".new";
    fd = openat(folder, fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  const bool written = WriteAll(fd, text);
  const bool closed = close(fd) == 0;
  if (!written || !closed || renameat(folder, fresh.c_str(), folder, name.c_str()) != 0) {
    unlinkat(folder, fresh.c_str(), 0);
    return false;
  }
  return true;
}

bool WriteCalcFile(const std::string& path, std::string_view text) {
  const std::optional<CalcFile> file = CalcFileOf(path);
  if (!file) return false;
  Descriptor folder(OpenCalcFolder(*file));
  return folder.get() >= 0 && ReplaceFileIn(folder.get(), file->name, text);
}

}  // namespace kelvo::wsh
