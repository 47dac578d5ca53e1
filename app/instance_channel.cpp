#include "instance_channel.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include "shell_paths.h"

#include <unistd.h>

namespace {

constexpr int kConnectTimeoutMs = 300;
constexpr qint64 kLongestMessage = 64;

// Names are per user, like the named mutex of a desktop session, and per program folder.
QString PerUser(const QString& name) {
  const QByteArray folder = QByteArray::fromStdString(kelvo::ProgramFolder());
  const QByteArray digest = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
  return name + QStringLiteral(".uid") + QString::number(getuid()) + QLatin1Char('.') + QString::fromLatin1(digest);
}

bool Send(const QString& name, const QByteArray& message) {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(message + '\n');
  const bool written = socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return written;
}

}  // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {
  server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  connect(&server_, &QLocalServer::newConnection, this, &InstanceChannel::OnNewConnection);
}

QString InstanceChannel::PrimaryName() { return PerUser(QStringLiteral("Morvane_KELVO")); }

QString InstanceChannel::ChildName(const QString& instanceBaseName) {
  return PerUser(QStringLiteral("KelvoChild ") + instanceBaseName);
}

bool InstanceChannel::Listen(const QString& name) {
  server_.close();
  return server_.listen(name);
}

bool InstanceChannel::ClaimPrimary() {
  if (Listen(PrimaryName())) return true;
  // Without any way to tell, run as the primary instance.
  return server_.serverError() != QAbstractSocket::AddressInUseError;
}

void InstanceChannel::ReleasePrimary() { server_.close(); }

bool InstanceChannel::ListenAsChild(const QString& instanceBaseName) { return Listen(ChildName(instanceBaseName)); }

bool InstanceChannel::SendToPrimary(const QByteArray& message) { return Send(PrimaryName(), message); }

bool InstanceChannel::SendToChild(const QString& instanceBaseName, const QByteArray& message) {
  return Send(ChildName(instanceBaseName), message);
}

bool InstanceChannel::ChildIsRunning(const QString& instanceBaseName) {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(ChildName(instanceBaseName));
  const bool running = socket.waitForConnected(kConnectTimeoutMs);
  socket.abort();
  return running;
}

void InstanceChannel::OnNewConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        const QByteArray message = socket->readLine(kLongestMessage).trimmed();
        if (message == kShowMessage) emit showRequested();
        if (message == kCloseMessage) emit closeRequested();
      }
      // Anything else that is not a short line is not one of ours.
      if (socket->bytesAvailable() > kLongestMessage) socket->abort();
    });
  }
}
