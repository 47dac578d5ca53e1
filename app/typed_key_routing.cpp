#include "typed_key_routing.h"

#include <QKeyEvent>

#include "keyboard_layout.h"
#include "keycodes.h"
#include "key_slots.h"

namespace key_routing {
namespace {

bool Japanese(const kelvo::KeyboardLayout* layout) { return layout == nullptr || layout->japanese; }

// Keys typed with Ctrl, Alt or the logo key are commands, and the keypad has codes of its own.
bool TypesText(const QKeyEvent& event) {
  return !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier));
}

}  // namespace

int TypedCalculatorKey(std::u32string_view text) {
  if (text.size() != 1) return 0;
  switch (text.front()) {
    case U'+': return kelvo::kKeyPlus;
    case U'-': return kelvo::kKeyMinus;
    case U'*': return kelvo::kKeyMultiply;
    case U'/': return kelvo::kKeyDivide;
    case U'=': return kelvo::kKeyEquals;
    case U'%': return kelvo::kKeyPercent;
    case U'.': return kelvo::kKeyPoint;
    default: return 0;
  }
}

Slots SlotsForLayout(const Slots& table, bool japanese) {
  Slots result = table;
  if (japanese) return result;
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot) {
    auto& code = result[static_cast<std::size_t>(slot)];
    if (kelvo::KeySlotTypedCharacter(slot) != 0 && code == kelvo::KeySlotDefault(slot)) code = 0;
  }
  return result;
}

bool AssignedByUser(const Slots& table, int virtualKey) {
  if (virtualKey == 0) return false;
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot)
    if (table[static_cast<std::size_t>(slot)] == virtualKey && virtualKey != kelvo::KeySlotDefault(slot)) return true;
  return false;
}

KeyDown KeyEventRouter::Down(const QKeyEvent& event, int virtualKey, const kelvo::KeyboardLayout* layout,
                             bool miniSize, const Slots& table) {
  const bool japanese = Japanese(layout);
  const bool shift = event.modifiers() & Qt::ShiftModifier;
  if (!japanese && TypesText(event) && !AssignedByUser(table, virtualKey)) {
    if (const int code = TypedCalculatorKey(event.text().toStdU32String())) {
      typedDown_.insert(event.nativeScanCode(), code);
      return {KeyDown::Press, code};
    }
  }
  return RouteKeyDown(virtualKey, shift, miniSize, SlotsForLayout(table, japanese));
}

int KeyEventRouter::Up(const QKeyEvent& event, int virtualKey, const kelvo::KeyboardLayout* layout, const Slots& table) {
  if (event.nativeScanCode() != 0) {
    if (const auto typed = typedDown_.constFind(event.nativeScanCode()); typed != typedDown_.constEnd()) {
      const int code = typed.value();
      typedDown_.erase(typed);
      return code;
    }
  }
  return RouteKeyUp(virtualKey, event.modifiers() & Qt::ShiftModifier, SlotsForLayout(table, Japanese(layout)));
}

}  // namespace key_routing
