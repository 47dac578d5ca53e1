#pragma once

#include <QString>
#include <string>
#include <vector>

#include "tape_correction.h"

// What the tape window asks of the calculator beside what every side window asks
// (kelvo::SideWindowHost). The main window implements it.
class TapeWindowHost {
 public:
  virtual ~TapeWindowHost() = default;

  // The tape file to show.
  virtual std::string TapeFilePath() = 0;
  // Empties the tape file; false when it cannot be written.
  virtual bool ClearTape() = 0;
  // Types a figure of the tape into the calculator as if its keys were pressed.
  virtual void EnterFigure(const QString& figure) = 0;

  // Whether the calculation with these lines can be recomputed from them, and which figures a
  // correction may change.
  virtual tape::Correctable CheckCorrection(const std::vector<std::string>& lines) = 0;
  // Recomputes a calculation with one figure changed and appends the result to the tape as its
  // correction; the tape window gets the block through AddBlock like any other.
  virtual tape::CorrectionOutcome Correct(const tape::CorrectionRequest& request) = 0;
  // Appends a record line that is no calculation (a note record) to the tape.
  virtual tape::RecordOutcome AppendTapeRecord(const std::string& record) = 0;
  // Reads the texts aloud one after the other, in place of whatever was waiting to be said.
  virtual void ReadAloud(std::vector<std::string> texts) = 0;
  // Silences the read-aloud.
  virtual void StopReading() = 0;
};
