#pragma once

#include <QString>
#include <string>
#include <vector>

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
  // Reads the texts aloud one after the other, in place of whatever was waiting to be said.
  virtual void ReadAloud(std::vector<std::string> texts) = 0;
  // Silences the read-aloud.
  virtual void StopReading() = 0;
};
