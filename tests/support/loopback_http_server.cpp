#include "loopback_http_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <memory>

namespace kelvo::test {
namespace {

constexpr qint64 kChunkPiece = 1000;

QByteArray Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

QByteArray Chunked(const QByteArray& body) {
  QByteArray out;
  for (qint64 at = 0; at < body.size(); at += kChunkPiece) {
    const QByteArray piece = body.mid(at, kChunkPiece);
    out += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
  }
  return out + "0\r\n\r\n";
}

QByteArray Encode(const HttpReply& reply) {
  QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + Reason(reply.status) + "\r\n";
  for (const auto& [name, value] : reply.headers) head += name + ": " + value + "\r\n";
  QByteArray body = reply.body;
  if (reply.chunked) {
    head += "Transfer-Encoding: chunked\r\n";
    body = Chunked(body);
  } else if (reply.length == HttpReply::Length::Exact) {
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
  } else if (reply.length == HttpReply::Length::Announce) {
    head += "Content-Length: " + QByteArray::number(reply.announced) + "\r\n";
  }
  head += "Connection: close\r\n\r\n";
  if (reply.stallAfter >= 0) body.truncate(reply.stallAfter);
  return head + body;
}

}  // namespace

HttpReply HttpReply::Ok(QByteArray body) {
  HttpReply reply;
  reply.body = std::move(body);
  return reply;
}

HttpReply HttpReply::Status(int status, QByteArray body) {
  HttpReply reply = Ok(std::move(body));
  reply.status = status;
  return reply;
}

HttpReply HttpReply::Redirect(const QByteArray& location, int status) {
  HttpReply reply = Status(status);
  reply.headers.push_back({"Location", location});
  return reply;
}

LoopbackHttpServer::LoopbackHttpServer(QString folder) : folder_(std::move(folder)), server_(new QTcpServer(this)) {
  QObject::connect(server_, &QTcpServer::newConnection, this, [this] { OnConnection(); });
  server_->listen(QHostAddress::LocalHost, 0);
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

bool LoopbackHttpServer::Listening() const { return server_->isListening(); }
quint16 LoopbackHttpServer::Port() const { return server_->serverPort(); }
QString LoopbackHttpServer::BaseUrl() const { return QStringLiteral("http://127.0.0.1:%1/").arg(Port()); }

QString LoopbackHttpServer::Url(const QString& path) const {
  return BaseUrl() + (path.startsWith(u'/') ? path.mid(1) : path);
}

void LoopbackHttpServer::Script(const QString& path, HttpReply reply) { scripted_.insert(path, std::move(reply)); }
void LoopbackHttpServer::Unscript(const QString& path) { scripted_.remove(path); }

void LoopbackHttpServer::OnConnection() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    socket->setParent(this);
    // One request per connection: every answer closes it (or stalls).
    struct Request {
      QByteArray head;
      bool answered = false;
    };
    auto request = std::make_shared<Request>();
    QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
      if (request->answered) return;
      request->head += socket->readAll();
      const qsizetype end = request->head.indexOf("\r\n\r\n");
      if (end < 0) return;
      request->answered = true;
      const QList<QByteArray> words = request->head.left(request->head.indexOf("\r\n")).split(' ');
      OnRequest(socket, words.size() >= 2 ? words[1] : QByteArray("/"));
    });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  }
}

void LoopbackHttpServer::OnRequest(QTcpSocket* socket, const QByteArray& target) {
  const QString path = QString::fromUtf8(target);
  requests_.push_back(path);
  const auto scripted = scripted_.constFind(path);
  const HttpReply reply = scripted != scripted_.cend() ? *scripted : FromFolder(target);
  if (reply.silent) return;
  if (!reply.raw.isEmpty()) {
    socket->write(reply.raw);
    socket->disconnectFromHost();
    return;
  }
  socket->write(Encode(reply));
  // A stalled answer keeps the connection open and silent; every other one ends with it.
  if (reply.stallAfter < 0) socket->disconnectFromHost();
}

HttpReply LoopbackHttpServer::FromFolder(const QByteArray& target) const {
  if (folder_.isEmpty()) return HttpReply::Status(404);
  const QString path = QUrl::fromPercentEncoding(target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?')));
  const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
  if (parts.contains(QStringLiteral("..")) || path.contains(u'\\')) return HttpReply::Status(404);
  QFile file(QDir(folder_).filePath(parts.join(u'/')));
  if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) return HttpReply::Status(404);
  return HttpReply::Ok(file.readAll());
}

}  // namespace kelvo::test
