// kelvo-formula: runs formulas through the formula window, for tests and checks from outside.
//
// Reads formulas from standard input, one a line ("\n", backslash and n, stands for a line break
// typed in the box), runs each through the real window class (headless), the real script host
// and answer file in a temporary program folder, and prints one JSON line a formula, in input
// order: {"ans": "42", "msg": "成功:"} with the texts of txtAns and txtMsg after the answer
// arrived, or the message that refused it (a formula longer than the box takes included); null
// for both when the window does nothing; "" when no answer came in time. Several
// windows work at once, each in its own folder.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sushiki_window.h"
#include "text_escape.h"

namespace {

constexpr int kWindows = 16;

struct Result {
  std::optional<std::string> ans;
  std::optional<std::string> msg;
};

std::string JsonString(const std::optional<std::string>& text) { return text ? kelvo::JsonString(*text) : "null"; }

QString BoxText(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  QString text = QString::fromStdString(line);
  text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  return text;
}

// One window in its own program folder, taking formulas one after another.
class Worker {
 public:
  explicit Worker(const QString& scriptHost) {
    QDir(folder_.path()).mkpath(QStringLiteral("KelvoFiles/_sys/Calc"));
    const kelvo::FormulaFiles files{QDir(folder_.path()).absolutePath().toStdString(),
                                    "KelvoFiles/_sys/Calc/CalcRun.vbs", "KelvoFiles/_sys/Calc/CalcAns.ini"};
    TfrmSushiki::InitAnswerFile(files);
    window_ = std::make_unique<TfrmSushiki>(nullptr, files);
    window_->SetScriptHost(scriptHost);
    window_->show();
  }

  TfrmSushiki& Window() { return *window_; }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TfrmSushiki> window_;
};

class Runner {
 public:
  Runner(std::vector<std::string> lines, const QString& scriptHost) : lines_(std::move(lines)), results_(lines_.size()) {
    const std::size_t count = std::min<std::size_t>(kWindows, std::max<std::size_t>(lines_.size(), 1));
    for (std::size_t n = 0; n < count; ++n) {
      workers_.push_back(std::make_unique<Worker>(scriptHost));
      TfrmSushiki& window = workers_.back()->Window();
      QObject::connect(&window, &TfrmSushiki::EvaluationFinished, &window, [this, n] { Finish(n); });
    }
    busy_.assign(workers_.size(), 0);
  }

  void Start() {
    for (std::size_t n = 0; n < workers_.size(); ++n) Feed(n);
    if (done_ == lines_.size()) QCoreApplication::quit();
  }

 private:
  void Feed(std::size_t worker) {
    while (next_ < lines_.size()) {
      const std::size_t index = next_++;
      TfrmSushiki& window = workers_[worker]->Window();
      window.txtAns->clear();
      window.txtMsg->clear();
      if (!window.SetFormula(BoxText(lines_[index]))) {
        Record(index, window);  // longer than the box takes
        continue;
      }
      const TfrmSushiki::Calculation what = window.Calculate();
      if (what == TfrmSushiki::Calculation::Started) {
        busy_[worker] = index;
        return;
      }
      if (what == TfrmSushiki::Calculation::Refused) Record(index, window);
      else Complete(index, Result{});
    }
  }

  void Finish(std::size_t worker) {
    Record(busy_[worker], workers_[worker]->Window());
    Feed(worker);
    if (done_ == lines_.size()) QCoreApplication::quit();
  }

  void Record(std::size_t index, TfrmSushiki& window) {
    Complete(index, Result{window.txtAns->text().toStdString(), window.txtMsg->toPlainText().toStdString()});
  }

  void Complete(std::size_t index, Result result) {
    results_[index] = std::move(result);
    ++done_;
    // Print every result whose predecessors are all printed.
    while (printed_ < done_ && printed_ < results_.size() && results_[printed_]) {
      const Result& r = *results_[printed_++];
      std::cout << "{\"ans\": " << JsonString(r.ans) << ", \"msg\": " << JsonString(r.msg) << "}\n";
    }
    std::cout.flush();
  }

  std::vector<std::string> lines_;
  std::vector<std::optional<Result>> results_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::vector<std::size_t> busy_;
  std::size_t next_ = 0;
  std::size_t done_ = 0;
  std::size_t printed_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::vector<std::string> lines;
  for (std::string line; std::getline(std::cin, line);) lines.push_back(line);
  if (lines.empty()) return 0;
  Runner runner(std::move(lines), QCoreApplication::applicationDirPath() + QStringLiteral("/kelvo-wsh"));
  QMetaObject::invokeMethod(&app, [&runner] { runner.Start(); }, Qt::QueuedConnection);
  return app.exec();
}
