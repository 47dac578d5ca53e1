#pragma once

// Every calculator key, on screen or on the keyboard, reduces to one of these codes.
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

// Values the operation state takes after a tax key.
enum TaxCode : int {
  kTaxWithShown = 111,        // amount with tax shown
  kTaxWithoutShown = 112,     // amount without tax shown
  kTaxAfterWithShown = 113,   // tax shown after the tax-included key
  kTaxAfterWithoutShown = 114 // tax shown after the tax-excluded key
};

// Tape mark of a result line.
constexpr int kTapeResult = 222;

}  // namespace kelvo
