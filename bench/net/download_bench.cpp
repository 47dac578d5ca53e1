// Download throughput of a 20 MB file from a loopback server running in its own thread, beside
// curl fetching the same file in the same run (its own transfer time, without its start-up).
//
//   build/bench/net/bench_download            (under X, or QT_QPA_PLATFORM=offscreen)
//
// DownloadFile: the file alone, no progress. UpdateWindow: the update window's "ダウンロード"
// with the file as the installer, its progress text and bar repainting while the bytes come in.
// Counters: MB/s of the download, MB/s of curl and their ratio ("vs curl"); for the window, how
// often the progress text repainted and the longest time the window's events had to wait.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "download.h"
#include "ini_file.h"
#include "loopback_http_server.h"
#include "shell_paths.h"
#include "recording_host.h"
#include "update_window.h"

namespace {

constexpr qint64 kFileBytes = 20 * 1024 * 1024;

// The server and its folder (the file, and an update list that offers it), in a thread of their
// own for the whole run.
struct ServerThread {
  QTemporaryDir folder;
  QThread thread;
  QObject context;
  kelvo::test::LoopbackHttpServer* server = nullptr;
  QString url;

  ServerThread() {
    QFile file(folder.filePath(QStringLiteral("big.bin")));
    file.open(QIODevice::WriteOnly);
    QByteArray block(1 << 20, '\0');
    for (qsizetype i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 31 + 7);
    for (qint64 written = 0; written < kFileBytes; written += block.size()) file.write(block);
    file.close();
    QFile list(folder.filePath(QStringLiteral("AppVer.csv")));
    list.open(QIODevice::WriteOnly);
    list.write("[Ver]99\r\n[Url]big.bin\r\n[Fil]big.tmp\r\n[Hos]bench\r\n");
    list.close();
    thread.start();
    context.moveToThread(&thread);
    QMetaObject::invokeMethod(&context, [this] { server = new kelvo::test::LoopbackHttpServer(folder.path()); },
                              Qt::BlockingQueuedConnection);
    url = server->Url(QStringLiteral("big.bin"));
  }
  ~ServerThread() {
    QMetaObject::invokeMethod(&context, [this] { delete server; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
  }
};

ServerThread& Server() {
  static ServerThread server;
  return server;
}

double CurlSeconds(const QString& url) {
  QProcess curl;
  curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                      QStringLiteral("-w"), QStringLiteral("%{time_total}"), url});
  if (!curl.waitForFinished(60000) || curl.exitCode() != 0) return 0;
  return curl.readAllStandardOutput().toDouble();
}

void ReportAgainstCurl(benchmark::State& state, double ours, double curl) {
  const double megabytes = kFileBytes / 1e6 * static_cast<double>(state.iterations());
  state.counters["MB/s"] = megabytes / ours;
  state.counters["curl MB/s"] = curl > 0 ? megabytes / curl : 0;
  state.counters["vs curl"] = curl > 0 ? curl / ours : 0;
  state.SetBytesProcessed(static_cast<int64_t>(kFileBytes * state.iterations()));
}

void DownloadFile(benchmark::State& state) {
  ServerThread& server = Server();
  QTemporaryDir target;
  const QString local = target.filePath(QStringLiteral("big.bin"));
  double ours = 0, curl = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    if (kelvo::DownloadFile(server.url, local, 2 * kFileBytes, {}, 0) != 0) state.SkipWithError("the download failed");
    const double seconds = clock.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    ours += seconds;
    curl += CurlSeconds(server.url);
  }
  ReportAgainstCurl(state, ours, curl);
}
BENCHMARK(DownloadFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Counts the paints of a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void UpdateWindow(benchmark::State& state) {
  ServerThread& server = Server();
  QTemporaryDir program;
  QDir(program.path()).mkpath(QStringLiteral("KelvoFiles/_sys"));
  kelvo::SetProgramFolder(program.path().toStdString());
  kelvo::UsePrimaryInstanceFiles();
  kelvo::IniFile settings(kelvo::CurrentSettingsPath());
  settings.WriteString("Net", "ServerUrl", server.server->BaseUrl().toStdString());
  settings.Flush();

  kelvo::test::RecordingHost host;
  TfrmUpdate window(host, QStringLiteral("2.10.01"), false);
  window.askYesNo = [](QWidget*, const QString&) { return false; };
  window.show();
  PaintCounter paints;
  window.findChild<QLineEdit*>(QStringLiteral("txtProgressStatus"))->installEventFilter(&paints);
  auto* check = window.findChild<QPushButton*>(QStringLiteral("btConnect"));
  auto* download = window.findChild<QPushButton*>(QStringLiteral("btDownload"));

  // How long the window's events wait at most: a timer that wants to run every millisecond.
  QElapsedTimer sinceTick;
  qint64 longestWaitNs = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    longestWaitNs = std::max(longestWaitNs, sinceTick.nsecsElapsed());
    sinceTick.restart();
  });
  tick.start(1);

  double ours = 0, curl = 0;
  for (auto _ : state) {
    state.PauseTiming();
    check->click();  // finds the "installer" again, which enables ダウンロード
    QApplication::processEvents();
    paints.paints = 0;
    longestWaitNs = 0;
    sinceTick.restart();
    state.ResumeTiming();
    QElapsedTimer clock;
    clock.start();
    download->click();
    const double seconds = clock.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    if (!QFile::exists(program.filePath(QStringLiteral("Update.exe")))) state.SkipWithError("the download failed");
    ours += seconds;
    curl += CurlSeconds(server.url);
  }
  ReportAgainstCurl(state, ours, curl);
  state.counters["repaints"] = paints.paints;
  state.counters["longest event wait ms"] = longestWaitNs / 1e6;
}
BENCHMARK(UpdateWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
