#pragma once

namespace kelvo {

// The four arithmetic operators of the decimal arithmetic and of a pending calculation. Each
// has the number of its operator key (+ 17, - 18, x 19, ÷ 20), so that an operator key is its
// operator; kelvo-keys prints the pending one by that number.
enum class Operator : int {
  None = 0,
  Add = 17,
  Subtract = 18,
  Multiply = 19,
  Divide = 20,
};

}  // namespace kelvo
