#include "key_routing.h"

#include <cstddef>

#include "key_slots.h"

namespace key_routing {
namespace {

constexpr int kVkNumpad0 = 96, kVkNumpad9 = 105;
constexpr int kVkMultiply = 106, kVkAdd = 107, kVkSubtract = 109, kVkDecimal = 110, kVkDivide = 111;

// The keypad operators and Enter, which act without being assigned.
int FixedKeyCode(int vk) {
  if (vk >= kVkNumpad0 && vk <= kVkNumpad9) return vk + 4;  // 100..109
  switch (vk) {
    case kVkEnter: return 99;
    case kVkMultiply: return 19;
    case kVkAdd: return 17;
    case kVkSubtract: return 18;
    case kVkDecimal: return 21;
    case kVkDivide: return 20;
    default: return 0;
  }
}

bool Matches(const Slots& slots, int slot, int vk) { return vk != 0 && slots[static_cast<std::size_t>(slot)] == vk; }

}  // namespace

KeyDown RouteKeyDown(int vk, bool shift, bool miniSize, const Slots& slots) {
  if (vk == kVkF12) return {KeyDown::CloseTopWindow, 0};
  if (!shift) {
    if (vk == kVkC) return {KeyDown::Copy, 0};
    if (const int code = FixedKeyCode(vk); code != 0) return {KeyDown::Press, code};
  }
  for (int slot = 1; slot <= 37; ++slot) {
    if (!Matches(slots, slot, vk)) continue;
    switch (slot) {
      case 22: return {KeyDown::ToggleKeySettings, 0};
      case 23: return {KeyDown::ToggleMiniSize, 0};
      case 24: return {KeyDown::ToggleBigPanel, 0};
      case 25: return miniSize ? KeyDown{} : KeyDown{KeyDown::ToggleButtons, 0};
      case 26: return {KeyDown::ToggleFormula, 0};
      default: return {KeyDown::Press, kelvo::KeySlotKeyCode(slot)};
    }
  }
  return {};
}

int RouteKeyUp(int vk, bool shift, const Slots& slots) {
  if (!shift) {
    if (vk == kVkC) return 0;
    if (const int code = FixedKeyCode(vk); code != 0) return code;
  }
  // Slots 5 and 6 come after 21 here; it matters only when one code sits in two slots.
  static constexpr int kOrder[] = {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                   5, 6, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37};
  for (const int slot : kOrder)
    if (Matches(slots, slot, vk)) return kelvo::KeySlotKeyCode(slot);
  return 0;
}

}  // namespace key_routing
