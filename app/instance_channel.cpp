#include "instance_channel.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell_paths.h"

namespace {

constexpr int kConnectTimeoutMs = 300;
constexpr qint64 kLongestMessage = 64;
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

// Whether the process at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  const auto fd = static_cast<int>(socket.socketDescriptor());
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

// Connects to a name and makes sure one of this user's processes listens there.
bool ConnectTo(QLocalSocket& socket, const QString& name) {
  if (name.isEmpty()) return false;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  if (PeerIsThisUser(socket)) return true;
  socket.abort();
  return false;
}

bool Send(const QString& name, const QByteArray& message) {
  QLocalSocket socket;
  if (!ConnectTo(socket, name)) return false;
  socket.write(message + '\n');
  const bool written = socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return written;
}

}  // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &InstanceChannel::OnNewConnection);
}

InstanceChannel::~InstanceChannel() { ReleasePrimary(); }

QString InstanceChannel::PrimaryName() { return NameInPrivateFolder(QStringLiteral("Morvane_KELVO")); }

QString InstanceChannel::ChildName(const QString& instanceBaseName) {
  return NameInPrivateFolder(QStringLiteral("KelvoChild_") + instanceBaseName);
}

bool InstanceChannel::Listen(const QString& name) {
  server_.close();
  if (name.isEmpty()) return false;
  QLocalServer::removeServer(name);  // a socket file left by a process that was killed
  return server_.listen(name);
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
  server_.close();
  close(lockFd_);
  lockFd_ = -1;
}

bool InstanceChannel::ListenAsChild(const QString& instanceBaseName) { return Listen(ChildName(instanceBaseName)); }

bool InstanceChannel::SendToPrimary(const QByteArray& message) { return Send(PrimaryName(), message); }

bool InstanceChannel::AskPrimaryToComeBack() {
  QLocalSocket socket;
  if (!ConnectTo(socket, PrimaryName())) return false;
  socket.write(QByteArray(kComeBackMessage) + '\n');
  if (!socket.waitForBytesWritten(kConnectTimeoutMs)) return false;
  // The primary answers from its event loop, which a modal dialog keeps running too.
  constexpr int kAnswerTimeoutMs = 2000;
  while (!socket.canReadLine() && socket.waitForReadyRead(kAnswerTimeoutMs)) {
    if (socket.bytesAvailable() > kLongestMessage) return false;
  }
  const bool done = socket.canReadLine() && socket.readLine(kLongestMessage).trimmed() == "1";
  socket.disconnectFromServer();
  return done;
}

bool InstanceChannel::SendToChild(const QString& instanceBaseName, const QByteArray& message) {
  return Send(ChildName(instanceBaseName), message);
}

bool InstanceChannel::ChildIsRunning(const QString& instanceBaseName) {
  QLocalSocket socket;
  const bool running = ConnectTo(socket, ChildName(instanceBaseName));
  socket.abort();
  return running;
}

void InstanceChannel::OnNewConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // Only this user's own programs may ask anything of this one.
    if (!PeerIsThisUser(*socket)) {
      socket->abort();
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        const QByteArray message = socket->readLine(kLongestMessage).trimmed();
        if (message == kShowMessage) emit showRequested();
        if (message == kCloseMessage) emit closeRequested();
        if (message == kComeBackMessage) {
          socket->write(answerComeBack && answerComeBack() ? "1\n" : "0\n");
          socket->flush();
        }
      }
      // Anything else that is not a short line is not one of ours.
      if (socket->bytesAvailable() > kLongestMessage) socket->abort();
    });
  }
}

#include "moc_instance_channel.cpp"
