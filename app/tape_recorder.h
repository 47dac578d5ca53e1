#pragma once

#include <string>
#include <vector>

#include "display.h"
#include "state.h"

namespace kelvo {

// Decides what one key adds to the paper tape, from the engine's state around the key: a
// completed calculation as the check tape shows it, the results of the tax keys with the rate
// used, GT and memory recall, M+ and M- of a shown figure, and an error line when a calculation
// ends in error. Every line is a figure followed by a two-character mark.
class TapeRecorder {
 public:
  // Before each key press.
  void BeforeKey(const EngineState& state);
  // The engine completed a calculation during the key (its lines are state.tapeCurrent).
  void CalculationCompleted() { completed_ = true; }
  // After the key press: the lines of the calculation it ended, or none.
  std::vector<std::string> AfterKey(int keyCode, const EngineState& state, const EngineSettings& settings);

 private:
  bool errorBefore_ = false;
  int pendingBefore_ = 0;
  bool completed_ = false;
};

// The tax rate the tax keys use, as a tape shows it: "5%", "8%", "2.5%".
std::string RateText(const EngineSettings& settings);

}  // namespace kelvo
