#pragma once

#include <string>

#include "marks.h"
#include "operator.h"

namespace kelvo {

// Where number entry stands: what the next digit does and what the number shown is.
// The numbers are what kelvo-keys prints as "entry".
enum class Entry : int {
  Waiting = 0,  // at start, after C or after an operator key: the next digit starts a number
  Operand = 1,  // the number shown is an operand: typed, or recalled as if typed (MR, GT, √, tax keys)
  Result = 9,   // a result is shown (=, %, an overflow or an error)
};

// The last special key and what it left shown; the next key may act on it (a second GT clears
// the grand total, a second tax key shows the tax, CE does nothing after M+). The numbers are
// what kelvo-keys prints as "opstate".
enum class OpState : int {
  None = 0,
  MemoryRecalled = 4,         // MR showed the memory
  MemoryAdded = 5,            // M+ added the number shown
  MemorySubtracted = 6,       // M- subtracted it
  GrandTotalRecalled = 20,    // GT showed the grand total
  SquareRoot = 30,            // √ showed a root
  Error = 99,                 // an error locked the calculator
  WithTaxShown = 111,         // 税込 showed the amount with tax
  WithoutTaxShown = 112,      // 税抜 showed the amount without tax
  TaxAfterWithShown = 113,    // a second 税込 showed the tax
  TaxAfterWithoutShown = 114, // a second 税抜 showed the tax
};

constexpr bool IsTaxState(OpState s) { return s >= OpState::WithTaxShown && s <= OpState::TaxAfterWithoutShown; }

// Which way a tax calculation goes from its base.
enum class TaxDirection : int {
  None = 0,
  AddTax = 1,     // the base is an amount without tax
  RemoveTax = 2,  // the base includes tax
};

// The calculator's registers and flags. Every register holds a decimal text.
struct EngineState {
  std::string display = "0";   // the number exactly as drawn (may end in "." or carry trailing zeros)
  std::string input = "0";     // the last entered operand
  std::string answer = "0";    // first operand, running result or last result
  Entry entry = Entry::Waiting;
  Operator pending = Operator::None;  // the operation an operator key left pending
  OpState opState = OpState::None;
  std::string constant;        // operand repeated by = and % without a pending operation
  Operator constantOp = Operator::None;  // operator kept with the constant
  bool chain = false;          // an operator key completed a chained operation (a + b +)
  std::string memory = "0";
  std::string grandTotal = "0";
  bool error = false;          // locked in the error state
  bool entryOverflow = false;  // the error state came from one digit too many
  std::string lastAnswer = "CLEAR";
  MarkSet marks;               // the marks the strip shows
  // The check tape's texts: figure and mark lines ended by CR LF (see TapeLines).
  std::string tapeInProgress;  // the calculation being entered; its last figure awaits its operator
  std::string tapeCurrent;     // the last completed calculation
  std::string tapePrevious;    // the one before it
  std::string taxBase;
  TaxDirection taxDirection = TaxDirection::None;
  // The figure a tax key left on the display, until another figure is drawn: a tax key pressed
  // on it works from a tax result, which the tax registers have counted already.
  std::string taxResult;
};

}  // namespace kelvo
