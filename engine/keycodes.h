#pragma once

#include "operator.h"

// Every calculator key, on screen or on the keyboard, reduces to one of these codes. The key
// images, the key slots and kelvo-keys' "key:N" tokens use the same numbers.
namespace kelvo {

enum KeyCode : int {
  kKeyPercent = 1,
  kKeyCE = 2,
  kKeyMC = 3,
  kKeyMR = 4,
  kKeyMPlus = 5,
  kKeyMMinus = 6,
  kKeyC = 7,
  kKeySqrt = 9,
  kKeyKenzan = 10,    // check tape window toggle
  kKeyZeikomi = 11,   // tax included
  kKeyZeinuki = 12,   // tax excluded
  kKeyBackspace = 13,
  kKeySign = 14,
  kKeyGT = 15,
  kKeyCA = 16,
  kKeyPlus = 17,
  kKeyMinus = 18,
  kKeyMultiply = 19,
  kKeyDivide = 20,
  kKeyPoint = 21,
  kKeyEquals = 99,
  kKeyDigit0 = 100,   // 100..109 are the digits 0..9
  kKeyDigit9 = 109,
  kKeyDoubleZero = 110,
};

static_assert(kKeyPlus == static_cast<int>(Operator::Add) && kKeyMinus == static_cast<int>(Operator::Subtract) &&
              kKeyMultiply == static_cast<int>(Operator::Multiply) && kKeyDivide == static_cast<int>(Operator::Divide));

// The operator of an operator key (+ - x ÷), Operator::None for any other key.
constexpr Operator OperatorOfKey(int code) {
  return code >= kKeyPlus && code <= kKeyDivide ? static_cast<Operator>(code) : Operator::None;
}

}  // namespace kelvo
