#include "instance_channel.h"

#include <QCryptographicHash>
#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell_paths.h"

namespace {

constexpr int kConnectTimeoutMs = 300;
constexpr int kLongestMessage = 64;
constexpr std::size_t kLongestSocketPath = 100;  // sun_path holds 108 bytes with its end

// A folder of this user's that nobody else may enter: a real folder (no link), owned by the
// user, with no rights for anyone else. Empty when there is none to be had.
QString MakePrivateFolder(const QByteArray& path) {
  if (path.isEmpty() || path.size() + 40 > static_cast<qsizetype>(kLongestSocketPath)) return {};
  mkdir(path.constData(), 0700);
  struct stat info {};
  if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
      (info.st_mode & 077) != 0)
    return {};
  return QString::fromLocal8Bit(path);
}

// Ours in the user's runtime folder, else one below /tmp; checked anew at every use.
QString PrivateFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.startsWith('/')) {
    const QString inRuntime = MakePrivateFolder(runtime + "/kelvo");
    if (!inRuntime.isEmpty()) return inRuntime;
  }
  return MakePrivateFolder("/tmp/kelvo-" + QByteArray::number(getuid()));
}

// Names are per user (the folder) and per program folder, whose settings and instance files
// the instances share.
QString NameInPrivateFolder(const QString& name) {
  const QString privateFolder = PrivateFolder();
  if (privateFolder.isEmpty()) return {};
  const QByteArray folder = QByteArray::fromStdString(kelvo::ProgramFolder());
  const QByteArray digest = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
  return privateFolder + u'/' + QString::fromLatin1(digest) + u'.' + name;
}

// Connects to a name and makes sure one of this user's processes listens there.
local_socket::Fd ConnectTo(const QString& name) {
  if (name.isEmpty()) return {};
  local_socket::Fd socket = local_socket::Connect(name.toLocal8Bit(), kConnectTimeoutMs);
  if (!socket.Valid() || !local_socket::PeerIsThisUser(socket.Get())) return {};
  return socket;
}

bool Send(const QString& name, const QByteArray& message) {
  const local_socket::Fd socket = ConnectTo(name);
  return socket.Valid() && local_socket::WriteAll(socket.Get(), message + '\n', kConnectTimeoutMs);
}

}  // namespace

// One connection of another instance, read as its lines come; it ends when the other end closes.
class InstanceChannel::Connection : public QObject {
 public:
  Connection(local_socket::Fd socket, QObject* parent)
      : QObject(parent), socket_(std::move(socket)), notifier_(socket_.Get(), QSocketNotifier::Read) {}

  local_socket::Fd socket_;
  QSocketNotifier notifier_;
  QByteArray pending_;  // what came after the last whole line
};

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel() {
  ReleasePrimary();
  StopListening();
}

QString InstanceChannel::PrimaryName() { return NameInPrivateFolder(QStringLiteral("Morvane_KELVO")); }

QString InstanceChannel::ChildName(const QString& instanceBaseName) {
  return NameInPrivateFolder(QStringLiteral("KelvoChild_") + instanceBaseName);
}

bool InstanceChannel::Listen(const QString& name) {
  StopListening();
  if (name.isEmpty()) return false;
  // A socket file left by a process that was killed is replaced.
  listener_ = local_socket::Listen(name.toLocal8Bit());
  if (!listener_.Valid()) return false;
  listenPath_ = name.toLocal8Bit();
  listenerNotifier_ = std::make_unique<QSocketNotifier>(listener_.Get(), QSocketNotifier::Read);
  connect(listenerNotifier_.get(), &QSocketNotifier::activated, this, &InstanceChannel::OnNewConnection);
  return true;
}

void InstanceChannel::StopListening() {
  if (!listener_.Valid()) return;
  listenerNotifier_.reset();
  listener_.Reset();
  unlink(listenPath_.constData());
  listenPath_.clear();
}

bool InstanceChannel::ClaimPrimary() {
  const QString name = PrimaryName();
  // Without a private folder there is no way to tell: run as the primary instance.
  if (name.isEmpty()) return true;
  // The lock decides: taking it is atomic, and the system lets it go when its holder ends in
  // any way, so a crash never blocks the next start.
  const QByteArray lockPath = (name + QStringLiteral(".lock")).toLocal8Bit();
  lockFd_ = open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (lockFd_ < 0) return true;
  if (flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    close(lockFd_);
    lockFd_ = -1;
    return false;
  }
  Listen(name);
  return true;
}

void InstanceChannel::ReleasePrimary() {
  if (lockFd_ < 0) return;
  StopListening();
  close(lockFd_);
  lockFd_ = -1;
}

bool InstanceChannel::ListenAsChild(const QString& instanceBaseName) { return Listen(ChildName(instanceBaseName)); }

bool InstanceChannel::SendToPrimary(const QByteArray& message) { return Send(PrimaryName(), message); }

bool InstanceChannel::AskPrimaryToComeBack() {
  const local_socket::Fd socket = ConnectTo(PrimaryName());
  if (!socket.Valid() || !local_socket::WriteAll(socket.Get(), QByteArray(kComeBackMessage) + '\n', kConnectTimeoutMs))
    return false;
  // The primary answers from its event loop, which a modal dialog keeps running too.
  constexpr int kAnswerTimeoutMs = 2000;
  const std::optional<QByteArray> answer = local_socket::ReadLine(socket.Get(), kLongestMessage, kAnswerTimeoutMs);
  return answer && answer->trimmed() == "1";
}

bool InstanceChannel::SendToChild(const QString& instanceBaseName, const QByteArray& message) {
  return Send(ChildName(instanceBaseName), message);
}

bool InstanceChannel::ChildIsRunning(const QString& instanceBaseName) {
  return ConnectTo(ChildName(instanceBaseName)).Valid();
}

void InstanceChannel::OnNewConnection() {
  for (;;) {
    local_socket::Fd socket = local_socket::Accept(listener_.Get());
    if (!socket.Valid()) return;
    // Only this user's own programs may ask anything of this one.
    if (!local_socket::PeerIsThisUser(socket.Get())) continue;
    auto* connection = new Connection(std::move(socket), this);
    connect(&connection->notifier_, &QSocketNotifier::activated, connection, [this, connection] {
      // What a message sets off may run an event loop of its own (a question before closing):
      // this connection is not read again meanwhile.
      connection->notifier_.setEnabled(false);
      if (OnMessages(*connection))
        connection->notifier_.setEnabled(true);
      else
        connection->deleteLater();
    });
  }
}

bool InstanceChannel::OnMessages(Connection& connection) {
  char buffer[256];
  const ssize_t got = recv(connection.socket_.Get(), buffer, sizeof buffer, 0);
  if (got < 0) return errno == EAGAIN || errno == EINTR;
  if (got == 0) return false;  // the other end closed
  connection.pending_.append(buffer, got);
  for (qsizetype end; (end = connection.pending_.indexOf('\n')) >= 0;) {
    const QByteArray message = connection.pending_.left(end).trimmed();
    connection.pending_.remove(0, end + 1);
    if (end > kLongestMessage) return false;
    if (message == kShowMessage) emit showRequested();
    if (message == kCloseMessage) emit closeRequested();
    if (message == kComeBackMessage) {
      const QByteArray answer = answerComeBack && answerComeBack() ? "1\n" : "0\n";
      local_socket::WriteAll(connection.socket_.Get(), answer, kConnectTimeoutMs);
    }
  }
  // Anything else that is not a short line is not one of ours.
  return connection.pending_.size() <= kLongestMessage;
}

#include "moc_instance_channel.cpp"
