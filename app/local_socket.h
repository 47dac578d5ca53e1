#pragma once

#include <QByteArray>

#include <optional>
#include <utility>

// Local (Unix domain) stream sockets named by a path, on the plain system calls: all the instance
// channel needs, without loading a network library at start. Every call waits at most the time it
// is given; nothing here raises SIGPIPE.
namespace local_socket {

// Owns a descriptor and closes it.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Reset(); }

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  void Reset();

 private:
  int fd_ = -1;
};

// Connects to the socket at `path`, waiting while its queue is full; invalid when nobody listens
// there or the wait ran out.
Fd Connect(const QByteArray& path, int timeoutMs);

// Listens at `path` for the owner only (rw for the user, nothing for others), replacing a socket
// left there by a process that ended without removing it. The descriptor does not block.
Fd Listen(const QByteArray& path);

// Takes the next waiting connection, which does not block; invalid when none waits.
Fd Accept(int listener);

// Whether the process at the other end runs as this user.
bool PeerIsThisUser(int fd);

// Writes all of `data`; false when the other end went away or the time ran out.
bool WriteAll(int fd, const QByteArray& data, int timeoutMs);

// Reads one line (its end removed); nothing when the other end closed first, the time ran out,
// or more than `longest` bytes came without a line end.
std::optional<QByteArray> ReadLine(int fd, int longest, int timeoutMs);

}  // namespace local_socket
