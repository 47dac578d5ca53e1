// The paper tape: recording one calculation (the recorder's lines and the append to the file),
// and opening the tape window on a tape of a million lines (time, and memory added while open).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QListView>
#include <QScrollBar>
#include <filesystem>
#include <fstream>

#include "key_script.h"
#include "recording_display.h"
#include "recording_host.h"
#include "tape_file.h"
#include "tape_format.h"
#include "tape_model.h"
#include "tape_recorder.h"
#include "tape_window.h"

namespace {

namespace fs = std::filesystem;

std::string TemporaryTape(const char* name) {
  const fs::path folder = fs::temp_directory_path() / ("kelvo-tape-bench-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  return (folder / name).string();
}

// Resident memory of this process, in kB.
long ResidentKb() {
  std::ifstream status("/proc/self/statm");
  long size = 0, resident = 0;
  status >> size >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// 12 + 34 = on the engine, its lines from the recorder, appended as one block.
void BM_RecordOneCalculation(benchmark::State& state) {
  const std::string path = TemporaryTape("record.txt");
  fs::remove(path);
  tape::TapeFile file(path, 1000000);
  kelvo::RecordingDisplay display;
  kelvo::Calculator calculator(display);
  const int keys[] = {kelvo::KeyTokenCode("1"), kelvo::KeyTokenCode("2"), kelvo::KeyTokenCode("+"),
                      kelvo::KeyTokenCode("3"), kelvo::KeyTokenCode("4"), kelvo::KeyTokenCode("=")};
  for (auto _ : state) {
    for (int code : keys) {
      const std::vector<std::string> lines = calculator.PressKey(code);
      if (!lines.empty()) file.Append(tape::FormatBlock(tape::NowStamp(), lines), lines.size() + 2);
    }
  }
  fs::remove(path);
}
BENCHMARK(BM_RecordOneCalculation)->Unit(benchmark::kMicrosecond);

// The one append in many that finds the tape over its cap of a million lines and rewrites it
// without its oldest tenth.
void BM_AppendThatTrimsAFullTape(benchmark::State& state) {
  const std::string path = TemporaryTape("full.txt");
  const std::string block = tape::FormatBlock("2026-12-07 10:00:00", {"1,234＋　", "5,678＝　", "6,912＊　"});
  for (auto _ : state) {
    state.PauseTiming();
    {
      std::ofstream out(path, std::ios::binary);
      for (int i = 0; i < 200000; ++i) out << block;  // exactly a million lines
    }
    tape::TapeFile file(path, 1000000);
    state.ResumeTiming();
    file.Append(block, 5);
  }
  fs::remove(path);
}
BENCHMARK(BM_AppendThatTrimsAFullTape)->Unit(benchmark::kMillisecond)->Iterations(3);

class NoHost : public kelvo::test::RecordingHost, public TapeWindowHost {
 public:
  explicit NoHost(std::string path) : path_(std::move(path)) {}
  std::string SettingsFilePath() const override { return {}; }
  std::string TapeFilePath() override { return path_; }
  bool ClearTape() override { return true; }
  void EnterFigure(const QString&) override {}

 private:
  std::string path_;
};

// A tape of a million lines (333,334 calculations of three lines, over ten days), then the
// window opened on it, shown at its end.
void BM_OpenTapeWindowOnAMillionLines(benchmark::State& state) {
  const std::string path = TemporaryTape("million.txt");
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 333334; ++i) {
      const std::string day = "2026-12-" + std::to_string(10 + i / 33334) + " 10:00:00";
      out << tape::FormatBlock(day, {"1,234,567＋　", std::to_string(i) + "＝　", "1,234,567＊　"});
    }
  }
  NoHost host(path);
  long added = 0;
  for (auto _ : state) {
    const long before = ResidentKb();
    TfrmTape window(host, host);
    window.show();
    window.Reload();
    QCoreApplication::processEvents();
    added = ResidentKb() - before;
    benchmark::DoNotOptimize(window.List()->verticalScrollBar()->value());
  }
  state.counters["rows"] = 0;
  state.counters["MiB_added"] = static_cast<double>(added) / 1024.0;
  TfrmTape probe(host, host);
  probe.Reload();
  state.counters["rows"] = probe.Model()->rowCount();
  fs::remove(path);
}
BENCHMARK(BM_OpenTapeWindowOnAMillionLines)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
