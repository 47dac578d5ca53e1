#pragma once

#include <QString>
#include <string>

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
};
