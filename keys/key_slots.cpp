#include "key_slots.h"

#include <array>

#include "keycodes.h"
#include "vk_codes.h"

namespace kelvo {
namespace {

struct KeySlot {
  const char* iniName;
  const char* label;
  int keyCode;      // calculator key code, 0 for a window command
  int defaultCode;  // factory virtual-key code
};

constexpr std::array<KeySlot, kKeySlotCount> kSlots = {{
    {"Per", "％", kKeyPercent, 'P'},
    {"CE", "CE", kKeyCE, vk::kDelete},
    {"MC", "MC", kKeyMC, vk::kLeft},
    {"MR", "MR", kKeyMR, 'M'},
    {"MP", "M+", kKeyMPlus, vk::kUp},
    {"MM", "M-", kKeyMMinus, vk::kDown},
    {"C", "C", kKeyC, vk::kRight},
    {"C2", "", kKeyC, 'E'},
    {"Route", "√", kKeySqrt, 'R'},
    {"Kenzan", "検算", kKeyKenzan, vk::kHome},
    {"Zeikomi", "税込", kKeyZeikomi, vk::kPrior},
    {"Zeinuki", "税抜", kKeyZeinuki, vk::kNext},
    {"BackS", "→", kKeyBackspace, vk::kBack},
    {"PM", "+/-", kKeySign, vk::kInsert},
    {"GT", "GT", kKeyGT, 'G'},
    {"CA", "CA", kKeyCA, vk::kEnd},
    {"Plus", "＋", kKeyPlus, vk::kSemicolonPlus},
    {"Minus", "－", kKeyMinus, vk::kMinusEqual},
    {"Kakeru", "×", kKeyMultiply, vk::kColonAsterisk},
    {"Waru", "÷", kKeyDivide, vk::kSlashQuestion},
    {"Canma", "・", kKeyPoint, vk::kPeriodGreater},
    {"KBH", "キー設定", 0, vk::kBackslashBar},
    {"KPN", "ミニ", 0, vk::kBracketBraceOpen},
    {"KKP", "拡大", 0, vk::kAtBackquote},
    {"BTN", "ボタン表示", 0, vk::kBracketBraceClose},
    {"Sushiki", "数式", 0, vk::kBackslashUnderscore},
    {"1", "1", kKeyDigit0 + 1, '1'},
    {"2", "2", kKeyDigit0 + 2, '2'},
    {"3", "3", kKeyDigit0 + 3, '3'},
    {"4", "4", kKeyDigit0 + 4, '4'},
    {"5", "5", kKeyDigit0 + 5, '5'},
    {"6", "6", kKeyDigit0 + 6, '6'},
    {"7", "7", kKeyDigit0 + 7, '7'},
    {"8", "8", kKeyDigit0 + 8, '8'},
    {"9", "9", kKeyDigit0 + 9, '9'},
    {"0", "0", kKeyDigit0, '0'},
    {"00", "00", kKeyDoubleZero, 0},
}};

const KeySlot* Slot(int slot) { return (slot >= 1 && slot <= kKeySlotCount) ? &kSlots[slot - 1] : nullptr; }

}  // namespace

std::string KeySlotIniName(int slot) { return Slot(slot) ? Slot(slot)->iniName : ""; }
int KeySlotDefault(int slot) { return Slot(slot) ? Slot(slot)->defaultCode : 0; }
std::string KeySlotLabel(int slot) { return Slot(slot) ? Slot(slot)->label : ""; }
int KeySlotKeyCode(int slot) { return Slot(slot) ? Slot(slot)->keyCode : 0; }

char KeySlotTypedCharacter(int slot) {
  constexpr char kOperators[] = "+-*/.";  // slots 17..21
  return slot >= 17 && slot <= 21 ? kOperators[slot - 17] : 0;
}

}  // namespace kelvo
