#pragma once

// The tape window's host without a calculator: it records what the window asks, appends note
// records to the tape file, and answers corrections with a block of its own.
#include <functional>
#include <string>
#include <vector>

#include "tape_file.h"
#include "tape_format.h"
#include "tape_records.h"
#include "tape_window_host.h"

class FakeTapeHost : public TapeWindowHost {
 public:
  std::string path;
  QStringList entered;
  int clears = 0;
  std::vector<std::vector<std::string>> read;
  int stops = 0;
  tape::Correctable correctable{{}, {0, 1}};  // what CheckCorrection answers
  std::vector<tape::CorrectionRequest> corrections;
  // The window's AddBlock, as the main window calls it after an append.
  std::function<void(const std::string& block)> added;

  std::string TapeFilePath() override { return path; }
  bool ClearTape() override {
    ++clears;
    return true;
  }
  void EnterFigure(const QString& figure) override { entered << figure; }
  void ReadAloud(std::vector<std::string> texts) override { read.push_back(std::move(texts)); }
  void StopReading() override { ++stops; }
  tape::Correctable CheckCorrection(const std::vector<std::string>&) override { return correctable; }
  tape::CorrectionOutcome Correct(const tape::CorrectionRequest& request) override {
    corrections.push_back(request);
    // The corrected figure stands for the recomputed lines.
    const std::string block = tape::FormatBlock("2026-12-08 08:00:00", {tape::CorrectionLine(request.stamp), request.figure + "＊　"},
                                                tape::FormatTrailer({tape::CalcSettings{}, request.back}));
    tape::TapeFile(path, 1000000).Append(block, 5);
    if (added) added(block);
    return {true, {}, request.figure, !request.settings};
  }
  tape::RecordOutcome AppendTapeRecord(const std::string& record) override {
    return {!record.empty() && tape::TapeFile(path, 1000000).Append(record + "\n\n", 2).written, false};
  }
};
