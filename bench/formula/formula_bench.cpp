// The formula calculator's times: kelvo-wsh from start to exit on a 200-character expression,
// and Enter in the formula box to the answer shown, through the real window and script host.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <string>

#include "script_text.h"
#include "sushiki_window.h"

extern char** environ;

namespace {

// An office formula of 200 characters: sums, a tax, a unit price, rounding.
std::string Formula200() {
  std::string formula;
  for (int n = 0; n < 6; ++n) formula += "(12800+3450*1.1)/12-Int(980.5)+";  // 31 characters
  return formula + "12345678901234";
}

void ScriptHostStartToExit(benchmark::State& state) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath(QStringLiteral("KelvoFiles/_sys/Calc"));
  const std::string calc = folder.path().toStdString() + "/KelvoFiles/_sys/Calc";
  const std::string script = calc + "/CalcRun.vbs";
  std::ofstream(script, std::ios::binary) << kelvo::wsh::BuildScript(calc + "/CalcAns.ini", Formula200(), 1);
  const std::string host = QCoreApplication::applicationDirPath().toStdString() + "/../../kelvo-wsh";
  char* argv[] = {const_cast<char*>(host.c_str()), const_cast<char*>(script.c_str()), nullptr};
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, host.c_str(), nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("kelvo-wsh did not start");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("kelvo-wsh failed");
      return;
    }
  }
}
BENCHMARK(ScriptHostStartToExit)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);

void EnterToAnswerShown(benchmark::State& state) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath(QStringLiteral("KelvoFiles/_sys/Calc"));
  const kelvo::FormulaFiles files{folder.path().toStdString(), "KelvoFiles/_sys/Calc/CalcRun.vbs",
                                  "KelvoFiles/_sys/Calc/CalcAns.ini"};
  TfrmSushiki::InitAnswerFile(files);
  TfrmSushiki window(nullptr, files);
  window.SetScriptHost(QCoreApplication::applicationDirPath() + QStringLiteral("/../../kelvo-wsh"));
  window.show();
  window.txtCalc->setPlainText(QString::fromStdString(Formula200()));
  for (auto _ : state) {
    QEventLoop loop;
    QObject::connect(&window, &TfrmSushiki::EvaluationFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(6000, &loop, &QEventLoop::quit);
    window.Calculate();
    loop.exec();
    if (window.txtMsg->toPlainText() != QStringLiteral("成功:")) {
      state.SkipWithError("no answer");
      return;
    }
  }
}
BENCHMARK(EnterToAnswerShown)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
