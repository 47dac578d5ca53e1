#pragma once

#include <QString>
#include <string>
#include <vector>

#include "tape_record_result.h"
#include "time_sum.h"

// What the time and day counts window asks of the calculator beside what every side window asks
// (kelvo::SideWindowHost). The main window implements it.
class TimeDaysHost {
 public:
  virtual ~TimeDaysHost() = default;

  // The round and decimal selectors as they are set now.
  virtual timecalc::Rounding CurrentRounding() = 0;
  // Types a figure into the calculator as pasting it would.
  virtual void EnterFigure(const QString& figure) = 0;
  // Appends one calculation (tape lines: a figure and a two-character mark each) to the paper
  // tape.
  virtual kelvo::TapeRecordResult RecordCalculation(const std::vector<std::string>& lines) = 0;
};
