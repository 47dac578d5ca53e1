#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display.h"
#include "invoice.h"
#include "keycodes.h"
#include "state.h"

namespace kelvo {

// The calculator: a state machine driven one key code at a time. It computes on decimal texts
// and tells its display what to draw; it never fails and never throws.
//
// Its state is its own: it changes only inside PressKey, ShowCopied, ResetLastAnswer and Reset
// (its tax registers also in ClearInvoice), never under a caller that reads it, so what a caller
// reads after a key (the marks lit, the lines of the calculation completed) is what that key left.
class Engine {
 public:
  explicit Engine(EngineDisplay& display) : display_(display) {}

  // Sets every register to its start-up value (the display is left to the caller to draw).
  void Reset() { state_ = EngineState{}; }

  // A key code (KeyCode); a code without a key only draws its button and returns the focus.
  void PressKey(int keyCode);
  void ReleaseKey(int keyCode);

  // Answer check was switched on or off: the next result never matches.
  void ResetLastAnswer() { state_.lastAnswer = "CLEAR"; }
  // The display was copied to the clipboard: the C mark lights until a key clears it.
  void ShowCopied() { DrawMark(Mark::Copied, true); }

  const EngineState& State() const { return state_; }
  // The lines of the last completed calculation, as the check tape shows them.
  std::vector<std::string> CompletedCalculation() const;
  // How many calculations have completed since the engine was made: a key that completes one
  // (=, %, or M+ and M- ending a pending calculation) adds one.
  std::uint64_t CompletedCount() const { return completed_; }

  // The tax registers: each first press of a tax key adds its figure at the rate it used. C and
  // CA leave them; only ClearInvoice (or a new engine) empties them.
  const InvoiceRegisters& Invoice() const { return invoice_; }
  void ClearInvoice() { invoice_.Clear(); }

 private:
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
  void Operate(KeyCode k);
  void SquareRoot();
  void MemoryKey(KeyCode code);
  void GrandTotalKey();
  void AccumulateGrandTotal(const std::string& result);
  void TaxKey(OpState shown);

  // Wrappers over the display that keep the engine's flags and lit marks in step with what is drawn.
  void DrawNumber(const std::string& text, bool error);
  void DrawMark(Mark mark, bool on);
  void ClearOperatorMarks();
  void ClearTransientMarks();
  void ClearMemoryMarks();
  // Every key ends here: labels, enlarged panel, keyboard focus.
  void Finish();

  EngineDisplay& display_;
  EngineState state_;
  InvoiceRegisters invoice_;
  std::uint64_t completed_ = 0;
};

// The two-character marks after a figure on the check tape.
inline constexpr std::string_view kPercentTapeMark = "\xEF\xBC\x85\xE3\x80\x80";      // ％ and an ideographic space
inline constexpr std::string_view kEqualsTapeMark = "\xEF\xBC\x9D\xE3\x80\x80";       // ＝
inline constexpr std::string_view kResultTapeMark = "\xEF\xBC\x8A\xE3\x80\x80";       // ＊
inline constexpr std::string_view kMemoryPlusTapeMark = "\xEF\xBC\x8B" "M";           // ＋M
inline constexpr std::string_view kMemoryMinusTapeMark = "\xEF\xBC\x8D" "M";          // －M
// ＋　 －　 ×　 ÷　, and a space and an ideographic space for none.
std::string_view OperatorTapeMark(Operator op);

// The lines of a check tape text. The last figure of a calculation in progress has no line end
// yet (its operator key is still to come): it gets the mark of `pending`.
std::vector<std::string> TapeLines(std::string_view tape, Operator pending = Operator::None);

// The pure helpers of the operation keys.
std::string PercentArith(const std::string& a, Operator op, const std::string& b, int percentType);
std::string RoundUpAtDisplay(const std::string& t);

}  // namespace kelvo
