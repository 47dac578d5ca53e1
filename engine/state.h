#pragma once

#include <string>

namespace kelvo {

// The calculator's registers and flags. Every register holds a decimal text.
struct EngineState {
  std::string display = "0";   // the number exactly as drawn (may end in "." or carry trailing zeros)
  std::string input = "0";     // the last entered operand
  std::string answer = "0";    // first operand, running result or last result
  int entry = 0;               // 0 operator just pressed, 1 entering a number, 9 result shown
  int pending = 0;             // pending operator 17..20, 0 none
  int opState = 0;             // last special key: 4, 5, 6, 20, 30, 99, 111..114, 0 none
  std::string constant;        // operand repeated by = and % without a pending operation
  int constantOp = 0;          // operator kept with the constant, 0 none
  bool chain = false;          // an operator key completed a chained operation (a + b +)
  std::string memory = "0";
  std::string grandTotal = "0";
  bool error = false;          // locked in the error state
  bool entryOverflow = false;  // the error state came from one digit too many
  int overflowIndicator = 0;   // 19 memory overflow, 20 grand-total overflow
  bool answerChecked = false;  // the last = reproduced the previous answer
  std::string lastAnswer = "CLEAR";
  std::string tapeInProgress;
  std::string tapeCurrent;
  std::string tapePrevious;
  std::string taxBase;
  int taxDirection = 0;        // 1 base without tax, 2 base includes tax
};

}  // namespace kelvo
