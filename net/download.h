#pragma once

#include <QString>

#include <chrono>
#include <functional>

// Fetching one file from the download server into a local file, on the user-interface thread.
namespace kelvo {

// Result codes of DownloadFile.
enum DownloadResult : int {
  kDownloadOk = 0,
  kDownloadStopped = 1,         // the download abort flag stopped it
  kDownloadNoInternet = 2,      // never produced by DownloadFile itself
  kDownloadNoSession = 3,
  kDownloadUrlNotOpened = 4,    // no connection, a bad URL, too many redirects, no answer in time
  kDownloadNoStatus = 5,        // the server answered something that is not an HTTP response
  kDownloadNotFound = 6,        // a status outside 200..299
  kDownloadNoLength = 7,        // no Content-Length (chunked answers included)
  kDownloadSizeMismatch = 8,    // the file is not as long as announced, or could not be written
};

// Progress modes: 0 none, 1 the skin chooser's text, 2 the update window's text and bar.
// `progress` receives the progress line and, in mode 2, the bar's fraction 0..1 (else -1).
using DownloadProgressSink = std::function<void(const QString& text, double barFraction)>;

// Fetches `url` (http or https, straight from the server: no proxy, no cache, at most five
// redirects) into `localPath`, which is made afresh once the server has answered with a 2xx
// status and a Content-Length. The body is read in blocks of 1024 bytes; after each block the
// pending window events run (at most every few milliseconds, so that the windows stay usable and
// repaint without slowing a fast transfer), then the download abort flag is looked at, then
// progress is reported. While the server is silent the events run too, and the flag ends the
// wait at once. A file that does not end up exactly as long as announced is deleted, so a stop
// after the last block still leaves the whole file. Returns one of the codes above.
int DownloadFile(const QString& url, const QString& localPath, const QString& label, int progressMode,
                 const DownloadProgressSink& progress = {});

// The message a window shows for a result code: "" for 0 and for unknown codes, "ST: 接続の中断"
// for 1, and an "NG: ..." line ending in CR LF for 2 to 8.
QString DownloadResultText(int code);

// A transfer that receives nothing for this long ends as if the data had ended. Tests shorten it.
inline constexpr std::chrono::milliseconds kDefaultStallTimeout{15000};
void SetDownloadStallTimeout(std::chrono::milliseconds timeout);

}  // namespace kelvo
