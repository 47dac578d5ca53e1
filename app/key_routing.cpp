#include "key_routing.h"

#include <cstddef>

#include "keycodes.h"
#include "key_slots.h"
#include "vk_codes.h"

namespace key_routing {
namespace {

namespace vk = kelvo::vk;

// The keypad digits and operators and Enter, which act without being assigned.
int FixedKeyCode(int code) {
  if (code >= vk::kNumpad0 && code <= vk::kNumpad9) return kelvo::kKeyDigit0 + (code - vk::kNumpad0);
  switch (code) {
    case vk::kReturn: return kelvo::kKeyEquals;
    case vk::kMultiply: return kelvo::kKeyMultiply;
    case vk::kAdd: return kelvo::kKeyPlus;
    case vk::kSubtract: return kelvo::kKeyMinus;
    case vk::kDecimal: return kelvo::kKeyPoint;
    case vk::kDivide: return kelvo::kKeyDivide;
    default: return 0;
  }
}

bool Matches(const Slots& keySlots, int slot, int virtualKey) {
  return virtualKey != 0 && keySlots[static_cast<std::size_t>(slot)] == virtualKey;
}

}  // namespace

KeyDown RouteKeyDown(int virtualKey, bool shift, bool miniSize, const Slots& keySlots) {
  if (virtualKey == vk::kF12) return {KeyDown::CloseTopWindow, 0};
  if (!shift) {
    if (virtualKey == vk::kC) return {KeyDown::Copy, 0};
    if (const int code = FixedKeyCode(virtualKey); code != 0) return {KeyDown::Press, code};
  }
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot) {
    if (!Matches(keySlots, slot, virtualKey)) continue;
    switch (slot) {
      case kelvo::kSlotKeySettings: return {KeyDown::ToggleKeySettings, 0};
      case kelvo::kSlotMiniSize: return {KeyDown::ToggleMiniSize, 0};
      case kelvo::kSlotBigPanel: return {KeyDown::ToggleBigPanel, 0};
      case kelvo::kSlotButtons: return miniSize ? KeyDown{} : KeyDown{KeyDown::ToggleButtons, 0};
      case kelvo::kSlotFormula: return {KeyDown::ToggleFormula, 0};
      default: return {KeyDown::Press, kelvo::KeySlotKeyCode(slot)};
    }
  }
  return {};
}

int RouteKeyUp(int virtualKey, bool shift, const Slots& keySlots) {
  if (!shift) {
    if (virtualKey == vk::kC) return 0;
    if (const int code = FixedKeyCode(virtualKey); code != 0) return code;
  }
  // Slots 5 and 6 come after 21 here; it matters only when one code sits in two slots.
  static constexpr int kOrder[] = {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                   5, 6, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37};
  for (const int slot : kOrder)
    if (Matches(keySlots, slot, virtualKey)) return kelvo::KeySlotKeyCode(slot);
  return 0;
}

}  // namespace key_routing
