#pragma once

#include <string>

namespace kelvo {

// The 37 key slots of the key assignment: 1..21 the calculator keys % CE MC MR M+ M- C, a second
// C, √ 検算 税込 税抜 backspace +/- GT CA + - × ÷ and the point; 22..26 window commands (key
// settings, mini size, enlarged panel, button display, formula window); 27..35 the digits 1..9,
// 36 the digit 0, 37 the double zero.
inline constexpr int kKeySlotCount = 37;

// The slots of the five window commands; their numbers are the order of section KeySet.
enum KeySlot : int {
  kSlotKeySettings = 22,  // KBH: the key settings dialog
  kSlotMiniSize = 23,     // KPN: mini size
  kSlotBigPanel = 24,     // KKP: the enlarged panel
  kSlotButtons = 25,      // BTN: button display
  kSlotFormula = 26,      // Sushiki: the formula window
};

// The key under which a slot is kept in section KeySet ("Per", "CE", ... "00"); the empty text
// outside 1..37.
std::string KeySlotIniName(int slot);
// The factory key of a slot as a virtual-key code (0 for the double zero and outside 1..37).
int KeySlotDefault(int slot);
// The caption beside the slot's field in the key settings dialog ("％", "検算"; slot 8 has none).
std::string KeySlotLabel(int slot);
// The calculator key code the slot's key sends to the engine; 0 for the five window commands
// (slots 22..26) and outside 1..37.
int KeySlotKeyCode(int slot);
// The character that works an operator slot's key on a layout other than Japanese, where the
// factory code (a Japanese key's) does not: '+' '-' '*' '/' '.' for slots 17..21, else 0.
char KeySlotTypedCharacter(int slot);

}  // namespace kelvo
