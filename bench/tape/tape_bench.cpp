// The paper tape: recording one calculation (the recorder's lines and the append to the file),
// and opening the tape window on a tape of a million lines (time, and memory added while open).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "key_script.h"
#include "recording_display.h"
#include "recording_host.h"
#include "tape_file.h"
#include "tape_format.h"
#include "tape_model.h"
#include "tape_records.h"
#include "tape_recorder.h"
#include "tape_replay.h"
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

// The peak of resident memory since the last ResetPeakKb, in kB.
long PeakKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
  return 0;
}
void ResetPeakKb() { std::ofstream("/proc/self/clear_refs") << "5"; }

// A tape of `lines` lines (three-line calculations, ten days), as the program writes them.
// With `records`, each calculation has the trailer of its settings, and every tenth a note, as
// the calculator writes them.
void WriteTape(const std::string& path, long lines, bool records = false) {
  std::ofstream out(path, std::ios::binary);
  const std::string trailer = records ? tape::FormatTrailer({tape::CalcSettings{}, 0}) : std::string();
  for (long i = 0; i < lines / 5; ++i) {
    const std::string day = "2026-12-" + std::to_string(10 + i * 10 / (lines / 5 + 1)) + " 10:00:00";
    out << tape::FormatBlock(day, {"1,234,567＋　", std::to_string(i) + "＝　", "1,234,567＊　"}, trailer);
    if (records && i % 10 == 0) out << tape::FormatNoteRecord(day, 1, "伝票 No." + std::to_string(i)) << "\n\n";
  }
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
      // With the trailer of its settings, as the main window records it.
      if (!lines.empty())
        file.Append(tape::FormatBlock(tape::NowStamp(), lines, tape::FormatTrailer({kelvo::RecordedSettings(display.settings), 0})),
                    lines.size() + 4);
    }
  }
  fs::remove(path);
}
BENCHMARK(BM_RecordOneCalculation)->Unit(benchmark::kMicrosecond);

// One figure of forty corrected: the sum checked against its lines, then recomputed, each on a
// calculator of its own.
void BM_CorrectOneFigureOfForty(benchmark::State& state) {
  kelvo::RecordingDisplay display;
  kelvo::Calculator calculator(display);
  std::vector<std::string> lines;
  for (int i = 1; i <= 40; ++i) {
    for (const char digit : std::to_string(1000 + i * 37)) calculator.PressKey(kelvo::KeyTokenCode(std::string(1, digit)));
    lines = calculator.PressKey(kelvo::KeyTokenCode(i < 40 ? "+" : "="));
  }
  for (auto _ : state) {
    const kelvo::Replayed replayed = kelvo::Replay(lines, display.settings, 20, "4,321", true);
    benchmark::DoNotOptimize(replayed.lines.data());
  }
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_CorrectOneFigureOfForty)->Unit(benchmark::kMicrosecond);

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

// The append that finds a tape of 256 MiB (written by another program, or from before the cap)
// and trims it to its newest million lines: reading only the end, a chunk at a time.
void BM_TrimOfAnOversizeTape(benchmark::State& state) {
  const std::string path = TemporaryTape("oversize.txt");
  const std::string block = tape::FormatBlock("2026-12-07 10:00:00", {"1,234＋　", "5,678＝　", "6,912＊　"});
  long peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      std::ofstream out(path, std::ios::binary);
      std::string chunk;
      for (int i = 0; i < 10000; ++i) chunk += block;
      for (std::size_t written = 0; written < (256u << 20); written += chunk.size()) out << chunk;
    }
    tape::TapeFile file(path, 1000000);
    ResetPeakKb();
    const long before = PeakKb();
    state.ResumeTiming();
    file.Append(block, 5);
    peak = std::max(peak, PeakKb() - before);
  }
  state.counters["MiB_peak_added"] = static_cast<double>(peak) / 1024.0;
  fs::remove(path);
}
BENCHMARK(BM_TrimOfAnOversizeTape)->Unit(benchmark::kMillisecond)->Iterations(2);

class NoHost : public kelvo::test::RecordingHost, public TapeWindowHost {
 public:
  explicit NoHost(std::string path) : path_(std::move(path)) {}
  std::string SettingsFilePath() const override { return {}; }
  std::string TapeFilePath() override { return path_; }
  bool ClearTape() override { return true; }
  void EnterFigure(const QString&) override {}
  void ReadAloud(std::vector<std::string>) override {}
  void StopReading() override {}
  tape::Correctable CheckCorrection(const std::vector<std::string>&) override { return {"-", {}}; }
  tape::CorrectionOutcome Correct(const tape::CorrectionRequest&) override { return {}; }
  tape::RecordOutcome AppendTapeRecord(const std::string&) override { return {}; }

 private:
  std::string path_;
};

// A tape of a million lines (333,334 calculations of three lines, over ten days), then the
// window opened on it, shown at its end; with argument 1 each calculation has its trailer and
// every tenth a note.
void BM_OpenTapeWindowOnAMillionLines(benchmark::State& state) {
  const std::string path = TemporaryTape("million.txt");
  WriteTape(path, 1666670, state.range(0) == 1);  // a million tape lines
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
BENCHMARK(BM_OpenTapeWindowOnAMillionLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole tape of a million lines saved as PDF from the window: the time it takes, and the
// longest the window's events waited meanwhile (a timer asks every 10 ms).
void BM_SaveAMillionLinesAsPdf(benchmark::State& state) {
  const std::string path = TemporaryTape("million-pdf.txt");
  WriteTape(path, 1666670);
  NoHost host(path);
  TfrmTape window(host, host);
  window.show();
  window.Reload();
  const QString pdf = QString::fromStdString(TemporaryTape("million.pdf"));
  qint64 longestWait = 0;
  for (auto _ : state) {
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      longestWait = std::max(longestWait, sinceTick.restart());
    });
    tick.start(10);
    window.SaveAs(pdf);
    longestWait = std::max(longestWait, sinceTick.elapsed());
  }
  state.counters["rows"] = window.Model()->rowCount();
  state.counters["ms_longest_wait"] = static_cast<double>(longestWait);
  fs::remove(path);
  fs::remove(pdf.toStdString());
}
BENCHMARK(BM_SaveAMillionLinesAsPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
