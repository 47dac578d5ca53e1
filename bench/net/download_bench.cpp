// Download throughput of a 20 MB file from a loopback server running in its own thread, beside
// curl fetching the same file in the same run. Mode 0 writes the file only; mode 2 also shows the
// progress text and bar in a window that repaints after every block, as the update window does.
//
//   build/bench/net/bench_download [--benchmark_repetitions=5]
//
// Counters: MB/s of DownloadFile, MB/s of curl (its own transfer time, without its start-up), their
// ratio, and for mode 2 the repaints the window made during one download.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

#include "download.h"
#include "loopback_http_server.h"

namespace {

constexpr qint64 kFileBytes = 20 * 1024 * 1024;

// The server and its folder, in a thread of their own, for the whole run.
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
    thread.start();
    context.moveToThread(&thread);
    QMetaObject::invokeMethod(&context, [this] { server = new kelvo::test::LoopbackHttpServer(folder.path()); },
                              Qt::BlockingQueuedConnection);
    url = server->Url(QStringLiteral("big.bin"));
    if (qEnvironmentVariableIsSet("KELVO_BENCH_URL")) url = qEnvironmentVariable("KELVO_BENCH_URL");
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

// curl's own transfer time for the file, in seconds; 0 when curl is missing.
double CurlSeconds(const QString& url) {
  QProcess curl;
  curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                      QStringLiteral("-w"), QStringLiteral("%{time_total}"), url});
  if (!curl.waitForFinished(60000) || curl.exitCode() != 0) return 0;
  return curl.readAllStandardOutput().toDouble();
}

// A window like the update window's progress part: a text and a bar that grows.
class ProgressWindow : public QWidget {
 public:
  ProgressWindow() {
    resize(297, 181);
    bar_ = new QWidget(this);
    bar_->setGeometry(50, 100, 0, 12);
    bar_->setAutoFillBackground(true);
    bar_->setStyleSheet(QStringLiteral("background: blue"));
    text_ = new QLabel(this);
    text_->setGeometry(50, 114, 197, 16);
    text_->setAlignment(Qt::AlignRight);
  }
  void Show(const QString& text, double fraction) {
    if (text_->text() != text) text_->setText(text);
    const int width = qRound(fraction * 197);
    if (bar_->width() != width) bar_->resize(width, bar_->height());
  }
  int paints = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) ++paints;
    return QWidget::event(event);
  }

 private:
  QWidget* bar_;
  QLabel* text_;
};

void Download(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  ServerThread& server = Server();
  QTemporaryDir target;
  const QString local = target.filePath(QStringLiteral("big.bin"));
  std::unique_ptr<ProgressWindow> window;
  if (mode == 2) {
    window = std::make_unique<ProgressWindow>();
    window->show();
    QApplication::processEvents();
  }
  double ours = 0, curl = 0;
  for (auto _ : state) {
    if (window) window->paints = 0;
    QElapsedTimer clock;
    clock.start();
    const int code = kelvo::DownloadFile(server.url, local, {}, mode, [&](const QString& text, double bar) {
      if (window) window->Show(text, bar);
    });
    const double seconds = clock.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    if (code != 0) state.SkipWithError("the download failed");
    ours += seconds;
    curl += CurlSeconds(server.url);
  }
  const double megabytes = kFileBytes / 1e6 * static_cast<double>(state.iterations());
  state.counters["MB/s"] = megabytes / ours;
  state.counters["curl MB/s"] = curl > 0 ? megabytes / curl : 0;
  state.counters["vs curl"] = curl > 0 ? curl / ours : 0;
  if (window) state.counters["repaints"] = window->paints;
  state.SetBytesProcessed(static_cast<int64_t>(kFileBytes * state.iterations()));
}
BENCHMARK(Download)->Arg(0)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
