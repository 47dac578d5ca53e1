#pragma once

#include <string>

#include "display.h"
#include "keycodes.h"
#include "state.h"

namespace kelvo {

// The calculator: a state machine driven one key code at a time. It computes on decimal texts
// and tells its display what to draw; it never fails and never throws.
class Engine {
 public:
  explicit Engine(EngineDisplay& display) : display_(display) {}

  // Sets every register to its start-up value (the display is left to the caller to draw).
  void Reset() { state_ = EngineState{}; }

  void PressKey(int keyCode);
  void ReleaseKey(int keyCode);

  // Answer check was switched on or off: the next result never matches.
  void ResetLastAnswer() { state_.lastAnswer = "CLEAR"; }
  // Trims spaces and control characters from both ends of the two completed tapes, in place.
  void TrimTapes();

  const EngineState& State() const { return state_; }
  EngineState& MutableState() { return state_; }

  // Handlers, one per key. PressKey calls them and then returns the focus; each one ignores
  // its key in the error state unless the key is one that leaves it.
  void EnterDigit(char c);
  void Backspace();
  void ChangeSign();
  void CancelEntry();
  void ClearEntryKey();
  void ClearKey();
  void ClearAllKey();
  void EnterErrorState();
  void Operate(int k);
  void SquareRoot();
  void MemoryKey(int code);
  void GrandTotalKey();
  void AccumulateGrandTotal(const std::string& result);
  void TaxKey(int s);

 private:
  // Wrappers over the display that keep the engine's flags in step with what is drawn.
  void DrawNumber(const std::string& text, bool error);
  void ClearTransientMarks();
  // Every key ends here: labels, enlarged panel, keyboard focus.
  void Finish();

  EngineDisplay& display_;
  EngineState state_;
};

// The pure helpers of the operation keys.
std::string PercentArith(const std::string& a, int op, const std::string& b, int percentType);
std::string TapeMark(int code);
std::string RoundUpAtDisplay(const std::string& t);

}  // namespace kelvo
