// A small HTTP server on 127.0.0.1 for tests and benchmarks: scripted answers per path (status,
// headers, body, with or without Content-Length, chunked, shorter or longer than announced,
// stalled, redirects, not HTTP at all) and the files of a folder for every other path.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>

class QTcpServer;
class QTcpSocket;

namespace kelvo::test {

struct HttpReply {
  int status = 200;
  QByteArray body;
  QList<std::pair<QByteArray, QByteArray>> headers;  // sent after the status line, before the length

  enum class Length { Exact, None, Announce };
  Length length = Length::Exact;  // Exact: the body's length; None: no Content-Length, closes at the end
  qint64 announced = 0;           // Announce: this Content-Length, whatever the body holds
  bool chunked = false;           // Transfer-Encoding: chunked, in pieces of 1000 bytes, no Content-Length
  qint64 stallAfter = -1;         // >= 0: send the headers and that many body bytes, then nothing, kept open
  bool silent = false;            // accept the request and never answer
  QByteArray raw;                 // when set: sent as it stands instead of an HTTP answer, then closed

  static HttpReply Ok(QByteArray body);
  static HttpReply Status(int status, QByteArray body = {});
  static HttpReply Redirect(const QByteArray& location, int status = 302);
};

// Listens from construction on an ephemeral port of 127.0.0.1. Lives in the thread that made it;
// a download in the same thread is served while that download lets events run.
class LoopbackHttpServer : public QObject {
 public:
  // `folder`: served for paths that have no scripted reply (nothing outside it); empty: 404.
  explicit LoopbackHttpServer(QString folder = {});
  ~LoopbackHttpServer() override;

  bool Listening() const;
  quint16 Port() const;
  QString BaseUrl() const;                 // "http://127.0.0.1:<port>/"
  QString Url(const QString& path) const;  // BaseUrl() + path (a leading "/" is dropped)

  // The answer for a path ("/AppVer.csv"; the query is part of it). Replaces an earlier one.
  void Script(const QString& path, HttpReply reply);
  void Unscript(const QString& path);

  // The request targets received so far, in order.
  QStringList Requests() const { return requests_; }
  void ClearRequests() { requests_.clear(); }

 private:
  void OnConnection();
  void OnRequest(QTcpSocket* socket, const QByteArray& target);
  HttpReply FromFolder(const QByteArray& target) const;

  QString folder_;
  QTcpServer* server_ = nullptr;
  QHash<QString, HttpReply> scripted_;
  QStringList requests_;
};

}  // namespace kelvo::test
