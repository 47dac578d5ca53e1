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
  kDownloadUrlNotOpened = 4,    // no connection, a bad URL, no answer in time, a redirect that leads nowhere
                                // (too many, to another scheme such as file:, or without a Location)
  kDownloadNoStatus = 5,        // the server answered something that is not an HTTP response, or
                                // headers too large to be read
  kDownloadNotFound = 6,        // a status outside 200..299 that is no redirect (304 Not Modified included)
  kDownloadNoLength = 7,        // no Content-Length (chunked answers included), one that is not
                                // plain digits ("5000abc"), or Content-Length headers that disagree
  kDownloadSizeMismatch = 8,    // the file is not as long as announced or is longer than its kind may be
  kDownloadNotSaved = 9,        // what arrived could not be written (a folder that cannot be written,
                                // a full disk, a folder where localPath + kPartSuffix should be)
};

// Progress modes: 0 none, 1 the skin chooser's text, 2 the update window's text and bar.
// `progress` receives the progress line and, in mode 2, the bar's fraction 0..1 (else -1).
using DownloadProgressSink = std::function<void(const QString& text, double barFraction)>;

// Fetches `url` (http or https, straight from the server: no proxy, no cache, at most five
// redirects) into `localPath`. Once the server has answered with a 2xx status and a
// Content-Length of at most `maxBytes` (a larger one is refused before anything is written), the
// body is written into a new file beside it, localPath + kPartSuffix, which replaces localPath
// only when it is exactly as long as announced: the name localPath holds the whole file or
// nothing, whenever the program stops. The body is read in blocks of 1024 bytes; after each block
// the pending window events run (at most every few milliseconds, so that the windows stay usable
// and repaint without slowing a fast transfer), then the download abort flag is looked at, then
// progress is reported. While the server is silent the events run too, and the flag ends the
// wait at once. A stop after the last block still gives the whole file. On any failure the
// partial file is deleted and localPath is left as it was. Returns one of the codes above.
int DownloadFile(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label,
                 int progressMode, const DownloadProgressSink& progress = {});

// What the file being fetched is called until it is whole: localPath + this.
inline constexpr const char* kPartSuffix = ".part";

// The message a window shows for a result code: "" for 0 and for unknown codes, "ST: 接続の中断"
// for 1, and an "NG: ..." line ending in CR LF for 2 to 9.
QString DownloadResultText(int code);

// A transfer that receives nothing for this long ends as if the data had ended. Tests shorten it.
inline constexpr std::chrono::milliseconds kDefaultStallTimeout{15000};
void SetDownloadStallTimeout(std::chrono::milliseconds timeout);

}  // namespace kelvo
