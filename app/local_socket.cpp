#include "local_socket.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace local_socket {
namespace {

using Clock = std::chrono::steady_clock;

// A socket's address; false when the path does not fit into one.
bool AddressOf(const QByteArray& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return true;
}

Fd NewSocket() { return Fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)); }

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits until `fd` is ready for `events`; false when the time ran out first.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    Reset();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

void Fd::Reset() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

Fd Connect(const QByteArray& path, int timeoutMs) {
  sockaddr_un address;
  if (!AddressOf(path, address)) return {};
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    Fd fd = NewSocket();
    if (!fd.Valid()) return {};
    if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
    // A full queue: the listener has yet to take the connections before this one.
    if ((errno != EAGAIN && errno != EINTR) || Clock::now() >= deadline) return {};
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

Fd Listen(const QByteArray& path) {
  sockaddr_un address;
  if (!AddressOf(path, address)) return {};
  unlink(path.constData());
  Fd fd = NewSocket();
  if (!fd.Valid()) return {};
  if (bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return {};
  // Nobody can connect before listen(), so the rights are in place before anyone can try.
  constexpr int kQueueLength = 50;
  if (chmod(path.constData(), S_IRWXU) != 0 || listen(fd.Get(), kQueueLength) != 0) {
    unlink(path.constData());
    return {};
  }
  return fd;
}

Fd Accept(int listener) {
  for (;;) {
    const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0 || errno != EINTR) return Fd(fd);
  }
}

bool PeerIsThisUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

bool WriteAll(int fd, const QByteArray& data, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  const char* next = data.constData();
  std::size_t left = static_cast<std::size_t>(data.size());
  while (left > 0) {
    const ssize_t sent = send(fd, next, left, MSG_NOSIGNAL);
    if (sent > 0) {
      next += sent;
      left -= static_cast<std::size_t>(sent);
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else if (sent < 0 && errno == EAGAIN) {
      if (!WaitFor(fd, POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

std::optional<QByteArray> ReadLine(int fd, int longest, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  QByteArray line;
  for (;;) {
    char byte = 0;
    const ssize_t got = recv(fd, &byte, 1, 0);
    if (got == 1) {
      if (byte == '\n') return line;
      if (line.size() >= longest) return std::nullopt;
      line.append(byte);
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else if (got < 0 && errno == EAGAIN) {
      if (!WaitFor(fd, POLLIN, deadline)) return std::nullopt;
    } else {
      return std::nullopt;  // closed, or failed
    }
  }
}

}  // namespace local_socket
