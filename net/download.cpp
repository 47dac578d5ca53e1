#include "download.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <optional>

#include "ascii.h"
#include "download_abort.h"
#include "download_progress.h"

namespace kelvo {
namespace {

constexpr qint64 kBlockSize = 1024;
// What the transfer may hold in memory ahead of the blocks written; the server waits beyond it.
constexpr qint64 kReadBufferSize = 1 << 20;
// How often a wait for the server looks at the download abort flag.
constexpr int kAbortPollMs = 50;
// Window events run after a block, but not more often than this: a fast transfer spends its time
// on the data, and the windows still answer and repaint within a few milliseconds.
constexpr qint64 kEventIntervalNs = 5'000'000;

std::chrono::milliseconds stallTimeout = kDefaultStallTimeout;

// The announced size: decimal digits and nothing else ("5000abc", "-1", "5e3" and "" are no length).
std::optional<double> LengthValue(const QByteArray& text) {
  if (text.isEmpty()) return std::nullopt;
  double value = 0;
  for (const char c : text) {
    if (!kelvo::IsAsciiDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

enum class WaitEnd { Ready, Stopped, Stalled };

// Lets window events run until `ready` holds. Ends early when the download abort flag is set,
// when the application is quitting (a stop too), or when nothing arrived for the stall timeout.
template <typename Ready>
WaitEnd WaitFor(QNetworkReply& reply, Ready ready) {
  if (ready()) return WaitEnd::Ready;
  QEventLoop loop;
  bool woken = false;
  bool stalled = false;
  auto wake = [&] {
    woken = true;
    loop.quit();
  };
  QTimer stall;
  stall.setSingleShot(true);
  QObject::connect(&stall, &QTimer::timeout, &loop, [&] {
    stalled = true;
    wake();
  });
  QTimer abortPoll;
  QObject::connect(&abortPoll, &QTimer::timeout, &loop, [&] {
    if (DownloadAbortRequested()) wake();
  });
  QObject::connect(&reply, &QNetworkReply::readyRead, &loop, [&] {
    stall.start(stallTimeout);  // something arrived
    wake();
  });
  QObject::connect(&reply, &QNetworkReply::metaDataChanged, &loop, wake);
  QObject::connect(&reply, &QNetworkReply::finished, &loop, wake);
  stall.start(stallTimeout);
  abortPoll.start(kAbortPollMs);
  for (;;) {
    woken = false;
    loop.exec();
    // A loop that ended without a wake was ended by the application quitting: it will not run
    // again, so waiting any longer would spin.
    if (!woken || DownloadAbortRequested()) return WaitEnd::Stopped;
    if (ready()) return WaitEnd::Ready;
    if (stalled) return WaitEnd::Stalled;
  }
}

QNetworkRequest FreshRequest(const QUrl& url) {
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("MyApp"));
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setRawHeader("Cache-Control", "no-cache");
  request.setRawHeader("Pragma", "no-cache");
  // The bytes as the server stores them, so that they add up to the Content-Length.
  request.setRawHeader("Accept-Encoding", "identity");
  request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
  // Redirects are followed here, one reply each (see OpenAnswer).
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
  return request;
}

bool IsHttpUrl(const QUrl& url) {
  return url.isValid() && !url.host().isEmpty() &&
         (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

constexpr int kMaxRedirects = 5;

// Where a redirect from `from` leads, if it may be followed: to http or https, never from https
// down to http. An empty URL when not.
QUrl RedirectTarget(const QUrl& from, const QVariant& location) {
  const QUrl target = location.toUrl();
  if (!location.isValid() || target.isEmpty()) return {};
  const QUrl next = from.resolved(target);
  if (!IsHttpUrl(next)) return {};
  if (from.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https")) return {};
  return next;
}

// The Content-Length of an answer: Qt joins repeated headers with ", ". Values that disagree give
// nothing; so does a missing header.
std::optional<double> AnnouncedLength(const QNetworkReply& reply) {
  if (!reply.hasRawHeader("Content-Length")) return std::nullopt;
  const QList<QByteArray> values = reply.rawHeader("Content-Length").split(',');
  const QByteArray first = values.front().trimmed();
  for (const QByteArray& value : values)
    if (value.trimmed() != first) return std::nullopt;
  return LengthValue(first);
}

// Answers that came from a server but are not HTTP.
// The statuses that send the client on to another address; other 3xx answers (304 Not Modified
// among them) bring no file.
bool IsRedirect(int status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

bool IsProtocolFailure(QNetworkReply::NetworkError error) {
  return error == QNetworkReply::ProtocolFailure || error == QNetworkReply::RemoteHostClosedError ||
         error == QNetworkReply::ProtocolUnknownError;
}

}  // namespace

void SetDownloadStallTimeout(std::chrono::milliseconds timeout) { stallTimeout = timeout; }

int DownloadFile(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label,
                 int progressMode, const DownloadProgressSink& progress) {
  ClearDownloadAbort();
  if (QCoreApplication::instance() == nullptr) return kDownloadNoSession;
  QNetworkAccessManager session;
  session.setProxy(QNetworkProxy::NoProxy);

  const QUrl address(url, QUrl::StrictMode);
  if (!IsHttpUrl(address)) return kDownloadUrlNotOpened;
  // Deleted before the session; abort() first, so that nothing arrives for it any more.
  const auto closeReply = [](QNetworkReply* reply) {
    reply->abort();
    delete reply;
  };
  std::unique_ptr<QNetworkReply, decltype(closeReply)> reply(nullptr, closeReply);
  const auto status = [&] { return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute); };

  // The status line and the headers, following redirects with a fresh reply for each: a reply that
  // follows them by itself may keep the headers of a redirect and join them to those of the answer
  // after it ("Content-Length: 0, 2500"), depending on how its thread's signals interleave.
  QUrl at = address;
  for (int redirects = 0;; ++redirects) {
    reply.reset(session.get(FreshRequest(at)));
    reply->setReadBufferSize(kReadBufferSize);
    switch (WaitFor(*reply, [&] { return status().isValid() || reply->isFinished(); })) {
      case WaitEnd::Stopped: return kDownloadStopped;
      case WaitEnd::Stalled: return kDownloadUrlNotOpened;
      case WaitEnd::Ready: break;
    }
    if (!status().isValid()) return IsProtocolFailure(reply->error()) ? kDownloadNoStatus : kDownloadUrlNotOpened;
    if (!IsRedirect(status().toInt())) break;
    // A redirect that leads nowhere: too many, no Location, or one to file: or another scheme.
    const QUrl next = RedirectTarget(at, reply->attribute(QNetworkRequest::RedirectionTargetAttribute));
    if (next.isEmpty() || redirects == kMaxRedirects) return kDownloadUrlNotOpened;
    at = next;
  }
  const int statusCode = status().toInt();
  if (statusCode < 200 || statusCode >= 300) return kDownloadNotFound;
  // Headers too many or too large to be read leave none at all (every server sends some).
  if (reply->rawHeaderList().isEmpty()) return kDownloadNoStatus;
  const std::optional<double> length = AnnouncedLength(*reply);
  if (!length) return kDownloadNoLength;
  const double announced = *length;
  if (announced > static_cast<double>(maxBytes)) return kDownloadSizeMismatch;  // nothing written

  // A fresh file beside the target: whatever had its name goes first, so that a link there is
  // replaced, not followed.
  const QString partPath = localPath + QLatin1String(kPartSuffix);
  QFile::remove(partPath);
  QFile file(partPath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return kDownloadNotSaved;

  qint64 written = 0;
  double received = 0;
  ProgressLines lines(progressMode, announced, label);
  char block[kBlockSize];
  QElapsedTimer sinceEvents;
  sinceEvents.start();
  for (;;) {
    // A block is full unless the data ended; a stall ends the data, a stop ends the loop too.
    if (WaitFor(*reply, [&] { return reply->bytesAvailable() >= kBlockSize || reply->isFinished(); }) != WaitEnd::Ready)
      break;
    const qint64 got = reply->read(block, kBlockSize);
    if (got <= 0) break;
    if (file.write(block, got) != got) break;  // a full disk: reported after the loop
    written += got;
    if (written > maxBytes) break;  // more than its kind may be: the size check refuses it
    if (sinceEvents.nsecsElapsed() >= kEventIntervalNs) {
      QCoreApplication::processEvents();  // the stop button, closing a window, repainting
      sinceEvents.restart();
    }
    if (DownloadAbortRequested()) break;
    received += kBlockSize;
    if (progress && (progressMode == 1 || progressMode == 2)) {
      const ProgressLine line = lines.At(received);
      progress(line.text, line.barFraction);
    }
  }
  file.close();

  if (file.error() != QFileDevice::NoError) {
    QFile::remove(partPath);
    return kDownloadNotSaved;
  }
  const bool whole = static_cast<double>(QFileInfo(partPath).size()) == announced && written <= maxBytes;
  if (!whole) {
    QFile::remove(partPath);
    return DownloadAbortRequested() ? kDownloadStopped : kDownloadSizeMismatch;
  }
  // The whole file takes the name, replacing what had it (a link there included, never followed).
  if (std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(localPath).constData()) != 0) {
    QFile::remove(partPath);
    return kDownloadNotSaved;
  }
  return kDownloadOk;
}

}  // namespace kelvo
