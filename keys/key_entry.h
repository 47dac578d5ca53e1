#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "key_assignment.h"

namespace kelvo {

// What one key typed into a slot's field of the key settings dialog does.
struct KeyEntry {
  std::string message;                 // the new text of the message box; empty: it stays as it is
  std::optional<std::uint32_t> colour;  // the message's new colour (0xRRGGBB); none: as it was
  int clearedSlot = 0;   // another slot that held the key and gives it up (0: none)
  int namedSlot = 0;     // the slot the message names by its INI key (0: none)
  bool store = false;    // the slot takes `code` (0 empties it)
  std::int32_t code = 0;
};

inline constexpr std::uint32_t kMessageWhite = 0xFFFFFF, kMessageYellow = 0xFFFF00, kMessageRed = 0xFF0000;

// The rules for key `vk` typed into the field of `slot`, the first that applies deciding: locked,
// nothing; Shift itself or Shift held, refused; a key without a name (keypad, Enter, Escape, C,
// Ctrl ...), refused in red; the slot's own key, nothing; otherwise the key moves here from any
// other slot that held it (yellow message) or is simply taken (white message), and Space empties
// the slot instead.
KeyEntry DecideKeyEntry(int slot, int vk, bool shift, bool locked, const KeyTable& table);

}  // namespace kelvo
